// Planted: a same-folder name that is a link into support.
#include "Strings.h"
