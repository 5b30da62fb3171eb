// Allowed: a framing header. Planted: the client.
#include "comm/BigEndian.h"
#include "comm/Client.h"
