#include "ppdx/controls/PPDXControl.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "ppdx/settings/Settings.h"
#include "ppdx/settings/SettingsStrings.h"
#include "ppdx/settings/SettingsValues.h"
#include "support/PointerList.h"

namespace {

// Flag words are saved as one block of NUL-terminated texts.
std::vector<uint8_t> JoinFlags(const std::vector<CString>& flags) {
  std::vector<uint8_t> block;
  for (const CString& flag : flags) {
    const char* text = flag;
    block.insert(block.end(), text, text + std::strlen(text) + 1);
  }
  return block;
}

std::vector<CString> SplitFlags(const std::vector<uint8_t>& block) {
  std::vector<CString> flags;
  size_t start = 0;
  for (size_t i = 0; i < block.size(); ++i) {
    if (block[i] != 0) continue;
    if (i > start)
      flags.emplace_back(std::string(block.begin() + long(start), block.begin() + long(i)).c_str());
    start = i + 1;
  }
  return flags;
}

bool EqualIgnoringCase(const char* a, const char* b, size_t length) {
  for (size_t i = 0; i < length; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::vector<char> CopyCode(const char* code, long length) {
  if (!code || length <= 0) return {};
  return std::vector<char>(code, code + length);
}

PPDXControl::PPDXControl(const char* keyword, const std::string& name, const PointerList* flags,
                         const bool& visible, CNTL_TYPE type, const char* code, long codeLength)
    : PPDXElement(keyword, name, visible),
      mType(type),
      mPostScriptData(CopyCode(code, codeLength)) {
  if (!flags) return;
  mControlFlags.reserve(flags->Size());
  for (ConstPointerListItr it = flags->Begin(); it != flags->End(); ++it) {
    const auto* flag = static_cast<const CString*>(*it);
    if (flag && !flag->Empty()) mControlFlags.emplace_back(*flag);
  }
}

PPDXControl::PPDXControl(Settings& settings, const long& id, CNTL_TYPE type)
    : PPDXElement(settings, id), mType(type) {
  mOrder = static_cast<int16_t>(ReadInt32(settings, kControlOrderTag, id).value_or(0));
  if (auto flags = GetSettingsBytes(settings, kControlFlagsTag, id))
    mControlFlags = SplitFlags(*flags);
  if (auto code = GetSettingsBytes(settings, kControlCodeTag, id))
    mPostScriptData.assign(code->begin(), code->end());
}

PPDXControl::~PPDXControl() = default;

OSStatus PPDXControl::SaveKind(Settings& settings, const long& id, OSType marker) {
  OSStatus status = PPDXElement::Save(settings, id);
  if (status == noErr) status = SaveClassMarker(settings, id, marker);
  if (status == noErr) status = SaveInt32(settings, kControlOrderTag, id, mOrder);
  if (status == noErr && !mControlFlags.empty()) {
    std::vector<uint8_t> flags = JoinFlags(mControlFlags);
    status = settings.Add(kControlFlagsTag, id, flags.data(), static_cast<long>(flags.size()));
  }
  if (status == noErr && !mPostScriptData.empty())
    status = settings.Add(kControlCodeTag, id, mPostScriptData.data(), PostScriptDataLength());
  return status;
}

long PPDXControl::PostScript(unsigned char* out) {
  if (out && !mPostScriptData.empty())
    std::memcpy(out, mPostScriptData.data(), mPostScriptData.size());
  return PostScriptDataLength();
}

const char* PPDXControl::FirstControlFlag() {
  mCurrentFlag = 0;
  return mControlFlags.empty() ? nullptr : static_cast<const char*>(mControlFlags[0]);
}

const char* PPDXControl::NextControlFlag() {
  if (mCurrentFlag >= mControlFlags.size()) return nullptr;
  ++mCurrentFlag;
  return mCurrentFlag < mControlFlags.size() ? static_cast<const char*>(mControlFlags[mCurrentFlag])
                                             : nullptr;
}

bool PPDXControl::FindControlFlag(const char* word) const {
  return word && std::any_of(mControlFlags.begin(), mControlFlags.end(),
                             [&](const CString& flag) { return flag == word; });
}

long PPDXControl::GeneratePSOutputData(unsigned char* out, const char* code, long length,
                                       const char* optionText, bool wrap) {
  std::string fragment;
  if (wrap) {
    fragment += "%%BeginFeature: ";
    fragment += Keyword() ? Keyword() : "";
    fragment += ' ';
    fragment += optionText ? optionText : "";
    fragment += '\n';
  }
  if (code && length > 0)
    fragment.append(code, static_cast<size_t>(length));
  else
    fragment += '\n';
  if (wrap) fragment += "%%EndFeature\n";
  if (out) std::memcpy(out, fragment.data(), fragment.size());
  return static_cast<long>(fragment.size());
}

long PPDXControl::Inject(const char* keyword, const char* code, long length, const char* value,
                         std::vector<char>& out) {
  out.clear();
  if (!code || length <= 0) {
    out.push_back('\0');
    return 0;
  }
  const std::string placeholder = std::string("<") + (keyword ? keyword : "") + ">";
  const std::string replacement = value ? value : "";
  const size_t size = static_cast<size_t>(length);
  for (size_t i = 0; i < size;) {
    if (size - i >= placeholder.size() &&
        EqualIgnoringCase(code + i, placeholder.data(), placeholder.size())) {
      out.insert(out.end(), replacement.begin(), replacement.end());
      i += placeholder.size();
    } else {
      out.push_back(code[i++]);
    }
  }
  long result = static_cast<long>(out.size());
  out.push_back('\0');
  return result;
}

bool PPDXControl::ValidKeyword(const char* keyword) {
  static const char* const kReserved[] = {"*KTChromvale",
                                          "*KT_PROP_COLORMODE",
                                          "*KT_PROP_CH_PURE_BLACK",
                                          "*KT_PROP_CH_OVER_PRINT",
                                          "*KT_PROP_CH_RGB_SEPARATION",
                                          "*KT_PROP_CH_SOURCE_PROFILES",
                                          "*KT_PROP_CH_SIMULATION",
                                          "*KT_PROP_CH_SPOTCOLORS",
                                          "*KT_PROP_CH_OUTPUT_PROFILE",
                                          "*KT_PROP_CH_SIM_SPEED",
                                          "*KT_PROP_CH_COLOR_SMART",
                                          "*KT_PROP_CH_GAMMA",
                                          "*KT_PROP_CH_WHITEPOINT",
                                          "*KT_PROP_CH_PHOSPHORS",
                                          "*KT_PROP_CH_CRD",
                                          "*KT_PROP_CH_CRD_IMAGES",
                                          "*KT_PROP_CH_CRD_GRAPHICS",
                                          "*KT_PROP_CH_CRD_TEXT",
                                          "*KT_PROP_CH_CRD_IMAGES_HT",
                                          "*KT_PROP_CH_CRD_GRAPHICS_HT",
                                          "*KT_PROP_CH_CRD_TEXT_HT",
                                          "*KT_LOCAL_PROP_FIRSTPAGESOURCE",
                                          "*KT_LOCAL_PROP_FIRSTPAGEMEDIA",
                                          "*KT_LOCAL_PROP_BACKPAGESOURCE",
                                          "*KT_LOCAL_PROP_BACKPAGEMEDIA",
                                          "*KT_PROP_WATERMARK_FIRSTPAGEONLY",
                                          "*KT_PROP_WATERMARK_FOREGROUND",
                                          "*KT_PROP_WATERMARK_OUTLINE",
                                          "*KT_PROP_WATERMARK",
                                          "*KT_PROP_LOCAL_KTLANDSCAPE"};
  if (!keyword) return false;
  return std::none_of(std::begin(kReserved), std::end(kReserved),
                      [&](const char* reserved) { return std::strcmp(reserved, keyword) == 0; });
}
