#include "RenameFixture.h"

#include "base/Exceptions.h"
#include "base/Locale.h"
#include "base/StrUtils.h"
#include "tags/TagEnvironment.h"

namespace {

class FileList : public RenameFixture {};

TEST_F(FileList, OnlyMp3FilesAreListedSortedWithoutCaseAndHeldOpen) {
  Files.ScanFolder();
  EXPECT_FALSE(Files.FilesFound());
  EXPECT_EQ(ListedFolder(), Folder.Path());  // the tag library's folder follows
  Folder.WriteFile("beta.mp3", std::string(129, 'b'));
  Folder.WriteFile("Alpha.MP3", std::string(128, 'a'));
  Mp3("alpha2");
  Mp3("locked");
  ASSERT_TRUE(FileSetReadOnly(Folder / "locked.mp3", true));
  Folder.WriteFile("x.mp3x", "short-name match");
  Folder.WriteFile("notes.txt", "n");
  ASSERT_TRUE(CreateDir(Folder / "folder.mp3"));
  Files.ScanFolder();
  EXPECT_TRUE(Files.FilesFound());
  EXPECT_EQ(Listed(), (Names{"Alpha", "alpha2", "beta", "locked"}));
  for (const char* name : {"Alpha", "alpha2", "beta"}) {
    EXPECT_EQ(Entry(name).OpenMode, fmOpenReadWrite | fmShareDenyWrite) << name;
    EXPECT_FALSE(Entry(name).NewNameSet);
  }
  EXPECT_FALSE(Entry("Alpha").LargerThan128);  // exactly 128 bytes
  EXPECT_TRUE(Entry("beta").LargerThan128);
  EXPECT_EQ(ReadThrough(Entry("alpha2")), "audio of alpha2");
  EXPECT_TRUE(Entry("locked").ReadOnly);
  EXPECT_EQ(Entry("locked").OpenMode, fmOpenRead);
  EXPECT_EQ(ReadThrough(Entry("locked")), "audio of locked");
#ifdef _WIN32
  EXPECT_EQ(FileOpen(Folder / "beta.mp3", fmOpenReadWrite | fmShareDenyNone), InvalidHandle);
  Files.ClearFiles();
  THandle writer = FileOpen(Folder / "beta.mp3", fmOpenReadWrite | fmShareDenyNone);
  EXPECT_NE(writer, InvalidHandle);
  FileClose(writer);
#endif
}

// The listing holds no file; opening holds each listed file in its own mode, once.
TEST_F(FileList, ListingHoldsNoFileAndOpeningHoldsEachOnceInItsMode) {
  // Whether another program could open the file now, in mode.
  const auto othersCanOpen = [&](const std::string& name, uint32_t mode) {
    const THandle other = FileOpen(Folder / (name + ".mp3"), mode);
    if (other != InvalidHandle) FileClose(other);
    return other != InvalidHandle;
  };
  const uint32_t write = fmOpenReadWrite | fmShareDenyNone, read = fmOpenRead | fmShareDenyNone;
  Files.OpenListedFiles();  // nothing listed: nothing to do
  for (const char* name : {"b", "a", "locked"}) Mp3(name);
  ASSERT_TRUE(FileSetReadOnly(Folder / "locked.mp3", true));
  Files.ListFolder();
  EXPECT_TRUE(Files.FilesFound());
  EXPECT_EQ(Listed(), (Names{"a", "b", "locked"}));
  for (const char* name : {"a", "b", "locked"}) {
    EXPECT_FALSE(Entry(name).Opened) << name;
    EXPECT_EQ(Entry(name).Handle, InvalidHandle) << name;
  }
  EXPECT_EQ(Entry("a").OpenMode, fmOpenReadWrite | fmShareDenyWrite);
  EXPECT_EQ(Entry("locked").OpenMode, fmOpenRead);
  EXPECT_TRUE(othersCanOpen("a", write));
  EXPECT_TRUE(othersCanOpen("locked", read));
  Files.MoveFileEntry(0, 2);  // a row dragged before the files were opened
  Files.OpenListedFiles();
  std::vector<THandle> handles;
  for (const char* name : {"a", "b", "locked"}) {
    EXPECT_TRUE(Entry(name).Opened) << name;
    EXPECT_EQ(ReadThrough(Entry(name)), std::string("audio of ") + name);
    handles.push_back(Entry(name).Handle);
  }
#ifdef _WIN32
  EXPECT_FALSE(othersCanOpen("a", write));
  EXPECT_TRUE(othersCanOpen("a", read));
  EXPECT_FALSE(othersCanOpen("locked", read));  // held without sharing
#endif
  Files.OpenListedFiles();  // every file is open already: no second handle
  EXPECT_EQ(handles, (std::vector<THandle>{Entry("a").Handle, Entry("b").Handle, Entry("locked").Handle}));
  Files.ClearFiles();
  EXPECT_TRUE(othersCanOpen("a", write));  // no handle left behind
  EXPECT_TRUE(othersCanOpen("b", write));
  EXPECT_TRUE(othersCanOpen("locked", read));
}

TEST_F(FileList, AThousandFilesListNineHundredNinetyNine) {
  for (int i = 0; i < 1000; ++i) Folder.WriteFile("Track " + IntToStr(1000 + i) + ".mp3", "");
  for (int scan = 0; scan < 2; ++scan) {  // a rescan starts over
    Files.ScanFolder();
    ASSERT_EQ(Files.GetFileCount(), MaxListedFiles);
  }
  for (int32_t row = 1; row < Files.GetFileCount(); ++row)
    EXPECT_LT(AnsiCompareText(Files.GetFileName(row - 1), Files.GetFileName(row)), 0) << row;
}

// --- Rules through the selection ---------------------------------------------------------

class NameRules : public RenameFixture {
protected:
  void SetUp() override {
    for (const char* name : {"Artist - Album - Title", "Track 05 - Song", "one"}) Mp3(name);
    Files.ScanFolder();
    Rows = {0, 1, 2};
  }
  Names NewNames() {
    Names names;
    for (int32_t row = 0; row < Files.GetFileCount(); ++row)
      names.push_back(Files.GetFileInfo(row)->NewName);
    return names;
  }
};

TEST_F(NameRules, OnlySelectedRowsChangeInSelectionOrderAndUndoKeepsTheFlags) {
  Files.MoveFileEntry(0, 2);  // a grid row dragged
  EXPECT_THROW(Files.MoveFileEntry(0, 3), ERangeError);
  Rows = {2, 0};
  Files.AddTrackNumbers(7);
  EXPECT_EQ(NewNames(), (Names{"08 - one", "Track 05 - Song", "07 - Artist - Album - Title"}));
  EXPECT_FALSE(Entry("Track 05 - Song").NewNameSet);
  EXPECT_EQ(Listed()[2], "Artist - Album - Title");  // rules touch new names only
  Files.ResetNewNames();
  EXPECT_EQ(NewNames(), Listed());
  EXPECT_TRUE(Entry("one").NewNameSet);
  Config.RenameFormats.SetDelimitedText("|<N> - <A> - <T>|");
  Config.ParseRenameFormat(0);
  Options.AllWordsCaps = true;
  Files.ApplyFormat(4);
  EXPECT_EQ(NewNames(), (Names{"05 - One", "Track 05 - Song", "04 - Artist - Album - Title"}));
  Files.ResetNewNames();
  for (int i = 1; i <= 10; ++i)
    Config.SetSwitchItem(i, i == 1 || i == 7 ? 0 : i == 2 || i == 6 ? 1 : TConfigBase::UnchangedSwitchItem);
  Config.SetSwitchItem(3, 2);  // "Section3" before, none after: refused
  EXPECT_FALSE(Files.SwitchSections());
  Config.SetSwitchItem(3, TConfigBase::UnchangedSwitchItem);
  EXPECT_TRUE(Files.SwitchSections());
  EXPECT_EQ(NewNames(), (Names{"one", "Track 05 - Song", "Album - Artist - Title"}));
  EXPECT_EQ(Presenter.Texts(), Names{"Error / Filled fields are wrong !"});
}

TEST_F(NameRules, SectionChecksStopOnceUntilTheNextPreview) {
  TSectionCheck check;  // one preview's
  Rows = {2};  // two sections
  Config.SetRemoveSection(1, true);
  Config.SetRemoveSection(3, true);
  EXPECT_TRUE(Files.CheckSections(check));
  EXPECT_TRUE(Files.CheckSections(check));  // silently
  check = {};  // the next preview
  Rows.clear();
  EXPECT_FALSE(Files.CheckSections(check));
  EXPECT_EQ(Presenter.Texts(), (Names{"Error / Too many checkboxes checked ! Empty filenames will remain !!!",
                                      "Error / No files have been selected !"}));
  Config.SetRemoveSection(1, false);
  Config.SetRemoveSection(3, false);
  Rows = {0, 1, 2};
  Options.UseSelectedFormat = true;
  Config.PlaceholderCount = 3;  // "Artist - Album - Title" fits, the others do not
  Presenter.Press(mtYesNo, dbYes);
  EXPECT_FALSE(Files.CheckSections(check));
  Presenter.Press(mtYesNo, dbNo);
  EXPECT_TRUE(Files.CheckSections(check));
  EXPECT_EQ(Presenter.Shown.size(), 4u);  // asked once each time
  check = {};  // the next preview
  Options.UseStartNumber = true;  // a start number fixes the number of sections
  EXPECT_FALSE(Files.CheckSections(check));
  EXPECT_EQ(Presenter.Shown.size(), 4u);
}

}  // namespace
