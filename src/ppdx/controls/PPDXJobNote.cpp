#include "ppdx/controls/PPDXJobNote.h"

#include <cstring>

#include "ppdx/text/TextConverter.h"
#include "ppdx/settings/SettingsValues.h"

namespace {

// The output converter shared by every job note and how many notes hold it.
std::unique_ptr<TextConverter> sOutputConverter;
int32_t sOutputConverterUsers = 0;

const char* PrefixForKeyword(const char* keyword) {
  if (!keyword) return nullptr;
  if (std::strcmp(keyword, "*Notes1") == 0) return "%%KTVCustom1: ";
  if (std::strcmp(keyword, "*Notes2") == 0) return "%%KTVCustom2: ";
  if (std::strcmp(keyword, "*Instruc") == 0) return "%%KTVCustom3: ";
  return nullptr;
}

}  // namespace

PPDXJobNote::PPDXJobNote(const char* keyword, const std::string& name, const PointerList* flags,
                         const char* ps, long psLength, const char* notes, const char* language,
                         const bool& visible, int32_t maxLength, uint32_t noteFlags,
                         int32_t minLength)
    : PPDXControl(keyword, name, flags, visible, ctJobNote, ps, psLength),
      mNotes(notes),
      mMaxLength(maxLength),
      mMinLength(minLength),
      mNoteFlags(noteFlags),
      mDefaultNotes(notes),
      mLanguage(language) {
  AttachOutputConverter(language);
}

PPDXJobNote::PPDXJobNote(Settings& settings, const long& id)
    : PPDXControl(settings, id, ctJobNote) {
  mNotes = ReadText(settings, kControlValueTag, id);
  mDefaultNotes = ReadText(settings, kJobNoteDefaultTextTag, id);
  mMaxLength = ReadInt32(settings, kJobNoteMaxLengthTag, id).value_or(0);
  mMinLength = ReadInt32(settings, kJobNoteMinLengthTag, id).value_or(0);
  mNoteFlags = static_cast<uint32_t>(ReadInt32(settings, kJobNoteFlagsTag, id).value_or(0));
  mJobNoteOn = ReadInt32(settings, kJobNoteOnTag, id).value_or(0) != 0;
  mLanguage = ReadText(settings, kJobNoteLanguageTag, id);
  AttachOutputConverter(mLanguage);
}

PPDXJobNote::~PPDXJobNote() {
  if (--sOutputConverterUsers <= 0) {
    sOutputConverterUsers = 0;
    sOutputConverter.reset();
  }
}

void PPDXJobNote::AttachOutputConverter(const char* language) {
  if (sOutputConverterUsers++ > 0 && sOutputConverter) return;
  unsigned long in = TextConverter::GetCurrentEncoding();
  unsigned long out = TextConverter::LanguageStringToEncoding(language);
  sOutputConverter = std::make_unique<TextConverter>(in, out);
}

TextConverter* PPDXJobNote::OutputConverter() { return sOutputConverter.get(); }

bool PPDXJobNote::OkayToDisplay(const _DISPLAY_OPTIONS_& filter) {
  if (filter == SO_DEFAULT || filter == SO_SHOW_ORPHANS) return IsVisible();
  return true;
}

OSStatus PPDXJobNote::Save(Settings& settings, const long& id) {
  OSStatus status = SaveKind(settings, id, kJobNoteMarker);
  if (status == noErr) status = SaveText(settings, kControlValueTag, id, mNotes);
  if (status == noErr) status = SaveText(settings, kJobNoteDefaultTextTag, id, mDefaultNotes);
  if (status == noErr) status = SaveInt32(settings, kJobNoteMaxLengthTag, id, mMaxLength);
  if (status == noErr) status = SaveInt32(settings, kJobNoteMinLengthTag, id, mMinLength);
  if (status == noErr)
    status = SaveInt32(settings, kJobNoteFlagsTag, id, static_cast<int32_t>(mNoteFlags));
  if (status == noErr) status = SaveInt32(settings, kJobNoteOnTag, id, mJobNoteOn);
  if (status == noErr) status = SaveText(settings, kJobNoteLanguageTag, id, mLanguage);
  return status;
}

OSStatus PPDXJobNote::Restore(Settings& settings, const long& id) {
  SetNotes(ReadText(settings, kControlValueTag, id));
  mJobNoteOn = ReadInt32(settings, kJobNoteOnTag, id).value_or(0) != 0;
  return noErr;
}

void PPDXJobNote::SetNotes(const char* text) {
  if (text != static_cast<const char*>(mNotes)) mNotes = text;
  mOutPSData.clear();
}

std::string PPDXJobNote::GetCurrentControlValueString() {
  return mNotes ? std::string(mNotes) : std::string();
}

bool PPDXJobNote::SetCurrentControlWithCFString(const std::string& value) {
  SetNotes(value.c_str());
  return true;
}

std::string PPDXJobNote::BuildPDLString(const char* notes) const {
  const char* prefix = Resume()     ? "%%PersPassword: "
                       : IsMember() ? "%%DeptPassword: "
                                    : PrefixForKeyword(Keyword());
  if (!prefix) return "%%EmptyOption\n\n";
  return std::string(prefix) + (notes ? notes : "") + "\n";
}

long PPDXJobNote::PostScript(unsigned char* out) {
  std::string notes = mNotes ? std::string(mNotes) : std::string();
  if (notes.size() > kJobNoteOutputLimit) notes.resize(kJobNoteOutputLimit);
  if (mOutPSData.empty()) {
    if (!mPostScriptData.empty()) {
      Inject(Keyword(), mPostScriptData.data(), PostScriptDataLength(), notes.c_str(), mOutPSData);
    } else {
      std::string line = BuildPDLString(notes.c_str());
      mOutPSData.assign(line.begin(), line.end());
      mOutPSData.push_back('\0');
    }
  }
  long length = mOutPSData.empty() ? 0 : long(mOutPSData.size()) - 1;
  return GeneratePSOutputData(out, mOutPSData.data(), length, notes.c_str(), true);
}
