#include "LargePPD.h"

#include <fstream>

namespace {

void AppendHeader(std::string& out) {
  out +=
      "*PPD-Adobe: \"4.3\"\n"
      "*FormatVersion: \"4.3\"\n"
      "*FileVersion: \"1.0\"\n"
      "*LanguageVersion: English\n"
      "*LanguageEncoding: ISOLatin1\n"
      "*PCFileName: \"CVLARGE.PPD\"\n"
      "*Manufacturer: \"Corvel\"\n"
      "*Product: \"(Corvel Large)\"\n"
      "*ModelName: \"Corvel Large\"\n"
      "*ShortNickName: \"Corvel Large\"\n"
      "*NickName: \"Corvel Large\"\n"
      "*PSVersion: \"(3010.000) 0\"\n"
      "*LanguageLevel: \"3\"\n"
      "*ColorDevice: True\n"
      "*DefaultColorSpace: CMYK\n"
      "*FileSystem: False\n"
      "*Throughput: \"40\"\n"
      "*TTRasterizer: Type42\n"
      "*%KTFileVersion: 1.0\n"
      "*%KTVersion: 1.2\n\n";
}

void AppendPageSize(std::string& out) {
  out +=
      "*OpenUI *PageSize/Page Size: PickOne\n"
      "*OrderDependency: 10 AnySetup *PageSize\n"
      "*DefaultPageSize: Letter\n"
      "*PageSize Letter/Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
      "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
      "*CloseUI: *PageSize\n"
      "*OpenUI *PageRegion: PickOne\n"
      "*OrderDependency: 10 AnySetup *PageRegion\n"
      "*DefaultPageRegion: Letter\n"
      "*PageRegion Letter/Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
      "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
      "*CloseUI: *PageRegion\n"
      "*DefaultImageableArea: Letter\n"
      "*ImageableArea Letter/Letter: \"12 12 600 780\"\n"
      "*ImageableArea A4/A4: \"12 12 583 830\"\n"
      "*DefaultPaperDimension: Letter\n"
      "*PaperDimension Letter/Letter: \"612 792\"\n"
      "*PaperDimension A4/A4: \"595 842\"\n\n";
}

std::string Name(const char* prefix, int a, int b = -1, int c = -1) {
  std::string name = prefix + std::to_string(a);
  if (b >= 0) name += "_" + std::to_string(b);
  if (c >= 0) name += "_" + std::to_string(c);
  return name;
}

void AppendLayout(std::string& out, const LargePPDShape& shape) {
  for (int p = 0; p < shape.pages; ++p) {
    const std::string page = Name("Page", p);
    const std::string pane = Name("Pane", p);
    out += "*%KTVPropPage " + page + "/Page " + std::to_string(p) + ": \"True\"\n";
    out += "*%KTVGroupName " + pane + "/Pane " + std::to_string(p) + ": \"True\"\n";
    out += "*%KTVParent " + pane + "/" + page + ": \"True|Scrollpane\"\n";
    for (int r = 0; r < shape.rollDownsPerPage; ++r) {
      const std::string roll = Name("Roll", p, r);
      out += "*%KTVGroupName " + roll + "/Section " + std::to_string(r) + ": \"True\"\n";
      out += "*%KTVParent " + roll + "/" + pane + ": \"True|Rolldown\"\n";
    }
  }
  out += "\n";
}

// The flags and group lines and the opening of a UI block, up to its default line.
void AppendBlockHead(std::string& out, const std::string& keyword, const std::string& group,
                     const char* flags, const char* label, const char* type,
                     const char* defaultChoice) {
  const std::string bare = keyword.substr(1);
  out += "*%KTVFlags " + keyword + " " + flags + "\n";
  out += "*%KTVGroup " + keyword + " " + group + "\n";
  out += "*OpenUI " + keyword + "/" + label + " " + bare + ": " + type + "\n";
  out += "*OrderDependency: 50 AnySetup " + keyword + "\n";
  out += "*Default" + bare + ": " + defaultChoice + "\n";
}

void AppendPopup(std::string& out, const std::string& keyword, const std::string& group,
                 int choices) {
  const std::string bare = keyword.substr(1);
  AppendBlockHead(out, keyword, group, "\"Command|Spooler\"", "Option", "PickOne", "C0");
  for (int c = 0; c < choices; ++c) {
    const std::string choice = "C" + std::to_string(c);
    out += keyword + " " + choice + "/Choice " + std::to_string(c) + ": \"<< /" + bare + " " +
           std::to_string(c) + " >> setpagedevice % generated setting\"\n";
  }
  out += "*CloseUI: " + keyword + "\n";
}

void AppendBoolean(std::string& out, const std::string& keyword, const std::string& group) {
  const std::string bare = keyword.substr(1);
  AppendBlockHead(out, keyword, group, "\"Setup\"", "Switch", "Boolean", "False");
  out += keyword + " True/On: \"<< /" + bare + " true >> setpagedevice\"\n";
  out += keyword + " False/Off: \"<< /" + bare + " false >> setpagedevice\"\n";
  out += "*CloseUI: " + keyword + "\n";
}

void AppendRangeAndNote(std::string& out, const std::string& suffix, const std::string& group) {
  const std::string range = "*KTRange" + suffix;
  out += "*%KTVFlags " + range + "\n";
  out += "*%KTVGroup " + range + " " + group + "\n";
  out += "*%KTVRange " + range + "/Copies " + suffix + ": (1;999;1;1) \"<< /NumCopies <" + range +
         "> >> setpagedevice\"\n";
  const std::string note = "*KTNote" + suffix;
  out += "*%KTVFlags " + note + "\n";
  out += "*%KTVGroup " + note + " " + group + "\n";
  out += "*%KTVJobNote " + note + "/Note " + suffix + ": 32|Alpha|Numeric|Required|MinLength4\n";
  out += "*%KTNote" + suffix + ": \"%%Note: <" + note + ">\"\n";
}

void AppendConstraints(std::string& out, const std::string& a, const std::string& b) {
  out += "*UIConstraints: " + a + " C1 " + b + " C2\n";
  out += "*UIConstraints: " + b + " C2 " + a + " C1\n";
  out += "*%KTVUIRequires: " + a + " C3 " + b + " C3\n";
}

void AppendControls(std::string& out, const LargePPDShape& shape) {
  for (int p = 0; p < shape.pages; ++p) {
    for (int r = 0; r < shape.rollDownsPerPage; ++r) {
      const std::string roll = Name("Roll", p, r);
      const std::string suffix = std::to_string(p) + "_" + std::to_string(r);
      for (int i = 0; i < shape.popupsPerRollDown; ++i) {
        const std::string keyword = "*" + Name("KTOpt", p, r, i);
        AppendPopup(out, keyword, roll, shape.choicesPerPopup);
        if (i > 0) AppendConstraints(out, "*" + Name("KTOpt", p, r, i - 1), keyword);
      }
      AppendBoolean(out, "*KTSwitch" + suffix, roll);
      AppendRangeAndNote(out, suffix, roll);
      out += "\n";
    }
  }
}

void AppendShortcuts(std::string& out, const LargePPDShape& shape) {
  for (int p = 0; p < shape.pages; ++p) out += "*%KTShortcut *" + Name("KTOpt", p, 0, 0) + "\n";
}

}  // namespace

std::string MakeLargePPD(const LargePPDShape& shape) {
  std::string out;
  out.reserve(1200000);
  AppendHeader(out);
  AppendPageSize(out);
  AppendLayout(out, shape);
  AppendControls(out, shape);
  AppendShortcuts(out, shape);
  out += "*% End of generated file\n";
  return out;
}

std::string MakeRepeatedBlockPPD(int blocks) {
  std::string out;
  AppendHeader(out);
  for (int b = 0; b < blocks; ++b)
    out +=
        "*%KTVFlags *KTSame\n*OpenUI *KTSame/Same: PickOne\n*DefaultKTSame: A\n"
        "*KTSame A/A: \"a\"\n*CloseUI: *KTSame\n";
  return out;
}

bool WritePPD(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), std::streamsize(text.size()));
  return bool(file);
}
