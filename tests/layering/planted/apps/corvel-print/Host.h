// The host's own header.
#include "platform/Missing.h"
