// Planted: <layer/...> from the bottom layer.
#include <options/Record.h>
