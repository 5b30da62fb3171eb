// The client, not for the server peer.
#include "comm/BigEndian.h"
