// The parse loop: header check, keyword dispatch, and the end-of-parse resolution steps.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "ppdx/parser/KTVPPD.h"
#include "ppdx/stream/PPDXConstants.h"
#include "ppdx/errors/PPDXErrorCodes.h"
#include "ppdx/errors/PPDXErrors.h"
#include "ppdx/model/PPDXGroups.h"
#include "ppdx/model/PPDXRollDown.h"

namespace {

using Handler = std::unique_ptr<PPDXErrorObj> (KTVPPD::*)(PPDStream&);

// The installable-options group lines name this group.
constexpr const char* kInstallableOptions = "InstallableOptions";

// A one-line stream over a line buffer (its NUL ends the line).
PPDStream LineStream(const char* line) { return PPDStream(line, long(std::strlen(line))); }

}  // namespace

void KTVPPD::StoreErrorAndStop(ErrorPtr error, bool& stop) {
  if (!error) return;
  stop = error->IsFatal() || mAllErrorsFatal;
  mErrors->Add(error.release());
}

void KTVPPD::AddWarning(short code, const char* keyword) {
  mErrors->Add(MakeError(code, keyword).release());
}

void KTVPPD::Parse() {
  if (!mProperties || !mGroups || !mControls || !mKeywordControlMap || !mConstraintForest ||
      !mRequiresForest) {
    mErrors->Add(new PPDXErrorObj(PPDErr_OutOfMemory, true));
    return;
  }
  if (!mFile) return;

  auto stream = std::make_unique<PPDFileStream>(mFile.get(), true);
  if (stream->Bad()) {
    mErrors->Add(new PPDXErrorObj(PPDErr_FileError, mFile->Path().filename().c_str(), true));
    return;
  }
  SetBufferStream(stream.get());

  // Header: "*PPD-Adobe" with the quoted value "4.3" must come first.
  bool headerError = false;
  char token[kLineSizeLimit];
  if (NextToken(*stream, token, kMainKeywordDelimiters, false)) {
    char version[kLineSizeLimit];
    if (std::strcmp(token, kAdobeLine) == 0 &&
        GetQuotedString(*stream, version, kLineSizeLimit) > 0 &&
        std::strcmp(version, kAdobeVersLine) == 0) {
      mValidPPDFile = true;
    } else {
      headerError = true;
    }
  }

  static const struct {
    const char* keyword;
    Handler handler;
  } kDispatch[] = {
      {"*%KTVPropPage", &KTVPPD::ParsePropertyPage},
      {"*%KTVGroupName", &KTVPPD::ParseGroupName},
      {"*%KTVParent", &KTVPPD::ParseParent},
      {"*%KTVFlags", &KTVPPD::ParseControl},
      {"*%KTShortcut", &KTVPPD::ParseShortcut},
      {"*%KTVSpecialOption", &KTVPPD::ParseSpecialOption},
      {"*%KTVJobNote", static_cast<Handler>(&KTVPPD::ParseJobNote)},
  };

  bool stop = headerError;
  char line[kLineSizeLimit];
  while (!stop && NextFileLine(line)) {
    PPDStream lineStream = LineStream(line);
    if (!NextToken(lineStream, token, kMainKeywordDelimiters, true) || token[0] == '\0') continue;
    const std::string_view keyword(token);
    ErrorPtr error;
    if (keyword == "*UIConstraints" || keyword == "*%KTVUIConstraints") {
      error = ParseUIConstraint(lineStream, false);
    } else if (keyword == "*%KTVUIRequires") {
      error = ParseUIConstraint(lineStream, true);
    } else {
      Handler handler = nullptr;
      for (const auto& entry : kDispatch)
        if (keyword == entry.keyword) handler = entry.handler;
      if (handler)
        error = (this->*handler)(lineStream);
      else
        ParsePSKeywords(lineStream, token);
    }
    StoreErrorAndStop(std::move(error), stop);
  }

  ResolveShortcuts();
  mShortcutKeywords.clear();
  CollectOrphanGroups();
  ClearGroupNameList();
  SetBufferStream(nullptr);
  stream.reset();
  if (headerError) mErrors->Add(new PPDXErrorObj(PPDErr_NotPPDFile, kAdobeLine, true));
  mKeywordControlMap->EndInsertion();
}

void KTVPPD::ParsePSKeywords(PPDStream& line, const char* keyword) {
  if (keyword[0] != '*' || std::strchr("%OC", keyword[1]) == nullptr || keyword[1] == '\0') {
    PPDX::ParsePSKeywords(line, keyword);
    return;
  }
  if (std::strcmp(keyword, "*%KTFileVersion") == 0 || std::strcmp(keyword, "*%KTVersion") == 0) {
    char rest[kLineSizeLimit];
    NextToken(line, rest, kEndofLineDelimiters, true);
    (std::strcmp(keyword, "*%KTVersion") == 0 ? mKTVersion : mKTFileVersion) = rest;
    return;
  }
  const bool opens = std::strcmp(keyword, "*OpenGroup") == 0;
  if (opens || std::strcmp(keyword, "*CloseGroup") == 0) {
    char group[kLineSizeLimit];
    if (NextToken(line, group, kOptionKeywordDelimiters, true) &&
        std::strcmp(group, kInstallableOptions) == 0) {
      mLoadingInstallableOptions = opens;
      if (opens && mInstallableOptionsGroup == nullptr) {
        // Without a translation the keyword names the group, as for a UI block.
        char translation[kLineSizeLimit];
        const bool translated =
            NextToken(line, translation, kOptionKeywordDelimiters, true) && translation[0] != '\0';
        const std::string name =
            translated ? ConvertTranslation(translation, kInstallableOptions) : kInstallableOptions;
        mInstallableOptionsGroup = new PPDXRollDown(kInstallableOptions, name, true);
        mGroups->Add(mInstallableOptionsGroup);
      }
    }
    return;
  }
  PPDX::ParsePSKeywords(line, keyword);
}
