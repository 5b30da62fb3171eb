#pragma once
// Sizes and delimiter sets of the PPD tokenizer.

inline constexpr long kLineSizeLimit = 256;         // every line, token and quoted-value buffer
inline constexpr long kPostScriptSizeLimit = 4096;  // every PostScript code block

inline constexpr const char* kMainKeywordDelimiters = " \t:";
inline constexpr const char* kOptionKeywordDelimiters = "/:";
inline constexpr const char* kTranslationStringDelimiters = ":";
inline constexpr const char* kQuotedValueStringDelimiters = "\"";
inline constexpr const char* kEndofLineDelimiters = "\n\r";
inline constexpr const char* kFlagKeywordDelimiters = "|:\"";
inline constexpr const char* kRangeStringDelimiters = ";(;)";
inline constexpr const char* kPopupKeywordDelimiters = "\\/:";
inline constexpr const char* kConstraintDelimiters = " \t";
inline constexpr const char* kAdobeLine = "*PPD-Adobe";
inline constexpr const char* kAdobeVersLine = "4.3";
