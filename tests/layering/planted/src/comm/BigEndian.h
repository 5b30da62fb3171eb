// A framing header the server peer may share.
#include <cstdint>
