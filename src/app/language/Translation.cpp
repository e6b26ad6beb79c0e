#include "Translation.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/SharedRoutines.h"
#include "base/Streams.h"
#include "base/Strings.h"

#include <algorithm>

TLanguage* Lang = nullptr;

const std::array<TLangFileInfo, 4> LanguageFiles = {{
    {1, lfDE, "DE.lng", "Deutsch"},
    {1, lfEN, "EN.lng", "English"},
    {1, lfES, "ES.lng", "Espa\xF1ol"},
    {1, lfNL, "NL.lng", "Nederlands"},
}};

namespace {

struct TEnglishText {
  int Number;
  const char* Text;
};

// In entry order, which is the order of a language file's lines.
constexpr TEnglishText kEnglishTexts[] = {
#define VQ_TEXT(number, name, text) {number, text},
#include "EnglishTexts.def"
#undef VQ_TEXT
};
static_assert(std::size(kEnglishTexts) == TLanguage::TextCount);

// A language file: version, credit, one unread line, then the entries.
constexpr int kHeaderLines = 3;

// The position of a text's entry, which is its line's in a language file after the
// header; -1 for no text of the table.
constexpr int EntryPosition(TLangText text) {
  for (size_t position = 0; position < std::size(kEnglishTexts); ++position)
    if (kEnglishTexts[position].Number == static_cast<int>(text)) return static_cast<int>(position);
  return -1;
}

// Translations made before the report texts were added end with the tag editor menu's
// texts; they are read whole, and the texts after them stay English.
constexpr int kEarlierFileEntries = EntryPosition(TLangText::TagToFilenameMenu) + 1;
static_assert(kEarlierFileEntries > 0 && kEarlierFileEntries < TLanguage::TextCount);

// The text's place in a table of the texts by number; ERangeError for a value that is no
// text's.
size_t TextIndex(TLangText text) {
  const int number = static_cast<int>(text);
  if (number < TLanguage::FirstTextNumber || number > TLanguage::LastTextNumber)
    throw ERangeError("Range check error");
  return static_cast<size_t>(number - TLanguage::FirstTextNumber);
}

// Reads a language file into lines; false when it cannot be read or is far too large.
bool ReadLanguageFile(const std::string& fileName, TStrings& lines) {
  try {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    if (stream.Size() > TLanguage::MaxFileSize) return false;
    lines.LoadFromStream(stream);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace

const std::string& EnglishText(TLangText text) {
  static const std::array<std::string, TLanguage::TextCount> texts = [] {
    std::array<std::string, TLanguage::TextCount> byNumber;
    for (const TEnglishText& entry : kEnglishTexts)
      byNumber[entry.Number - TLanguage::FirstTextNumber] = entry.Text;
    return byNumber;
  }();
  static const std::string noCredit;
  if (text == TLangText::TranslatorCredit) return noCredit;
  return texts[TextIndex(text)];
}

const std::string& LangText(TLangText text) { return Lang ? (*Lang)[text] : EnglishText(text); }

// --- TLanguage -------------------------------------------------------------------------

const std::array<int, 2> TLanguage::FileEntryCounts = {TextCount, kEarlierFileEntries};

TLanguage::TLanguage(TLanguageSettings& settings) : FSettings(settings) { FillDefaults(); }

const std::string& TLanguage::operator[](TLangText text) const {
  if (text == TLangText::TranslatorCredit) return FCredit;
  return FTexts[TextIndex(text)];
}

void TLanguage::FillDefaults() {
  for (const TEnglishText& entry : kEnglishTexts)
    AddString(FTexts[entry.Number - FirstTextNumber], entry.Text);
  FindAvailableLanguages();
}

void TLanguage::FindAvailableLanguages() {
  TStringList names;
  TSearchRec rec;
  if (FindFirst(FSettings.LanguageFilesFolder() + "*.lng", faReadOnly | faArchive, rec) == 0) {
    do
      names.Add(rec.Name);
    while (FindNext(rec) == 0);
    FindClose(rec);
  }
  names.Sort();
  // Exact names only: "de.lng" is not the German file.
  for (int i = 0; i < names.Count(); ++i)
    for (const TLangFileInfo& row : LanguageFiles)
      if (row.Available == 1 && names.Strings(i) == row.FileName)
        FSettings.LanguageConfig().LangIDs.push_back(row.LangID);
}

void TLanguage::AddString(std::string& field, const std::string& text) {
  if (Count() >= MaxEntries) throw ERangeError("Range check error");
  if (Count() == FCapacity) SetCapacity(FCapacity + CapacityStep);
  FEntries.push_back(&field);
  field = text;
}

void TLanguage::SetString(int index, const std::string& value) {
  CheckRange(index, Count());
  *FEntries[index] = StringReplace(value, "#13", CRLF, rfReplaceAll);
}

void TLanguage::SetCapacity(int newCapacity) {
  if (newCapacity < Count()) throw ERangeError("Range check error");
  FEntries.reserve(static_cast<size_t>(std::min(newCapacity, MaxEntries)));
  FCapacity = newCapacity;
}

bool TLanguage::IsLanguageAvailable() const {
  const TLangConfig& config = FSettings.LanguageConfig();
  return std::find(config.LangIDs.begin(), config.LangIDs.end(), config.Language) !=
         config.LangIDs.end();
}

TLanguageLoad TLanguage::LoadLanguageFile() {
  if (!IsLanguageAvailable()) return TLanguageLoad::NotFound;
  // Only languages of the table are ever available, so the row exists.
  const TLangFileInfo& row = LanguageFiles[FSettings.LanguageConfig().Language];
  TStringList lines;
  if (!ReadLanguageFile(FSettings.LanguageFilesFolder() + row.FileName, lines) ||
      !ApplyLanguageLines(lines))
    return TLanguageLoad::Invalid;
  return TLanguageLoad::Loaded;
}

bool TLanguage::ApplyLanguageLines(const TStrings& lines) {
  // The count first: no line is looked at before the file has one of its full shapes.
  const int entries = lines.Count() - kHeaderLines;
  if (std::find(FileEntryCounts.begin(), FileEntryCounts.end(), entries) == FileEntryCounts.end()) return false;
  if (ValueAfterEquals(lines.Strings(0)) != FSettings.LanguageFilesVersion()) return false;
  FCredit = ValueAfterEquals(lines.Strings(1));
  for (int position = 0; position < entries; ++position)
    SetString(position, ValueAfterEquals(lines.Strings(kHeaderLines + position)));
  // Texts the file does not have are English, not left from the language before.
  for (int position = entries; position < Count(); ++position) *FEntries[position] = kEnglishTexts[position].Text;
  return true;
}
