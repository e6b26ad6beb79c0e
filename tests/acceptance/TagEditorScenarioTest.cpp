// The tag editor as a user meets it: the real program over MP3 files large enough to hold
// audio the editor accepts, the editor opened from the main window's tags panel, a title
// typed and saved into both tags, tags removed from the grid's context menu by keys, a
// save on a read-only file reported and logged, and an undo that writes nothing.
// Screenshots: build/screenshots/acceptance-tag-editor*.png.
#include "ProgramDriver.h"
#include "Screenshot.h"
#include "TagFixtures.h"

#include "base/FileUtils.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using Files = std::map<std::string, std::string>;

const char kMainCaption[] = "Velorandquistmar 0.4.8";
const char kEditorCaption[] = "ID3v1 + ID3v2 Editor";
// The editor looks for MPEG frames only in files of some size: 150 frames of 417 bytes.
const std::string kAudio = Frames({3, 1, 9, 0}, 417, 150);

// The ID3v1 tag's title, empty without the tag.
std::string ID3v1Title(const std::string& file) {
  if (file.size() < 128 || file.compare(file.size() - 128, 3, "TAG") != 0) return "";
  const std::string title = file.substr(file.size() - 125, 30);
  return title.substr(0, title.find('\0'));
}

// The ID3v2 text frame's text (encoding byte skipped) in a tag of version 2.4; empty when
// the file has no such tag or frame.
std::string ID3v24Text(const std::string& file, const std::string& id) {
  if (file.compare(0, 4, "ID3\x04") != 0) return "";
  const size_t frame = file.find(id);
  if (frame == std::string::npos) return "";
  uint32_t size = 0;
  for (size_t i = frame + 4; i < frame + 8; ++i) size = size << 7 | (static_cast<uint8_t>(file[i]) & 0x7F);
  std::string text = file.substr(frame + 11, size - 1);
  return text.substr(0, text.find('\0'));
}

class TagEditorScenario : public ::testing::Test {
protected:
  TagEditorScenario() {
    const std::string beta = ID3v2FrameBytes(3, "TIT2", TextBody("Beta")) +
                             ID3v2FrameBytes(3, "TPE1", TextBody("Artist A")) +
                             ID3v2FrameBytes(3, "PRIV", std::string("owner@example.org\0private", 26));
    Music("a - Beta.mp3", ID3v2TagBytes(3, 0, beta) + kAudio);
    Music("b - Alpha.mp3", kAudio + ID3v1Tag("Alpha", "Artist B", "Album", "2001", "", 2, 17));
    FileSetReadOnly(Music("c - Locked.mp3", kAudio + ID3v1Tag("Locked", "Artist C", "", "", "", 0, 0)), true);
  }

  void TearDown() override {
    for (const std::string& caption : Program.UnexpectedWindows()) ADD_FAILURE() << "unexpected window " << caption;
  }

  std::string Music(const std::string& name, const std::string& bytes) {
    const std::string path = Program.MusicFolder() + name;
    TFileStream(path, fmCreate).WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    Original[name] = bytes;
    return path;
  }
  Files MusicFiles() const { return FolderFiles(Program.MusicFolder()); }

  static HWND GridOf(HWND Form) {
    const std::vector<HWND> grids = ChildWindows(Form, "TDynSkinStringGrid");
    return grids.empty() ? nullptr : grids.front();
  }
  // A data row's name cell: rows are 16 pixels high with a grid line below, header first.
  static POINT RowPoint(int Row) { return {100, Row * 17 + 8}; }
  // The editor's edits from the top down (title, artist, album, ...).
  std::vector<HWND> EditorEdits() const {
    std::vector<HWND> edits = ChildWindows(Editor, "TspSkinEdit");
    std::erase_if(edits, [](HWND edit) { return IsWindowVisible(edit) == 0; });
    std::sort(edits.begin(), edits.end(), [this](HWND a, HWND b) {
      const RECT ra = ChildRect(Editor, a), rb = ChildRect(Editor, b);
      return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return edits;
  }
  HWND EditorButton(const std::string& Caption) const { return FindChild(Editor, "TspSkinButton", Caption); }
  // Selects an editor row alone and waits until its fields show.
  void SelectEditorRow(int Row, const std::string& Title) const {
    PostClick(GridOf(Editor), RowPoint(Row));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(EditorEdits().front()) == Title; })) << Title;
  }
  void TypeAtEnd(HWND Edit, const std::string& Text) const {
    const std::string expected = WindowText(Edit) + Text;
    PostClick(Edit);
    PostKey(Edit, VK_END);
    PostText(Edit, Text);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(Edit) == expected; })) << WindowText(Edit);
  }
  // Presses a command button once it is enabled.
  void Press(const std::string& Caption) const {
    HWND button = EditorButton(Caption);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(button) != 0; })) << Caption << " stays disabled";
    PostClick(button);
  }
  // Presses Save and waits until it is done (Save disabled again).
  void Save() const {
    Press("Save");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(EditorButton("Save")) == 0; })) << "Save stays enabled";
  }
  // A message window of the program, answered with Ok: its text without line breaks.
  std::string AnswerOk(const std::string& Caption, const std::string& Shot) {
    HWND message = Program.WaitForWindow(Caption, Shot);
    if (message == nullptr) return "no message \"" + Caption + "\"";
    const std::vector<HWND> memos = ChildWindows(message, "TspSkinMemo");
    std::string text = memos.empty() ? "" : WindowText(memos.front());
    std::erase(text, '\r');
    std::erase(text, '\n');
    PostClick(FindChild(message, "TspSkinButton", "Ok"));
    EXPECT_TRUE(Program.WaitForWindowGone(message)) << Caption << " stays open";
    return text;
  }
  // The skinned menu the program shows now.
  HWND OpenMenu() const {
    HWND found = nullptr;
    WaitUntil([&] {
      for (HWND window = FindWindowExA(nullptr, nullptr, "TspSkinPopupWindow", nullptr); window != nullptr && !found;
           window = FindWindowExA(nullptr, window, "TspSkinPopupWindow", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == Program.Process().ProcessId() && IsWindowVisible(window)) found = window;
      }
      return found != nullptr;
    });
    return found;
  }

  TProgramDriver Program{"acceptance"};
  std::map<std::string, std::string> Original;
  HWND Editor = nullptr;
};

TEST_F(TagEditorScenario, TagsTypedSavedRemovedAndAFailedSaveReportedWhileUndoWritesNothing) {
  Program.Start();
  HWND main = Program.WaitForWindow(kMainCaption, "tag-editor-main-window", kStartTimeoutMs);
  ASSERT_NE(main, nullptr) << "no main window";
  HWND grid = GridOf(main);
  PostClick(grid, RowPoint(1));
  PostClick(grid, RowPoint(3), MK_SHIFT);
  ASSERT_TRUE(WaitUntil([&] { return FindChild(main, "TspSkinStatusPanel", "Selected files: 3") != nullptr; }));
  PostKey(grid, VK_F2);
  HWND readTags = FindChild(main, "TspSkinButton", "Read ID3Tags");
  ASSERT_TRUE(WaitUntil([&] { return readTags != nullptr && IsWindowVisible(readTags) != 0; }));
  PostClick(readTags);
  Editor = Program.WaitForWindow(kEditorCaption, "tag-editor");
  ASSERT_NE(Editor, nullptr) << "no tag editor";
  ASSERT_TRUE(WaitUntil([&] { return FindChild(Editor, "TspSkinStatusPanel", "Selected files: 1") != nullptr; }));

  // "b - Alpha": a title typed, changed and saved gives it an ID3v2.4 tag beside its ID3v1.1.
  SelectEditorRow(2, "Alpha");
  Program.Screenshot(Editor, "tag-editor-mpeg");
  TypeAtEnd(EditorEdits().front(), " Two");
  Press("Change");
  Save();
  const std::string alpha = MusicFiles().at("b - Alpha.mp3");
  EXPECT_EQ(ID3v1Title(alpha), "Alpha Two");
  EXPECT_EQ(ID3v24Text(alpha, "TIT2"), "Alpha Two");
  EXPECT_EQ(ID3v24Text(alpha, "TPE1"), "Artist B");
  EXPECT_NE(alpha.find(kAudio), std::string::npos) << "the audio changed";
  EXPECT_EQ(alpha.size(), alpha.find(kAudio) + kAudio.size() + 128);

  // "a - Beta": Remove Tags from the grid's context menu, chosen by keys; saved, the file
  // is its audio alone.
  SelectEditorRow(1, "Beta");
  HWND editorGrid = GridOf(Editor);
  const POINT at = RowPoint(1);
  PostMessageA(editorGrid, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(editorGrid, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  HWND menu = OpenMenu();
  ASSERT_NE(menu, nullptr) << "no context menu";
  const HWND both[] = {Editor, menu};
  SaveWindowsScreenshot(both, "acceptance-tag-editor-popup");
  PostKey(FocusOfThread(editorGrid), VK_UP);  // the last item: Remove Tags
  PostKey(FocusOfThread(editorGrid), VK_RETURN);
  EXPECT_TRUE(Program.WaitForWindowGone(menu));
  Save();
  EXPECT_EQ(MusicFiles().at("a - Beta.mp3"), kAudio);

  // The read-only file: its artist changed and saved gives the report, then "nothing
  // saved"; the log holds the report, the file keeps every byte and no copy is left.
  SelectEditorRow(3, "Locked");
  TypeAtEnd(EditorEdits()[1], "!");
  Press("Change");
  Press("Save");
  const std::string report = "An error occurred with the following files: ID3v1: c - Locked.mp3ID3v2: c - Locked.mp3";
  EXPECT_EQ(AnswerOk("Warning", "tag-editor-report"), report + "This text will be saved in the file Log.txt");
  EXPECT_EQ(AnswerOk("Info", "tag-editor-nothing-saved"), "No files have been changed.");
  EXPECT_EQ(MusicFiles().at("Log.txt"),
            "An error occurred with the following files:\r\n \r\nID3v1: c - Locked.mp3\r\nID3v2: c - Locked.mp3\r\n\r\n");

  // A change undone writes nothing.
  const Files before = MusicFiles();
  SelectEditorRow(2, "Alpha Two");
  TypeAtEnd(EditorEdits()[1], "?");
  Press("Change");
  Press("Undo");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(EditorButton("Undo")) == 0; }));
  EXPECT_EQ(MusicFiles(), before);

  PostClick(EditorButton("Close"));
  EXPECT_TRUE(Program.WaitForWindowGone(Editor)) << "the editor stays open";
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(Program.Process().ExitCode(), 0u);
  const Files after = MusicFiles();
  EXPECT_EQ(after.at("c - Locked.mp3"), Original.at("c - Locked.mp3"));
  EXPECT_EQ(after.count("c - Locked.tmp"), 0u);
  EXPECT_EQ(after.size(), 4u);  // the three files and the log
}

}  // namespace
