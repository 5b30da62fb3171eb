// Allowed: options may use ui and support.
#include "support/Strings.h"
#include <ui/Alert.h>
