// The tag editor's model over files made in code, in a listed folder "Artist\Album": what
// it loads, applies, saves and reports, and that every byte it does not mean to change
// stays. Files are read back by loading them again.
#include "AppTestSupport.h"
#include "TagFixtures.h"

#include "app/rename/Rename.h"
#include "app/settings/Session.h"
#include "app/tageditor/MpegInfoText.h"
#include "app/tageditor/TagEditorModel.h"

#include "base/FileUtils.h"
#include "tags/ID3Codecs.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagInfo.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::string_literals;

const std::string kAudio = Frames({3, 1, 9, 0}, 417, 150);

std::string V24(const std::string& frames) { return ID3v2TagBytes(4, 0, frames + std::string(64, '\0')); }
std::string Text(const char* id, const std::string& text) {
  return ID3v2FrameBytes(4, id, TextBody(text));
}
// The audio between the tags.
std::string AudioOf(const std::string& file) {
  size_t start = 0;
  if (file.rfind("ID3", 0) == 0)
    for (size_t i = 6; i < 10; ++i) start = start << 7 | (static_cast<uint8_t>(file[i]) & 0x7F);
  if (start > 0) start += 10;
  const bool id3v1 = file.size() >= 128 && file.compare(file.size() - 128, 3, "TAG") == 0;
  return file.substr(start, file.size() - (id3v1 ? 128 : 0) - start);
}

class TagEditorModelTest : public ::testing::Test {
protected:
  TagEditorModelTest() {
    CreateDir(Program / "Artist");
    CreateDir(Program / "Artist\\Album");
    Config.MainSelection.SetItems(MainRows);
    Config.DefaultID3v1 = tvID3v11;
    Config.DefaultID3v2 = tvID3v24;
    Config.DefaultTagLanguage = EnglishLanguage;
    Config.TagFormats.SetDelimitedText("|\\ <A>\\ <L>\\ <N> - <T>|,|\\ <N> - <A> - <T>|,Bad");
    Mp3("a both", V24(Text("TIT2", "Title A") + Text("TPE1", "Artist A") + Text("TRCK", "3/9") +
                      ID3v2FrameBytes(4, "TXXX", "\0MOOD\0calm"s)) +
                      kAudio + ID3v1Tag("Title A", "Artist A", "", "2001", "", 3, 17));
    Mp3("b v1", kAudio + ID3v1Tag("Title B", "Artist B", "Album B", "1999", "note", 5, 17));
    Mp3("c none", kAudio);
    Mp3("d tiny", "ID3 but not much");
    Mp3("e noaudio", Junk(60000));
  }
  ~TagEditorModelTest() override {
    Model.ReleaseTagInfos();  // as the window does before the file list goes
    Files.ClearFiles();
  }

  void Mp3(const std::string& name, const std::string& bytes) {
    Program.WriteFile("Artist\\Album\\" + name + ".mp3", bytes);
    Original[name] = bytes;
  }
  std::string OnDisk(const std::string& name) const { return ReadFileBytes(Folder + name + ".mp3"); }
  void Load() {
    Files.ScanFolder();
    MainRows.clear();
    for (int32_t i = 0; i < Files.GetFileCount(); ++i) MainRows.push_back(i);
    Model.InitialiseOptions(Rows);
    Model.SetCurrentRow(Model.LoadTags());
  }
  // The cells of a row after the files were read again.
  std::string Cells(int32_t row) {
    std::string text;
    for (const std::string& cell : Model.RowCells(row)) text += cell + "|";
    return text;
  }
  std::string Log() const { return FileExists(Folder + "Log.txt") ? ReadFileBytes(Folder + "Log.txt") : "(none)"; }
  int32_t RowOf(const std::string& name) const {
    for (int32_t row = 0; row < Model.RowCount(); ++row)
      if (Model.TagInfo(row).GetEntry().Name == name) return row;
    return -1;
  }
  // The file's ID3v2 frames are these, the padding behind them.
  void ExpectFrames(const std::string& name, const std::string& frames) const {
    EXPECT_EQ(OnDisk(name).substr(10, frames.size() + 1), frames + '\0') << name;
  }

  ProgramFolder Program;
  const std::string Folder = Program / "Artist\\Album\\";
  ScriptedPresenter Presenter;
  std::vector<int32_t> MainRows, Rows;
  TConfigBase Config{TProgramPlace{Program.Path(), Folder}};
  TConfigSession Options;
  TFileRename Files{Config, Options};
  TTagEditorModel Model{Config, Options, Files};
  std::map<std::string, std::string> Original;
};

TEST_F(TagEditorModelTest, LoadsValidFilesWithTheirTagsAndInvalidOnesAsNumberAndName) {
  MainRows = {3};
  Files.ScanFolder();
  EXPECT_EQ(Model.LoadTags(), 0);  // no valid file
  Load();
  EXPECT_EQ(Cells(0), "     1| I+II|a both|Artist A|Title A|3|9|||||");
  EXPECT_EQ(Cells(1), "     2|    I|b v1|Artist B|Title B|5||Album B|1999|Rock|note|");
  EXPECT_EQ(Cells(2), "     3||c none|||||||||");
  EXPECT_EQ(Cells(3), "     4||d tiny|||||||||");
  EXPECT_FALSE(Model.TagInfo(3).IsValid || Model.TagInfo(4).IsValid);
  MainRows = {4, 3, 1};
  EXPECT_EQ(Model.LoadTags(), 2);  // the first valid file
  EXPECT_EQ(Model.TagInfo(2).GetEntry().Name, "b v1");
  Rows = {0};
  { TTagEditorModel(Config, Options, Files).InitialiseOptions(Rows); }
  EXPECT_EQ(Config.TagEditorSelection.GetCount(), 0);  // no view of a grid that went
}

// Opened before the tag editor reads them when the main window had not opened them yet:
// the tags, the MPEG data and the file's size read as after a whole scan.
TEST_F(TagEditorModelTest, LoadingOpensFilesThatWereListedOnly) {
  Files.ListFolder();
  for (int32_t i = 0; i < Files.GetFileCount(); ++i) MainRows.push_back(i);
  Model.InitialiseOptions(Rows);
  EXPECT_EQ(Model.LoadTags(), 0);
  EXPECT_EQ(Cells(0), "     1| I+II|a both|Artist A|Title A|3|9|||||");
  EXPECT_EQ(Cells(1), "     2|    I|b v1|Artist B|Title B|5||Album B|1999|Rock|note|");
  for (int32_t i = 0; i < Files.GetFileCount(); ++i) EXPECT_TRUE(Files.GetFileInfo(i)->Opened) << i;
  Rows = {1};
  const TDataChange change = Model.DataChange(1);
  ASSERT_TRUE(change.Mpeg);
  const std::string size = FormatFileSize(Original["b v1"].size());
  EXPECT_EQ(change.Mpeg->Values[mvSize].value_or("").substr(0, size.size()), size);
}

TEST_F(TagEditorModelTest, ChangingSeveralRowsWritesTheTickedFieldAndEachFileKeepsItsOwnValues) {
  Load();
  Rows = {0, 1, 2, 3};
  TFieldEditorValues editors = Model.ShowRowFields();  // row 0's values
  editors.Title = "New";
  std::array<bool, TagFieldCount> ticked{};
  ticked[tfTitle] = true;
  const TCommandResult change = Model.ChangeButton(editors, ticked);
  EXPECT_EQ(change.Rows, (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{"Error / No valid file !"});
  EXPECT_EQ(Cells(2), "     3| I+II|c none||New|||||||");
  EXPECT_FALSE(Model.NothingToSave());
  Model.Save();
  EXPECT_EQ(Presenter.Shown.size(), 1u);  // no report
  EXPECT_EQ(Log(), "(none)");
  Model.Undo();
  EXPECT_EQ(Cells(0), "     1| I+II|a both|Artist A|New|3|9|||||");
  EXPECT_EQ(Cells(1), "     2| I+II|b v1|Artist B|New|5||Album B|1999|Rock|note|");
  EXPECT_EQ(Cells(2), "     3| I+II|c none||New|||||||");  // nothing of another file
  EXPECT_GE(Model.TagInfo(0).ID3v2->GetFrameList().GetOtherSubList().IndexOfKind(fiTXXX, 1), 0);
  for (const char* name : {"a both", "b v1", "c none"})
    EXPECT_EQ(AudioOf(OnDisk(name)), AudioOf(Original[name])) << name;
  EXPECT_EQ(OnDisk("d tiny"), Original["d tiny"]);
}

TEST_F(TagEditorModelTest, ChangeNeedsASelectionAndAsksBeforeADescriptionWithoutComment) {
  Load();
  TFieldEditorValues editors = Model.ShowRowFields();
  EXPECT_TRUE(Model.ChangeTags({}, editors).Rows.empty());
  Rows = {0};
  editors.Description = "only";
  Model.EditorChanged(feDescription, editors);
  Presenter.Press(mtYesNo, dbNo);
  EXPECT_FALSE(Model.ChangeButton(editors, {}).Proceeded);
  EXPECT_TRUE(Model.NothingToSave());
  Presenter.Press(mtYesNo, dbYes);
  EXPECT_EQ(Model.ChangeButton(editors, {}).Rows, std::vector<int32_t>{0});
  EXPECT_EQ(editors.Description, "");  // the comment is discarded
  const std::string question = "Warning / You entered a comment description only. If you "
                               "continue the comment will be discarded. Continue ?";
  EXPECT_EQ(Presenter.Texts(), (std::vector<std::string>{"Error / No files have been selected !",
                                                          question, question}));
}

TEST_F(TagEditorModelTest, AMarkedEmptyFieldDeletesItsFrameAndTheSaveChoicesRemoveTags) {
  Load();
  Rows = {0};
  Model.DataChange(0);
  TFieldEditorValues editors = Model.ShowRowFields();
  editors.Artist.clear();
  EXPECT_TRUE(Model.EditorChanged(feArtist, editors));
  EXPECT_TRUE(Model.ChangeEnabled());
  Model.ChangeButton(editors, {});
  Model.Save();
  Model.Undo();
  EXPECT_EQ(Model.TagInfo(0).ID3v2->GetFrameList().GetPrimarySubList().IndexOfKind(fiTPE1, 1), -1);
  EXPECT_EQ(Cells(0), "     1| I+II|a both||Title A|3|9|||||");
  EXPECT_EQ(Model.TagInfo(0).ID3v1->GetArtist(), "");
  TFieldEditorValues deleted = Model.ShowRowFields();
  EXPECT_TRUE(Model.DeleteField(tfTrack, deleted));
  EXPECT_FALSE(Model.DeleteField(tfArtist, deleted));  // nothing there to delete
  EXPECT_EQ(deleted.TrackNr + deleted.TrackTotal + IntToStr(Model.Marks().MarkedCount()), "1");
  Model.SetSaveChoice(false, "-------");
  Model.ChangeButton(editors, {});  // the ID3v1 tag to go, then wanted again with a title:
  Model.SetSaveChoice(false, "ID3v1.1");
  editors.Title = "Kept";
  Model.EditorChanged(feTitle, editors);
  Model.ChangeButton(editors, {});
  EXPECT_EQ(Model.TagInfo(0).ID3v1->GetTitle() + Model.TagInfo(0).ID3v1->GetYear(), "Kept2001");

  Model.SetSaveChoice(false, "-------");
  Model.SetSaveChoice(true, "-------");
  EXPECT_TRUE(Model.DataChange(0).ChangeEnabled);  // only the save choices differ
  Model.ChangeButton(editors, {});
  EXPECT_EQ(Cells(0), "     1||a both|||||||||");
  Model.Save();  // both tags go in one rewrite
  EXPECT_EQ(OnDisk("a both"), AudioOf(Original["a both"]));
  EXPECT_EQ(Presenter.Shown.size(), 0u);
}

// Other programs write a text frame's ID more than once, which a tag may hold once; players
// show the first, the editor the last. A field the user changes is saved as one frame of
// its ID, a field emptied as none; fields left alone keep every frame, as comments do.
TEST_F(TagEditorModelTest, AChangedTextFieldIsSavedAsOneFrameOfItsIDAndOthersKeepTheirFrames) {
  const auto v23 = [](const char* id, const std::string& body) { return ID3v2FrameBytes(3, id, body); };
  const std::string one = "\0engone\0a"s, two = "\0engtwo\0b"s;  // two comments
  Mp3("m twice", ID3v2TagBytes(3, 0,
                               v23("TPE1", TextBody("piman")) + v23("TIT2", TextBody("One")) +
                                   v23("TPE1", TextBody("jzig")) + v23("TIT2", TextBody("Two")) +
                                   v23("TALB", TextBody("A")) + v23("TALB", TextBody("B")) +
                                   v23("COMM", one) + v23("COMM", two) +
                                   std::string(64, '\0')) +
                      kAudio);
  Load();
  Rows = {5};
  ASSERT_EQ(Model.TagInfo(5).GetEntry().Name, "m twice");
  TFieldEditorValues editors = Model.DataChange(5).Editors.value_or(TFieldEditorValues());
  EXPECT_EQ(editors.Artist + "|" + editors.Title + "|" + editors.Album, "jzig|Two|B");
  editors.Artist = "Changed";
  Model.EditorChanged(feArtist, editors);
  editors.Album.clear();
  Model.EditorChanged(feAlbum, editors);
  Model.ChangeButton(editors, {});
  Model.Save();
  const std::string frames = Text("TIT2", "One") + Text("TPE1", "Changed") + Text("TIT2", "Two") +
                             ID3v2FrameBytes(4, "COMM", one) + ID3v2FrameBytes(4, "COMM", two);
  EXPECT_EQ(OnDisk("m twice").substr(10, frames.size() + 1), frames + '\0');
  EXPECT_EQ(AudioOf(OnDisk("m twice")), kAudio);
}

// A title frame that cannot be decoded (encrypted in group 7) is data the editor can
// neither show nor change: kept as it lies, after the title typed, which players read first.
TEST_F(TagEditorModelTest, AnUndecodableFrameOfAChangedFieldsIDIsKeptAfterTheUsersFrame) {
  Mp3("m secret", ID3v2TagBytes(3, 0,
                                ID3v2FrameBytes(3, "TIT2", "\x81\x07secret"s, 0, 0x60) +
                                    ID3v2FrameBytes(3, "TPE1", TextBody("Band")) + std::string(64, '\0')) +
                      kAudio);
  Load();
  Rows = {5};
  ASSERT_EQ(Model.TagInfo(5).GetEntry().Name, "m secret");
  TFieldEditorValues editors = Model.DataChange(5).Editors.value_or(TFieldEditorValues());
  EXPECT_EQ(editors.Title, "");
  editors.Title = "Typed";
  Model.EditorChanged(feTitle, editors);
  Model.ChangeButton(editors, {});
  Model.Save();
  const std::string frames = Text("TPE1", "Band") + Text("TIT2", "Typed") +
                             ID3v2FrameBytes(4, "TIT2", "\x07\x81secret"s, 0, 0x44);
  EXPECT_EQ(OnDisk("m secret").substr(10, frames.size() + 1), frames + '\0');
}

// Some programs write a title thousands of times over. A title change keeps the frame the
// row showed, the last, where it stood among the primary frames and deletes the others; an
// emptied title deletes them all, and so do Remove Tags and tags from names that replace
// the fields. Every other frame keeps its bytes and its order.
TEST_F(TagEditorModelTest, ATagOfManyTitlesKeepsTheShownOneWhereItStoodAndEveryOtherFrame) {
  constexpr int kTitles = 1000;
  const std::string band = Text("TPE1", "Band"), album = Text("TALB", "Album"),
                    comment = ID3v2FrameBytes(4, "COMM", "\0engd\0note"s);
  std::string between, userTexts;
  for (int i = 1; i < kTitles - 1; ++i) {
    const std::string userText = ID3v2FrameBytes(4, "TXXX", "\0d"s + IntToStr(i) + "\0v"s);
    between += Text("TIT2", "t" + IntToStr(i)) + userText;
    userTexts += userText;
  }
  const std::string tag = V24(Text("TIT2", "t0") + band + between + album +
                              Text("TIT2", "t" + IntToStr(kTitles - 1)) + comment);
  for (const char* name : {"m changed", "m emptied", "m removed", "07 - Replaced"}) Mp3(name, tag + kAudio);
  Load();
  auto edit = [&](const char* name, const std::string& title) {
    Rows = {RowOf(name)};
    TFieldEditorValues editors = Model.DataChange(Rows[0]).Editors.value_or(TFieldEditorValues());
    EXPECT_EQ(editors.Title, "t" + IntToStr(kTitles - 1)) << name;
    editors.Title = title;
    EXPECT_TRUE(Model.EditorChanged(feTitle, editors));
    Model.ChangeButton(editors, {});
  };
  edit("m changed", "New");
  edit("m emptied", "");
  Rows = {RowOf("m removed")};
  Model.RemoveTags();
  EXPECT_EQ(Cells(Rows[0]), "     " + IntToStr(Rows[0] + 1) + "||m removed|||||||||");
  Rows = {RowOf("07 - Replaced")};
  Model.FilenameToTag(true, 0);
  Model.Save();

  ExpectFrames("m changed", band + album + Text("TIT2", "New") + comment + userTexts);
  ExpectFrames("m emptied", band + album + comment + userTexts);
  EXPECT_EQ(OnDisk("m removed"), kAudio);
  ExpectFrames("07 - Replaced", Text("TIT2", "Replaced") + Text("TPE1", "Artist") + Text("TALB", "Album") +
                                    Text("TRCK", "7") + userTexts);
  for (const char* name : {"m changed", "m emptied", "07 - Replaced"}) EXPECT_EQ(AudioOf(OnDisk(name)), kAudio) << name;
}

TEST_F(TagEditorModelTest, SaveReportsWhatItLeftAloneAndAFailedWriteChangesNothing) {
  ASSERT_TRUE(FileSetReadOnly(Folder + "a both.mp3", true));
  Load();
  Rows = {0};
  ASSERT_EQ(Model.TagToFilename(1).Rows, std::vector<int32_t>{0});  // renamed only without errors
  Rows = {0, 2};
  Model.SetSaveChoice(true, "-------");
  TFieldEditorValues editors = Model.ShowRowFields();
  editors.Title = "New";
  Model.ChangeButton(editors, {true});
  Model.TagInfo(2).RemoveID3v1 = Model.TagInfo(2).RemoveID3v2 = true;  // as a stale removal
  Model.Save();
  const std::string report =
      "The following files have not been saved because these Tags have been removed in a "
      "previous action:\r\n \r\nID3v1: c none.mp3\r\n\r\n\r\n"
      "The following Tags have not been saved because these Tags have not been "
      "added/changed:\r\n \r\nID3v2: c none.mp3\r\n\r\n\r\n"
      "An error occurred with the following files:\r\n \r\nID3v1: a both.mp3\r\nID3v2: a both.mp3\r\n";
  EXPECT_EQ(Log(), report + "\r\n");
  ASSERT_EQ(Presenter.Shown.size(), 2u);
  EXPECT_EQ(Presenter.Shown[0].Text, report + "\r\nThis text will be saved in the file Log.txt");
  EXPECT_EQ(Presenter.Texts()[1], "Info / No files have been changed.");
  EXPECT_FALSE(Model.TagInfo(0).IsValid);
  EXPECT_EQ(Files.GetFileName(0), "a both");
  Model.Undo();  // the name built from tags is dropped
  EXPECT_FALSE(Files.GetFileInfo(0)->NewNameSet);
  EXPECT_EQ(Files.GetFileInfo(0)->NewName, "a both");
  Model.ReleaseTagInfos();
  Files.ClearFiles();  // Windows lets nobody else read a read-only file held open
  EXPECT_EQ(OnDisk("a both"), Original["a both"]);
  EXPECT_EQ(OnDisk("c none"), Original["c none"]);
  TSearchRec found;
  EXPECT_NE(FindFirst(Folder + "*.tmp", faAnyFile, found), 0);
  FindClose(found);
}

TEST_F(TagEditorModelTest, NamesFromTagsAreRenamedBySaveAndFilesWithoutTagsReported) {
  Load();
  Rows = {0, 2, 3};
  TFieldEditorValues edited = Model.ShowRowFields();
  edited.Title = "typed";
  Model.EditorChanged(feTitle, edited);
  EXPECT_EQ(Model.TagToFilename(1).Rows, std::vector<int32_t>{0});
  EXPECT_FALSE(Model.Marks().AnyMarked());  // what was typed is not applied later
  EXPECT_EQ(Model.RowCells(0)[tcFileName], "03 - Artist A - Title A");
  const std::string report = "For the following files there is no Tag present:\r\n \r\nc none.mp3\r\n";
  EXPECT_EQ(Log(), report + "\r\n");
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{
                                   "Warning / " + StringReplace(report, "\r\n", "", rfReplaceAll) +
                                   "This text will be saved in the file Log.txt"});
  Model.Save();
  EXPECT_EQ(Files.GetFileName(0), "03 - Artist A - Title A");
  EXPECT_EQ(OnDisk("03 - Artist A - Title A"), Original["a both"]);
  EXPECT_EQ(Presenter.Shown.size(), 1u);  // the rename counts as saved
}

TEST_F(TagEditorModelTest, FilenamesFillEachFileFromItsOwnFolderAndName) {
  Mp3("03 - Song", Original["b v1"]);
  Mp3("0A - Other", kAudio);  // "0A" is no track number
  Mp3("0x - y - z", kAudio);  // a section too many
  Load();
  Rows = {0, 1, 2};
  const TCommandResult add = Model.FilenameToTag(false, 0);
  EXPECT_EQ(add.Rows, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{
                                   "Warning / For the following files no valid format has been "
                                   "chosen: 0x - y - z"});
  EXPECT_EQ(Cells(0), "     1| I+II|03 - Song|Artist|Song|3||Album||||");
  EXPECT_EQ(Model.TagInfo(0).ID3v1->GetYear() + Model.TagInfo(0).ID3v1->GetComment(), "1999note");
  EXPECT_EQ(Cells(1), "     2| I+II|0A - Other|Artist|Other|||Album||||");  // no "3" of row 0
  Model.FilenameToTag(true, 0);
  EXPECT_EQ(Cells(0), "     1| I+II|03 - Song|Artist|Song|3||Album||||");
  EXPECT_EQ(Model.TagInfo(0).ID3v1->GetYear() + Model.TagInfo(0).ID3v1->GetComment(), "");

  Presenter.Shown.clear();
  Model.SetSaveChoice(false, "-------");
  Model.SetSaveChoice(true, "-------");
  Model.FilenameToTag(false, 0);
  Model.SetSaveChoice(true, "ID3v2.4");
  Config.TagFormats.SetDelimitedText("|\\ <A> - <X>\\ <L>\\ <T>|");
  Model.FilenameToTag(false, 0);
  Config.TagFormats.SetDelimitedText("|\\" + StringReplace(std::string(60, 'x'), "x", "<X>\\", rfReplaceAll) + " <T>|");
  Model.FilenameToTag(false, 0);
  Config.TagFormats.Clear();
  Model.FilenameToTag(false, 0);
  Model.TagToFilename(0);
  Rows.clear();
  Config.TagFormats.SetDelimitedText("|\\ <T>|");
  Model.FilenameToTag(false, 0);
  const TCommandResult emptied = Model.RemoveTags();
  const std::vector<std::string> texts = Presenter.Texts();
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(texts[0], "Error / No Tag-option checked ! Nothing will be added.");
  EXPECT_EQ(texts[1], "Warning / \\Artist\\Album\\ <A> - <X>\\ <L>");
  EXPECT_EQ(texts[2].substr(0, 35), "Warning / Too many folders added !" + Folder.substr(0, 1));
  for (int i : {3, 4}) EXPECT_EQ(texts[i], "Error / Format not acceptable, please use the syntax wisely.");
  EXPECT_EQ(texts[5], "Error / No files have been selected !");
  EXPECT_EQ(texts[6], "Info / No files have been selected !Only the fields have been emptied");
  ASSERT_TRUE(emptied.Editors);  // the current row's fields shown again
  EXPECT_EQ(emptied.Editors->Title + "/" + emptied.Editors->Artist, "Song/Artist");
  EXPECT_FALSE(Model.FileNamesEdited());
  EXPECT_EQ(Cells(0), "     1| I+II|03 - Song|Artist|Song|3||Album||||");
}

// The comment as the window moves it: shown, its memo alone edited, Change, Save.
class CommentEditing : public TagEditorModelTest {
protected:
  static std::string Comm(const std::string& language, const std::string& description, const std::string& text) {
    return ID3v2FrameBytes(4, "COMM", "\0"s + language + description + "\0"s + text);
  }
  // Selects the file's row alone and types text into the memo, as the window does.
  TFieldEditorValues EditMemo(const std::string& name, const std::string& text) {
    Rows = {RowOf(name)};
    const TDataChange shown = Model.DataChange(Rows[0]);
    EXPECT_TRUE(shown.Editors);
    TFieldEditorValues editors = shown.Editors.value_or(TFieldEditorValues());
    editors.Comment = text;
    EXPECT_TRUE(Model.EditorChanged(feComment, editors));
    return editors;
  }
  void ChangeAndSave(TFieldEditorValues& editors) {
    EXPECT_TRUE(Model.ChangeButton(editors, {}).Proceeded);
    Model.Save();
  }
};

// Shown as "-" in English, an empty description is no value of its own: it stays empty
// and keeps its language's bytes, whatever case or code other programs wrote.
TEST_F(CommentEditing, AnEmptyDescriptionAndItsLanguageKeepTheirBytesWhenOnlyTheTextChanges) {
  // Named apart by more than letter case, which Windows does not tell apart.
  const std::vector<std::pair<std::string, std::string>> files = {{"k1", "ENG"}, {"k2", "eng"}, {"k3", "XXX"}};
  for (const auto& [name, language] : files) Mp3(name, V24(Comm(language, "", "old note")) + kAudio);
  Load();
  for (const auto& [name, language] : files) {
    TFieldEditorValues editors = EditMemo(name, "new note");
    EXPECT_EQ(editors.Description + "/" + IntToStr(editors.Language), "-/108") << language;
    ChangeAndSave(editors);
    ExpectFrames(name, Comm(language, "", "new note"));
  }
  EXPECT_EQ(Presenter.Shown.size(), 0u);
  // Applied to several files, the comment shown is empty of description in each, and
  // each keeps its language; a new comment takes the default one, and no description.
  Mp3("k4", V24(Comm("deu", "", "alt")) + kAudio);
  Load();
  TFieldEditorValues all = EditMemo("k1", "all");
  Rows = {RowOf("k1"), RowOf("k4"), RowOf("c none")};
  std::array<bool, TagFieldCount> ticked{};
  ticked[tfComment] = true;
  Model.ChangeButton(all, ticked);
  Model.Save();
  ExpectFrames("k1", Comm("ENG", "", "all"));
  ExpectFrames("k4", Comm("deu", "", "all"));
  ExpectFrames("c none", Comm("eng", "", "all"));
  // A description or language the user chose is written as chosen.
  TFieldEditorValues editors = EditMemo("k2", "newer");
  editors.Description = "Mood";
  Model.EditorChanged(feDescription, editors);
  editors.Language = 0;  // "Unknown"
  ChangeAndSave(editors);
  ExpectFrames("k2", Comm("XXX", "Mood", "newer"));
}

// A described comment (as players add them) after the user's: the editor shows the later
// one, and Change writes into that one; the user's keeps its bytes.
TEST_F(CommentEditing, ChangeWritesIntoTheCommentFrameItShowedAndLeavesTheOtherAlone) {
  const std::string note = Comm("eng", "", "old note");
  Mp3("m two", V24(note + Comm("eng", "iTunNORM", " 0000 1111")) + kAudio);
  Load();
  TFieldEditorValues editors = EditMemo("m two", " 2222 3333");
  EXPECT_EQ(editors.Description, "iTunNORM");
  ChangeAndSave(editors);
  ExpectFrames("m two", note + Comm("eng", "iTunNORM", " 2222 3333"));
  // Emptied, the comment shown goes, and the other is shown again.
  editors = EditMemo("m two", "");
  TFieldEditorValues deleted = editors;
  EXPECT_TRUE(Model.DeleteField(tfComment, deleted));
  ChangeAndSave(deleted);
  ExpectFrames("m two", note);
  EXPECT_EQ(Model.DataChange(RowOf("m two")).Editors.value_or(TFieldEditorValues()).Comment, "old note");
}

// Characters that 8-bit text has no form for show as "?"s. The part of a comment left
// alone keeps them as another changes: a Japanese description as the text is typed,
// Cyrillic text as the language of two rows is changed.
TEST_F(CommentEditing, APartLeftAloneKeepsTheCharactersShownAsQuestionMarks) {
  // A UTF-16 comment as read, and as saved: unsynchronised for the byte-order mark FF FE,
  // with the frame's flag for it.
  const auto comm = [](const std::string& language, const std::string& description, const std::string& text) {
    return ID3v2FrameBytes(4, "COMM", "\x01" + language + description + "\0\0"s + text);
  };
  const auto saved = [](const std::string& language, const std::string& description, const std::string& text) {
    const std::string body = "\x01" + language + description + "\0\0"s + text;
    TBytes bytes(body.begin(), body.end());
    ApplyUnsynchronisation(bytes);
    return ID3v2FrameBytes(4, "COMM", {bytes.begin(), bytes.end()}, 0, 0x02);
  };
  const std::string japanese = "\xFF\xFE\xE5\x65\x2C\x67"s, cyrillic = "\xFF\xFE\x3F\x04\x40\x04\x38\x04"s;
  Mp3("n japanese", V24(comm("eng", japanese, "\xFF\xFEo\0l\0d\0"s)) + kAudio);
  for (const char* name : {"o cyrillic", "p cyrillic"}) Mp3(name, V24(comm("eng", "\xFF\xFE", cyrillic)) + kAudio);
  Load();
  TFieldEditorValues editors = EditMemo("n japanese", "new");
  EXPECT_EQ(editors.Description, "??");
  ChangeAndSave(editors);
  ExpectFrames("n japanese", saved("eng", japanese, "\xFF\xFEn\0e\0w\0"s));

  Rows = {RowOf("o cyrillic")};
  editors = Model.DataChange(Rows[0]).Editors.value_or(TFieldEditorValues());
  EXPECT_EQ(editors.Comment, "???");
  Rows.push_back(RowOf("p cyrillic"));
  Model.DataChange(Rows[0]);
  while (LanguageCode(editors.Language) != "rus") ++editors.Language;
  std::array<bool, TagFieldCount> ticked{};
  ticked[tfComment] = true;
  Model.ChangeButton(editors, ticked);
  Model.Save();
  for (const char* name : {"o cyrillic", "p cyrillic"}) ExpectFrames(name, saved("rus", "\xFF\xFE", cyrillic));
  EXPECT_EQ(Presenter.Shown.size(), 0u);
}

// The editors show the ID3v2 tag of a file with both, and an ID3v1 tag holds no track
// total, month, comment language or description: a change of those alone reaches the
// ID3v2 tag and leaves the ID3v1 tag byte for byte (its track, year and comment are not
// the ID3v2 tag's). The track number, year and comment text reach both; so does a comment
// ticked over several rows, whichever part of it was edited.
TEST_F(CommentEditing, APartAnID3v1TagLacksChangesOnlyTheID3v2Tag) {
  const std::string id3v1 = ID3v1Tag("Title", "", "", "1999", "v1 note", 5, 17);
  Mp3("f parts", V24(Text("TRCK", "3") + Text("TDRC", "2001") + Comm("eng", "d", "v2 note")) + kAudio + id3v1);
  Load();
  const auto change = [&](TFieldEditor editor, const std::function<void(TFieldEditorValues&)>& edit) {
    Rows = {RowOf("f parts")};
    TFieldEditorValues editors = Model.DataChange(Rows[0]).Editors.value_or(TFieldEditorValues());
    edit(editors);
    EXPECT_TRUE(Model.EditorChanged(editor, editors));
    ChangeAndSave(editors);
    return OnDisk("f parts").substr(OnDisk("f parts").size() - 128);
  };
  EXPECT_EQ(change(feLanguage, [](TFieldEditorValues& e) { e.Language = 0; }), id3v1);
  EXPECT_EQ(change(feDescription, [](TFieldEditorValues& e) { e.Description = "e"; }), id3v1);
  EXPECT_EQ(change(feTrackTotal, [](TFieldEditorValues& e) { e.TrackTotal = "9"; }), id3v1);
  EXPECT_EQ(change(feMonth, [](TFieldEditorValues& e) { e.Month = "05"; }), id3v1);
  ExpectFrames("f parts", Text("TRCK", "3/9") + Text("TDRC", "2001-05") + Comm("XXX", "e", "v2 note"));
  EXPECT_EQ(change(feComment, [](TFieldEditorValues& e) { e.Comment = "typed"; }),
            ID3v1Tag("Title", "", "", "1999", "typed", 5, 17));
  EXPECT_EQ(change(feTrackNr, [](TFieldEditorValues& e) { e.TrackNr = "4"; }),
            ID3v1Tag("Title", "", "", "1999", "typed", 4, 17));
  EXPECT_EQ(change(feYear, [](TFieldEditorValues& e) { e.Year = "2002"; }),
            ID3v1Tag("Title", "", "", "2002", "typed", 4, 17));
  // Ticked over several rows, the comment shown goes whole into every file's ID3v1 tag.
  Rows = {RowOf("f parts")};
  TFieldEditorValues editors = Model.DataChange(Rows[0]).Editors.value_or(TFieldEditorValues());
  Rows.push_back(RowOf("b v1"));
  Model.DataChange(Rows[0]);
  editors.Language = EnglishLanguage;
  Model.EditorChanged(feLanguage, editors);
  std::array<bool, TagFieldCount> ticked{};
  ticked[tfComment] = true;
  Model.ChangeButton(editors, ticked);
  Model.Save();
  EXPECT_EQ(OnDisk("b v1").substr(OnDisk("b v1").size() - 128),
            ID3v1Tag("Title B", "Artist B", "Album B", "1999", "typed", 5, 17));
  EXPECT_EQ(Presenter.Shown.size(), 0u);
}

// The current row's values that the editors show with "?"s, ticked over several rows,
// reach the other files in the characters its frames were read with: into frames of
// their own and into new tags; a value typed over them is written as typed.
TEST_F(CommentEditing, ValuesShownWithQuestionMarksReachOtherFilesInTheCharactersReadWith) {
  const std::u16string kino = u"\u041A\u0438\u043D\u043E", japanese = u"\u65E5\u672C";
  Mp3("q kino", V24(ID3v2FrameBytes(4, "TALB", "\x01\xFF\xFE\x1A\x04\x38\x04\x3D\x04\x3E\x04"s) +
                    ID3v2FrameBytes(4, "COMM", "\x01" "eng\xFF\xFE\xE5\x65\x2C\x67\0\0\xFF\xFEx\0"s)) +
                    kAudio);
  Load();
  Rows = {RowOf("q kino")};
  TFieldEditorValues editors = Model.DataChange(Rows[0]).Editors.value_or(TFieldEditorValues());
  EXPECT_EQ(editors.Album + "|" + editors.Description + "|" + editors.Comment, "????|??|x");
  Rows = {RowOf("q kino"), RowOf("a both"), RowOf("b v1"), RowOf("c none")};
  Model.DataChange(Rows[0]);
  editors.Comment = "y";  // the comment's text typed, its description left as shown
  std::array<bool, TagFieldCount> ticked{};
  ticked[tfAlbum] = ticked[tfComment] = true;
  Model.ChangeButton(editors, ticked);
  Model.Save();
  Model.Undo();
  for (const int32_t row : Rows) {
    const TTagFields saved = RecordFields(Model.TagInfo(row), EnglishLanguage);
    SCOPED_TRACE(Model.TagInfo(row).GetEntry().Name);
    EXPECT_EQ(saved.CharactersOf(ftAlbum), kino);
    EXPECT_EQ(saved.CharactersOf(ftDescription), japanese);
    EXPECT_EQ(saved.Comment, "y");
    EXPECT_EQ(saved.CharactersOf(ftComment), u"");
  }
  EXPECT_EQ(Presenter.Shown.size(), 0u);
}

// A log that cannot be written (a folder of its name, a read-only file) is said once,
// after the reports, as the main window says it; the command ends as any other does.
TEST_F(TagEditorModelTest, AnUnwritableLogIsSaidOnceAndTheCommandEndsAsAnyOther) {
  for (const bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "a folder Log.txt" : "a read-only Log.txt");
    if (folder) {
      ASSERT_TRUE(CreateDir(Folder + "Log.txt"));
    } else {
      ASSERT_TRUE(RemoveDir(Folder + "Log.txt"));
      Program.WriteFile("Artist\\Album\\Log.txt", "older log");
      ASSERT_TRUE(FileSetReadOnly(Folder + "Log.txt", true));
    }
    Presenter.Shown.clear();
    Load();
    // Names from tags with a file that has none: its report cannot be logged.
    Rows = {0, 2};
    const TCommandResult named = Model.TagToFilename(1);
    EXPECT_EQ(named.Rows, std::vector<int32_t>{0});
    EXPECT_FALSE(Model.NothingToSave());
    std::vector<std::string> texts = Presenter.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("Warning / For the following files there is no Tag present:", 0), 0u);
    EXPECT_EQ(texts[1].rfind("Error / ", 0), 0u);
    EXPECT_NE(texts[1].find(Folder + "Log.txt"), std::string::npos);
    // Save: the rename meets a name that exists (and numbers it), a removal finds no tag;
    // neither report can be logged, which is said once.
    Program.WriteFile("Artist\\Album\\03 - Artist A - Title A.mp3", "in the way");
    Model.TagInfo(2).RemoveID3v2 = true;
    Presenter.Shown.clear();
    const TCommandResult saved = Model.Save();
    EXPECT_TRUE(Model.NothingToSave());
    EXPECT_EQ(saved.Rows, (std::vector<int32_t>{0, 1, 2}));
    texts = Presenter.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("Info / The following filenames already existed", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1].rfind("Warning / The following Tags have not been saved", 0), 0u) << texts[1];
    EXPECT_EQ(texts[2].rfind("Error / ", 0), 0u);
    EXPECT_NE(texts[2].find(Folder + "Log.txt"), std::string::npos);
    EXPECT_EQ(Files.GetFileName(0), "03 - Artist A - Title A1");  // renamed all the same
    Model.ReleaseTagInfos();
    Files.ClearFiles();
    ASSERT_TRUE(DeleteFile(Folder + "03 - Artist A - Title A.mp3"));
    ASSERT_TRUE(RenameFile(Folder + "03 - Artist A - Title A1.mp3", Folder + "a both.mp3"));
  }
  EXPECT_EQ(ReadFileBytes(Folder + "Log.txt"), "older log");
  ASSERT_TRUE(FileSetReadOnly(Folder + "Log.txt", false));
}

// Change takes the track total as the editors hold it: one below the number is raised to
// it, in the editors and in the tags; one at or above the number stays as typed.
TEST_F(TagEditorModelTest, ChangeRaisesATrackTotalBelowTheNumberToIt) {
  Load();
  Rows = {0};
  Model.DataChange(0);  // a: track 3 of 9
  for (auto [typed, taken] : {std::pair{"2", "3"}, {"12", "12"}, {"3", "3"}}) {
    TFieldEditorValues editors = Model.ShowRowFields();
    editors.TrackTotal = typed;
    ASSERT_TRUE(Model.EditorChanged(feTrackTotal, editors)) << typed;
    Model.ChangeButton(editors, {});
    EXPECT_EQ(editors.TrackTotal, taken) << typed;
    EXPECT_EQ(Model.RowCells(0)[tcTrack] + "/" + Model.RowCells(0)[tcTotal], "3/"s + taken) << typed;
  }
}

}  // namespace
