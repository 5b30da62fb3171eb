// Planted: a bare name that lands in another program, and a missing header of a layer.
#include "Host.h"
#include "serverclient/Missing.h"
