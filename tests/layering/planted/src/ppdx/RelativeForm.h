// Planted: a relative include into another layer.
#include "../ui/Alert.h"
