#include "AppTestSupport.h"

#include "app/language/Translation.h"
#include "app/messages/SettingsReports.h"

#include "base/Exceptions.h"
#include "base/SharedRoutines.h"
#include "base/Streams.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string_view>

namespace {

using Texts = std::vector<std::string>;
const char kInvalid[] = "Error / No valid translation file !";

// The text that entry position p of a language file sets: the list runs 7 to 97, 99 to
// 127, then 98, then 128 to the last.
TLangText TextAtPosition(int p) {
  if (p == 120) return TLangText::UnusedLabel;
  return TLangText(p >= 91 && p < 120 ? p + 8 : p + 7);
}

class LanguageTable : public ::testing::Test {
protected:
  // A language table over the folder as it is now, configured for a language; a file
  // that fails is told as the program's callers tell it.
  TLanguage& Load(TLangID language) {
    Settings.LangConfig.Language = language;
    Language = std::make_unique<TLanguage>(Settings);
    LoadTold(*Language);
    return *Language;
  }
  static void LoadTold(TLanguage& language) {
    ReportLanguageLoad(language, language.LoadLanguageFile(), nullptr);
  }
  void WriteGerman(const std::vector<std::string>& lines) { Folder.WriteLanguage("DE.lng", JoinLines(lines)); }

  ProgramFolder Folder;
  TConfigBase Settings{Folder.Place()};
  ScriptedPresenter Presenter;
  std::unique_ptr<TLanguage> Language;
};

TEST_F(LanguageTable, EveryInstalledFileLoadsInTheEnglishOrderAndKeepsTheSettingsNames) {
  const std::vector<std::string> english = EnglishLanguageLines();
  const std::pair<TLangID, const char*> samples[] = {{lfEN, "Cancel"}, {lfDE, "Abbrechen"},
                                                     {lfES, "Cancelar"}, {lfNL, "Annuleren"}};
  for (auto [id, cancel] : samples) {
    const char* name = LanguageFiles[id].FileName;
    SCOPED_TRACE(name);
    Folder.InstallBuiltLanguage(name);
    TStringList lines;
    lines.SetText(BuiltLanguageFile(name));
    ASSERT_EQ(lines.Count(), 3 + TLanguage::TextCount);
    for (int p = 0; p < TLanguage::TextCount; ++p) {  // each line's number and its line breaks as in English
      const std::string line = lines.Strings(3 + p);
      EXPECT_EQ(line.substr(0, line.find('=')), std::to_string(static_cast<int>(TextAtPosition(p))));
      EXPECT_EQ(CountChar(line, '#'), CountChar(english[3 + p], '#')) << line;
    }
    TLanguage& language = Load(id);
    EXPECT_EQ(language[TLangText::CancelButton], cancel);
    for (int number = 194; number <= 216; ++number)  // settings survive a change of language
      EXPECT_EQ(language[TLangText(number)], EnglishText(TLangText(number)));
  }
  TLanguage& fromFile = Load(lfEN);
  for (int number = 7; number <= TLanguage::LastTextNumber; ++number) EXPECT_EQ(fromFile[TLangText(number)], EnglishText(TLangText(number)));
  EXPECT_TRUE(Presenter.Shown.empty());
  for (int number : {0, 4, 6, TLanguage::LastTextNumber + 1, -1}) EXPECT_THROW(fromFile[TLangText(number)], ERangeError);
  EXPECT_THROW(LangText(TLangText(300)), ERangeError);
}

// A translation leaves no text in English but the words its language shares with English
// (and the settings names, which stay untranslated).
TEST_F(LanguageTable, TranslationsLeaveNothingInEnglishButSharedWords) {
  using enum TLangText;
  const std::map<TLangID, std::set<TLangText>> shared = {
      {lfDE, {OkButton, AlbumColumn, GenreColumn, ID3Column, NumberColumn, TrackColumn, AlbumLabel, BitrateLabel,
              CopyrightLabel, CrcLabel, GenreLabel, AudioLabel, OriginalLabel, StartLabel, TrackLabel,
              VersionLabel, ShellVerbMenu, InfoMenu, InfoCaption}},
      {lfES, {NoButton, ID3Column, TotalColumn, CopyrightLabel, CrcLabel, AudioLabel, NoValue, OriginalLabel,
              WebLabel, ShellVerbMenu, ErrorCaption}},
      {lfNL, {OkButton, AlbumColumn, GenreColumn, ID3Column, NumberColumn, TrackColumn, AlbumLabel, BitrateLabel,
              CopyrightLabel, CrcLabel, EmailLabel, GenreLabel, AudioLabel, StartLabel, TrackLabel, WebLabel,
              ShellVerbMenu, HelpMenu, InfoMenu, InfoCaption}}};
  for (const auto& [id, words] : shared) {
    SCOPED_TRACE(LanguageFiles[id].FileName);
    Folder.InstallBuiltLanguage(LanguageFiles[id].FileName);
    TLanguage& language = Load(id);
    for (int number = TLanguage::FirstTextNumber; number <= TLanguage::LastTextNumber; ++number) {
      const auto text = TLangText(number);
      if (number >= static_cast<int>(ActionOnExistingFileKey) && number <= static_cast<int>(TagEditorSection))
        continue;
      EXPECT_EQ(language[text] == EnglishText(text), words.count(text) != 0) << number << " " << language[text];
    }
  }
}

// Nor does a Spanish text keep an English word of its English text, but for the words the
// two languages share (names, technical terms, "no", "a"). German and Dutch take English
// technical words ("Track", "Frames") as their own.
TEST_F(LanguageTable, SpanishTextsKeepNoEnglishWordButSharedOnes) {
  auto words = [](const std::string& text) {  // without the names that hold digits (ID3v2, MP3)
    std::set<std::string> found;
    std::string word;
    for (char c : LowerCase(text) + " ") {
      if (std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) {
        word += c;
        continue;
      }
      if (!word.empty() && word.find_first_of("0123456789") == std::string::npos) found.insert(word);
      word.clear();
    }
    return found;
  };
  const std::set<std::string> shared = {"a",  "audio",    "copyright", "crc", "editor",  "error",
                                        "log", "mpeg",    "no",        "original", "total", "txt",
                                        "unicode", "velorandquistmar", "web", "windows"};
  Folder.InstallBuiltLanguage("ES.lng");
  TLanguage& spanish = Load(lfES);
  for (int number = TLanguage::FirstTextNumber; number <= TLanguage::LastTextNumber; ++number) {
    const auto text = TLangText(number);
    if (text >= TLangText::ActionOnExistingFileKey && text <= TLangText::TagEditorSection) continue;
    const std::set<std::string> english = words(EnglishText(text));
    for (const std::string& word : words(spanish[text]))
      EXPECT_TRUE(english.count(word) == 0 || shared.count(word) != 0) << number << " keeps '" << word << "'";
  }
}

// Texts that say different things in English say different things in every translation:
// one wording for two meanings is a wrong one for either (German "von" is "of", not "by").
TEST_F(LanguageTable, TextsThatDifferInEnglishDifferInEveryTranslation) {
  // The words alone: letter case, blanks, accelerator marks and punctuation aside.
  auto words = [](const std::string& text) {
    std::string kept;
    for (char c : LowerCase(text))
      if (std::string_view(" :!?.&\xA1\xBF").find(c) == std::string_view::npos) kept += c;
    return kept;
  };
  for (TLangID id : {lfDE, lfES, lfNL}) {
    SCOPED_TRACE(LanguageFiles[id].FileName);
    Folder.InstallBuiltLanguage(LanguageFiles[id].FileName);
    TLanguage& language = Load(id);
    std::map<std::string, int> meaningOf;  // a translation's words -> the first text that has them
    for (int number = TLanguage::FirstTextNumber; number <= TLanguage::LastTextNumber; ++number) {
      const auto [first, added] = meaningOf.emplace(words(language[TLangText(number)]), number);
      const auto other = TLangText(first->second);
      EXPECT_TRUE(added || words(EnglishText(other)) == words(EnglishText(TLangText(number))))
          << "'" << language[TLangText(number)] << "' is " << number << " '" << EnglishText(TLangText(number))
          << "' and " << first->second << " '" << EnglishText(other) << "'";
    }
  }
}

// A file of another shape or version is refused whole, not even its credit is taken. A
// file has every text (228 lines) or the texts before the report texts came (224 lines).
TEST_F(LanguageTable, AFileOfAnotherShapeOrVersionIsRefusedWhole) {
  std::vector<std::string> lines = EnglishLanguageLines();
  ASSERT_EQ(lines.size(), 228u);
  lines[1] = "Translator=Someone";
  lines[3] = "7=Plus";
  std::vector<std::vector<std::string>> refused;
  for (size_t count : {223, 225, 226, 227, 229}) {
    refused.push_back(lines);
    refused.back().resize(count, "");  // 229: one empty line more
  }
  refused.push_back(lines);
  refused.back()[0] = "Version=0.4.80";
  refused.push_back({});
  for (const auto& file : refused) {
    SCOPED_TRACE(file.size());
    WriteGerman(file);
    EXPECT_EQ(Load(lfDE)[TLangText::AddButton], "Add");
    EXPECT_EQ((*Language)[TLangText::TranslatorCredit], "");
  }
  Folder.WriteLanguage("DE.lng", JoinLines(lines) + std::string(TLanguage::MaxFileSize, ' '));
  EXPECT_EQ(Load(lfDE)[TLangText::AddButton], "Add");
  EXPECT_EQ(Presenter.Texts(), Texts(refused.size() + 1, kInvalid));
  lines[0] = " 0.4.8 ";
  WriteGerman(lines);
  EXPECT_EQ(Load(lfDE)[TLangText::AddButton], "Plus");
  EXPECT_EQ((*Language)[TLangText::TranslatorCredit], "Someone");
}

// A translation made before the report texts came (224 lines, ending with the tag
// editor menu's texts) is applied whole; the report texts are English then, also after a
// language that had them.
TEST_F(LanguageTable, AFileWithoutTheReportTextsAppliesWholeAndLeavesThemInEnglish) {
  using enum TLangText;
  Folder.InstallBuiltLanguage("DE.lng");
  TStringList dutch;
  dutch.SetText(BuiltLanguageFile("NL.lng"));
  std::vector<std::string> earlier;
  for (int i = 0; i < 224; ++i) earlier.push_back(dutch.Strings(i));
  ASSERT_EQ(earlier.back(), "227=Tag -> Bestandsnaam");
  Folder.WriteLanguage("NL.lng", JoinLines(earlier));
  TLanguage& language = Load(lfDE);
  const TLangText reportTexts[] = {ListNameInvalidNote, ListNameMp3Note, SavedInPartHeading, DroppedFramesHeading};
  EXPECT_EQ(language[ListNameInvalidNote], "Kein g\xFCltiger Dateiname !");
  Settings.LangConfig.Language = lfNL;
  LoadTold(language);
  EXPECT_EQ(Presenter.Texts(), Texts{});
  EXPECT_EQ(language[CancelButton], "Annuleren");
  EXPECT_EQ(language[TagToFilenameMenu], "Tag -> Bestandsnaam");
  EXPECT_EQ(language[TranslatorCredit], "The Velorandquistmar team");
  for (TLangText text : reportTexts) EXPECT_EQ(language[text], EnglishText(text)) << static_cast<int>(text);
}

TEST_F(LanguageTable, EachLineSetsItsPositionsText) {
  std::vector<std::string> lines = EnglishLanguageLines();
  for (int p = 0; p < TLanguage::TextCount; ++p) lines[3 + p] = std::string("v").append(std::to_string(p));
  lines[4] = "10=First#13Second#13";  // every "#13" is a line break
  WriteGerman(lines);
  TLanguage& language = Load(lfDE);
  for (int p = 2; p < TLanguage::TextCount; ++p) EXPECT_EQ(language[TextAtPosition(p)], lines[3 + p]);
  EXPECT_EQ(language[TLangText::UnusedLabel], "v120");
  EXPECT_EQ(language[TLangText::AddNumberButton], "First\r\nSecond\r\n");
}

// Only exact names of the table count ("en.lng" is not English); a language that cannot
// be loaded leaves the texts as they were.
TEST_F(LanguageTable, ALanguageThatCannotBeLoadedLeavesThePreviousOne) {
  for (const char* name : {"NL.lng", "x.lng", "en.lng"}) Folder.WriteLanguage(name, "Version=0.4.8");
  Settings.LangConfig.Language = 12;  // outside the table: never looked up there
  TLanguage none(Settings);
  LoadTold(none);
  EXPECT_EQ(Settings.LangConfig.LangIDs, TLangIDs{lfNL});
  Folder.InstallBuiltLanguage("DE.lng");
  TLanguage& language = Load(lfDE);
  const std::string credit = language[TLangText::TranslatorCredit];
  for (TLangID other : {lfNL, lfES}) {  // invalid, and not installed
    Settings.LangConfig.Language = other;
    LoadTold(language);
  }
  EXPECT_EQ(language[TLangText::CancelButton], "Abbrechen");
  EXPECT_EQ(language[TLangText::TranslatorCredit], credit);
  ASSERT_EQ(Presenter.Shown.size(), 3u);  // told in the table's own (German) texts
  EXPECT_EQ(Presenter.Texts()[0],
            "Error / The selected translation file has not been found ! Default language will be english");
  EXPECT_EQ(Presenter.Texts()[1], "Fehler / Keine g\xFCltige Sprachdatei !");
#ifdef _WIN32
  TFileStream lock(Folder.Path() + "languages\\DE.lng", fmOpenReadWrite | fmShareExclusive);
  EXPECT_EQ(Load(lfDE)[TLangText::CancelButton], "Cancel");
  EXPECT_EQ(Presenter.Texts().back(), kInvalid);
#endif
}

}  // namespace
