#include "AppTestSupport.h"

#include "app/Translation.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/SharedRoutines.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const char kNotFound[] =
    "Error / The selected translation file has not been found ! Default language will be "
    "english";
const char kInvalid[] = "Error / No valid translation file !";

// The text number that entry position p of a language file sets: the list runs 7 to 97,
// 99 to 127, then 98, then 128 to 227.
TLangText TextAtPosition(int p) {
  if (p >= 91 && p <= 119) return static_cast<TLangText>(p + 8);
  if (p == 120) return TLangText::UnusedLabel;
  return static_cast<TLangText>(p + 7);
}

class LanguageTable : public ::testing::Test {
protected:
  LanguageTable() : Settings(Folder.Place()) {}

  // A language table over the folder as it is now, configured for a language.
  TLanguage& Load(TLangID language) {
    Settings.LangConfig.Language = language;
    Language = std::make_unique<TLanguage>(Settings);
    Language->LoadLanguageFile();
    return *Language;
  }

  ProgramFolder Folder;
  TConfigBase Settings;
  ScriptedPresenter Presenter;
  std::unique_ptr<TLanguage> Language;
};

TEST_F(LanguageTable, BuiltInEnglishTable) {
  TLanguage language(Settings);
  EXPECT_EQ(language.Count(), 221);
  EXPECT_EQ(language.Capacity(), 225);  // grown by 25 at a time
  EXPECT_EQ(language[TLangText::AddButton], "Add");
  EXPECT_EQ(language[TLangText::EmailLabel], "e-mail :");
  EXPECT_EQ(language[TLangText::UnusedLabel], "&Unused");
  EXPECT_EQ(language[TLangText::UnknownValue], "Unkown");
  EXPECT_EQ(language[TLangText::ShellVerbAddedMessage], "Program has been added to the ContextMenu of Windows Explorer..");
  EXPECT_EQ(language[TLangText::FileEditorSection], "FileEditor");
  EXPECT_EQ(language[TLangText::TagToFilenameMenu], "Tag -> Filename");
  EXPECT_EQ(language[TLangText::TranslatorCredit], "");
  for (int number : {0, 4, 6, 228, -1}) {
    EXPECT_THROW(language[static_cast<TLangText>(number)], ERangeError) << number;
    EXPECT_THROW(EnglishText(static_cast<TLangText>(number)), ERangeError) << number;
  }
}

TEST_F(LanguageTable, EveryInstalledFileLoads) {
  for (const char* name : {"DE.lng", "EN.lng", "ES.lng", "NL.lng"})
    Folder.InstallBuiltLanguage(name);
  struct TSample {
    TLangID Language;
    TLangText Name;
    const char* Text;
  };
  const TSample samples[] = {
      {lfEN, TLangText::CancelButton, "Cancel"},    {lfDE, TLangText::CancelButton, "Abbrechen"},
      {lfES, TLangText::YesButton, "S\xED"},        {lfNL, TLangText::ErrorCaption, "Fout"},
      {lfDE, TLangText::UnusedLabel, "&Unbenutzt"}, {lfES, TLangText::AlbumColumn, "\xC1lbum"},
  };
  for (const TSample& sample : samples) {
    SCOPED_TRACE(LanguageFiles[sample.Language].FileName);
    TLanguage& language = Load(sample.Language);
    EXPECT_EQ(language[sample.Name], sample.Text);
    // The names of "Settings.ini" stay as they are, so settings survive a change.
    for (int number = 194; number <= 216; ++number)
      EXPECT_EQ(language[TLangText(number)], EnglishText(TLangText(number)));
  }
  TLanguage& english = Load(lfEN);
  for (int number = 7; number <= 227; ++number)
    EXPECT_EQ(english[TLangText(number)], EnglishText(TLangText(number)));
  EXPECT_TRUE(Presenter.Shown.empty());
  EXPECT_STREQ(LanguageFiles[lfES].DisplayName, "Espa\xF1ol");
}

TEST_F(LanguageTable, TranslatedFilesKeepTheEnglishOrderAndBreaks) {
  std::vector<std::string> english = EnglishLanguageLines();
  for (const char* name : {"DE.lng", "ES.lng", "NL.lng"}) {
    SCOPED_TRACE(name);
    TStringList lines;
    lines.SetText(BuiltLanguageFile(name));
    ASSERT_EQ(lines.Count(), 224);
    for (int p = 0; p < 221; ++p) {
      std::string line = lines.Strings(3 + p);
      EXPECT_EQ(line.substr(0, line.find('=')), std::to_string(static_cast<int>(TextAtPosition(p))));
      EXPECT_EQ(CountChar(line, '#'), CountChar(english[3 + p], '#')) << line;
    }
  }
}

TEST_F(LanguageTable, OnlyExactFileNamesOfTheTableAreAvailable) {
  for (const char* name : {"NL.lng", "x.lng", "en.lng", "DE.lng"}) Folder.WriteLanguage(name, "");
  Folder.WriteFile("languages\\ES.txt", "");
  TLanguage language(Settings);
  EXPECT_EQ(Settings.LangConfig.LangIDs, (TLangIDs{lfDE, lfNL}));
  Settings.LangConfig.Language = lfEN;
  EXPECT_FALSE(language.IsLanguageAvailable());
  Settings.LangConfig.Language = lfNL;
  EXPECT_TRUE(language.IsLanguageAvailable());
}

TEST_F(LanguageTable, MissingOrUnknownLanguageKeepsEnglish) {
  EXPECT_EQ(Load(lfEN)[TLangText::OkButton], "Ok");  // no files at all
  EXPECT_TRUE(Settings.LangConfig.LangIDs.empty());
  Folder.InstallBuiltLanguage("DE.lng");
  Settings.LangConfig.LangIDs.clear();
  Settings.LangConfig.Language = 12;  // outside the table: never looked up there
  TLanguage language(Settings);
  language.LoadLanguageFile();
  EXPECT_EQ(language[TLangText::OkButton], "Ok");
  EXPECT_EQ(Presenter.Texts(), (std::vector<std::string>{kNotFound, kNotFound}));
}

TEST_F(LanguageTable, VersionLineIsCheckedExactly) {
  std::vector<std::string> lines = EnglishLanguageLines();
  lines[3 + 8] = "15=Abbruch";
  struct TCase {
    const char* Version;
    bool Accepted;
  };
  for (TCase c : {TCase{"Version=0.4.8", true}, TCase{" 0.4.8 ", true}, TCase{"0.4.8", true},
                  TCase{"Version=0.4.9", false}, TCase{"Version=0.4.80", false},
                  TCase{"", false}}) {
    SCOPED_TRACE(c.Version);
    lines[0] = c.Version;
    Folder.WriteLanguage("DE.lng", JoinLines(lines));
    Presenter.Shown.clear();
    EXPECT_EQ(Load(lfDE)[TLangText::NoButton], c.Accepted ? "Abbruch" : "No");
    EXPECT_EQ(Presenter.Shown.size(), c.Accepted ? 0u : 1u);
  }
}

TEST_F(LanguageTable, WrongShapeIsRefusedBeforeAnyLineIsUsed) {
  std::vector<std::string> lines = EnglishLanguageLines();
  lines[1] = "Translator=Someone";
  lines[3] = "7=Plus";
  std::vector<std::string> missingOne(lines.begin(), lines.end() - 1);
  std::vector<std::string> oneMore = lines;
  oneMore.push_back("228=Extra");
  std::vector<std::string> blankLast = lines;
  blankLast.push_back("");
  const std::string large = JoinLines(lines) + std::string(TLanguage::MaxFileSize, ' ');
  for (const std::string& file : {JoinLines(missingOne), JoinLines(oneMore), JoinLines(blankLast),
                                  std::string(), std::string("Version=0.4.8"), large}) {
    Folder.WriteLanguage("DE.lng", file);
    Presenter.Shown.clear();
    TLanguage& language = Load(lfDE);
    EXPECT_EQ(language[TLangText::AddButton], "Add");
    EXPECT_EQ(language[TLangText::TranslatorCredit], "");  // not even the credit
    EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{kInvalid});
  }
  Folder.WriteLanguage("DE.lng", JoinLines(lines));
  EXPECT_EQ(Load(lfDE)[TLangText::AddButton], "Plus");  // 224 lines: applied whole
  EXPECT_EQ((*Language)[TLangText::TranslatorCredit], "Someone");
}

// A value naming its line's position.
std::string PositionValue(int p) { return std::string("v").append(std::to_string(p)); }

TEST_F(LanguageTable, EachLineSetsItsPositionsText) {
  std::vector<std::string> lines = EnglishLanguageLines();
  for (int p = 0; p < 221; ++p) lines[3 + p] = PositionValue(p);
  Folder.WriteLanguage("NL.lng", JoinLines(lines));
  TLanguage& language = Load(lfNL);
  EXPECT_EQ(language[TLangText::IfFileExistsLabel], "v91");
  EXPECT_EQ(language[TLangText::UnusedLabel], "v120");
  for (int p = 0; p < 221; ++p) EXPECT_EQ(language[TextAtPosition(p)], PositionValue(p));
}

TEST_F(LanguageTable, LineValuesAreReadAfterTheFirstEquals) {
  std::vector<std::string> lines = EnglishLanguageLines();
  lines[3 + 0] = "Ok";                       // 7: no "="
  lines[3 + 1] = "x=Ok";                     // 8
  lines[3 + 2] = "x=a=b";                    // 9
  lines[3 + 3] = "10=First#13Second#13";     // every "#13" is a line break
  lines[3 + 4] = "11=  padded\t ";           // blanks at the ends are lost
  lines[3 + 5] = "12=keep #14 and # 13";
  Folder.WriteLanguage("ES.lng", JoinLines(lines));
  TLanguage& language = Load(lfES);
  EXPECT_EQ(language[TLangText::AddButton], "Ok");
  EXPECT_EQ(language[TLangText::AddNumberButton], "Ok");
  EXPECT_EQ(language[TLangText::CancelButton], "a=b");
  EXPECT_EQ(language[TLangText::ChangeButton], "First\r\nSecond\r\n");
  EXPECT_EQ(language[TLangText::CloseButton], "padded");
  EXPECT_EQ(language[TLangText::DeleteButton], "keep #14 and # 13");
}

TEST_F(LanguageTable, RefusedFileLeavesThePreviousLanguage) {
  Folder.InstallBuiltLanguage("DE.lng");
  Folder.WriteLanguage("NL.lng", "Version=0.4.8\r\n");
  TLanguage& language = Load(lfDE);
  std::string credit = language[TLangText::TranslatorCredit];
  EXPECT_FALSE(credit.empty());
  Settings.LangConfig.Language = lfNL;
  language.LoadLanguageFile();
  EXPECT_EQ(language[TLangText::CancelButton], "Abbrechen");
  EXPECT_EQ(language[TLangText::TranslatorCredit], credit);
  Settings.LangConfig.Language = lfES;  // not installed
  language.LoadLanguageFile();
  EXPECT_EQ(language[TLangText::CancelButton], "Abbrechen");
  // The table's own (German) texts tell the user.
  ASSERT_EQ(Presenter.Shown.size(), 2u);
  EXPECT_EQ(Presenter.Shown[0].Caption, "Fehler");
  EXPECT_EQ(Presenter.Shown[0].Layout.Text, "Keine g\xFCltige Sprachdatei !");
}

#ifdef _WIN32
TEST_F(LanguageTable, UnreadableFileIsRefused) {
  Folder.InstallBuiltLanguage("DE.lng");
  TFileStream lock(Folder.Path() + "languages\\DE.lng", fmOpenReadWrite | fmShareExclusive);
  EXPECT_EQ(Load(lfDE)[TLangText::CancelButton], "Cancel");
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{kInvalid});
}
#endif

TEST(LangText, EnglishWithoutALanguageTable) {
  ASSERT_EQ(Lang, nullptr);
  EXPECT_EQ(LangText(TLangText::ErrorCaption), "Error");
  EXPECT_EQ(LangText(TLangText::TranslatorCredit), "");
  EXPECT_THROW(LangText(static_cast<TLangText>(300)), ERangeError);
}

}  // namespace
