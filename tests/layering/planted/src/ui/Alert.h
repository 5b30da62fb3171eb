// A ui header.
#include <vector>
