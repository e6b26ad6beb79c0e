// The main window over a working folder: start-up, the file grid and status bar, the
// rename panel's flows through its buttons, the rebuild and switch pages, the tags panel,
// the menus and closing.
#include "ProgramWindowsKit.h"
#include "RuntimePath.h"
#include "Screenshot.h"
#include "SkinControlTestKit.h"

#include "ui/FormTagEditor.h"
#include "ui/WindowParts.h"

#include "app/language/Translation.h"
#include "app/rename/Rename.h"
#include "app/settings/Session.h"

#include "grid/SkinStringGrid.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinViewData.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/MenuBarObjects.h"
#include "skin/form/SkinMainMenuBar.h"

#include "classlib/Menus.h"
#include "classlib/SystemSeams.h"
#include "classlib/Timer.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <tuple>

namespace {

using Texts = std::vector<std::string>;

class MainWindow : public ProgramWindows {
protected:
  MainWindow() {
    for (const char* name : {"b - Alpha", "a - Beta", "c - Gamma"}) Mp3(name);
    Music.WriteFile("x.mp3x", "not listed");
  }
  TDynSkinStringGrid& Grid() const { return *Window->PanelGrid_GridFileNames; }
  void SelectAll() const { PostKey(&Grid(), 'A', {ssCtrl}); }
  // Rows 1 to n selected, the others not.
  void SelectFirst(int32_t n) const {
    Grid().SelectRows(1);
    for (int32_t row = Grid().FixedRows(); row < Grid().RowCount(); ++row) Grid().SetCellSelected(0, row, row <= n);
  }
  void Find(const std::string& find, const std::string& replaceBy) const {
    Window->GroupBoxReplace_EditFind->SetText(find);
    Window->GroupBoxReplace_EditReplaceBy->SetText(replaceBy);
  }
  template <class T>
  T& Named(const std::string& name) const {
    return NamedComponent<T>(*Window, name);
  }
  TspSkinCheckRadioBox& Box(const std::string& name) const { return Named<TspSkinCheckRadioBox>(name); }
  // Enabled states of Preview, Rename, Undo and Read ID3Tags.
  std::vector<bool> Buttons() const {
    return {Window->PanelRename_ButtonPreview->Enabled(), Window->PanelRename_ButtonRename->Enabled(),
            Window->PanelRename_ButtonUndo->Enabled(), Window->PanelID3Tags_ButtonReadTags->Enabled()};
  }
  std::string SelectedFiles() const { return Window->StatusBar_PanelSelectedFiles->Caption(); }
};

TEST_F(MainWindow, StartsOverItsFolderWithTheSettingsWrittenAndTheRenamePanelShown) {
  Registry.Registered = true;
  ASSERT_FALSE(FileExists(Program / "Settings.ini"));
  OpenMainWindow();
  EXPECT_NE(SettingsText().find("DefaultID3v2=7"), std::string::npos);
  EXPECT_EQ(Window->Caption(), "Velorandquistmar 0.4.8");
  EXPECT_EQ(Application->Title(), "Velorandquistmar 0.4.8");
  EXPECT_EQ(GridNames(), (Texts{"a - Beta", "b - Alpha", "c - Gamma"}));
  EXPECT_EQ(Grid().Cells(0, 3), "     3");
  EXPECT_EQ(Grid().Cells(1, 0), " Filename");
  EXPECT_TRUE(Grid().Enabled());
  EXPECT_EQ(Window->StatusBar_PanelCurrentDir->Caption(), ExcludeTrailingBackslash(Music.Path()));
  EXPECT_EQ(SelectedFiles(), "Selected files: 1");
  EXPECT_TRUE(Window->Menu_AddedToRegistry->Checked());
  EXPECT_EQ(Window->Menu(), nullptr);  // the menus show on the skinned bar only
  EXPECT_EQ(Window->Form_MenuBar->Items().size(), 4u);
  EXPECT_TRUE(Window->Form_PanelRename->Visible());
  EXPECT_FALSE(Window->Form_PanelID3Tags->Visible());
  EXPECT_TRUE(Window->PanelSpeedButtons_SpeedButtonRename->Down());
  EXPECT_EQ(Window->GroupBoxOptions_ComboBoxFormats->Items()->Count(), 4);
  EXPECT_EQ(Window->GroupBoxOptions_ComboBoxFormats->ItemIndex(), 0);
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, true}));
  EXPECT_EQ(Session->NormalFontColor, static_cast<uint32_t>(Window->TabRebuild_GroupBoxReplace->FontColor()));
  EXPECT_EQ(ControlsOutsideTheClientArea(*Window), Texts{});
  SaveWindowScreenshot(Window->Handle(), "main-window-rebuild");
}

// The listed files are opened once the window's start-up messages and paints are
// through, by a timer started after its show work (where the limit warning runs its modal
// loop): WM_TIMER comes when nothing else waits. The timer stops after its one run.
TEST_F(MainWindow, HoldsItsFilesOpenOnceItsStartUpMessagesAreThrough) {
  const auto othersCanWrite = [&](const std::string& name) {
    const THandle other = FileOpen(Music / (name + ".mp3"), fmOpenReadWrite | fmShareDenyNone);
    if (other != InvalidHandle) FileClose(other);
    return other != InvalidHandle;
  };
  Window = new TFormFileEditor(Application, {Program.Path(), Music.Path()}, &Registry);
  TTimer& timer = *Window->FileOpenTimer();
  EXPECT_FALSE(timer.Enabled());
  Window->Show();  // shown, no message handled yet
  EXPECT_EQ(GridNames(), (Texts{"a - Beta", "b - Alpha", "c - Gamma"}));
  EXPECT_TRUE(othersCanWrite("a - Beta"));
  EXPECT_TRUE(timer.Enabled());
  SendMessageA(timer.Handle(), WM_TIMER, 1, 0);  // the system's tick, should its own not have come
  EXPECT_FALSE(timer.Enabled());
  for (const char* name : {"a - Beta", "b - Alpha", "c - Gamma"}) EXPECT_FALSE(othersCanWrite(name)) << name;
  const THandle held = FileList->GetFileInfo(0)->Handle;
  SendMessageA(timer.Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(FileList->GetFileInfo(0)->Handle, held);
}

// At the file limit the warning shows inside the window's show work: the files are not
// opened inside its modal loop, and are opened after it.
TEST_F(MainWindow, TheFileLimitWarningShowsBeforeTheFilesAreOpened) {
  for (int i = 0; i < MaxListedFiles; ++i) Music.WriteFile("Track " + IntToStr(1000 + i) + ".mp3", "");
  bool openWhileWarning = true;
  Presenter.WhileOpen = [&](TMessageDialog&) {
    openWhileWarning = Window->FileOpenTimer()->Enabled() || FileList->GetFileInfo(0)->Opened;
  };
  OpenMainWindow();
  EXPECT_EQ(Presenter.Texts(), Texts{"Warning / Maximum number of 999 files has been reached !"});
  EXPECT_FALSE(openWhileWarning);
  SendMessageA(Window->FileOpenTimer()->Handle(), WM_TIMER, 1, 0);
  EXPECT_TRUE(FileList->GetFileInfo(MaxListedFiles - 1)->Opened);
}

TEST_F(MainWindow, AnEmptyFolderShowsItsPlaceholderRowOnWhichNothingActs) {
  for (const char* name : {"b - Alpha", "a - Beta", "c - Gamma"}) DeleteFile(Music / (std::string(name) + ".mp3"));
  OpenMainWindow();
  EXPECT_EQ(GridNames(), Texts{"There are no files in the current folder"});
  EXPECT_FALSE(Grid().Enabled());
  EXPECT_EQ(Window->StatusBar_PanelCurrentDir->Caption(), "No files found");
  EXPECT_EQ(SelectedFiles(), "Selected files: 0");
  Find("a", "b");
  PostClick(Window->PanelRename_ButtonPreview);
  PostClick(Window->PanelID3Tags_ButtonReadTags);
  EXPECT_EQ(Presenter.Texts(), Texts{"Warning / No valid files !"});
}

// A change of language sets the folder in the status bar again, also over an empty
// folder's "No files found", and the placeholder row's text anew: nothing stays in the
// language before.
TEST_F(MainWindow, ALanguageChangeInAnEmptyFolderLeavesNoTextOfTheLanguageBefore) {
  for (const char* name : {"b - Alpha", "a - Beta", "c - Gamma"}) DeleteFile(Music / (std::string(name) + ".mp3"));
  OpenMainWindow();
  EXPECT_EQ(Window->StatusBar_PanelCurrentDir->Caption(), "No files found");
  Window->Menu_Language->Items(0)->Click();
  EXPECT_EQ(Window->StatusBar_PanelCurrentDir->Caption(), ExcludeTrailingBackslash(Music.Path()));
  EXPECT_EQ(SelectedFiles().rfind(LangText(TLangText::SelectedFilesStatus), 0), 0u);
  EXPECT_EQ(GridNames(), Texts{LangText(TLangText::NoFilesInFolderRow)});
  EXPECT_NE(GridNames(), Texts{"There are no files in the current folder"});
}

// Whatever the placement record says, every resize lays the status panels out anew: the
// selected files' panel ends 20 pixels before the bar's end, the folder takes the rest.
TEST_F(MainWindow, TheStatusPanelsFollowEveryResize) {
  Program.WriteFile("Settings.ini", "[FileEditor]\r\nWindowHeight=600\r\nWindowWidth=900\r\n");
  OpenMainWindow();
  const TControl& bar = *Window->Form_StatusBar;
  const TControl& folder = *Window->StatusBar_PanelCurrentDir;
  const TControl& selected = *Window->StatusBar_PanelSelectedFiles;
  for (int32_t width : {900, 800, 900, 740}) {
    if (Window->Width() != width) Window->SetBounds(Window->Left(), Window->Top(), width, 600);
    EXPECT_EQ(bar.Width(), Window->ClientWidth()) << width;
    EXPECT_EQ(selected.Left() + selected.Width(), bar.Width() - 20) << width;
    EXPECT_EQ(folder.Left() + folder.Width(), selected.Left()) << width;
  }
}

TEST_F(MainWindow, APreviewChangesOnlyTheGridUntilRenameAndUndoTakesItBack) {
  OpenMainWindow();
  SelectAll();
  EXPECT_EQ(SelectedFiles(), "Selected files: 3");
  Find("Alpha", "Omega");
  PostClick(Window->PanelRename_ButtonPreview);
  EXPECT_EQ(GridNames(), (Texts{"a - Beta", "b - Omega", "c - Gamma"}));
  EXPECT_TRUE(FileExists(Music / "b - Alpha.mp3"));
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, true, false}));
  PostClick(Window->PanelRename_ButtonUndo);
  EXPECT_EQ(GridNames(), (Texts{"a - Beta", "b - Alpha", "c - Gamma"}));
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, true}));
  PostClick(Window->PanelRename_ButtonPreview);
  PostClick(Window->PanelRename_ButtonRename);
  EXPECT_EQ(Music.ReadFile("b - Omega.mp3"), "audio of b - Alpha");
  EXPECT_FALSE(FileExists(Music / "b - Alpha.mp3"));
  EXPECT_EQ(GridNames(), (Texts{"a - Beta", "b - Omega", "c - Gamma"}));
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, true}));
  EXPECT_TRUE(Presenter.Shown.empty());
}

// The hourglass shows while a flow runs, and a flow the engine stops with an error gives
// the cursor and the Preview button back.
TEST_F(MainWindow, APreviewWithoutARuleOrRowChangesNothingAndAFailingOneRestoresTheWindow) {
  OpenMainWindow();
  SelectFirst(0);
  PostClick(Window->PanelRename_ButtonPreview);
  EXPECT_TRUE(Presenter.Shown.empty());
  SelectFirst(1);
  TCursor shownWith = crDefault;
  Presenter.WhileOpen = [&](TMessageDialog&) { shownWith = Screen->Cursor(); };
  PostClick(Window->PanelRename_ButtonPreview);
  EXPECT_EQ(Presenter.Texts(), Texts{"Warning / No files have been changed."});
  EXPECT_EQ(shownWith, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, true}));
  // A row grown on the grid behind the window's back: its fourth row is no file.
  Grid().SetDataRowCount(4);
  SelectFirst(4);
  Find("a", "b");
  EXPECT_THROW(Window->PanelRebuild_ButtonPreviewClick(nullptr), ERangeError);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_TRUE(Window->PanelRename_ButtonPreview->Enabled());
}

TEST_F(MainWindow, TheRebuildPagesBoxesFollowItsRulesAndTheirLabelsToggleThem) {
  OpenMainWindow();
  TspSkinCheckRadioBox& useFormat = *Window->GroupBoxOptions_CheckBoxUseSelectedFormat;
  TspSkinCheckRadioBox& startNumber = *Window->GroupBoxTrackStart_CheckBoxUseStartNumber;
  TspSkinCheckRadioBox& cut = *Window->GroupBoxOptions_CheckBoxCutTillNumber;
  PostClick(Window->GroupBoxOptions_LabelUseSelectedFormat);
  EXPECT_TRUE(useFormat.Checked());
  EXPECT_TRUE(Window->GroupBoxOptions_ComboBoxFormats->Enabled());
  Window->GroupBoxOptions_ComboBoxFormats->SetItemIndex(1);  // "<N> - <T>" numbers the files
  EXPECT_TRUE(startNumber.Checked());
  EXPECT_TRUE(Window->GroupBoxTrackStart_EditTrack->Enabled());
  PostClick(&Named<TspSkinStdLabel>("GroupBoxRemove_LabelChkbox2"));
  EXPECT_TRUE(Box("GroupBoxRemove_CheckBox2").Checked());
  EXPECT_FALSE(useFormat.Checked());
  EXPECT_FALSE(useFormat.Enabled());
  EXPECT_FALSE(cut.Enabled());
  EXPECT_FALSE(startNumber.Checked());  // the format had checked it
  PostClick(&Box("GroupBoxRemove_CheckBox2"));
  PostClick(&cut);
  EXPECT_TRUE(cut.Checked());
  EXPECT_FALSE(Box("GroupBoxRemove_CheckBox5").Enabled());
  PostClick(Window->GroupBoxTrackStart_LabelStart);
  ASSERT_TRUE(startNumber.Checked());
  TspSkinEdit& edit = *Window->GroupBoxTrackStart_EditTrack;
  PostKey(&edit, VK_DOWN);
  EXPECT_EQ(edit.Text(), "1");
  PostKey(&edit, VK_UP);
  PostKey(&edit, VK_UP, {ssShift});
  EXPECT_EQ(edit.Text(), "2");
  edit.SetFocus();
  PostChar('x');
  EXPECT_EQ(edit.Text(), "2");
  edit.SetText("");
  EXPECT_EQ(edit.Text(), "1");
}

TEST_F(MainWindow, TheSwitchPageSwitchesSectionsWithItsOwnButtonsAndPresets) {
  OpenMainWindow();
  TspSkinPageControl& pages = *Window->PanelRename_PageControlRename;
  pages.SetActivePageIndex(1);
  Window->PanelRename_PageControlRenameChange(&pages);  // a program's change fires no event
  auto combo = [&](const char* number) { return &Named<TspSkinComboBox>(std::string("GroupBoxSwitch_ComboBox") + number); };
  PostClick(&Box("GroupBoxSwitch_RadioButton2"));
  EXPECT_EQ(combo("02")->ItemIndex(), 0);
  EXPECT_EQ(Settings->GetSwitchItem(7), 1);
  PostClick(&Box("GroupBoxSwitch_RadioButton1"));
  EXPECT_EQ(Settings->GetSwitchItem(1), 0);
  SelectFirst(1);
  PostClick(Window->PanelRename_ButtonPreview);
  EXPECT_EQ(GridNames(), (Texts{"Beta - a", "b - Alpha", "c - Gamma"}));
  SaveWindowScreenshot(Window->Handle(), "main-window-switch");
  PostClick(Window->PanelRename_ButtonUndo);
  EXPECT_EQ(GridNames()[0], "a - Beta");
  combo("06")->SetItemIndex(2);
  EXPECT_EQ(Settings->GetSwitchItem(6), 2);
}

// A language change sets the switch page's combo boxes to the first preset again, and
// its radio button with them: the checked preset is the one Preview applies.
TEST_F(MainWindow, ALanguageChangeChecksTheFirstSwitchPresetWithItsComboBoxes) {
  OpenMainWindow();
  PostClick(&Box("GroupBoxSwitch_RadioButton3"));
  ASSERT_EQ(Settings->GetSwitchItem(3), 0);
  Window->Menu_Language->Items(0)->Click();
  std::vector<bool> checked;
  for (const char* number : {"1", "2", "3", "4"})
    checked.push_back(Box(std::string("GroupBoxSwitch_RadioButton") + number).Checked());
  EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(Named<TspSkinComboBox>("GroupBoxSwitch_ComboBox01").ItemIndex(), 0);
  EXPECT_EQ(Settings->GetSwitchItem(3), 4);
}

// An unreadable "Settings.ini" gives the defaults and one message at start-up.
TEST_F(MainWindow, AnUnreadableSettingsFileIsReportedOnceAtStartUp) {
  Program.WriteFile("Settings.ini", std::string(1, '\0'));
  OpenMainWindow();
  EXPECT_EQ(Presenter.Texts(), Texts{"Error / Settings file could not be read !"});
  EXPECT_EQ(Settings->LangConfig.Language, lfEN);
}

TEST_F(MainWindow, TheTagsPanelWarnsWhileAPreviewIsPendingAndReadsNoTagsThen) {
  OpenMainWindow();
  PostKey(&Grid(), VK_F2);
  EXPECT_TRUE(Window->Form_PanelID3Tags->Visible());
  EXPECT_FALSE(Window->Form_PanelRename->Visible());
  EXPECT_EQ(Window->Form_PanelID3Tags->Height(), 33);
  EXPECT_FALSE(Window->PanelID3Tags_LabelWarning->Visible());
  PostKey(&Grid(), VK_F1);
  SelectAll();
  Find("Beta", "Delta");
  PostClick(Window->PanelRename_ButtonPreview);
  PostKey(&Grid(), VK_F2);
  EXPECT_EQ(Window->Form_PanelID3Tags->Height(), 47);
  EXPECT_TRUE(Window->PanelID3Tags_LabelWarning->Visible());
  EXPECT_FALSE(Window->PanelID3Tags_ButtonReadTags->Enabled());
  SaveWindowScreenshot(Window->Handle(), "main-window-tags");
}

TEST_F(MainWindow, TheLanguageMenuChangesEveryTextAndStoresTheLanguage) {
  OpenMainWindow();
  TMenuItem& languages = *Window->Menu_Language;
  ASSERT_EQ(languages.Count(), 4);
  EXPECT_TRUE(languages.Items(1)->Checked());
  const std::string before = SettingsText();
  auto programItemWidth = [&] { return Window->Form_MenuBar->Items().at(0)->ObjectRect.Width(); };
  const int englishWidth = programItemWidth();
  languages.Items(1)->Click();
  EXPECT_EQ(SettingsText(), before);  // the checked language changes nothing
  languages.Items(0)->Click();
  EXPECT_TRUE(languages.Items(0)->Checked());
  EXPECT_NE(SettingsText().find("Language=0"), std::string::npos);
  EXPECT_EQ(Window->PanelRename_ButtonPreview->Caption(), "Vorschau");
  EXPECT_EQ(Window->Menu_Configuration->Caption(), LangText(TLangText::ConfigurationMenu));
  EXPECT_NE(Window->Menu_Configuration->Caption(), "Configuration");
  EXPECT_GT(programItemWidth(), englishWidth);  // the bar measured "Programm" anew
  EXPECT_EQ(SelectedFiles().rfind(LangText(TLangText::SelectedFilesStatus), 0), 0u);
  SaveWindowScreenshot(Window->Handle(), "main-window-de");
  for (auto [position, suffix, preview] : {std::tuple{2, "es", "Vista previa"}, std::tuple{3, "nl", "Voorbeeld"}}) {
    languages.Items(position)->Click();
    EXPECT_EQ(Window->PanelRename_ButtonPreview->Caption(), preview);
    SaveWindowScreenshot(Window->Handle(), std::string("main-window-") + suffix);
  }
}

TEST_F(MainWindow, AConfiguredLanguageWithoutItsFileLeavesOneEnglishItemThatDoesNothing) {
  Program.WriteFile("Settings.ini", "[Program]\r\nLanguage=2\r\n");
  DeleteFile(Program / "languages\\ES.lng");
  OpenMainWindow();
  Presenter.Shown.clear();
  ASSERT_EQ(Window->Menu_Language->Count(), 1);
  TMenuItem& english = *Window->Menu_Language->Items(0);
  EXPECT_EQ(english.Caption(), "English");
  EXPECT_TRUE(english.Checked());
  english.Click();
  EXPECT_EQ(Window->PanelRename_ButtonPreview->Caption(), "Preview");
  EXPECT_TRUE(Presenter.Shown.empty());
}

TEST_F(MainWindow, TheExplorerVerbItemFollowsTheRegistryAndAFailureIsReported) {
  OpenMainWindow();
  Window->Menu_AddedToRegistry->Click();
  EXPECT_TRUE(Registry.Registered);
  EXPECT_TRUE(Window->Menu_AddedToRegistry->Checked());
  Registry.Fails = true;
  Window->Menu_AddedToRegistry->Click();
  EXPECT_TRUE(Window->Menu_AddedToRegistry->Checked());
  EXPECT_EQ(Presenter.Texts(), (Texts{"Info / Program has been added to the ContextMenu of Windows Explorer..",
                                      "Error / Failed to create key 'Velorandquistmar'"}));
}

TEST_F(MainWindow, SelectionCommandsMovedRowsAndHelpAct) {
  OpenMainWindow();
  SelectAll();
  PostKey(&Grid(), 'N', {ssCtrl});
  EXPECT_EQ(SelectedFiles(), "Selected files: 1");
  Window->Menu_SelectInvertClick(nullptr);
  EXPECT_EQ(SelectedFiles(), "Selected files: 2");
  Grid().MoveRow(1, 3);
  EXPECT_EQ(FileList->GetFileName(2), "a - Beta");
  EXPECT_EQ(Grid().Cells(0, 3), "     3");
  static std::string opened;
  TSeamOverride shell(Seams::ShellExecute, [](HWND, const char* operation, const char* file, const char*,
                                               const char*, int) -> HINSTANCE {
    opened = std::string(operation) + " " + file;
    return reinterpret_cast<HINSTANCE>(33);
  });
  Window->Menu_Help->Click();
  EXPECT_EQ(opened, "open http://www.example.org/velorandquistmar");
}

// Rename scans the folder anew: a file that came meanwhile adds a row, and the list stays
// where it was scrolled to instead of going to its focused row.
TEST_F(MainWindow, ARescanThatFindsAnotherFileKeepsTheListWhereItWasScrolled) {
  for (int i = 10; i < 40; ++i) Mp3("d - Track " + std::to_string(i));
  OpenMainWindow();
  for (int step = 0; step < 3; ++step) PostKey(&Grid(), VK_DOWN, {ssShift});  // rows 1 to 4
  Find("Track 10", "Ten");
  PostClick(Window->PanelRename_ButtonPreview);
  Grid().Perform(WM_VSCROLL, SB_BOTTOM, 0);
  const int32_t top = Grid().TopRow();
  ASSERT_GT(top, Grid().Row());  // the focused row is out of view
  Mp3("e - Came meanwhile");
  PostClick(Window->PanelRename_ButtonRename);
  EXPECT_EQ(GridNames().size(), 34u);
  EXPECT_EQ(GridNames()[3], "d - Ten");
  EXPECT_EQ(GridNames().back(), "e - Came meanwhile");
  EXPECT_EQ(Grid().TopRow(), top);
  EXPECT_EQ(Grid().Row(), 1);  // the first of the files selected, out of view
}

// The folder is listed again in name order after a rename: the selection stays on the
// files it held, and the tag editor then reads those files.
TEST_F(MainWindow, ARenameKeepsTheSelectionOnItsFilesAndReadingTagsOpensThem) {
  OpenMainWindow();
  SelectFirst(2);
  Find("a - Beta", "z - Beta");
  PostClick(Window->PanelRename_ButtonPreview);
  PostClick(Window->PanelRename_ButtonRename);
  ASSERT_EQ(GridNames(), (Texts{"b - Alpha", "c - Gamma", "z - Beta"}));
  std::vector<bool> selected;
  for (int32_t row = 1; row <= 3; ++row) selected.push_back(Grid().GetCellSelected(0, row));
  EXPECT_EQ(selected, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(SelectedFiles(), "Selected files: 2");
  InDialog<TFormTagEditor>([&] { PostClick(Window->PanelID3Tags_ButtonReadTags); }, [&](TFormTagEditor& editor) {
    TDynSkinStringGrid& rows = *editor.PanelGrid_GridTags;
    EXPECT_EQ((Texts{rows.Cells(2, 1), rows.Cells(2, 2)}), (Texts{"b - Alpha", "z - Beta"}));
    EXPECT_EQ(rows.RowCount(), 3);
  });
}

// The rows of the grid's name column that show the look of a selected or focused row,
// as the screen shows them.
std::vector<int32_t> RowsShownSelected(TDynSkinStringGrid& grid, const TspSkinData& skin) {
  const auto& entry = dynamic_cast<const TspDataSkinGridControl&>(*skin.CtrlList.at(skin.GetControlIndex("grid")));
  const TColor selectedLook = EntryColour(skin, "grid", entry.FocusCellRect);
  EXPECT_NE(selectedLook, EntryColour(skin, "grid", entry.SelectCellRect));
  Application->ProcessMessages();
  grid.Update();
  const TPixelImage shown = WindowPixelsAsShown(grid.Handle());
  RECT window{};
  GetWindowRect(grid.Handle(), &window);
  const TPoint client = grid.ClientToScreen({0, 0});
  std::vector<int32_t> rows;
  for (int32_t row = grid.FixedRows(); row < grid.RowCount(); ++row) {
    const TRect cell = grid.CellRect(1, row);
    if (shown.Pixel(client.X - window.left + cell.Right - 3, client.Y - window.top + cell.Top + 2) == selectedLook)
      rows.push_back(row);
  }
  return rows;
}

// A renamed file that the new name order moves down the list takes the focused row along:
// its row alone shows selected, not also the row of the file that took its place.
TEST_F(MainWindow, ARenamedFileThatMovesDownTakesTheFocusedRowAlongAndAloneShowsSelected) {
  OpenMainWindow();
  TspCompressedStoredSkin flatColours(nullptr);
  flatColours.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER "flatcolour.skn"));
  Window->SkinDataEffects->LoadCompressedStoredSkin(&flatColours);
  const TRect first = Grid().CellRect(1, 1);
  PostClick(&Grid(), {first.Left + 40, (first.Top + first.Bottom) / 2});
  Find("a - Beta", "z - Beta");
  PostClick(Window->PanelRename_ButtonPreview);
  PostClick(Window->PanelRename_ButtonRename);
  ASSERT_EQ(GridNames(), (Texts{"b - Alpha", "c - Gamma", "z - Beta"}));
  ASSERT_TRUE(Grid().Focused());
  EXPECT_EQ(RowsShownSelected(Grid(), *Window->SkinDataEffects), std::vector<int32_t>{3});
  EXPECT_EQ(SelectedFiles(), "Selected files: 1");
  SaveWindowScreenshot(Window->Handle(), "main-window-renamed-row-selected");
  // The keys go on from the renamed file's row.
  PostKey(&Grid(), VK_UP, {ssShift});
  EXPECT_EQ(SelectedFiles(), "Selected files: 2");
  EXPECT_EQ(RowsShownSelected(Grid(), *Window->SkinDataEffects), (std::vector<int32_t>{2, 3}));
}

TEST_F(MainWindow, ClosingWithAPendingPreviewAsksAndNoKeepsTheWindow) {
  OpenMainWindow();
  SelectAll();
  Find("Gamma", "Delta");
  PostClick(Window->PanelRename_ButtonPreview);
  Presenter.Press(mtYesNo, dbNo);
  PostKey(&Grid(), VK_ESCAPE);
  EXPECT_TRUE(IsWindowVisible(Window->Handle()));
  EXPECT_EQ(Presenter.Texts(), Texts{"Warning / There are changed files which have not been saved yet. Close?"});
  EXPECT_EQ(GridNames()[2], "c - Delta");
}

}  // namespace
