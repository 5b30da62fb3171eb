#pragma once
// The parsed model of a PPD as one JSON object (see main.cpp for the layout).
#include <string>

#include "ppdx/parser/KTVPPD.h"

// Shows every element (display filter SO_SHOW_ALL) for the dump and restores the filter after.
std::string DumpModel(KTVPPD& ppd);
