#include "ppdx/text/HexLanguageExceptions.h"

HexLanguageExceptions::HexLanguageExceptions()
    : mExceptions{"Japanese",   "ChineseTrad", "ChineseSimp", "Chinese", "Korean",    "Czech",
                  "Russian",    "Bulg",        "Estonian",    "Greek",   "Hungarian", "Latvian",
                  "Lithuanian", "Polish",      "Romanian",    "Slovak",  "Slovenian"} {}
