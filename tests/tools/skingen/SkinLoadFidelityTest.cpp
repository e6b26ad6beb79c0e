// Each built skin, loaded from its container, against a plain reading of its folder: every
// picture pixel for pixel and every entry key for key, so that the load's quick paths (the
// INI index, the row decoders) cannot drift from what the text and the pictures say.
#include "RuntimePath.h"
#include "SkinEntriesText.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinDataFactory.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinKeyTable.h"
#include "skin/data/SkinWindowData.h"

#include "base/Exceptions.h"
#include "base/IniFiles.h"
#include "base/StrUtils.h"
#include "base/Streams.h"
#include "base/Strings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string SkinFolder() { return RuntimePath(VQ_SKIN_FOLDER); }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

std::string Folded(std::string_view s) {
  std::string folded(s);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return folded;
}

// Reads the text line by line on every read, as the profile functions of Windows do: the
// first section of a name, the first key of a name in it, both without regard to case;
// values trimmed and without surrounding quotes.
class TLineByLineIni : public TCustomIniFile {
public:
  explicit TLineByLineIni(const std::string& FileName) : TCustomIniFile(FileName) {
    TStringList text;
    text.LoadFromFile(FileName);
    for (int i = 0; i < text.Count(); ++i) FLines.push_back(text.Strings(i));
  }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) override {
    if (const std::optional<std::string> value = Find(section, key)) return *value;
    return std::string(def);
  }
  bool SectionExists(const std::string& section) override {
    for (const std::string& line : FLines)
      if (const std::optional<std::string> name = Header(line); name && *name == Folded(Trimmed(section)))
        return true;
    return false;
  }
  void ReadSection(const std::string&, TStrings&) override { Unused(); }
  void ReadSections(TStrings&) override { Unused(); }
  void ReadSectionValues(const std::string&, TStrings&) override { Unused(); }
  void WriteString(const std::string&, const std::string&, const std::string&) override { Unused(); }
  void EraseSection(const std::string&) override { Unused(); }
  void DeleteKey(const std::string&, const std::string&) override { Unused(); }
  void UpdateFile() override { Unused(); }

private:
  [[noreturn]] static void Unused() { throw EInvalidOperation("not read by a skin load"); }

  static std::optional<std::string> Header(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line[0] != '[') return std::nullopt;
    const size_t close = line.find(']');
    return Folded(Trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1)));
  }

  std::optional<std::string> Find(std::string_view section, std::string_view key) const {
    const std::string wantedSection = Folded(Trimmed(section));
    const std::string wantedKey = Folded(Trimmed(key));
    bool inSection = false;
    for (const std::string& raw : FLines) {
      if (const std::optional<std::string> name = Header(raw)) {
        if (inSection) return std::nullopt;  // only the first section of the name counts
        inSection = *name == wantedSection;
        continue;
      }
      const std::string_view line = Trimmed(raw);
      if (!inSection || line.empty() || line[0] == ';') continue;
      const size_t eq = line.find('=');
      if (eq == std::string_view::npos) continue;
      const std::string_view name = Trimmed(line.substr(0, eq));
      if (name.empty() || Folded(name) != wantedKey) continue;
      std::string_view value = Trimmed(line.substr(eq + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      return std::string(value);
    }
    return std::nullopt;
  }

  std::vector<std::string> FLines;
};

uint32_t Field(const std::vector<uint8_t>& File, size_t At, int Bytes) {
  uint32_t value = 0;
  for (int i = Bytes - 1; i >= 0; --i) value = value << 8 | File.at(At + static_cast<size_t>(i));
  return value;
}

// The picture file pixel for pixel against the loaded picture: each pixel's bytes as the
// file holds them (a 1-bit file's through its palette).
void ExpectPictureOfFile(const TPixelImage& Loaded, const std::string& FileName) {
  TMemoryStream stream;
  stream.LoadFromFile(FileName);
  const std::vector<uint8_t> file(stream.Memory(), stream.Memory() + stream.Size());
  ASSERT_GT(file.size(), 54u) << FileName;
  const auto width = static_cast<int32_t>(Field(file, 18, 4));
  const auto height = static_cast<int32_t>(Field(file, 22, 4));
  const auto bits = static_cast<int>(Field(file, 28, 2));
  ASSERT_TRUE(bits == 1 || bits == 24 || bits == 32) << FileName << ": " << bits << " bits";
  ASSERT_EQ(Loaded.Width(), width) << FileName;
  ASSERT_EQ(Loaded.Height(), height < 0 ? -height : height) << FileName;
  const size_t stride = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
  const size_t palette = 14 + Field(file, 14, 4);
  int wrong = 0;
  for (int32_t y = 0; y < Loaded.Height(); ++y) {
    const size_t row = Field(file, 10, 4) + stride * static_cast<size_t>(height < 0 ? y : height - 1 - y);
    for (int32_t x = 0; x < width; ++x) {
      const uint8_t* loaded = Loaded.ScanLine(y) + static_cast<size_t>(x) * static_cast<size_t>(Loaded.BytesPerPixel());
      size_t at = row + static_cast<size_t>(x) * static_cast<size_t>(bits / 8);
      if (bits == 1) at = palette + 4 * ((file.at(row + static_cast<size_t>(x / 8)) >> (7 - x % 8)) & 1u);
      for (int byte = 0; byte < (bits == 32 ? 4 : 3); ++byte)
        if (loaded[byte] != file.at(at + static_cast<size_t>(byte)) && ++wrong <= 3)
          ADD_FAILURE() << FileName << " (" << x << ", " << y << ") byte " << byte;
    }
  }
  EXPECT_EQ(wrong, 0) << FileName;
}

class SkinLoadFidelityTest : public ::testing::TestWithParam<const char*> {
protected:
  void SetUp() override {
    Stored.LoadFromCompressedFile(SkinFolder() + GetParam() + ".skn");
    Data.LoadCompressedStoredSkin(&Stored);
    ASSERT_FALSE(Data.Empty());
  }
  std::string Folder() const { return SkinFolder() + GetParam() + "/"; }

  TspCompressedStoredSkin Stored{nullptr};
  TspSkinData Data{nullptr};
};

TEST_P(SkinLoadFidelityTest, EveryEntryHoldsWhatALineByLineReadingOfTheTextGives) {
  TLineByLineIni text(Folder() + "skin.ini");
  std::vector<std::unique_ptr<TspDataSkinObject>> objects;
  std::vector<std::unique_ptr<TspDataSkinControl>> controls;
  std::vector<TspDataSkinArea> areas;
  TspSkinFormInfo formInfo;
  TspDataSkinPopupWindow popup;
  TspDataSkinHintWindow hint;
  TspSkinColors colors;
  LoadSkinObjectList(text, objects);
  LoadSkinControlList(text, controls);
  LoadAreas(text, areas);
  LoadSkinFormInfo(text, !text.ReadString("PICTURES", "mask", "").empty(), formInfo);
  popup.LoadFromFile(text);
  hint.LoadFromFile(text);
  colors.LoadFromFile(text);
  ASSERT_EQ(Data.CtrlList.size(), controls.size());
  ASSERT_EQ(Data.ObjectList.size(), objects.size());
  EXPECT_GT(controls.size(), 20u);
  const std::string loaded = EntriesText(Data.ObjectList, Data.CtrlList, Data.AreaList, Data,
                                         Data.PopupWindow, Data.HintWindow, Data.SkinColors);
  EXPECT_EQ(loaded, EntriesText(objects, controls, areas, formInfo, popup, hint, colors));
  EXPECT_EQ(Data.SkinName, text.ReadString("VERSION", "skinname", ""));
  EXPECT_EQ(Data.MaskName, text.ReadString("PICTURES", "mask", ""));
}

TEST_P(SkinLoadFidelityTest, EveryPictureHoldsItsFilesPixels) {
  TLineByLineIni text(Folder() + "skin.ini");
  const auto expect = [&](const TPixelImage& picture, const char* key) {
    const std::string name = text.ReadString("PICTURES", key, "");
    if (name.empty())
      EXPECT_TRUE(picture.Empty()) << key;
    else
      ExpectPictureOfFile(picture, Folder() + name);
  };
  expect(Data.Picture, "picture");
  expect(Data.InActivePicture, "inactivepicture");
  expect(Data.Mask, "mask");
  expect(Data.RollUpPicture, "rolluppicture");
  expect(Data.RollUpMask, "rollupmask");
  const int count = StrToInt(text.ReadString("PICTURES", "activepicturescount", "0"));
  ASSERT_EQ(Data.ActivePictures.size(), static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    ExpectPictureOfFile(Data.ActivePictures[static_cast<size_t>(i)],
                        Folder() + text.ReadString("PICTURES", std::to_string(i), ""));
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinLoadFidelityTest,
                         ::testing::Values("slate", "flatcolour", "sparse", "flatframe"));

}  // namespace
