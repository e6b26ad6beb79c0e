// The tag editor opened from the main window over MP3 files made in code: its rows and
// MPEG panel, what marks a field, the digit edits, the keys of its grid, the Change
// button's enabling, a save read back from the file, undo, and the close question. The
// model's tag bytes are the native tests'; here the window moves them.
#include "HostPython.h"
#include "ProgramWindowsKit.h"
#include "Screenshot.h"
#include "TagFixtures.h"

#include "ui/FormConfig.h"
#include "ui/FormFormatDialog.h"
#include "ui/FormTagEditor.h"
#include "ui/WindowParts.h"

#include "app/messages/MessageDialog.h"
#include "app/settings/Session.h"
#include "app/win32/FormMessageDialog.h"

#include "grid/SkinStringGrid.h"
#include "tags/ID3TagsUtils.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"

#include "base/FileUtils.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;

// 150 frames: the editor looks for MPEG frames only in files of some size.
const std::string kAudio = Frames({3, 1, 9, 0}, 417, 150);

std::string V24Title(const std::string& title, const std::string& artist) {
  return ID3v2TagBytes(4, 0,
                       ID3v2FrameBytes(4, "TIT2", TextBody(title)) + ID3v2FrameBytes(4, "TPE1", TextBody(artist)) +
                           std::string(32, '\0'));
}

// The ID3v1 tag's title, empty without the tag.
std::string ID3v1Title(const std::string& file) {
  if (file.size() < 128 || file.compare(file.size() - 128, 3, "TAG") != 0) return "";
  const std::string title = file.substr(file.size() - 125, 30);
  return title.substr(0, title.find('\0'));
}

// The colour an edit control's text is painted in, as its parent answers the control.
COLORREF TextColour(TWinControl& control) {
  TPixelDC dc(1, 1);
  SendMessageA(GetParent(control.Handle()), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.DC()),
               reinterpret_cast<LPARAM>(control.Handle()));
  return GetTextColor(dc.DC());
}

class TagEditorWindow : public ProgramWindows {
protected:
  TagEditorWindow() {
    Music.WriteFile("a - Beta.mp3", V24Title("Beta", "Band A") + kAudio + ID3v1Tag("Beta", "Band A", "", "", "", 1, 17));
    Music.WriteFile("b - Alpha.mp3", kAudio + ID3v1Tag("Alpha", "Band B", "Album B", "1999", "", 5, 17));
    // A compressed ID3v2.2 tag: the editor cannot read it.
    Music.WriteFile("c - Gamma.mp3", ID3v2TagBytes(2, 0x40, std::string(64, '\0')) + kAudio);
    Music.WriteFile("d - Short.mp3", "too short");
    Original = ReadFileBytes(Music / "b - Alpha.mp3");
  }

  // Opens the editor over the main window's first rows through the tags panel's button
  // (opening the main window first unless it is open) and runs body while it shows;
  // afterwards the editor is closed (saying Yes to its question) unless the body closed
  // it. The editor's loop asks its close question once the body has returned.
  void WithEditor(int32_t rows, const std::function<void(TFormTagEditor&)>& body) {
    if (Window == nullptr) OpenMainWindow();
    TDynSkinStringGrid& grid = *Window->PanelGrid_GridFileNames;
    grid.SelectRows(1);
    for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row) grid.SetCellSelected(0, row, row <= rows);
    PostKey(&grid, VK_F2);
    RunFromLoop([&] {
      Editor = WaitForForm<TFormTagEditor>();
      if (Editor == nullptr) {
        ADD_FAILURE() << "the tag editor did not open";
        return;
      }
      PumpFor(50);
      body(*Editor);
      // After what the body left for the editor's loop.
      RunFromLoop([&] {
        if (WaitForForm<TFormTagEditor>(0) == nullptr) return;
        Presenter.Press(mtYesNo, dbYes);
        Editor->SetModalResult(mrCancel);
      });
    });
    PostClick(Window->PanelID3Tags_ButtonReadTags);
    Presenter.WhileOpen = {};  // it may have watched the editor
    EXPECT_EQ(WaitForForm<TFormTagEditor>(0), nullptr);
  }

  TDynSkinStringGrid& Grid() const { return *Editor->PanelGrid_GridTags; }
  std::vector<std::string> Row(int32_t row) const {
    std::vector<std::string> cells;
    for (int column = 0; column < TagColumnCount; ++column) cells.push_back(Grid().Cells(column, row));
    return cells;
  }
  TspSkinStdLabel& Label(const std::string& name) const {
    return NamedComponent<TspSkinStdLabel>(*Editor, "PanelPrimaryTags_Label" + name);
  }
  TspSkinCheckRadioBox& CheckBox(const std::string& name) const {
    return NamedComponent<TspSkinCheckRadioBox>(*Editor, "PanelPrimaryTags_CheckBox" + name);
  }
  bool Green(TspSkinStdLabel& label) const {
    return label.Font()->Color() == static_cast<TColor>(TConfigSession::ChangedColor);
  }
  std::string Mpeg(const std::string& name) const {
    return NamedComponent<TspSkinStdLabel>(*Editor, "GroupBoxMpegInfo_Label" + name).Caption();
  }
  // Types into an edit or the memo at the end of its text.
  void Type(TCustomEdit& edit, const std::string& text) const {
    edit.SetFocus();
    edit.SetSelStart(static_cast<int>(edit.Text().size()));
    for (char c : text) PostChar(c);
  }
  void ClickRow(int32_t row) const {
    const TRect cell = Grid().CellRect(2, row);
    PostClick(&Grid(), {cell.Left + 4, cell.Top + 4});
  }
  // "Tag -> Filename" from the grid's popup by keys: whether or not the pointer's item is
  // hot already, three steps up from it reach the first item.
  void ChooseTagToFilename(TFormTagEditor& editor) const {
    const TRect cell = Grid().CellRect(3, 1);
    PostClick(&Grid(), {cell.Left + 20, cell.Top + 4}, mbRight);
    ASSERT_TRUE(editor.DynSkinForm->SkinMenu() != nullptr && editor.DynSkinForm->SkinMenu()->Active());
    ParkPointer();
    for (int step = 0; step < 3; ++step) PressKey(VK_UP);
    PressKey(VK_RETURN);
    PumpFor(50);
  }
  // Saves by the button, which the save leaves with nothing to save.
  static void SaveByTheButton(TFormTagEditor& editor) {
    PostClick(editor.PanelTagAction_ButtonSave);
    EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());
  }
  void SelectRows(std::initializer_list<int32_t> rows) const {
    for (int32_t row = Grid().FixedRows(); row < Grid().RowCount(); ++row)
      Grid().SetCellSelected(0, row, std::find(rows.begin(), rows.end(), row) != rows.end());
  }
  // From now on, in order: "busy" and "idle" as the window is disabled and enabled again,
  // and the caption of each message, followed by ", busy" when it shows while the window
  // is disabled or the hourglass shows.
  void WatchBusyLook(TFormTagEditor& editor) {
    const TWndMethod frame = editor.WindowProc;
    editor.WindowProc = [&editor, frame, this](TMessage& message) {
      if (message.Msg == CM_ENABLEDCHANGED) Timeline.push_back(editor.Enabled() ? "idle" : "busy");
      frame(message);
    };
    Presenter.WhileOpen = [&editor, this](TMessageDialog& dialog) {
      const bool busy = IsWindowEnabled(editor.Handle()) == 0 || Screen->Cursor() == crHourGlass;
      Timeline.push_back(dialog.Caption() + (busy ? ", busy" : ""));
    };
  }
  std::vector<std::string> TakeTimeline() { return std::exchange(Timeline, {}); }

  TFormTagEditor* Editor = nullptr;
  std::string Original;
  std::vector<std::string> Timeline;
};

TEST_F(TagEditorWindow, LoadsEveryRowWithTheFirstValidFileCurrentAndInvalidRowsDisabled) {
  WithEditor(4, [&](TFormTagEditor& editor) {
    EXPECT_EQ(Grid().RowCount(), 5);
    EXPECT_EQ(Grid().Cells(2, 0), " Filename");
    EXPECT_EQ(Row(1), (Texts{"     1", " I+II", "a - Beta", "Band A", "Beta", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(2), (Texts{"     2", "    I", "b - Alpha", "Band B", "Alpha", "5", "", "Album B", "1999", "Rock", ""}));
    EXPECT_EQ(Row(3)[1], "   II");
    EXPECT_EQ(Row(4), (Texts{"     4", "", "d - Short", "", "", "", "", "", "", "", ""}));
    EXPECT_FALSE(Grid().GetCellEnabled(0, 4));
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(editor.PanelPrimaryTags_EditTitle->Text(), "Beta");
    EXPECT_EQ(editor.PanelPrimaryTags_ComboBoxGenre->ItemIndex(), 148);  // a's ID3v2 tag has no genre
    EXPECT_EQ(editor.StatusBar_PanelSelectedFiles->Caption(), "Selected files: 1");
    EXPECT_EQ(editor.StatusBar_PanelCurrentDir->Caption(), ExcludeTrailingBackslash(Music.Path()));
    EXPECT_EQ(editor.Owner(), Application);  // not the main window
    EXPECT_EQ(editor.GroupBoxActionOptions_ComboBoxID3v1->Text(), "ID3v1.1");
    EXPECT_EQ(editor.GroupBoxActionOptions_ComboBoxID3v2->Text(), "ID3v2.4");
    EXPECT_EQ(editor.PanelPrimaryTags_ComboBoxLanguage->Text(), "English");
    EXPECT_FALSE(editor.PanelTagAction_ButtonChange->Enabled());
    EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());
    SaveWindowScreenshot(editor.Handle(), "tag-editor");
  });
}

TEST_F(TagEditorWindow, ItsFirstLayoutFitsTheClientAreaTheFrameLeaves) {
  WithEditor(1, [&](TFormTagEditor& editor) {
    // The status bar lies along the bottom of the client area, and nothing of the window
    // reaches past that area.
    const TRect client = editor.ClientRect();
    const TspSkinStatusBar& status = *editor.Form_StatusBar;
    EXPECT_EQ(status.Top() + status.Height(), client.Bottom);
    EXPECT_EQ(status.Width(), client.Width());
    EXPECT_EQ(ControlsOutsideTheClientArea(editor), Texts{});
  });
}

TEST_F(TagEditorWindow, CtrlASelectsAllOfAFieldAndTheGridKeepsItsRows) {
  WithEditor(2, [&](TFormTagEditor& editor) {
    TspSkinEdit& title = *editor.PanelPrimaryTags_EditTitle;
    title.SetFocus();
    title.SetSelStart(2);
    title.SetSelLength(0);
    PressKey('A', {ssCtrl});
    EXPECT_EQ(title.SelStart(), 0);
    EXPECT_EQ(title.SelLength(), 4);  // "Beta"
    EXPECT_EQ(Grid().SelectedCount(), 1);  // the grid's own Ctrl+A is for the grid's focus only
  });
}

TEST_F(TagEditorWindow, TheMpegPanelShowsOneFileDashesForSeveralAndItsErrorLookForNone) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    ClickRow(3);  // c: valid, its tag not read
    EXPECT_EQ(Mpeg("MpegTypeText"), "MPEG 1.0 Layer III CBR");
    EXPECT_EQ(Mpeg("BitrateText"), "128 kbit/s, 150 frames");
    EXPECT_EQ(Mpeg("CrcCheckText"), "No");
    EXPECT_EQ(Mpeg("MpegVersion"), "Audio");
    SaveWindowScreenshot(editor.Form_GroupBoxMpegInfo->Handle(), "tag-editor-mpeg");
    PostKey(&Grid(), 'A', {ssCtrl});
    EXPECT_EQ(Grid().SelectedCount(), 3);
    for (const char* value : {"MpegTypeText", "BitrateText", "SizeText", "OriginalText"}) EXPECT_EQ(Mpeg(value), " -");
    EXPECT_EQ(Mpeg("Private"), "Original");  // the normal captions
    EXPECT_TRUE(editor.PanelFieldOptions_CheckBoxSelectedFields->Enabled());
    PostKey(&Grid(), 'I', {ssCtrl});
    EXPECT_EQ(Grid().SelectedCount(), 0);
    EXPECT_EQ(Mpeg("MpegVersion"), "Error");
    EXPECT_EQ(Mpeg("MpegTypeText"), "No valid ID3Tag !");
    EXPECT_EQ(Mpeg("Bitrate"), "");
    EXPECT_EQ(Mpeg("SizeText"), "");
    EXPECT_FALSE(editor.PanelPrimaryTags_EditTitle->Enabled());
    EXPECT_FALSE(editor.GroupBoxMpegInfo_Bevel->Visible());
  });
}

TEST_F(TagEditorWindow, TheMpegPanelShowsALowSampleRatesVbrFileByItsXingData) {
  // MPEG 2.5 Layer III, 8 kHz, one channel: a Xing frame (1000 frames of 576 samples, 250
  // bytes each on average) before frames of 32 kbit/s.
  const TFrameFields mpeg25Mono = {0, 1, 4, 2, 3};
  Music.WriteFile("0 - Low rate.mp3", Frame(mpeg25Mono, 288, XingBody(13, "Xing", 3, 1000, 250000)) +
                                          Frames(mpeg25Mono, 288, 200));
  WithEditor(1, [&](TFormTagEditor& editor) {
    EXPECT_EQ(Grid().Cells(2, 1), "0 - Low rate");
    EXPECT_EQ(Mpeg("MpegTypeText"), "MPEG 2.5 Layer III VBR");
    EXPECT_EQ(Mpeg("BitrateText"), "27 kbit/s, 1000 frames");
    EXPECT_EQ(Mpeg("FrequencyText"), "8000 Hz, Single channel");
    const std::string size = Mpeg("SizeText");
    EXPECT_EQ(size.substr(size.find(", ") + 2), "1:12 min.");  // 1000 * 576 / 8000 seconds
    SaveWindowScreenshot(editor.Form_GroupBoxMpegInfo->Handle(), "tag-editor-mpeg-vbr");
  });
}

TEST_F(TagEditorWindow, OnlyTheUsersTypingMarksAFieldAndTheChangeButtonFollowsMarksChoicesAndTicks) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    editor.PanelPrimaryTags_EditTitle->SetText("Set by the program");
    EXPECT_FALSE(Green(Label("Title")));
    editor.PanelPrimaryTags_EditTitle->SetText("Beta");
    Type(*editor.PanelPrimaryTags_EditTitle, "x");
    EXPECT_TRUE(Green(Label("Title")));
    EXPECT_TRUE(editor.PanelTagAction_ButtonChange->Enabled());
    EXPECT_FALSE(CheckBox("Title").Checked());  // disabled with one row selected
    PostKey(editor.PanelPrimaryTags_EditTitle, VK_BACK);
    EXPECT_FALSE(Green(Label("Title")));
    EXPECT_FALSE(editor.PanelTagAction_ButtonChange->Enabled());
    // b has no ID3v2 tag, and the ID3v2 choice would give it one.
    PostKey(&Grid(), VK_DOWN);
    EXPECT_EQ(editor.PanelPrimaryTags_EditTitle->Text(), "Alpha");
    EXPECT_TRUE(Green(*editor.GroupBoxActionOptions_LabelSaveWithID3v2));
    EXPECT_FALSE(Green(*editor.GroupBoxActionOptions_LabelSaveWithID3v1));
    EXPECT_TRUE(editor.PanelTagAction_ButtonChange->Enabled());
    editor.GroupBoxActionOptions_ComboBoxID3v2->SetItemIndex(0);
    EXPECT_EQ(Session->DefaultID3v2, tvNone);
    EXPECT_FALSE(Green(*editor.GroupBoxActionOptions_LabelSaveWithID3v2));
    EXPECT_FALSE(editor.PanelTagAction_ButtonChange->Enabled());
    // Several rows: the check boxes decide.
    PostKey(&Grid(), 'A', {ssCtrl, ssShift});
    EXPECT_EQ(Grid().SelectedCount(), 1);
    PostKey(&Grid(), 'A', {ssCtrl});
    EXPECT_EQ(editor.StatusBar_PanelSelectedFiles->Caption(), "Selected files: 3");
    EXPECT_FALSE(editor.PanelTagAction_ButtonChange->Enabled());
    PostClick(&CheckBox("Album"));
    EXPECT_TRUE(CheckBox("Album").Checked());
    EXPECT_TRUE(Green(Label("Album")));
    EXPECT_TRUE(editor.PanelTagAction_ButtonChange->Enabled());
    TspSkinCheckRadioBox& selectedFields = *editor.PanelFieldOptions_CheckBoxSelectedFields;
    selectedFields.SetState(cbGrayed);  // the fields the current row fills
    EXPECT_EQ(selectedFields.Caption(), "Only filled fields");
    EXPECT_TRUE(CheckBox("Date").Checked());
    EXPECT_FALSE(CheckBox("Comment").Checked());
    selectedFields.SetState(cbChecked);
    EXPECT_EQ(selectedFields.Caption(), "All fields selected");
    EXPECT_TRUE(CheckBox("Comment").Checked());
    PostKey(&Grid(), 'N', {ssCtrl});
    EXPECT_EQ(Grid().SelectedCount(), 1);
    EXPECT_FALSE(CheckBox("Album").Enabled());
    EXPECT_EQ(editor.PanelFieldOptions_CheckBoxSelectedFields->Caption(), "No function");
    PostKey(&Grid(), 'I', {ssCtrl});
    EXPECT_EQ(Grid().SelectedCount(), 2);
  });
}

// "Only filled fields" ticks the current row's filled fields for several rows; one row,
// and several again, start from no ticks, so Change then applies nothing it did not show.
TEST_F(TagEditorWindow, TheSelectedFieldsBoxStartsUncheckedWheneverTheRowCountChangesMode) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    TspSkinCheckRadioBox& selectedFields = *editor.PanelFieldOptions_CheckBoxSelectedFields;
    const auto ticks = [&] {
      std::string ticked;
      for (const char* field : {"Title", "Artist", "Album", "Track", "Genre", "Date", "Comment"})
        if (CheckBox(field).Checked()) ticked += std::string(field) + (Green(Label(field)) ? "+ " : " ");
      return ticked;
    };
    PostKey(&Grid(), 'A', {ssCtrl});
    PostClick(&selectedFields);
    EXPECT_EQ(selectedFields.State(), cbGrayed);
    EXPECT_EQ(ticks(), "Title+ Artist+ ");  // what row a fills
    PostKey(&Grid(), 'N', {ssCtrl});
    EXPECT_EQ(selectedFields.State(), cbUnchecked);
    EXPECT_FALSE(selectedFields.Enabled());
    EXPECT_EQ(selectedFields.Caption(), "No function");
    EXPECT_EQ(ticks(), "");
    EXPECT_FALSE(Green(Label("Title")));
    PostKey(&Grid(), 'A', {ssCtrl});
    EXPECT_EQ(selectedFields.State(), cbUnchecked);
    EXPECT_EQ(selectedFields.Caption(), "No fields selected");
    EXPECT_EQ(ticks(), "");
    EXPECT_FALSE(editor.PanelTagAction_ButtonChange->Enabled());
    // A posted click would reach a disabled button too; a user's does not.
    if (editor.PanelTagAction_ButtonChange->Enabled()) PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(2)[3] + "/" + Row(2)[4], "Band B/Alpha");
    EXPECT_EQ(Row(3)[3] + "/" + Row(3)[4], "/");
    EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());
    // Grayed again, Change applies row a's filled fields to all three and starts over.
    PostClick(&selectedFields);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(3)[3] + "/" + Row(3)[4], "Band A/Beta");
    EXPECT_EQ(selectedFields.State(), cbUnchecked);
    EXPECT_EQ(ticks(), "");
  });
  EXPECT_EQ(ReadFileBytes(Music / "b - Alpha.mp3"), Original);
}

TEST_F(TagEditorWindow, DigitEditsTakeDigitsCountWithTheArrowsAndKeepTheirBounds) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    ClickRow(3);  // c: no tags
    TspSkinEdit& number = *editor.PanelPrimaryTags_EditTrackNr;
    TspSkinEdit& total = *editor.PanelPrimaryTags_EditTrackTotal;
    number.SetFocus();
    PostKey(&number, VK_UP);
    EXPECT_EQ(number.Text(), "1");
    EXPECT_TRUE(Green(Label("Track")));
    PostKey(&number, VK_DOWN);
    EXPECT_EQ(number.Text(), "");
    EXPECT_FALSE(total.Enabled());
    PostKey(&number, VK_UP, {ssShift});
    EXPECT_EQ(number.Text(), "");
    Type(number, "x7");
    EXPECT_EQ(number.Text(), "7");
    EXPECT_TRUE(total.Enabled());
    Type(total, "1");
    EXPECT_EQ(total.Text(), "1");  // as typed, below the number while it is typed
    number.SetFocus();
    EXPECT_EQ(total.Text(), "7");  // raised to the number once its edit is left
    PostKey(&total, VK_DELETE);
    EXPECT_EQ(total.Text(), "");
    TspSkinEdit& year = *editor.PanelPrimaryTags_EditDateYear;
    TspSkinEdit& month = *editor.PanelPrimaryTags_EditDateMonth;
    TspSkinEdit& day = *editor.PanelPrimaryTags_EditDateDay;
    Type(year, "202");
    EXPECT_FALSE(month.Enabled());
    Type(year, "4");
    EXPECT_TRUE(month.Enabled());
    Type(month, "13");
    EXPECT_EQ(month.Text(), "12");
    Type(day, "45");
    EXPECT_EQ(day.Text(), "31");
    EXPECT_TRUE(Green(Label("Date")));
    year.SetFocus();
    PostKey(&year, VK_DELETE);
    EXPECT_EQ(std::pair(month.Text(), day.Text()), std::pair(std::string(), std::string()));
    EXPECT_FALSE(month.Enabled());
    EXPECT_EQ(month.Color(), clBtnFace);
  });
}

// The track total, month, day and memo follow what they stand beside in every row shown,
// and go empty with the other fields when no row is selected.
TEST_F(TagEditorWindow, TheDependentEditsFollowEachRowShownAndEmptyWithTheFields) {
  Music.WriteFile("e - Dated.mp3",
                  ID3v2TagBytes(4, 0,
                                ID3v2FrameBytes(4, "TRCK", TextBody("3/9")) + ID3v2FrameBytes(4, "TDRC", TextBody("2004-05-06")) +
                                    ID3v2FrameBytes(4, "COMM", std::string("\0eng\0note", 9)) + std::string(32, '\0')) +
                      kAudio);
  WithEditor(5, [&](TFormTagEditor& editor) {
    const std::pair<const char*, TWinControl*> dependents[] = {{"total", editor.PanelPrimaryTags_EditTrackTotal},
                                                               {"month", editor.PanelPrimaryTags_EditDateMonth},
                                                               {"day", editor.PanelPrimaryTags_EditDateDay},
                                                               {"memo", editor.PanelPrimaryTags_MemoComment}};
    const auto shown = [&] {
      std::string text;
      for (const auto& [name, edit] : dependents)
        text += std::string(name) + (edit->Enabled() ? " on " : " off ") + edit->Text() + "|";
      return text;
    };
    EXPECT_EQ(shown(), "total off |month off |day off |memo off |");  // a: no track, date or comment
    ClickRow(5);
    EXPECT_EQ(shown(), "total on 9|month on 05|day on 06|memo on note|");
    ClickRow(1);
    EXPECT_EQ(shown(), "total off |month off |day off |memo off |");
    ClickRow(5);
    PostKey(&Grid(), 'A', {ssCtrl});
    PostKey(&Grid(), 'I', {ssCtrl});
    EXPECT_EQ(Grid().SelectedCount(), 0);
    EXPECT_EQ(shown(), "total off |month off |day off |memo off |");
  });
}

// Every column of a changed row shows what its file will hold, also with several rows:
// the ID3v2 tag dropped by its save choice, the row shows the ID3v1 tag's title.
TEST_F(TagEditorWindow, ChangeFillsEveryColumnOfTheChangedRowsFromTheirPendingTags) {
  Music.WriteFile("e - Two.mp3", V24Title("V2 Title", "Band E") + kAudio + ID3v1Tag("V1 Title", "Band E", "", "", "", 0, 255));
  WithEditor(5, [&](TFormTagEditor& editor) {
    ClickRow(2);  // b's album
    SelectRows({2, 5});
    editor.PanelGrid_GridTagsDataChange(&Grid());
    EXPECT_EQ(Row(5)[4], "V2 Title");
    PostClick(&CheckBox("Album"));
    editor.GroupBoxActionOptions_ComboBoxID3v2->SetItemIndex(0);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(5)[1] + "|" + Row(5)[4] + "|" + Row(5)[7], "    I|V1 Title|Album B");
    EXPECT_EQ(Row(2)[1] + "|" + Row(2)[4] + "|" + Row(2)[7], "    I|Alpha|Album B");
  });
}

// "Clear all fields" by its label runs the seven delete buttons and nothing more: each
// field that held something is emptied, marked and focused in turn; with nothing to clear
// the focus stays where it was.
TEST_F(TagEditorWindow, ClearAllFieldsByItsLabelEmptiesMarksAndFocusesOnlyWhatTheFieldsHeld) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    const auto marked = [&] {
      std::string fields;
      for (const char* field : {"Title", "Artist", "Album", "Track", "Genre", "Date", "Comment"})
        if (Green(Label(field))) fields += std::string(field) + " ";
      return fields;
    };
    const auto focused = [&] { return editor.ActiveControl() ? editor.ActiveControl()->Name() : "none"; };
    ClickRow(3);  // c: no tags
    PostClick(editor.PanelFieldOptions_LabelClearAllFields);
    EXPECT_EQ(focused(), "PanelGrid_GridTags");
    EXPECT_EQ(marked(), "");
    ClickRow(2);  // b: all but a comment
    PostClick(editor.PanelFieldOptions_LabelClearAllFields);
    EXPECT_EQ(focused(), "PanelPrimaryTags_EditDateYear");  // the last field that held something
    EXPECT_EQ(marked(), "Title Artist Album Track Genre Date ");
    EXPECT_EQ(editor.PanelPrimaryTags_EditTitle->Text() + editor.PanelPrimaryTags_EditTrackNr->Text(), "");
    EXPECT_EQ(editor.PanelPrimaryTags_ComboBoxGenre->ItemIndex(), 148);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(2), (Texts{"     2", " I+II", "b - Alpha", "", "", "", "", "", "", "", ""}));
  });
}

TEST_F(TagEditorWindow, ChangeAndSaveWriteTheTypedTitleIntoBothTagsAndLeaveTheAudio) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    ClickRow(2);
    Type(*editor.PanelPrimaryTags_EditTitle, " Two");
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(2)[1], " I+II");
    EXPECT_EQ(Row(2)[4], "Alpha Two");
    EXPECT_TRUE(editor.PanelTagAction_ButtonSave->Enabled());
    EXPECT_EQ(ReadFileBytes(Music / "b - Alpha.mp3"), Original);  // nothing on disk before Save
    SaveByTheButton(editor);
    EXPECT_FALSE(editor.PanelTagAction_ButtonUndo->Enabled());
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const std::string saved = ReadFileBytes(Music / "b - Alpha.mp3");
  EXPECT_EQ(ID3v1Title(saved), "Alpha Two");
  ASSERT_EQ(saved.compare(0, 4, "ID3\x04"), 0);
  EXPECT_NE(saved.find("TIT2"), std::string::npos);
  EXPECT_NE(saved.find("Alpha Two", 10), saved.size() - 125);  // also in the ID3v2 tag
  EXPECT_NE(saved.find(kAudio), std::string::npos);
  EXPECT_EQ(saved.size(), saved.find(kAudio) + kAudio.size() + 128);
}

TEST_F(TagEditorWindow, UndoDropsPendingChangesAndClosingAsksWhileThereAreAny) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    ClickRow(2);
    Type(*editor.PanelPrimaryTags_EditArtist, "!");
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(2)[3], "Band B!");
    // Undo reads every file again: the window is disabled under the hourglass meanwhile.
    std::vector<std::pair<bool, TCursor>> enablings;
    const TWndMethod frame = editor.WindowProc;
    editor.WindowProc = [&](TMessage& message) {
      if (message.Msg == CM_ENABLEDCHANGED) enablings.emplace_back(editor.Enabled(), Screen->Cursor());
      frame(message);
    };
    PostClick(editor.PanelTagAction_ButtonUndo);
    editor.WindowProc = frame;
    EXPECT_EQ(enablings, (std::vector<std::pair<bool, TCursor>>{{false, crHourGlass}, {true, crHourGlass}}));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(Row(2)[3], "Band B");
    EXPECT_EQ(Grid().SelectedCount(), 1);
    EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());
    Type(*editor.PanelPrimaryTags_EditArtist, "?");
    PostClick(editor.PanelTagAction_ButtonChange);
    Presenter.Press(mtYesNo, dbNo);
    PostClick(editor.PanelTagAction_ButtonClose);
    RunFromLoop([&] {
      ASSERT_EQ(WaitForForm<TFormTagEditor>(0), &editor);  // kept with its changes
      EXPECT_TRUE(editor.PanelTagAction_ButtonSave->Enabled());
      EXPECT_EQ(Presenter.Texts(), Texts{"Warning / There are changed files which have not been saved yet. Close?"});
      Presenter.Press(mtYesNo, dbYes);
      PostClick(editor.PanelTagAction_ButtonClose);
    });
  });
  EXPECT_EQ(Presenter.Shown.size(), 2u);
  EXPECT_EQ(ReadFileBytes(Music / "b - Alpha.mp3"), Original);
}

// Change is busy while it applies the fields to the files; its question about a
// description without comment comes before.
TEST_F(TagEditorWindow, ChangeIsBusyWhileItAppliesTheFieldsAndNotWhileItAsks) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    WatchBusyLook(editor);
    ClickRow(2);
    Type(*editor.PanelPrimaryTags_EditDescription, "note");
    Presenter.Press(mtYesNo, dbNo);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(TakeTimeline(), Texts{"Warning"});
    EXPECT_TRUE(editor.PanelPrimaryTags_MemoComment->Focused());
    Presenter.Press(mtYesNo, dbYes);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(TakeTimeline(), (Texts{"Warning", "busy", "idle"}));
    EXPECT_EQ(Screen->Cursor(), crDefault);
  });
}

// Save is busy while it writes the tags. The renames (with their question about a name
// that exists and their report), the save's report and "No files have been changed."
// come after it.
TEST_F(TagEditorWindow, SaveIsBusyWhileItWritesTheTagsAndNotThroughTheRenamesAndReports) {
  SetFileAttributesA((Music / "b - Alpha.mp3").c_str(), FILE_ATTRIBUTE_READONLY);
  WithEditor(3, [&](TFormTagEditor& editor) {
    Settings->ActionOnExistingFile = aeAsk;
    ChooseTagToFilename(editor);  // a: "Band A - Beta"
    Music.WriteFile("Band A - Beta.mp3", "in the way");
    WatchBusyLook(editor);
    PostClick(editor.PanelTagAction_ButtonSave);  // the question's window closed: skipped
    EXPECT_EQ(TakeTimeline(), (Texts{"busy", "idle", "Error", "Info", "Info"}));
    const Texts texts = Presenter.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("Error / File already exists", 0), 0u) << texts[0];
    EXPECT_EQ(texts[2], "Info / No files have been changed.");
    Presenter.Shown.clear();
    ClickRow(2);  // b cannot be written
    Type(*editor.PanelPrimaryTags_EditTitle, " Two");
    PostClick(editor.PanelTagAction_ButtonChange);
    TakeTimeline();
    PostClick(editor.PanelTagAction_ButtonSave);
    EXPECT_EQ(TakeTimeline(), (Texts{"busy", "idle", "Warning", "Info"}));
    EXPECT_EQ(Presenter.Texts().back(), "Info / No files have been changed.");
    EXPECT_TRUE(editor.PanelGrid_GridTags->Focused());
    // Applied to it again, b is said to be no valid file while Change goes through the files.
    ClickRow(1);
    SelectRows({1, 2});
    editor.PanelGrid_GridTagsDataChange(&Grid());
    PostClick(&CheckBox("Album"));
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(TakeTimeline(), (Texts{"busy", "Error, busy", "idle"}));
    EXPECT_EQ(Presenter.Texts().back(), "Error / No valid file !");
  });
  Window->Free();  // the file list lets go of the read-only file
  Window = nullptr;
  SetFileAttributesA((Music / "b - Alpha.mp3").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(ReadFileBytes(Music / "b - Alpha.mp3") == Original);
  EXPECT_TRUE(FileExists(Music / "a - Beta.mp3"));
}

// Names built from tags keep the blanks the tags hold, and an empty title after the
// artist leaves its " - ": Windows keeps them all before the ".mp3".
TEST_F(TagEditorWindow, NamesBuiltFromTagsKeepTheTagsBlanksAndTheSeparatorOfAnEmptyTitle) {
  const std::string untitled =
      ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TPE1", TextBody("Band E")) + std::string(32, '\0')) + kAudio;
  Music.WriteFile("e - Untitled.mp3", untitled);
  Music.WriteFile("f - Blanks.mp3", V24Title("Fox ", " Band F ") + kAudio);
  WithEditor(6, [&](TFormTagEditor& editor) {
    SelectRows({5, 6});
    ChooseTagToFilename(editor);
    EXPECT_EQ(Row(5)[2], "Band E - ");
    EXPECT_EQ(Row(6)[2], " Band F  - Fox ");
    PostClick(editor.PanelTagAction_ButtonSave);
    EXPECT_EQ(Row(5)[2] + "|" + Row(6)[2], "Band E - | Band F  - Fox ");
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const Texts names = GridNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "Band E - "), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), " Band F  - Fox "), names.end());
  EXPECT_TRUE(ReadFileBytes(Music / "Band E - .mp3") == untitled);
  EXPECT_FALSE(FileExists(Music / "e - Untitled.mp3"));
}

TEST_F(TagEditorWindow, TheGridsPopupOpensAtTheMouseAndRemovesTheTagsOfTheSelectedRows) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    ParkPointer();
    const TRect cell = Grid().CellRect(3, 1);
    PostClick(&Grid(), {cell.Left + 20, cell.Top + 4}, mbRight);
    TspSkinMenu* menu = editor.DynSkinForm->SkinMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->Active());
    const TPoint opened = editor.Form_GridPopupMenu->PopupPoint();
    const TPoint mouse = Grid().ClientToScreen({cell.Left + 20, cell.Top + 4});
    EXPECT_EQ(std::pair(opened.X, opened.Y), std::pair(mouse.X - 10, mouse.Y - 10));
    Texts items;  // the conversions and the removal, nothing between them
    for (int i = 0; i < editor.Form_GridPopupMenu->Items()->Count(); ++i)
      items.push_back(editor.Form_GridPopupMenu->Items()->Items(i)->Caption());
    EXPECT_EQ(items, (Texts{"Tag -> Filename", "Filename -> Tag", "Remove Tags"}));
    const HWND windows[] = {editor.Handle(), menu->PopupWindows().front()->Handle()};
    SaveWindowsScreenshot(windows, "tag-editor-popup");
    // The click left the pointer over the first item, which the menu's pointer timer
    // would make hot at its first tick, whenever that comes: the keys choose alone.
    ParkPointer();
    PressKey(VK_UP);  // the last item: Remove Tags
    PressKey(VK_RETURN);
    PumpFor(50);
    EXPECT_EQ(Row(1)[1], "");
    EXPECT_EQ(Row(1)[4], "");
    EXPECT_EQ(editor.PanelPrimaryTags_EditTitle->Text(), "");
    EXPECT_TRUE(editor.PanelTagAction_ButtonSave->Enabled());
    PostClick(editor.PanelTagAction_ButtonSave);
  });
  EXPECT_EQ(ReadFileBytes(Music / "a - Beta.mp3"), kAudio);
}

TEST_F(TagEditorWindow, ADescriptionWithoutCommentIsAskedAboutAndNoLeavesTheMemoToFill) {
  WithEditor(3, [&](TFormTagEditor& editor) {
    ClickRow(2);
    Type(*editor.PanelPrimaryTags_EditDescription, "note");
    TspSkinMemo& memo = *editor.PanelPrimaryTags_MemoComment;
    EXPECT_TRUE(memo.Enabled());
    // Enabled, it looks enabled: its text as after the pointer has been over it, not grey.
    const COLORREF shown = TextColour(memo);
    memo.Perform(CM_MOUSEENTER);
    memo.Perform(CM_MOUSELEAVE);
    EXPECT_EQ(shown, TextColour(memo));
    EXPECT_NE(shown, GetSysColor(COLOR_GRAYTEXT));
    memo.SetText("Written by the program");
    SaveWindowScreenshot(editor.Handle(), "tag-editor-comment");
    memo.SetText("");
    EXPECT_TRUE(Green(Label("Comment")));
    Presenter.Press(mtYesNo, dbNo);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Presenter.Texts(), Texts{"Warning / You entered a comment description only. If you continue the comment "
                                       "will be discarded. Continue ?"});
    EXPECT_TRUE(editor.PanelPrimaryTags_MemoComment->Focused());
    EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());  // nothing applied
    Presenter.Press(mtYesNo, dbYes);
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(editor.PanelPrimaryTags_EditDescription->Text(), "");
    EXPECT_FALSE(editor.PanelPrimaryTags_MemoComment->Enabled());
    EXPECT_TRUE(editor.PanelTagAction_ButtonSave->Enabled());
  });
}

TEST_F(TagEditorWindow, TheFormatButtonOpensTheBuilderOfTagFormatsAndRefillsTheCombo) {
  WithEditor(1, [&](TFormTagEditor& editor) {
    const int32_t formats = editor.GroupBoxFormat_ComboBoxFormat->Items()->Count();
    EXPECT_EQ(editor.GroupBoxFormat_ComboBoxFormat->Text(), "\\ Artist - Title.mp3");
    RunFromLoop([&] {
      auto* builder = WaitForForm<TFormFormatDialog>();
      ASSERT_NE(builder, nullptr);
      PostClick(&NamedComponent<TspSkinCheckRadioBox>(*builder, "PanelSyntax_RadioButtonDir"));
      PostClick(&NamedComponent<TspSkinCheckRadioBox>(*builder, "PanelSyntax_RadioButtonTitle"));
      PostClick(builder->PanelCurrentFormat_ButtonAdd);
      PostClick(builder->Form_ButtonOk);
    });
    editor.GroupBoxFormat_SpeedButtonFormatClick(nullptr);
    EXPECT_EQ(editor.GroupBoxFormat_ComboBoxFormat->Items()->Count(), formats + 1);
    EXPECT_EQ(Settings->TagFormats.Count(), formats + 1);
  });
}

// The read-only file's write fails: the real message window shows the report, then that
// nothing was saved; the log holds the report and the file keeps every byte.
TEST_F(TagEditorWindow, AFailedSaveIsReportedAndLoggedAndChangesNoByte) {
  SetFileAttributesA((Music / "b - Alpha.mp3").c_str(), FILE_ATTRIBUTE_READONLY);
  TMessageWindowPresenter windows;
  std::vector<std::string> shown;
  WithEditor(3, [&](TFormTagEditor& editor) {
    ClickRow(2);
    Type(*editor.PanelPrimaryTags_EditArtist, " Two");
    PostClick(editor.PanelTagAction_ButtonChange);
    TMessagePresenter* scripted = SetMessagePresenter(&windows);
    // Each message window in turn: seen, pictured (the report), closed with its Ok. The
    // next answer may run while the one answered is still closing (its Ok handled, its
    // loop not yet left): then it waits for a later loop.
    HWND answered = nullptr;
    std::function<void()> answer = [&] {
      auto* message = WaitForForm<TFormMessageDialog>();
      if (message == nullptr) return;
      if (message->Handle() == answered) {
        RunFromLoop(answer);
        return;
      }
      answered = message->Handle();
      shown.push_back(message->Caption());
      if (shown.size() == 1) SaveWindowScreenshot(message->Handle(), "tag-editor-report");
      if (shown.size() == 1) RunFromLoop(answer);
      PostClick(message->ButtonOk);
    };
    RunFromLoop(answer);
    PostClick(editor.PanelTagAction_ButtonSave);
    SetMessagePresenter(scripted);
    EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());
    EXPECT_TRUE(editor.PanelGrid_GridTags->Focused());  // back after the messages
    ClickRow(1);
    EXPECT_EQ(editor.PanelPrimaryTags_EditTitle->Text(), "Beta");
  });
  EXPECT_EQ(shown, (Texts{"Warning", "Info"}));
  Window->Free();  // the file list lets go of the read-only file, which it holds alone
  Window = nullptr;
  SetFileAttributesA((Music / "b - Alpha.mp3").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileBytes(Music / "b - Alpha.mp3"), Original);
  EXPECT_FALSE(FileExists(Music / "b - Alpha.tmp"));
  const std::string log = Music.ReadFile("Log.txt");
  EXPECT_EQ(log.rfind("An error occurred with the following files:\r\n \r\nID3v1: b - Alpha.mp3\r\n", 0), 0u) << log;
}

std::string Comm(const std::string& language, const std::string& description, const std::string& text) {
  return ID3v2FrameBytes(4, "COMM", '\0' + language + description + '\0' + text);
}

// Typed into the memo alone, the comment's text is all that changes: an empty description
// (shown as "-" in English) stays empty in its language's own bytes, and of two comments
// the one shown takes the text while the other keeps its bytes.
TEST_F(TagEditorWindow, TypingIntoTheMemoChangesOnlyTheTextOfTheCommentShown) {
  const auto tag = [](const std::string& title, const std::string& comments) {
    return ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", TextBody(title)) + comments + std::string(32, '\0'));
  };
  const std::string note = Comm("eng", "", "old note");
  Music.WriteFile("e ENG.mp3", tag("e", Comm("ENG", "", "old note")) + kAudio);
  Music.WriteFile("f eng.mp3", tag("f", note) + kAudio);
  Music.WriteFile("g XXX.mp3", tag("g", Comm("XXX", "", "old note")) + kAudio);
  Music.WriteFile("h two.mp3", tag("h", note + Comm("eng", "iTunNORM", " 0000 1111")) + kAudio);
  WithEditor(8, [&](TFormTagEditor& editor) {
    TspSkinMemo& memo = *editor.PanelPrimaryTags_MemoComment;
    for (int32_t row = 5; row <= 8; ++row) {
      ClickRow(row);
      const std::string shown = memo.Text();
      EXPECT_EQ(editor.PanelPrimaryTags_EditDescription->Text(), row < 8 ? "-" : "iTunNORM");
      EXPECT_EQ(editor.PanelPrimaryTags_ComboBoxLanguage->Text(), "English");
      Type(memo, "!");
      EXPECT_TRUE(Green(Label("Comment")));
      PostClick(editor.PanelTagAction_ButtonChange);
      EXPECT_EQ(Row(row)[10], shown + "!");
    }
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  // Each tag's frames as they were but for the comment's text, the padding behind them.
  const auto framesSaved = [&](const std::string& name, const std::string& comments) {
    const std::string frames = ID3v2FrameBytes(4, "TIT2", TextBody(name.substr(0, 1))) + comments;
    EXPECT_EQ(ReadFileBytes(Music / (name + ".mp3")).substr(10, frames.size() + 1), frames + '\0') << name;
  };
  framesSaved("e ENG", Comm("ENG", "", "old note!"));
  framesSaved("f eng", Comm("eng", "", "old note!"));
  framesSaved("g XXX", Comm("XXX", "", "old note!"));
  framesSaved("h two", note + Comm("eng", "iTunNORM", " 0000 1111!"));
}

// What a script prints of files read with python3-mutagen of the host system (its module
// as m); none without /usr/bin/python3.
std::optional<std::string> MutagenReads(const std::vector<std::string>& files, const std::string& script) {
  return RunHostPython("import sys, mutagen.id3 as m\n" + script, files);
}
const char* const kNoPython = "no /usr/bin/python3 to read the saved files with mutagen";

// Other programs write a text frame's ID twice: players show the first, the editor the
// last. The artist typed is saved as the one frame of its ID; the titles left alone keep
// both of theirs.
TEST_F(TagEditorWindow, ATypedArtistIsSavedAsTheOneFrameOfItsID) {
  const auto v23 = [](const char* id, const std::string& text) { return ID3v2FrameBytes(3, id, TextBody(text)); };
  Music.WriteFile("e twice.mp3", ID3v2TagBytes(3, 0,
                                               v23("TPE1", "piman") + v23("TIT2", "One") + v23("TPE1", "jzig") +
                                                   v23("TIT2", "Two") + std::string(32, '\0')) +
                                     kAudio);
  WithEditor(5, [&](TFormTagEditor& editor) {
    ClickRow(5);
    EXPECT_EQ(editor.PanelPrimaryTags_EditArtist->Text(), "jzig");
    Type(*editor.PanelPrimaryTags_EditArtist, " new");
    PostClick(editor.PanelTagAction_ButtonChange);
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const std::optional<std::string> read =
      MutagenReads({Music / "e twice.mp3"},
                   "t = m.ID3(sys.argv[1], load_v1=False)\n"
                   "print(t.version, [(f.FrameID, f.text) for f in t.getall('TPE1') + t.getall('TIT2')])\n");
  if (!read) GTEST_SKIP() << kNoPython;
  // mutagen joins the texts of the frames of one ID
  EXPECT_EQ(*read, "(2, 4, 0) [('TPE1', ['jzig new']), ('TIT2', ['One', 'Two'])]\n");
}

// Characters that 8-bit text has no form for show as "?"s. A part of a comment left alone
// keeps them while another changes: a Japanese description as the text is typed, Cyrillic
// text as the language of two rows is changed.
TEST_F(TagEditorWindow, APartOfTheCommentLeftAloneKeepsCharactersShownAsQuestionMarks) {
  const auto tag = [](const std::string& description, const std::string& text) {
    const std::string body = "\x01" "eng" + description + "\0\0"s + text;
    return ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "COMM", body) + std::string(32, '\0'));
  };
  const std::string cyrillic = "\xFF\xFE\x3F\x04\x40\x04\x38\x04\x32\x04\x35\x04\x42\x04"s;
  Music.WriteFile("e japanese.mp3", tag("\xFF\xFE\xE5\x65\x2C\x67"s, "\xFF\xFEo\0l\0d\0"s) + kAudio);
  Music.WriteFile("f cyrillic.mp3", tag("\xFF\xFE", cyrillic) + kAudio);
  Music.WriteFile("g cyrillic.mp3", tag("\xFF\xFE", cyrillic) + kAudio);
  int32_t russian = 0;
  while (LanguageCode(russian) != "rus") ++russian;
  WithEditor(7, [&](TFormTagEditor& editor) {
    ClickRow(5);
    EXPECT_EQ(editor.PanelPrimaryTags_EditDescription->Text(), "??");
    Type(*editor.PanelPrimaryTags_MemoComment, "!");
    PostClick(editor.PanelTagAction_ButtonChange);
    ClickRow(6);
    PostKey(&Grid(), VK_DOWN, {ssShift});
    ASSERT_EQ(Grid().SelectedCount(), 2);
    EXPECT_EQ(editor.PanelPrimaryTags_MemoComment->Text(), "??????");
    editor.PanelPrimaryTags_ComboBoxLanguage->SetItemIndex(russian);
    PostClick(&CheckBox("Comment"));
    PostClick(editor.PanelTagAction_ButtonChange);
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const std::optional<std::string> read =
      MutagenReads({Music / "e japanese.mp3", Music / "f cyrillic.mp3", Music / "g cyrillic.mp3"},
                   "for path in sys.argv[1:]:\n"
                   "    print(ascii([(int(f.encoding), f.lang, f.desc, f.text)\n"
                   "                 for f in m.ID3(path, load_v1=False).getall('COMM')]))\n");
  if (!read) GTEST_SKIP() << kNoPython;
  const std::string russianText = R"(['\u043f\u0440\u0438\u0432\u0435\u0442'])";
  EXPECT_EQ(*read, R"([(1, 'eng', '\u65e5\u672c', ['old!'])])" "\n"
                   "[(1, 'rus', '', " + russianText + ")]\n"
                   "[(1, 'rus', '', " + russianText + ")]\n");
}

// Another language chosen in the list by keys is all that changes: it marks the comment,
// and Change and Save write it into the comment shown, whose description and text keep
// their characters, also those 8-bit text has no form for, and an empty description
// (shown as "-") stays empty.
TEST_F(TagEditorWindow, ALanguageChosenAloneIsSavedAndTheCommentKeepsItsCharacters) {
  const auto tag = [](const std::string& comment) {
    return ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "COMM", comment) + std::string(32, '\0'));
  };
  const std::string cyrillic = "\xFF\xFE\x3F\x04\x40\x04\x38\x04\x32\x04\x35\x04\x42\x04"s;
  Music.WriteFile("e japanese.mp3", tag("\x01" "eng" "\xFF\xFE\xE5\x65\x2C\x67" "\0\0"s + cyrillic) + kAudio);
  Music.WriteFile("f plain.mp3", tag("\0eng\0note"s) + kAudio);
  WithEditor(6, [&](TFormTagEditor& editor) {
    editor.GroupBoxActionOptions_ComboBoxID3v1->SetItemIndex(0);  // as the files: no ID3v1 tag
    TspSkinComboBox& language = *editor.PanelPrimaryTags_ComboBoxLanguage;
    for (int32_t row = 5; row <= 6; ++row) {
      ClickRow(row);
      EXPECT_EQ(language.Text(), "English");
      EXPECT_FALSE(editor.PanelTagAction_ButtonChange->Enabled());
      language.SetFocus();
      for (int step = 0; step < 30 && language.Text() != "French"; ++step) PressKey(VK_DOWN);
      EXPECT_EQ(LanguageCode(language.ItemIndex()), "fra");
      EXPECT_TRUE(Green(Label("Comment")));
      if (row == 5) SaveWindowScreenshot(editor.Handle(), "tag-editor-language");
      EXPECT_TRUE(editor.PanelTagAction_ButtonChange->Enabled());
      // A posted click would reach a disabled button too; a user's does not.
      if (editor.PanelTagAction_ButtonChange->Enabled()) PostClick(editor.PanelTagAction_ButtonChange);
      // What the comment will hold; one without a description shows English, as it did.
      EXPECT_EQ(language.Text(), row == 5 ? "French" : "English");
      EXPECT_FALSE(Green(Label("Comment")));
    }
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const std::optional<std::string> read =
      MutagenReads({Music / "e japanese.mp3", Music / "f plain.mp3"},
                   "for path in sys.argv[1:]:\n"
                   "    print(ascii([(int(f.encoding), f.lang, f.desc, f.text)\n"
                   "                 for f in m.ID3(path, load_v1=False).getall('COMM')]))\n");
  if (!read) GTEST_SKIP() << kNoPython;
  EXPECT_EQ(*read, R"([(1, 'fra', '\u65e5\u672c', ['\u043f\u0440\u0438\u0432\u0435\u0442'])])" "\n"
                   "[(0, 'fra', '', ['note'])]\n");
}

// An ID3v1 tag has no comment language and no description. On files with both tags,
// whose ID3v2 comment the editors show, another language chosen alone by keys (beside no
// ID3v2 comment, and beside one) and a description typed alone change only the ID3v2
// comment: each file's ID3v1 tag keeps its bytes, its own comment among them.
TEST_F(TagEditorWindow, ALanguageOrDescriptionChosenAloneLeavesTheID3v1CommentAsItWas) {
  const auto file = [&](const std::string& name, const std::string& comments) {
    const std::string id3v1 = ID3v1Tag(name, "", "", "1999", "v1 note", 2, 17);
    Music.WriteFile(name + ".mp3", ID3v2TagBytes(4, 0,
                                                 ID3v2FrameBytes(4, "TIT2", TextBody(name)) + comments +
                                                     std::string(32, '\0')) +
                                       kAudio + id3v1);
    return id3v1;
  };
  const std::vector<std::string> id3v1 = {file("e none", ""), file("f plain", Comm("eng", "", "v2 note")),
                                          file("g described", Comm("eng", "Mood", "v2 note"))};
  WithEditor(7, [&](TFormTagEditor& editor) {
    TspSkinComboBox& language = *editor.PanelPrimaryTags_ComboBoxLanguage;
    for (int32_t row = 5; row <= 6; ++row) {
      ClickRow(row);
      language.SetFocus();
      for (int step = 0; step < 30 && language.Text() != "French"; ++step) PressKey(VK_DOWN);
      EXPECT_TRUE(Green(Label("Comment")));
      PostClick(editor.PanelTagAction_ButtonChange);
    }
    ClickRow(7);
    Type(*editor.PanelPrimaryTags_EditDescription, "!");
    EXPECT_TRUE(Green(Label("Comment")));
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(7)[10], "v2 note");
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const std::vector<std::string> names = {"e none", "f plain", "g described"};
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string saved = ReadFileBytes(Music / (names[i] + ".mp3"));
    EXPECT_EQ(saved.substr(saved.size() - 128), id3v1[i]) << names[i];
  }
  const std::optional<std::string> read =
      MutagenReads({Music / "e none.mp3", Music / "f plain.mp3", Music / "g described.mp3"},
                   "for path in sys.argv[1:]:\n"
                   "    t = m.ID3(path, load_v1=False)\n"
                   "    print(t['TIT2'].text, [(f.lang, f.desc, f.text) for f in t.getall('COMM')])\n");
  if (!read) GTEST_SKIP() << kNoPython;
  EXPECT_EQ(*read, "['e none'] []\n"
                   "['f plain'] [('fra', '', ['v2 note'])]\n"
                   "['g described'] [('eng', 'Mood!', ['v2 note'])]\n");
}

// A Log.txt that cannot be written: each command that writes it ends as any other does,
// and says once, after its reports, that the log could not be written.
class UnwritableLog : public TagEditorWindow {
protected:
  UnwritableLog() {
    Music.WriteFile("e - Plain.mp3", kAudio);  // no tag to build a name from
    // An ID3v2.2 tag with a frame that ID3v2.4 cannot hold: its save reports it.
    Music.WriteFile("f - Old.mp3", ID3v2TagBytes(2, 0, ID3v22FrameBytes("TT2", TextBody("Old")) +
                                                           ID3v22FrameBytes("CRM", std::string("me\0x\0secret", 11))) +
                                       kAudio);
  }

  // The messages since the last call, the reports and then one that says the log failed;
  // as many as expected, empty ones standing for those missing.
  Texts TakeMessages(size_t reports) {
    Texts texts = Presenter.Texts();
    Presenter.Shown.clear();
    EXPECT_EQ(texts.size(), reports + 1);
    texts.resize(reports + 1);
    EXPECT_EQ(texts.back().rfind("Error / ", 0), 0u) << texts.back();
    EXPECT_NE(texts.back().find(Music / "Log.txt"), std::string::npos) << texts.back();
    return texts;
  }

  // Names from tags with a file that has none, then a save that renames into a name that
  // exists and rewrites the ID3v2.2 tag: three reports, none of them logged.
  void BuildNamesAndSave() {
    WithEditor(6, [&](TFormTagEditor& editor) {
      SelectRows({1, 5});
      ChooseTagToFilename(editor);
      Texts texts = TakeMessages(1);
      EXPECT_EQ(texts[0].rfind("Warning / For the following files there is no Tag present: e - Plain.mp3", 0), 0u);
      EXPECT_EQ(Row(1)[2], "Band A - Beta");
      EXPECT_TRUE(editor.PanelTagAction_ButtonSave->Enabled() && editor.PanelTagAction_ButtonUndo->Enabled());
      ClickRow(6);
      Type(*editor.PanelPrimaryTags_EditTitle, "er");
      PostClick(editor.PanelTagAction_ButtonChange);
      Music.WriteFile("Band A - Beta.mp3", "in the way");
      PostClick(editor.PanelTagAction_ButtonSave);
      texts = TakeMessages(2);
      EXPECT_EQ(texts[0].rfind("Info / The following filenames already existed", 0), 0u) << texts[0];
      EXPECT_EQ(texts[1].rfind("Warning / These ID3v2.2 frames have no ID3v2.4 form", 0), 0u) << texts[1];
      EXPECT_FALSE(editor.PanelTagAction_ButtonSave->Enabled());
      EXPECT_FALSE(editor.PanelTagAction_ButtonUndo->Enabled());
      EXPECT_EQ(Row(1)[2], "Band A - Beta1");  // renamed, and shown so
      EXPECT_EQ(Row(6)[4], "Older");
      EXPECT_TRUE(Grid().Focused());
    });
    EXPECT_EQ(Errors.Messages(), Texts{});  // nothing escaped to the application
    EXPECT_EQ(ReadFileBytes(Music / "Band A - Beta1.mp3").substr(0, 3), "ID3");
  }
};

TEST_F(UnwritableLog, AFolderOfItsName) {
  ASSERT_TRUE(CreateDir(Music / "Log.txt"));
  BuildNamesAndSave();
}

TEST_F(UnwritableLog, AReadOnlyOneKeepsItsBytes) {
  Music.WriteFile("Log.txt", "older log");
  ASSERT_TRUE(FileSetReadOnly(Music / "Log.txt", true));
  BuildNamesAndSave();
  ASSERT_TRUE(FileSetReadOnly(Music / "Log.txt", false));
  EXPECT_EQ(Music.ReadFile("Log.txt"), "older log");
}

TEST_F(UnwritableLog, OneAnotherProgramHoldsOpenKeepsItsBytes) {
  Music.WriteFile("Log.txt", "older log");
  const HANDLE held = CreateFileA((Music / "Log.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  BuildNamesAndSave();
  CloseHandle(held);
  EXPECT_EQ(Music.ReadFile("Log.txt"), "older log");
}

// A comment without a description is the file's comment to players; the editors show its
// description as "-". A comment made new keeps it empty as an old one does: for an
// ID3v1-only file whose title is typed, and for a comment typed over several rows, into
// an untagged file and over a described comment.
TEST_F(TagEditorWindow, ACommentWithoutDescriptionIsSavedWithoutOneInNewFramesAsInOld) {
  const auto tag = [](const std::string& frames) { return ID3v2TagBytes(4, 0, frames + std::string(32, '\0')); };
  Music.WriteFile("e v1.mp3", kAudio + ID3v1Tag("Old", "Band E", "", "", "Comment", 1, 17));
  Music.WriteFile("f plain.mp3", tag(Comm("eng", "", "note")) + kAudio);
  Music.WriteFile("g none.mp3", kAudio);
  Music.WriteFile("h described.mp3", tag(Comm("eng", "mood", "calm")) + kAudio);
  WithEditor(8, [&](TFormTagEditor& editor) {
    ClickRow(5);
    EXPECT_EQ(editor.PanelPrimaryTags_EditDescription->Text(), "-");
    Type(*editor.PanelPrimaryTags_EditTitle, " Title");
    PostClick(editor.PanelTagAction_ButtonChange);
    ClickRow(6);
    PostKey(&Grid(), VK_DOWN, {ssShift});
    PostKey(&Grid(), VK_DOWN, {ssShift});
    ASSERT_EQ(Grid().SelectedCount(), 3);
    EXPECT_EQ(editor.PanelPrimaryTags_EditDescription->Text(), "-");
    Type(*editor.PanelPrimaryTags_MemoComment, "!");
    EXPECT_TRUE(CheckBox("Comment").Checked());
    PostClick(editor.PanelTagAction_ButtonChange);
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  std::vector<std::string> files;
  for (const char* name : {"e v1", "f plain", "g none", "h described"}) files.push_back(Music / (name + ".mp3"s));
  const std::optional<std::string> read =
      MutagenReads(files, "for path in sys.argv[1:]:\n"
                          "    t = m.ID3(path, load_v1=False)\n"
                          "    print(t.get('TIT2'), [(f.lang, f.desc, f.text) for f in t.getall('COMM')])\n");
  if (!read) GTEST_SKIP() << kNoPython;
  EXPECT_EQ(*read, "Old Title [('eng', '', ['Comment'])]\n"
                   "None [('eng', '', ['note!'])]\n"
                   "None [('eng', '', ['note!'])]\n"
                   "None [('eng', '', ['note!'])]\n");
}

// Characters that 8-bit text has no form for show as "?"s. The current row's value, ticked
// over several rows, reaches the others in the characters its frame was read with: a
// Cyrillic album over three rows (into a tag made new and over another album), a Japanese
// comment description over two.
TEST_F(TagEditorWindow, AValueShownWithQuestionMarksReachesOtherRowsInTheCharactersItWasReadWith) {
  const auto tag = [](const std::string& frames) { return ID3v2TagBytes(4, 0, frames + std::string(32, '\0')); };
  const std::string kino = "\x01\xFF\xFE\x1A\x04\x38\x04\x3D\x04\x3E\x04"s;
  const std::string japanese = "\x01" "eng\xFF\xFE\xE5\x65\x2C\x67\0\0\xFF\xFEx\0"s;
  Music.WriteFile("e kino.mp3", tag(ID3v2FrameBytes(4, "TALB", kino) + ID3v2FrameBytes(4, "COMM", japanese)) + kAudio);
  Music.WriteFile("f v1.mp3", kAudio + ID3v1Tag("F", "Band F", "Old", "", "", 0, 255));
  Music.WriteFile("g plain.mp3", tag(ID3v2FrameBytes(4, "TALB", TextBody("Old")) + Comm("eng", "d", "t")) + kAudio);
  WithEditor(7, [&](TFormTagEditor& editor) {
    ClickRow(5);
    EXPECT_EQ(editor.PanelPrimaryTags_EditAlbum->Text(), "????");
    EXPECT_EQ(editor.PanelPrimaryTags_EditDescription->Text(), "??");
    PostKey(&Grid(), VK_DOWN, {ssShift});
    PostKey(&Grid(), VK_DOWN, {ssShift});
    ASSERT_EQ(Grid().SelectedCount(), 3);
    PostClick(&CheckBox("Album"));
    PostClick(editor.PanelTagAction_ButtonChange);
    EXPECT_EQ(Row(7)[7], "????");
    ClickRow(5);
    PostKey(&Grid(), VK_DOWN, {ssShift});
    ASSERT_EQ(Grid().SelectedCount(), 2);
    PostClick(&CheckBox("Comment"));
    PostClick(editor.PanelTagAction_ButtonChange);
    SaveByTheButton(editor);
  });
  EXPECT_TRUE(Presenter.Shown.empty());
  const std::optional<std::string> read =
      MutagenReads({Music / "e kino.mp3", Music / "f v1.mp3", Music / "g plain.mp3"},
                   "for path in sys.argv[1:]:\n"
                   "    t = m.ID3(path, load_v1=False)\n"
                   "    print(ascii([f.text for f in t.getall('TALB')]),\n"
                   "          ascii([(f.desc, f.text) for f in t.getall('COMM')]))\n");
  if (!read) GTEST_SKIP() << kNoPython;
  const std::string album = R"([['\u041a\u0438\u043d\u043e']])";
  const std::string comment = R"([('\u65e5\u672c', ['x'])])";
  EXPECT_EQ(*read, album + " " + comment + "\n" + album + " " + comment + "\n" + album + " [('d', ['t'])]\n");
}

// "-------" chosen for one tag version in the settings dialog (by choose, on that version's
// combo box) and saved is kept as 0: the dialog shows it again, the tag editor takes it as
// its save choice, and a Change there marks that tag of "a - Beta.mp3" for removal, which
// Save then carries out.
class NoTagChosenInTheSettings : public TagEditorWindow {
protected:
  void ChooseSaveAndChange(bool id3v2, const std::function<void(TspSkinComboBox&)>& choose) {
    const auto version = [id3v2](TFormConfig& dialog) {
      return id3v2 ? dialog.GroupBoxTags_ComboBoxID3v2 : dialog.GroupBoxTags_ComboBoxID3v1;
    };
    OpenMainWindow();
    InSettings([&](TFormConfig& dialog) {
      // The page of the tag defaults, by a click on its tab.
      auto& pages = dynamic_cast<TspSkinPageControl&>(*dialog.PageControl_TabID3Tags->Parent());
      const TRect tab = pages.GetTabRect(1);
      PostClick(&pages, {(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
      ASSERT_TRUE(dialog.PageControl_TabID3Tags->Visible());
      choose(*version(dialog));
      EXPECT_EQ(version(dialog)->Text(), "-------");
      PostClick(dialog.Form_ButtonSave);
    });
    EXPECT_NE(SettingsText().find(id3v2 ? "DefaultID3v1=2\r\nDefaultID3v2=0\r\n" : "DefaultID3v1=0\r\nDefaultID3v2=7\r\n"),
              std::string::npos);
    InSettings([&](TFormConfig& dialog) { EXPECT_EQ(version(dialog)->Text(), "-------"); });
    WithEditor(1, [&](TFormTagEditor& editor) {
      TspSkinComboBox& choice =
          id3v2 ? *editor.GroupBoxActionOptions_ComboBoxID3v2 : *editor.GroupBoxActionOptions_ComboBoxID3v1;
      EXPECT_EQ(choice.Text(), "-------");
      ASSERT_TRUE(editor.PanelTagAction_ButtonChange->Enabled());  // the file has that tag
      PostClick(editor.PanelTagAction_ButtonChange);
      EXPECT_EQ(Row(1)[1], id3v2 ? "    I" : "   II");
      SaveByTheButton(editor);
    });
    EXPECT_TRUE(Presenter.Shown.empty());
  }
};

TEST_F(NoTagChosenInTheSettings, ByKeysForID3v1) {
  ChooseSaveAndChange(false, [](TspSkinComboBox& id3v1) {
    TCustomForm& dialog = *GetParentForm(&id3v1);
    for (int press = 0; press < 8 && dialog.ActiveControl() != &id3v1; ++press) PressKey(VK_TAB);
    ASSERT_EQ(dialog.ActiveControl(), &id3v1);
    PressKey(VK_UP);
  });
  const std::string saved = ReadFileBytes(Music / "a - Beta.mp3");
  EXPECT_TRUE(saved.ends_with(kAudio));  // no ID3v1 tag after the audio
  const std::optional<std::string> read =
      MutagenReads({Music / "a - Beta.mp3"}, "print(m.ID3(sys.argv[1], load_v1=False)['TIT2'].text)\n");
  if (!read) GTEST_SKIP() << kNoPython;
  EXPECT_EQ(*read, "['Beta']\n");
}

TEST_F(NoTagChosenInTheSettings, ByTheMouseInTheListForID3v2) {
  ChooseSaveAndChange(true, [](TspSkinComboBox& id3v2) {
    const TRect button = id3v2.ButtonRect();
    PostClick(&id3v2, {(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
    ASSERT_TRUE(id3v2.DroppedDown());
    TspListBox& list = *id3v2.ListBox()->ListBox();
    const TRect item = list.ItemRect(0);
    const TPoint over{item.Left + 10, (item.Top + item.Bottom) / 2};
    PostMouse(&list, WM_MOUSEMOVE, over.X, over.Y);
    PostMouse(&list, WM_LBUTTONDOWN, over.X, over.Y, MK_LBUTTON);
    Application->ProcessMessages();
    PostCapturedMouse(&list, WM_LBUTTONUP, over, 0);
    EXPECT_FALSE(id3v2.DroppedDown());
  });
  const std::string saved = ReadFileBytes(Music / "a - Beta.mp3");
  EXPECT_EQ(ID3v1Title(saved), "Beta");
  EXPECT_TRUE(saved.starts_with(kAudio));  // no ID3v2 tag before the audio
  const std::optional<std::string> read = MutagenReads(
      {Music / "a - Beta.mp3"},
      "try:\n  m.ID3(sys.argv[1], load_v1=False)\nexcept m.ID3NoHeaderError:\n  print('no ID3v2 tag')\n");
  if (!read) GTEST_SKIP() << kNoPython;
  EXPECT_EQ(*read, "no ID3v2 tag\n");
}

}  // namespace
