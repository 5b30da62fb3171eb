// Fuzz target: the extended PPD parser on arbitrary file contents, with every option parsed, the
// resulting model walked, and the model saved and rebuilt.
#include "FuzzEntry.h"
#include "ModelWalk.h"
#include "TempInputFile.h"
#include "ppdx/parser/KTVPPD.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TempInputFile file(".ppd");
  if (!file.Write(data, size)) return 0;
  KTVPPD ppd(file.Path(), PO_PARSE_ALL);
  WalkModel(ppd);
  CheckSavedModelRebuilds(ppd);
  return 0;
}
