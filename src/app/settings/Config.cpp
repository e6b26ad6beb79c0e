#include "Config.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/IniFiles.h"
#include "base/SharedRoutines.h"
#include "base/Streams.h"

#include "tags/ID3TagsUtils.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <span>
#include <utility>
#include <variant>

TConfigBase* Settings = nullptr;

namespace {

const char kRenameFormatsDefault[] =
    "|<A> - <T>|,|<N> - <T>|,|<A> - <N> - <T>|,|<N> - <A> - <T>|";
const char kTagFormatsDefault[] =
    "|\\ <A> - <T>|,|\\ <N> - <T>|,|\\ <A> - <N> - <T>|,|\\ <N> - <A> - <T>|";

// Row positions in TConfigBase::SettingRows.
enum TSettingID {
  siLanguage,
  siMainHeight,
  siMainWidth,
  siMainMaximized,
  siMainPreferredFormat,
  siMainFormats,
  siAllWordsCaps,
  siSaveList,
  siListName,
  siActionOnExistingFile,
  siTagHeight,
  siTagWidth,
  siTagMaximized,
  siTagPreferredFormat,
  siTagFormats,
  siDefaultSaveActionForLog,
  siDefaultTagLanguage,
  siDefaultID3v1,
  siDefaultID3v2,
  siCount
};

// The rows each WriteSettingsPart part writes, in order.
const std::vector<int> kSettingParts[] = {
    {siMainFormats, siMainPreferredFormat},
    {siMainHeight, siMainWidth, siMainMaximized},
    {siTagFormats, siTagPreferredFormat},
    {siTagHeight, siTagWidth, siTagMaximized},
};

// "Settings.ini" holds a few hundred bytes; a file far larger is not one, and is never
// loaded whole.
constexpr int64_t kMaxSettingsFileSize = TLanguage::MaxFileSize;

// The values a number setting can hold, both ends included. A stored number outside its
// setting's ranges means nothing to the program (a hand-edited file, one of another
// version) and reads as the setting's default, so that no window is handed an item or a
// size it cannot show.
struct TValueRange {
  int32_t First, Last;
};
constexpr TValueRange kExistingFileActions[] = {{aeAddNumber, aeAsk}};
constexpr TValueRange kSaveActionsForLog[] = {{0, 2}};  // nothing, failures, everything
constexpr TValueRange kCommentLanguages[] = {{0, LanguageCount - 1}};
// Tag versions: no tag, or a version of the tag's own kind. A version that no combo offers
// (ID3v1.0, ID3v2.3) is one the program knows, and stays.
constexpr TValueRange kID3v1Versions[] = {{tvNone, tvID3v11}};
constexpr TValueRange kID3v2Versions[] = {{tvNone, tvNone}, {tvID3v20, tvID3v24}};
// A window's width or height: the system reports sizes in 16-bit signed words.
constexpr TValueRange kWindowSizes[] = {{1, 32767}};

template <class... Handlers>
struct TOverloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
TOverloaded(Handlers...) -> TOverloaded<Handlers...>;

}  // namespace

// One row of "Settings.ini": section and key (texts of the language table, so a language
// file could rename them), the field it fills, its default (Default for numbers and
// Booleans, TextDefault for texts), and for a number the ranges of what it can hold
// (none: any number).
struct TConfigBase::TSettingRow {
  TLangText Section;
  TLangText Key;
  std::variant<int32_t*, uint8_t*, bool*, std::string*, TStringList*> Field;
  int32_t Default;
  std::string TextDefault;
  std::span<const TValueRange> Ranges = {};

  // The number stored under the row's key, or the default when it is none or lies
  // outside the row's ranges.
  int32_t ReadNumber(TCustomIniFile& ini, const std::string& section, const std::string& key) const {
    const int32_t value = ini.ReadInteger(section, key, Default);
    const auto holds = [value](const TValueRange& range) { return value >= range.First && value <= range.Last; };
    return Ranges.empty() || std::any_of(Ranges.begin(), Ranges.end(), holds) ? value : Default;
  }
};

TProgramPlace TProgramPlace::OfProcess() {
  return {ExtractFilePath(ProgramFileName()), IncludeTrailingBackslash(GetCurrentDir())};
}

TConfigBase::TConfigBase(const TProgramPlace& place)
    : ProgramFolder(IncludeTrailingBackslash(place.ProgramFolder)),
      LanguagesFolder(ProgramFolder + "languages\\"),
      WorkingFolder(IncludeTrailingBackslash(place.WorkingFolder)) {
  BuildPaths();
  RenameFormats.SetQuoteChar('|');
  TagFormats.SetQuoteChar('|');
}

void TConfigBase::BuildPaths() {
  FSearchMask = WorkingFolder + FileMask + "." + Extension;
  FListPath = WorkingFolder + FListName;
  FSettingsPath = ProgramFolder + SettingsFileName;
}

void TConfigBase::SetListName(const std::string& name) {
  FListName = name;
  BuildPaths();
}

// --- Settings.ini ----------------------------------------------------------------------

std::vector<TConfigBase::TSettingRow> TConfigBase::SettingRows() {
  TWindowPlacement& main = Placement[piMainWindow];
  TWindowPlacement& tag = Placement[piTagEditor];
  using enum TLangText;
  std::vector<TSettingRow> rows = {
      // The language file's row is not checked here: the language table reports a number
      // it has no file for, and reads nothing outside its table.
      {ProgramSection, LanguageKey, &LangConfig.Language, 1, {}},
      {FileEditorSection, WindowHeightKey, &main.Height, 540, {}, kWindowSizes},
      {FileEditorSection, WindowWidthKey, &main.Width, 740, {}, kWindowSizes},
      {FileEditorSection, WindowMaximizedKey, &main.Maximized, 0, {}},
      // An index into the formats stored beside it, which the windows bound themselves.
      {FileEditorSection, PreferredFormatKey, &PreferredRenameFormat, 0, {}},
      {FileEditorSection, FormatsKey, &RenameFormats, 0, kRenameFormatsDefault},
      {FileEditorSection, AllWordsCapsKey, &AllWordsCaps, 0, {}},
      {FileEditorSection, SaveListKey, &SaveList, 1, {}},
      {FileEditorSection, ListNameKey, &FListName, 0, LangText(DefaultListName)},
      {FileEditorSection, ActionOnExistingFileKey, &ActionOnExistingFile, aeAddNumber, {}, kExistingFileActions},
      {TagEditorSection, WindowHeightKey, &tag.Height, 569, {}, kWindowSizes},
      {TagEditorSection, WindowWidthKey, &tag.Width, 800, {}, kWindowSizes},
      {TagEditorSection, WindowMaximizedKey, &tag.Maximized, 0, {}},
      {TagEditorSection, PreferredFormatKey, &PreferredTagFormat, 0, {}},
      {TagEditorSection, FormatsKey, &TagFormats, 0, kTagFormatsDefault},
      {TagEditorSection, DefaultSaveActionForLogKey, &DefaultSaveActionForLog, 1, {}, kSaveActionsForLog},
      {TagEditorSection, DefaultTagLanguageKey, &DefaultTagLanguage, 108, {}, kCommentLanguages},
      {TagEditorSection, DefaultID3v1Key, &DefaultID3v1, tvID3v11, {}, kID3v1Versions},
      {TagEditorSection, DefaultID3v2Key, &DefaultID3v2, tvID3v24, {}, kID3v2Versions},
  };
  return rows;
}

void TConfigBase::ReadRow(TCustomIniFile& ini, const TSettingRow& row) {
  const std::string& section = LangText(row.Section);
  const std::string& key = LangText(row.Key);
  std::visit(TOverloaded{
                 [&](int32_t* field) { *field = row.ReadNumber(ini, section, key); },
                 // Byte settings keep the low byte of a number their ranges let pass.
                 [&](uint8_t* field) { *field = static_cast<uint8_t>(row.ReadNumber(ini, section, key)); },
                 [&](bool* field) { *field = ini.ReadBool(section, key, row.Default != 0); },
                 [&](std::string* field) {
                   *field = ini.ReadString(section, key, row.TextDefault);
                 },
                 [&](TStringList* field) {
                   field->SetDelimitedText(ini.ReadString(section, key, row.TextDefault));
                 },
             },
             row.Field);
}

void TConfigBase::WriteRow(TCustomIniFile& ini, const TSettingRow& row) {
  const std::string& section = LangText(row.Section);
  const std::string& key = LangText(row.Key);
  std::visit(TOverloaded{
                 [&](int32_t* field) { ini.WriteInteger(section, key, *field); },
                 [&](uint8_t* field) { ini.WriteInteger(section, key, *field); },
                 [&](bool* field) { ini.WriteBool(section, key, *field); },
                 [&](std::string* field) { ini.WriteString(section, key, *field); },
                 [&](TStringList* field) {
                   ini.WriteString(section, key, field->DelimitedText());
                 },
             },
             row.Field);
}

TSettingsResult TConfigBase::ReadLanguageSetting() {
  LangConfig.Language = lfEN;
  if (!FileExists(FSettingsPath)) return TSettingsResult::Done;
  bool read = false;
  try {
    TMemIniFile ini(FSettingsPath, kMaxSettingsFileSize);
    TStringList lines;
    // A file that cannot be read at all is ReadSettings' to report: it reads the whole
    // file next, and the user hears of it once.
    if (ini.Unreadable()) return TSettingsResult::Done;
    ini.GetStrings(lines);
    read = ReadLanguageFromLines(lines);
  } catch (const std::exception&) {
  }
  return read ? TSettingsResult::Done : TSettingsResult::NotRead;
}

bool TConfigBase::ReadLanguageFromLines(const TStrings& lines) {
  // The writer puts "Program"/"Language" first, so its line is the second.
  if (lines.Count() < 2) return false;
  const std::string line = lines.Strings(1);
  int equals = NthCharOfSetPos(line, "=", 1, 1);
  std::string value = Trim(equals > 0 ? Copy(line, equals + 1, 4) : Copy(line, 1, 4));
  if (!IsDigits(value)) return false;
  LangConfig.Language = static_cast<uint8_t>(StrToInt(value));
  return true;
}

TSettingsResult TConfigBase::ReadSettings() {
  bool read = false;
  try {
    TMemIniFile ini(FSettingsPath, kMaxSettingsFileSize);
    ReadSettingsFrom(ini);  // every default when the file could not be read
    read = !ini.Unreadable();
  } catch (const std::exception&) {
  }
  // Until the file has been read, writing rows over it would lose the user's settings.
  FSettingsUnread = !read;
  return read ? TSettingsResult::Done : TSettingsResult::NotRead;
}

void TConfigBase::ReadSettingsFrom(TCustomIniFile& ini) {
  std::vector<TSettingRow> rows = SettingRows();
  for (int id = 0; id < siCount; ++id) {
    ReadRow(ini, rows[id]);
    if (id == siListName) BuildPaths();
  }
}

TSettingsResult TConfigBase::WriteSettings() {
  std::vector<int> ids;
  for (int id = 0; id < siCount; ++id)
    if (id != siMainMaximized) ids.push_back(id);
  return WriteRows(ids);
}

TSettingsResult TConfigBase::WriteSettingsPart(int part) {
  if (part < 0 || part >= static_cast<int>(std::size(kSettingParts))) return TSettingsResult::Done;
  return WriteRows(kSettingParts[part]);
}

TSettingsResult TConfigBase::RewriteSettings() {
  std::vector<int> ids(siCount);
  std::iota(ids.begin(), ids.end(), 0);
  return WriteRows(ids, true);  // a missing file is made anew, so the choice is kept
}

TSettingsResult TConfigBase::WriteRows(const std::vector<int>& ids, bool afresh) {
  try {
    // The rows go into the file as it is now, so keys written by others stay.
    TMemIniFile ini(FSettingsPath, kMaxSettingsFileSize);
    if (ini.Unreadable() || (FSettingsUnread && FileExists(FSettingsPath))) return TSettingsResult::NotMade;
    if (afresh) ini.Clear();
    std::vector<TSettingRow> rows = SettingRows();
    for (int id : ids) WriteRow(ini, rows[id]);
    ini.UpdateFile();
  } catch (const std::exception&) {  // the write failed, or memory ran out
    return TSettingsResult::NotMade;
  }
  FSettingsUnread = false;
  return TSettingsResult::Done;
}

// --- Rename options ----------------------------------------------------------------------

uint8_t TConfigBase::GetSwitchItem(int index) const {
  if (index < 1 || index > SwitchItemCount) return UnchangedSwitchItem;
  return FSwitchItems[index - 1];
}

void TConfigBase::SetSwitchItem(int index, uint8_t value) {
  if (index >= 1 && index <= SwitchItemCount) FSwitchItems[index - 1] = value;
}

uint8_t TConfigBase::NormalizeSwitchItem(int value) {
  return value >= 1 && value <= UnchangedSwitchItem ? static_cast<uint8_t>(value) : 0;
}

bool TConfigBase::GetRemoveSection(int index) const {
  return index >= 1 && index <= RemoveSectionFlagCount && FRemoveSections[index - 1];
}

void TConfigBase::SetRemoveSection(int index, bool flag) {
  if (index < 1 || index > RemoveSectionFlagCount) return;
  int count = FRemoveSectionCount + (flag ? 1 : -1);
  if (count < 0 || count > 255) throw ERangeError("Range check error");
  FRemoveSections[index - 1] = flag;
  FRemoveSectionCount = static_cast<uint8_t>(count);
}

// --- Name formats ------------------------------------------------------------------------

void TConfigBase::ParseRenameFormat(int index) {
  CheckRange(index, RenameFormats.Count());
  TRenameFormatLayout::operator=(ParseNameFormat(RenameFormats.Strings(index)));
}

std::string TConfigBase::PlaceholderExample(char letter) {
  using enum TLangText;
  static constexpr std::pair<char, TLangText> kExamples[] = {
      {'A', ArtistColumn}, {'T', TitleColumn}, {'L', AlbumColumn}, {'Y', YearColumn},
      {'N', TrackColumn},  {'G', GenreColumn}, {'X', UnusedPart}};
  for (const auto& [placeholder, text] : kExamples)
    if (placeholder == letter) return LangText(text);
  return {};
}

std::string TConfigBase::FormatToExample(const std::string& format) {
  return FormatExampleText(format, PlaceholderExample);
}

uint8_t TConfigBase::GetFormatFrameID(int index) const {
  CheckRange(index, GetFormatFrameIDCount());
  return FTagFormatFrameIDs[static_cast<size_t>(index)];
}

void TConfigBase::SetFormatFrameID(int index, uint8_t kind) {
  if (index == GetFormatFrameIDCount()) FTagFormatFrameIDs.push_back(kind);
  CheckRange(index, GetFormatFrameIDCount());
  FTagFormatFrameIDs[static_cast<size_t>(index)] = kind;
}
