// Support's own strings.
#include <string>
