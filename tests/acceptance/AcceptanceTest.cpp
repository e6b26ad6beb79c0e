// The program as a user meets it: each scenario starts the real program in a fresh folder
// of generated MP3 files, drives its windows from outside with clicks and keys, and
// checks what shows and what lands on disk. Screenshots: build/screenshots/acceptance-*.png.
#include "ProgramDriver.h"
#include "TagFixtures.h"

#include "base/FileUtils.h"
#include "base/Streams.h"
#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using Files = std::map<std::string, std::string>;

const char kMainCaption[] = "Velorandquistmar 0.4.8";

// Audio of a few MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz), told apart by their count.
std::string Audio(int frames) { return Frames({3, 1, 9, 0}, 417, frames); }

// "Section/Key=Value" for every value of an INI text, in file order.
Lines IniValues(const std::string& text) {
  Lines values;
  std::string section;
  for (const std::string& raw : SplitLines(text)) {
    const std::string line = Trim(raw);
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    values.push_back(section + "/" + line);
  }
  return values;
}

// Every setting a first start writes, English names, in the writer's order.
Lines DefaultSettings() {
  return {"Program/Language=1",
          "FileEditor/WindowHeight=540",
          "FileEditor/WindowWidth=740",
          "FileEditor/PreferredFormat=0",
          "FileEditor/Formats=|<A> - <T>|,|<N> - <T>|,|<A> - <N> - <T>|,|<N> - <A> - <T>|",
          "FileEditor/AllWordsCaps=0",
          "FileEditor/SaveList=1",
          "FileEditor/ListName=List.txt",
          "FileEditor/ActionOnExistingFile=0",
          "TagEditor/WindowHeight=569",
          "TagEditor/WindowWidth=800",
          "TagEditor/WindowMaximized=0",
          "TagEditor/PreferredFormat=0",
          "TagEditor/Formats=|\\ <A> - <T>|,|\\ <N> - <T>|,|\\ <A> - <N> - <T>|,|\\ <N> - <A> - <T>|",
          "TagEditor/DefaultSaveActionForLog=1",
          "TagEditor/DefaultTagLanguage=108",
          "TagEditor/DefaultID3v1=2",
          "TagEditor/DefaultID3v2=7"};
}

std::string Unwrapped(std::string text) {
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
  return text;
}

Lines Replaced(Lines lines, const std::string& from, const std::string& to) {
  std::replace(lines.begin(), lines.end(), from, to);
  return lines;
}

class Acceptance : public ::testing::Test {
protected:
  Acceptance() {
    // Sorted by name as the program lists them: a, b, c, d, e.
    Music("b - Alpha.mp3", Audio(3) + ID3v1Tag("Alpha", "Artist B", "Album", "2001", "", 2, 17));
    const std::string beta = ID3v2FrameBytes(3, "TIT2", TextBody("Beta")) +
                             ID3v2FrameBytes(3, "TPE1", TextBody("Artist A")) +
                             ID3v2FrameBytes(3, "PRIV", std::string("owner@example.org\0private", 26));
    Music("a - Beta.mp3", ID3v2TagBytes(3, 0, beta) + Audio(4));
    Music("c - Gamma.mp3", Audio(5));
    const std::string locked = Music("d - Locked.mp3", Audio(6));
    FileSetReadOnly(locked, true);
    Music("e - Short.mp3", std::string(100, '\x55'));
    Music("x.mp3x", Audio(2));
  }

  // A window the scenario did not wait for (an error message) fails it.
  void TearDown() override {
    for (const std::string& caption : Program.UnexpectedWindows()) ADD_FAILURE() << "unexpected window " << caption;
  }

  std::string Music(const std::string& name, const std::string& bytes) const {
    const std::string path = Program.MusicFolder() + name;
    TFileStream(path, fmCreate).WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return path;
  }
  Files MusicFiles() const { return FolderFiles(Program.MusicFolder()); }
  std::string SettingsText() const { return ReadFileBytes(Program.SettingsPath()); }

  // Starts the program and waits for its main window, whose picture is saved as Shot.
  HWND StartMainWindow(const std::string& Shot) {
    Program.Start();
    Main = Program.WaitForWindow(kMainCaption, Shot, kStartTimeoutMs);
    return Main;
  }
  HWND Button(const std::string& Caption) const { return FindChild(Main, "TspSkinButton", Caption); }
  HWND Grid() const {
    const std::vector<HWND> grids = ChildWindows(Main, "TDynSkinStringGrid");
    return grids.empty() ? nullptr : grids.front();
  }
  // Clicks the name of a data row: rows are 16 pixels high with a grid line of 1 below
  // each, the header row first.
  void ClickRow(int Row, WPARAM Keys = 0) const { PostClick(Grid(), {100, Row * 17 + 8}, Keys); }
  // The status bar's "Selected files:" panel.
  std::string SelectedFiles() const {
    for (HWND panel : ChildWindows(Main, "TspSkinStatusPanel"))
      if (WindowText(panel).starts_with("Selected files:")) return WindowText(panel);
    return "";
  }
  bool WaitForSelectedFiles(int Count) const {
    return WaitUntil([&] { return SelectedFiles() == "Selected files: " + IntToStr(Count); });
  }
  // The find and replace-by edits of the "Replace text" group, top one first.
  std::vector<HWND> ReplaceEdits() const {
    std::vector<HWND> edits = ChildWindows(FindChild(Main, "TspSkinGroupBox", "Replace text"), "TspSkinEdit");
    std::sort(edits.begin(), edits.end(),
              [this](HWND a, HWND b) { return ChildRect(Main, a).top < ChildRect(Main, b).top; });
    return edits;
  }
  // Types Text into an edit in place of what it holds, as a user would.
  void Retype(HWND Edit, const std::string& Text) const {
    PostClick(Edit);
    PostKey(Edit, VK_END);
    PostText(Edit, std::string(WindowText(Edit).size(), '\b') + Text);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(Edit) == Text; })) << WindowText(Edit);
  }
  void FindAndReplace(const std::string& Find, const std::string& ReplaceBy) const {
    const std::vector<HWND> edits = ReplaceEdits();
    ASSERT_EQ(edits.size(), 2u);
    Retype(edits[0], Find);
    Retype(edits[1], ReplaceBy);
  }
  bool RenamePending() const { return IsWindowEnabled(Button("Rename")) != 0; }
  // Presses Preview and waits until it has made the rename pending.
  void Preview() const {
    PostClick(Button("Preview"));
    EXPECT_TRUE(WaitUntil([&] { return RenamePending(); })) << "the preview changed no name";
  }
  // Presses the enabled one of Rename and Undo and waits until nothing is pending.
  void Press(const std::string& Caption) const {
    PostClick(Button(Caption));
    EXPECT_TRUE(WaitUntil([&] { return !RenamePending(); })) << Caption << " left the rename pending";
  }
  // A message window of the program, answered: its text, without line breaks (the window
  // breaks long lines where it likes).
  std::string AnswerMessage(const std::string& Caption, const std::string& Shot, const std::string& Answer) {
    HWND message = Program.WaitForWindow(Caption, Shot);
    if (message == nullptr) return "no message \"" + Caption + "\"";
    const std::vector<HWND> memos = ChildWindows(message, "TspSkinMemo");
    const std::string text = memos.empty() ? "" : Unwrapped(WindowText(memos.front()));
    PostClick(FindChild(message, "TspSkinButton", Answer));
    EXPECT_TRUE(Program.WaitForWindowGone(message)) << Caption << " stays open";
    return text;
  }
  // The menu bar driven by its keys: the Alt key's keyboard mode, then Keys.
  void Menu(std::initializer_list<WORD> Keys) const { PostMenuKeys(Main, Keys); }

  TProgramDriver Program{"acceptance"};
  HWND Main = nullptr;
};

TEST_F(Acceptance, TheFirstStartWritesTheDefaultSettingsAndASecondStartEndsAtOnce) {
  ASSERT_FALSE(FileExists(Program.SettingsPath()));
  ASSERT_NE(StartMainWindow("start-main-window"), nullptr) << "no main window within 20 s";
  EXPECT_EQ(IniValues(SettingsText()), DefaultSettings());
  EXPECT_TRUE(WaitForSelectedFiles(1)) << SelectedFiles();
  EXPECT_NE(FindChild(Main, "TspSkinStatusPanel", ExcludeTrailingBackslash(Program.MusicFolder())), nullptr)
      << "the status bar shows another folder";

  TStartedProcess& second = Program.Start();
  EXPECT_EQ(second.ExitCode(5000), 0u);
  EXPECT_TRUE(Program.Process().Running());
  EXPECT_EQ(Program.Windows(kMainCaption).size(), 1u);
}

TEST_F(Acceptance, RenamesTheSelectedFilesByPreviewUndoAndRenameAndNumbersAClash) {
  ASSERT_NE(StartMainWindow("rename-main-window"), nullptr);
  const Files original = MusicFiles();
  ClickRow(1);
  ClickRow(3, MK_SHIFT);
  ASSERT_TRUE(WaitForSelectedFiles(3)) << SelectedFiles();
  FindAndReplace("Alpha", "Omega");

  Preview();
  Program.Screenshot(Main, "rename-preview");
  EXPECT_EQ(MusicFiles(), original) << "a preview touches no file";
  Press("Undo");
  EXPECT_EQ(MusicFiles(), original);

  Preview();
  Press("Rename");
  Files renamed = original;
  renamed.erase("b - Alpha.mp3");
  renamed["b - Omega.mp3"] = original.at("b - Alpha.mp3");
  renamed["List.txt"] = "a - Beta.mp3\r\nb - Alpha.mp3\r\nc - Gamma.mp3\r\n";
  EXPECT_EQ(MusicFiles(), renamed);
  EXPECT_NE(FileGetAttr(Program.MusicFolder() + "d - Locked.mp3") & faReadOnly, 0);

  // Every listed file selected through the menu; the first takes the name of the second.
  Menu({VK_RIGHT, VK_RETURN, VK_RETURN});
  ASSERT_TRUE(WaitForSelectedFiles(5)) << SelectedFiles();
  FindAndReplace("a - Beta", "b - Omega");
  Preview();
  PostClick(Button("Rename"));
  const std::string report =
      "The following filenames already existed and action has been taken according to the chosen setting : "
      "Add a number to the end\r\n \r\nb - Omega.mp3\r\n";
  const std::string log = report + "\r\n";
  EXPECT_EQ(AnswerMessage("Info", "rename-clash-message", "Ok"),
            Unwrapped(report + "\r\nThis text will be saved in the file Log.txt"));
  EXPECT_TRUE(WaitUntil([&] { return !RenamePending(); }));
  renamed.erase("a - Beta.mp3");
  renamed["b - Omega1.mp3"] = original.at("a - Beta.mp3");
  renamed["List.txt"] = "a - Beta.mp3\r\nb - Omega.mp3\r\nc - Gamma.mp3\r\nd - Locked.mp3\r\ne - Short.mp3\r\n";
  renamed["Log.txt"] = log;
  EXPECT_EQ(MusicFiles(), renamed);

  // Closing with a preview pending asks first; No keeps the window and its preview.
  FindAndReplace("Gamma", "Delta");
  Preview();
  PostKey(FocusOfThread(Main), VK_ESCAPE);
  EXPECT_EQ(AnswerMessage("Warning", "rename-close-question", "No"),
            "There are changed files which have not been saved yet. Close?");
  EXPECT_TRUE(Program.Process().Running());
  EXPECT_TRUE(IsWindowVisible(Main));
  EXPECT_TRUE(RenamePending());
  EXPECT_EQ(MusicFiles(), renamed);
}

TEST_F(Acceptance, TheDialogsKeepTheSettingsOnCancelAndWriteThemOnSaveAndInTheFormatBuilder) {
  ASSERT_NE(StartMainWindow("dialogs-main-window"), nullptr);
  const std::string written = SettingsText();
  const std::initializer_list<WORD> settingsKeys = {VK_RIGHT, VK_RIGHT, VK_RETURN, VK_DOWN, VK_RETURN};

  Menu(settingsKeys);
  HWND settings = Program.WaitForWindow("Settings", "dialogs-settings");
  ASSERT_NE(settings, nullptr);
  PostClick(FindChild(settings, "TspSkinCheckRadioBox", "All words Caps"));
  PostClick(FindChild(settings, "TspSkinButton", "Cancel"));
  EXPECT_TRUE(Program.WaitForWindowGone(settings));
  EXPECT_EQ(SettingsText(), written) << "Cancel writes nothing";

  Menu(settingsKeys);
  settings = Program.WaitForWindow("Settings", "dialogs-settings-save");
  ASSERT_NE(settings, nullptr);
  PostClick(FindChild(settings, "TspSkinCheckRadioBox", "All words Caps"));
  PostClick(FindChild(settings, "TspSkinButton", "Save"));
  EXPECT_TRUE(Program.WaitForWindowGone(settings));
  const Lines saved = Replaced(DefaultSettings(), "FileEditor/AllWordsCaps=0", "FileEditor/AllWordsCaps=1");
  EXPECT_EQ(IniValues(SettingsText()), saved);

  Menu({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN, VK_DOWN, VK_RETURN});
  HWND about = Program.WaitForWindow("Product information", "dialogs-about");
  ASSERT_NE(about, nullptr);
  PostKey(FocusOfThread(about), VK_ESCAPE);
  EXPECT_TRUE(Program.WaitForWindowGone(about)) << "Escape leaves the about box open";

  // "Selected format" (the group's top box) enables the builder's button, which stands
  // just right of the formats box.
  HWND group = FindChild(Main, "TspSkinGroupBox", "Automatic formatting");
  std::vector<HWND> boxes = ChildWindows(group, "TspSkinCheckRadioBox");
  ASSERT_FALSE(boxes.empty());
  std::sort(boxes.begin(), boxes.end(),
            [&](HWND a, HWND b) { return ChildRect(group, a).top < ChildRect(group, b).top; });
  PostClick(boxes.front());
  const std::vector<HWND> combos = ChildWindows(group, "TspSkinComboBox");
  ASSERT_EQ(combos.size(), 1u);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(combos.front()) != 0; }));
  const RECT formats = ChildRect(group, combos.front());
  PostClick(group, {formats.right + 14, formats.top + 10});
  HWND builder = Program.WaitForWindow("Filename format builder", "dialogs-format-builder");
  ASSERT_NE(builder, nullptr);
  PostClick(FindChild(builder, "TspSkinCheckRadioBox", "Title"));
  PostClick(FindChild(builder, "TspSkinCheckRadioBox", "Artist"));
  HWND add = FindChild(builder, "TspSkinButton", "Add");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(add) != 0; }));
  PostClick(add);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(add) == 0; })) << "Add kept the format";
  Program.Screenshot(builder, "dialogs-format-builder-added");
  PostClick(FindChild(builder, "TspSkinButton", "Ok"));
  EXPECT_TRUE(Program.WaitForWindowGone(builder));
  const std::string formatsLine = "FileEditor/Formats=|<A> - <T>|,|<N> - <T>|,|<A> - <N> - <T>|,|<N> - <A> - <T>|";
  EXPECT_EQ(IniValues(SettingsText()), Replaced(saved, formatsLine, formatsLine + ",|<T> - <A>|"));
}

TEST_F(Acceptance, ChoosingGermanShowsTheGermanTextsAndKeepsThemForTheNextStart) {
  ASSERT_NE(StartMainWindow("language-main-window"), nullptr);
  Menu({VK_RIGHT, VK_RIGHT, VK_RETURN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return Button("Vorschau") != nullptr; })) << "no German Preview button";
  Program.Screenshot(Main, "language-german");
  for (const char* german : {"Umbenennen", "R\xFC" "ckg\xE4ngig"}) EXPECT_NE(Button(german), nullptr) << german;
  EXPECT_EQ(Button("Preview"), nullptr);
  EXPECT_NE(FindChild(Main, "TspSkinStatusPanel", "Ausgew\xE4hlte Dateien: 1"), nullptr);
  // The language's number stands on the settings file's second line, the German file's 0.
  const Lines lines = SplitLines(SettingsText());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(lines[1].ends_with("=0")) << lines[1];

  PostMessageA(Main, WM_CLOSE, 0, 0);
  ASSERT_EQ(Program.Process().ExitCode(), 0u);
  ASSERT_NE(StartMainWindow("language-restart"), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return Button("Vorschau") != nullptr; })) << "the next start is not German";
  EXPECT_EQ(Button("Preview"), nullptr);
}

TEST_F(Acceptance, ClosingWithNothingPendingEndsTheProgramWithExitCodeZero) {
  ASSERT_NE(StartMainWindow("exit-main-window"), nullptr);
  const std::string settings = SettingsText();
  PostMessageA(Main, WM_CLOSE, 0, 0);
  EXPECT_EQ(Program.Process().ExitCode(10000), 0u);
  EXPECT_FALSE(Program.Process().Running());
  EXPECT_EQ(SettingsText(), settings) << "the placement did not change: nothing is written";
  // The single-instance block went with the process: the next start opens its window.
  EXPECT_NE(StartMainWindow("exit-restart"), nullptr);
}

}  // namespace
