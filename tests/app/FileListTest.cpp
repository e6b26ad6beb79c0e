#include "RenameFixture.h"

#include "base/Exceptions.h"
#include "base/Locale.h"
#include "base/StrUtils.h"
#include "tags/TagEnvironment.h"

namespace {

using Names = std::vector<std::string>;

class FileList : public RenameFixture {};

TEST_F(FileList, EmptyFolderListsNothing) {
  Scan();
  EXPECT_EQ(ListedFolder(), Folder.Path());  // the tag library's folder follows
  EXPECT_FALSE(Files.FilesFound());
  EXPECT_EQ(Files.GetFileCount(), 0);
  EXPECT_THROW(Files.GetFileInfo(0), ERangeError);
}

TEST_F(FileList, OnlyMp3FilesAreListedSortedWithoutCase) {
  Folder.WriteFile("beta.mp3", std::string(129, 'b'));
  Folder.WriteFile("Alpha.MP3", std::string(128, 'a'));
  Mp3("alpha2");
  Folder.WriteFile("Gamma.Mp3", "g");
  Folder.WriteFile("x.mp3x", "short-name match");
  Folder.WriteFile("notes.txt", "n");
  ASSERT_TRUE(CreateDir(Folder / "folder.mp3"));
  Scan();
  EXPECT_TRUE(Files.FilesFound());
  EXPECT_EQ(Listed(), (Names{"Alpha", "alpha2", "beta", "Gamma"}));
  for (int32_t row = 0; row < Files.GetFileCount(); ++row) {
    const TFileInfo& entry = Entry(row);
    EXPECT_EQ(entry.NewName, entry.Name);
    EXPECT_FALSE(entry.NewNameSet);
    EXPECT_TRUE(entry.Opened);
    EXPECT_FALSE(entry.ReadOnly);
    EXPECT_EQ(entry.OpenMode, fmOpenReadWrite | fmShareDenyWrite);
    EXPECT_NE(entry.Handle, InvalidHandle);
  }
  EXPECT_FALSE(Entry("Alpha").LargerThan128);  // exactly 128 bytes
  EXPECT_TRUE(Entry("beta").LargerThan128);
  EXPECT_EQ(ReadThrough(Entry("alpha2")), "audio of alpha2");
  EXPECT_EQ(Files.GetFileName(1), "alpha2");
}

TEST_F(FileList, ReadOnlyFileIsOpenedForReading) {
  Mp3("locked");
  ASSERT_TRUE(FileSetReadOnly(Folder / "locked.mp3", true));
  Scan();
  const TFileInfo& entry = Entry("locked");
  EXPECT_TRUE(entry.ReadOnly);
  EXPECT_EQ(entry.OpenMode, fmOpenRead);
  EXPECT_EQ(ReadThrough(entry), "audio of locked");
}

TEST_F(FileList, AThousandFilesListNineHundredNinetyNine) {
  for (int i = 0; i < 1000; ++i) Folder.WriteFile("Track " + IntToStr(1000 + i) + ".mp3", "");
  Scan();
  ASSERT_EQ(Files.GetFileCount(), MaxListedFiles);
  for (int32_t row = 1; row < Files.GetFileCount(); ++row)
    EXPECT_LT(AnsiCompareText(Entry(row - 1).Name, Entry(row).Name), 0) << row;
  // A rescan starts over.
  Scan();
  EXPECT_EQ(Files.GetFileCount(), MaxListedFiles);
}

TEST_F(FileList, RowsMoveAndRulesFollowTheNewOrder) {
  Mp3("a");
  Mp3("b");
  Mp3("c");
  Scan();
  Files.MoveFileEntry(0, 2);
  EXPECT_EQ(Listed(), (Names{"b", "c", "a"}));
  EXPECT_THROW(Files.MoveFileEntry(0, 3), ERangeError);
  Rows = {2};
  Files.AddTrackNumbers(1);
  EXPECT_EQ(Entry(2).NewName, "01 - a");
}

#ifdef _WIN32
TEST_F(FileList, ListedFilesAreHeldAgainstWritersUntilCleared) {
  Mp3("held");
  Scan();
  EXPECT_EQ(FileOpen(Folder / "held.mp3", fmOpenReadWrite | fmShareDenyNone), InvalidHandle);
  Files.ClearFiles();
  THandle writer = FileOpen(Folder / "held.mp3", fmOpenReadWrite | fmShareDenyNone);
  EXPECT_NE(writer, InvalidHandle);
  FileClose(writer);
}
#endif

// --- Rules through the selection ---------------------------------------------------------

class NameRules : public RenameFixture {
protected:
  void SetUp() override {
    for (const char* name : {"Artist - Album - Title", "Track 05 - Song", "one"}) Mp3(name);
    Scan();
    ASSERT_EQ(Listed(), (Names{"Artist - Album - Title", "one", "Track 05 - Song"}));
  }
  Names NewNames() {
    Names names;
    for (int32_t row = 0; row < Files.GetFileCount(); ++row) names.push_back(Entry(row).NewName);
    return names;
  }
};

TEST_F(NameRules, OnlySelectedRowsChangeInSelectionOrder) {
  Rows = {2, 0};
  Files.AddTrackNumbers(7);
  EXPECT_EQ(NewNames(), (Names{"08 - Artist - Album - Title", "one", "07 - Track 05 - Song"}));
  EXPECT_TRUE(Entry(0).NewNameSet);
  EXPECT_FALSE(Entry(1).NewNameSet);
  EXPECT_EQ(Entry(0).Name, "Artist - Album - Title");  // rules touch new names only
  Files.ResetNewNames();
  EXPECT_EQ(NewNames(), Listed());
  EXPECT_TRUE(Entry(0).NewNameSet);  // undo keeps the flags
}

TEST_F(NameRules, ReplaceRemoveAndCut) {
  SelectAll();
  Files.ReplaceText("O", "0", rfIgnoreCase);
  EXPECT_EQ(NewNames(), (Names{"Artist - Album - Title", "0ne", "Track 05 - S0ng"}));
  Files.ReplaceText("t", "T", rfReplaceAll);
  EXPECT_EQ(NewNames()[0], "ArTisT - Album - TiTle");
  Files.ResetNewNames();
  Config.SetRemoveSection(2, true);
  Files.RemoveSections();
  EXPECT_EQ(NewNames(), (Names{"Artist - Title", "one", "Track 05"}));
  Files.ResetNewNames();
  Files.CutTillNumber();
  EXPECT_EQ(NewNames(), (Names{"Artist - Album - Title", "one", "05 - Song"}));
}

TEST_F(NameRules, SectionCheckStopsOnceForTooManyRemovedSections) {
  Rows = {2};  // two sections
  Config.SetRemoveSection(1, true);
  Config.SetRemoveSection(3, true);
  EXPECT_TRUE(Files.CheckSections());
  EXPECT_TRUE(SectionCheckFailed);
  EXPECT_TRUE(Files.CheckSections());  // silently, until the preview clears the flag
  EXPECT_EQ(Presenter.Texts(),
            Names{"Error / Too many checkboxes checked ! Empty filenames will remain !!!"});
  SectionCheckFailed = false;
  Rows.clear();
  EXPECT_FALSE(Files.CheckSections());
  EXPECT_EQ(Presenter.Texts().back(), "Error / No files have been selected !");
}

TEST_F(NameRules, SectionCheckAsksOnceWhenTheFormatDiffers) {
  SelectAll();
  Options.UseSelectedFormat = true;
  Config.PlaceholderCount = 3;  // "Artist - Album - Title" fits, the others do not
  Presenter.Press(mtYesNo, dbYes);
  EXPECT_FALSE(Files.CheckSections());
  Presenter.Press(mtYesNo, dbNo);
  EXPECT_TRUE(Files.CheckSections());
  EXPECT_TRUE(SectionCheckFailed);
  EXPECT_EQ(Presenter.Shown.size(), 2u);
  EXPECT_EQ(Presenter.Shown[0].Kind, mtYesNo);
  // A start number fixes the number of sections: nothing to ask.
  SectionCheckFailed = false;
  Options.UseStartNumber = true;
  EXPECT_FALSE(Files.CheckSections());
  EXPECT_EQ(Presenter.Shown.size(), 2u);
}

TEST_F(NameRules, SwitchRefusesItemsThatDoNotPairUp) {
  SelectAll();
  const uint8_t preset1[] = {0, 1, 4, 4, 4, 1, 0, 4, 4, 4};
  for (int i = 1; i <= 10; ++i) Config.SetSwitchItem(i, preset1[i - 1]);
  Config.SetSwitchItem(3, 2);  // "Section3" before, none after
  EXPECT_FALSE(Files.SwitchSections());
  EXPECT_EQ(Presenter.Texts(), Names{"Error / Filled fields are wrong !"});
  EXPECT_EQ(NewNames(), Listed());
  EXPECT_FALSE(Entry(0).NewNameSet);
  Config.SetSwitchItem(3, 4);
  EXPECT_TRUE(Files.SwitchSections());
  EXPECT_EQ(NewNames(), (Names{"Album - Artist - Title", "one", "Song - Track 05"}));
}

TEST_F(NameRules, FormatNumbersRowsBySelectionAndHonoursAllWordsCaps) {
  Config.RenameFormats.SetDelimitedText("|<N> - <A> - <T>|");
  Config.ParseRenameFormat(0);
  Options.AllWordsCaps = true;
  Rows = {2, 0};
  Files.ApplyFormat(4);
  EXPECT_EQ(Entry(2).NewName, "04 - Track - 05 - Song");
  EXPECT_EQ(Entry(0).NewName, "05 - Artist - Album - Title");
  EXPECT_TRUE(Entry(2).NewNameSet);
  EXPECT_FALSE(Entry(1).NewNameSet);
}

}  // namespace
