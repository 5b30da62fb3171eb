#pragma once
// A printer description written for any driver becomes one the dialog shows control by control
// when each UI block is announced the way the extension's own descriptions announce theirs: a
// "*%KTVFlags *Key Setup" line right before "*OpenUI *Key...".
#include <string>

// `text` with every UI block announced; other lines stay byte for byte.
std::string AnnounceUIBlocks(const std::string& text);
