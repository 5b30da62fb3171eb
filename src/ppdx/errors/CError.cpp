#include "ppdx/errors/CError.h"

CError::CError(short code, const char* description, bool fatal)
    : mCode(code), mDescription(description ? description : ""), mFatal(fatal) {}
