#include "FormFileEditor.h"

#include "ProgramClasses.h"
#include "WindowParts.h"

#include "app/language/Translation.h"
#include "app/rename/FileGridContents.h"
#include "app/rename/RebuildPage.h"
#include "app/rename/Rename.h"
#include "app/settings/Session.h"
#include "app/win32/ShellMenu.h"
#include "app/windowrules/MainWindowLayout.h"
#include "app/windowrules/WindowPlacementState.h"

#include "grid/SkinStringGrid.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMainMenuBar.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/Menus.h"
#include "classlib/Timer.h"

#include "base/StrUtils.h"

TFormFileEditor::TFormFileEditor(TComponent* AOwner, const TProgramPlace& place, TShellVerbRegistry* registry)
    : TForm(AOwner),
      FPlace(place),
      FRegistry(registry),
      // Due at once, yet held back behind every waiting message and paint.
      FFileOpenTimer(NewStoppedTimer(this, 1, Event(this, &TFormFileEditor::FileOpenTimerTimer))) {
  RegisterProgramClasses();
  ReadFormResource(*this, Bindings());
}

TFormFileEditor::~TFormFileEditor() = default;

const TFormBindings& TFormFileEditor::Bindings() {
  using F = TFormFileEditor;
  static const TFormBindings bindings =
      TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
          .Handler("FormCreate", &F::FormCreate)
          .Handler("FormShow", &F::FormShow)
          .Handler("FormResize", &F::FormResize)
          .Handler("FormClose", &F::FormClose)
          .Handler("FormDestroy", &F::FormDestroy)
          .Handler("PanelGrid_GridFileNamesSelectionChange", &F::PanelGrid_GridFileNamesSelectionChange)
          .Handler("PanelGrid_GridFileNamesRowMoved", &F::PanelGrid_GridFileNamesRowMoved)
          .Handler("PanelSpeedButtons_SpeedButtonRenameClick", &F::PanelSpeedButtons_SpeedButtonRenameClick)
          .Handler("PanelSpeedButtons_SpeedButtonTagsClick", &F::PanelSpeedButtons_SpeedButtonTagsClick)
          .Handler("PanelRename_PageControlRenameChange", &F::PanelRename_PageControlRenameChange)
          .Handler("PanelRebuild_ButtonPreviewClick", &F::PanelRebuild_ButtonPreviewClick)
          .Handler("PanelRebuild_ButtonRenameClick", &F::PanelRebuild_ButtonRenameClick)
          .Handler("PanelRebuild_ButtonUndoClick", &F::PanelRebuild_ButtonUndoClick)
          .Handler("GroupBoxReplace_SpeedButtonDeleteFindClick", &F::GroupBoxReplace_SpeedButtonDeleteFindClick)
          .Handler("GroupBoxReplace_SpeedButtonDeleteReplaceByClick",
                   &F::GroupBoxReplace_SpeedButtonDeleteReplaceByClick)
          .Handler("GroupBoxRemove_CheckBoxClick", &F::GroupBoxRemove_CheckBoxClick)
          .Handler("GroupBoxRemove_LabelChkboxClick", &F::GroupBoxRemove_LabelChkboxClick)
          .Handler("GroupBoxOptions_CheckBoxUseSelectedFormatClick", &F::GroupBoxOptions_CheckBoxUseSelectedFormatClick)
          .Handler("GroupBoxOptions_LabelUseSelectedFormatClick", &F::GroupBoxOptions_LabelUseSelectedFormatClick)
          .Handler("GroupBoxOptions_ComboBoxFormatsChange", &F::GroupBoxOptions_ComboBoxFormatsChange)
          .Handler("GroupBoxOptions_SpeedButtonFormatsClick", &F::GroupBoxOptions_SpeedButtonFormatsClick)
          .Handler("GroupBoxOptions_CheckBoxAllWordsCapsClick", &F::GroupBoxOptions_CheckBoxAllWordsCapsClick)
          .Handler("GroupBoxOptions_CheckBoxCutTillNumberClick", &F::GroupBoxOptions_CheckBoxCutTillNumberClick)
          .Handler("GroupBoxTrackStart_CheckBoxUseStartNumberClick",
                   &F::GroupBoxTrackStart_CheckBoxUseStartNumberClick)
          .Handler("GroupBoxTrackStart_LabelStartClick", &F::GroupBoxTrackStart_LabelStartClick)
          .Handler("GroupBoxTrackStart_EditTrackChange", &F::GroupBoxTrackStart_EditTrackChange)
          .Handler("GroupBoxTrackStart_EditTrackKeyDown", &F::GroupBoxTrackStart_EditTrackKeyDown)
          .Handler("GroupBoxTrackStart_EditTrackKeyPress", &F::GroupBoxTrackStart_EditTrackKeyPress)
          .Handler("GroupBoxSwitch_ComboBoxChange", &F::GroupBoxSwitch_ComboBoxChange)
          .Handler("GroupBoxSwitch_RadioButtonMouseUp", &F::GroupBoxSwitch_RadioButtonMouseUp)
          .Handler("GroupBoxSwitch_RadioButtonKeyDown", &F::GroupBoxSwitch_RadioButtonKeyDown)
          .Handler("Menu_RenameClick", &F::Menu_RenameClick)
          .Handler("Menu_ID3TagsClick", &F::Menu_ID3TagsClick)
          .Handler("Menu_ExitClick", &F::Menu_ExitClick)
          .Handler("Form_ButtonCloseClick", &F::Form_ButtonCloseClick)
          .Handler("Menu_SelectAllClick", &F::Menu_SelectAllClick)
          .Handler("Menu_SelectNoneClick", &F::Menu_SelectNoneClick)
          .Handler("Menu_SelectInvertClick", &F::Menu_SelectInvertClick)
          .Handler("Menu_AddedToRegistryClick", &F::Menu_AddedToRegistryClick)
          .Handler("Menu_SettingsClick", &F::Menu_SettingsClick)
          .Handler("Menu_HelpClick", &F::Menu_HelpClick)
          .Handler("Menu_AboutClick", &F::Menu_AboutClick)
          .Handler("PanelID3Tags_ButtonReadTagsClick", &F::PanelID3Tags_ButtonReadTagsClick)
          .Field("StoredSkin", &F::StoredSkin)
          .Field("SkinDataEffects", &F::SkinDataEffects)
          .Field("DynSkinForm", &F::DynSkinForm)
          .Field("Form_MainMenu", &F::Form_MainMenu)
          .Field("Menu_Program", &F::Menu_Program)
          .Field("Menu_Rename", &F::Menu_Rename)
          .Field("Menu_ID3Tags", &F::Menu_ID3Tags)
          .Field("Menu_Exit", &F::Menu_Exit)
          .Field("Menu_Selection", &F::Menu_Selection)
          .Field("Menu_SelectAll", &F::Menu_SelectAll)
          .Field("Menu_SelectNone", &F::Menu_SelectNone)
          .Field("Menu_Configuration", &F::Menu_Configuration)
          .Field("Menu_ShellExtension", &F::Menu_ShellExtension)
          .Field("Menu_AddedToRegistry", &F::Menu_AddedToRegistry)
          .Field("Menu_Settings", &F::Menu_Settings)
          .Field("Menu_Language", &F::Menu_Language)
          .Field("Menu_Info", &F::Menu_Info)
          .Field("Menu_Help", &F::Menu_Help)
          .Field("Menu_About", &F::Menu_About)
          .Field("Form_MenuBar", &F::Form_MenuBar)
          .Field("Form_PanelSpeedButtons", &F::Form_PanelSpeedButtons)
          .Field("PanelSpeedButtons_SpeedButtonRename", &F::PanelSpeedButtons_SpeedButtonRename)
          .Field("PanelSpeedButtons_SpeedButtonTags", &F::PanelSpeedButtons_SpeedButtonTags)
          .Field("Form_PanelGrid", &F::Form_PanelGrid)
          .Field("PanelGrid_GridFileNames", &F::PanelGrid_GridFileNames)
          .Field("PanelGrid_ScrollBarVert", &F::PanelGrid_ScrollBarVert)
          .Field("Form_PanelRename", &F::Form_PanelRename)
          .Field("PanelRename_ButtonPreview", &F::PanelRename_ButtonPreview)
          .Field("PanelRename_ButtonRename", &F::PanelRename_ButtonRename)
          .Field("PanelRename_ButtonUndo", &F::PanelRename_ButtonUndo)
          .Field("PanelRename_PageControlRename", &F::PanelRename_PageControlRename)
          .Field("PageControlRename_TabRebuild", &F::PageControlRename_TabRebuild)
          .Field("PageControlRename_TabSwitch", &F::PageControlRename_TabSwitch)
          .Field("TabRebuild_GroupBoxReplace", &F::TabRebuild_GroupBoxReplace)
          .Field("GroupBoxReplace_LabelFind", &F::GroupBoxReplace_LabelFind)
          .Field("GroupBoxReplace_LabelReplaceBy", &F::GroupBoxReplace_LabelReplaceBy)
          .Field("GroupBoxReplace_EditFind", &F::GroupBoxReplace_EditFind)
          .Field("GroupBoxReplace_EditReplaceBy", &F::GroupBoxReplace_EditReplaceBy)
          .Field("GroupBoxReplace_CheckBoxReplaceAll", &F::GroupBoxReplace_CheckBoxReplaceAll)
          .Field("GroupBoxReplace_CheckBoxCaseSensitive", &F::GroupBoxReplace_CheckBoxCaseSensitive)
          .Field("TabRebuild_GroupBoxRemove", &F::TabRebuild_GroupBoxRemove)
          .Field("TabRebuild_GroupBoxAutoFormat", &F::TabRebuild_GroupBoxAutoFormat)
          .Field("GroupBoxOptions_LabelUseSelectedFormat", &F::GroupBoxOptions_LabelUseSelectedFormat)
          .Field("GroupBoxOptions_CheckBoxUseSelectedFormat", &F::GroupBoxOptions_CheckBoxUseSelectedFormat)
          .Field("GroupBoxOptions_ComboBoxFormats", &F::GroupBoxOptions_ComboBoxFormats)
          .Field("GroupBoxOptions_SpeedButtonFormats", &F::GroupBoxOptions_SpeedButtonFormats)
          .Field("GroupBoxOptions_CheckBoxAllWordsCaps", &F::GroupBoxOptions_CheckBoxAllWordsCaps)
          .Field("GroupBoxOptions_CheckBoxCutTillNumber", &F::GroupBoxOptions_CheckBoxCutTillNumber)
          .Field("TabRebuild_GroupBoxTrackStart", &F::TabRebuild_GroupBoxTrackStart)
          .Field("GroupBoxTrackStart_CheckBoxUseStartNumber", &F::GroupBoxTrackStart_CheckBoxUseStartNumber)
          .Field("GroupBoxTrackStart_LabelStart", &F::GroupBoxTrackStart_LabelStart)
          .Field("GroupBoxTrackStart_EditTrack", &F::GroupBoxTrackStart_EditTrack)
          .Field("TabSwitch_GroupBoxSwitch", &F::TabSwitch_GroupBoxSwitch)
          .Field("GroupBoxSwitch_LabelBeforeSwitching", &F::GroupBoxSwitch_LabelBeforeSwitching)
          .Field("GroupBoxSwitch_LabelAfterSwitching", &F::GroupBoxSwitch_LabelAfterSwitching)
          .Field("Form_PanelID3Tags", &F::Form_PanelID3Tags)
          .Field("PanelID3Tags_LabelWarning", &F::PanelID3Tags_LabelWarning)
          .Field("PanelID3Tags_ButtonReadTags", &F::PanelID3Tags_ButtonReadTags)
          .Field("Form_StatusBar", &F::Form_StatusBar)
          .Field("StatusBar_PanelCurrentDir", &F::StatusBar_PanelCurrentDir)
          .Field("StatusBar_PanelSelectedFiles", &F::StatusBar_PanelSelectedFiles);
  return bindings;
}

void TFormFileEditor::TakeNamedComponents() {
  for (size_t i = 0; i < FSectionBoxes.size(); ++i) {
    const std::string number = IntToStr(static_cast<int>(i) + 1);
    FSectionBoxes[i] = &NamedComponent<TspSkinCheckRadioBox>(*this, "GroupBoxRemove_CheckBox" + number);
    FSectionLabels[i] = &NamedComponent<TspSkinStdLabel>(*this, "GroupBoxRemove_LabelChkbox" + number);
  }
  for (size_t i = 0; i < FSwitchComboBoxes.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    FSwitchComboBoxes[i] = &NamedComponent<TspSkinComboBox>(
        *this, "GroupBoxSwitch_ComboBox" + std::string(number < 10 ? "0" : "") + IntToStr(number));
  }
}

// --- Life cycle ---------------------------------------------------------------------------

void TFormFileEditor::FormCreate(TObject*) {
  TakeNamedComponents();
  if (!StartMainCore(StoredSkin, FPlace)) {
    // Reported already: the program ends without showing its window.
    Application->ShowMainForm = false;
    Application->Terminate();
    return;
  }
  if (FRegistry == nullptr) {
    FSystemRegistry = std::make_unique<TSystemShellVerbRegistry>(*Settings);
    FRegistry = FSystemRegistry.get();
  }
  FRebuildPage = std::make_unique<TRebuildPage>(*Settings, *Session);
  TRenamePanelView& view = *this;
  FRenamePanel = std::make_unique<TRenamePanel>(*FileList, *Settings, *FRebuildPage, view);
  Application->SetTitle(MainWindowTitle(*Settings));
  SetCaption(Application->Title());
  RestorePlacement(
      Settings->Placement[piMainWindow],
      [this](int32_t width, int32_t height) { SetBounds(Left(), Top(), width, height); },
      [this] { DynSkinForm->SetWindowState(TspWindowState::Maximized); });
  FFirstDataRow = PanelGrid_GridFileNames->FixedRows();
  StartSession(*FRegistry);
}

void TFormFileEditor::FormShow(TObject*) {
  if (!CoreReady()) return;
  InitialiseLanguage();
  InitialiseOptions();
  // Started only now, so that the files are not opened inside the limit warning's modal
  // loop: the system sends WM_TIMER when no message and no paint is waiting, that is once
  // the window has painted.
  FFileOpenTimer->SetEnabled(true);
}

void TFormFileEditor::FileOpenTimerTimer(TObject*) {
  FFileOpenTimer->SetEnabled(false);
  if (CoreReady()) FileList->OpenListedFiles();
}

void TFormFileEditor::FormResize(TObject*) {
  if (ComponentState().Contains(csLoading) || !CoreReady()) return;
  const auto state = static_cast<uint8_t>(DynSkinForm->WindowState());
  if (PlacementResized(Settings->Placement[piMainWindow], state, Width(), Height()).MoveToOrigin)
    SetBounds(0, 0, Width(), Height());
  PlaceStatusPanels();
  FitGrid();
  PlaceSpeedButtons();
}

void TFormFileEditor::FormClose(TObject*, TCloseAction& Action) {
  Action = ConfirmMainWindowClose() ? caFree : caNone;
}

void TFormFileEditor::FormDestroy(TObject*) {
  // The grid outlives the core: its events find nothing to do from here on.
  PanelGrid_GridFileNames->OnSelectionChange = {};
  PanelGrid_GridFileNames->OnRowMoved = {};
  FRenamePanel.reset();
  FRebuildPage.reset();
  FinishMainCore();
}

// --- Texts and options --------------------------------------------------------------------

void TFormFileEditor::InitialiseLanguage() {
  SetMenuTexts();
  const std::array<std::string, 2> header = FileGridHeader();
  PanelGrid_GridFileNames->SetCells(0, 0, header[0]);
  PanelGrid_GridFileNames->SetCells(1, 0, header[1]);
  // An empty folder's placeholder row follows the language too; the folder takes the
  // place of "No files found", so that no text of the language before stays.
  if (FileList->GetFileCount() == 0)
    PanelGrid_GridFileNames->SetCells(1, FFirstDataRow, LangText(TLangText::NoFilesInFolderRow));
  StatusBar_PanelCurrentDir->SetCaption(ExcludeTrailingBackslash(Settings->WorkingFolder));
  PanelGrid_GridFileNamesSelectionChange(PanelGrid_GridFileNames);
  PanelSpeedButtons_SpeedButtonRename->SetCaption(LangText(TLangText::RenameButton));
  PanelSpeedButtons_SpeedButtonTags->SetCaption(LangText(TLangText::ID3TagsButton));
  SetRenamePanelTexts();
  FillFormatsComboBox();
  SetSwitchPageTexts();
  PanelID3Tags_LabelWarning->SetCaption(LangText(TLangText::RenamePendingWarning));
  PanelID3Tags_ButtonReadTags->SetCaption(LangText(TLangText::ReadTagsButton));
  PlaceStatusPanels();
}

void TFormFileEditor::InitialiseOptions() {
  Settings->MainSelection.SetItems(PanelGrid_GridFileNames->GetSelectedRows());
  BuildLanguageMenu();
  // Rows can be dragged. Options select the current row anew, so they come before the
  // rows are filled.
  PanelGrid_GridFileNames->SetOptions(PanelGrid_GridFileNames->Options() + TGridOptions{goRowMoving});
  PanelGrid_GridFileNames->BeginUpdate();
  FScrollBarShown = false;
  FRenamePanel->RefreshFileNames();
  PanelGrid_GridFileNames->EndUpdate();
  Session->NormalFontColor = static_cast<uint32_t>(TabRebuild_GroupBoxReplace->FontColor());
  PanelSpeedButtons_SpeedButtonRenameClick(PanelSpeedButtons_SpeedButtonRename);
  Menu_AddedToRegistry->SetChecked(Session->ShellMenuRegistered);
  FRebuildPage->SelectPreferredFormat();
  ShowRebuildPage();
}

// --- The grid -----------------------------------------------------------------------------

void TFormFileEditor::ShowFileNames(const TFileGridContents& contents) {
  TDynSkinStringGrid& grid = *PanelGrid_GridFileNames;
  grid.BeginUpdate();
  grid.SetEnabled(true);  // a disabled grid takes no selection
  grid.SetDataRowCount(contents.DataRowCount);
  for (int32_t i = 0; i < contents.DataRowCount; ++i) {
    grid.SetCells(0, FFirstDataRow + i, contents.Numbers[static_cast<size_t>(i)]);
    grid.SetCells(1, FFirstDataRow + i, contents.Names[static_cast<size_t>(i)]);
  }
  // An empty folder's placeholder row is no file: nothing may act on it.
  if (!contents.Enabled) grid.SetCellSelected(0, FFirstDataRow, false);
  grid.SetEnabled(contents.Enabled);
  grid.EndUpdate();
  StatusBar_PanelCurrentDir->SetCaption(contents.FolderStatus);
  FitGrid();
}

void TFormFileEditor::SelectRows(const std::vector<int32_t>& rows) {
  // A disabled grid (an empty folder's placeholder row) selects nothing.
  PanelGrid_GridFileNames->SelectDataRows(rows);
}

void TFormFileEditor::PanelGrid_GridFileNamesSelectionChange(TObject*) {
  if (!CoreReady()) return;
  StatusBar_PanelSelectedFiles->SetCaption(SelectedFilesText(PanelGrid_GridFileNames->SelectedCount()));
}

void TFormFileEditor::PanelGrid_GridFileNamesRowMoved(TObject*, int32_t FromIndex, int32_t ToIndex) {
  if (!CoreReady()) return;
  FileList->MoveFileEntry(FromIndex - FFirstDataRow, ToIndex - FFirstDataRow);
  TDynSkinStringGrid& grid = *PanelGrid_GridFileNames;
  grid.BeginUpdate();
  for (int32_t i = 0; i < FileList->GetFileCount(); ++i) grid.SetCells(0, FFirstDataRow + i, RowNumberText(i + 1));
  grid.EndUpdate();
}

void TFormFileEditor::FocusGrid() {
  if (PanelGrid_GridFileNames->CanFocus()) PanelGrid_GridFileNames->SetFocus();
}

// --- Layout -------------------------------------------------------------------------------

void TFormFileEditor::FitGrid() {
  TDynSkinStringGrid& grid = *PanelGrid_GridFileNames;
  const TFileGridFit fit = FitFileGrid({grid.Left(), grid.Width(), grid.Height(), grid.ClientWidth(), grid.RowCount(),
                                       grid.DefaultRowHeight(), FScrollBarShown});
  FScrollBarShown = fit.ScrollBarShown;
  grid.SetWidth(fit.Width);
  grid.SetColWidths(0, fit.NumberColumnWidth);
  grid.SetColWidths(1, fit.NameColumnWidth);
  PanelGrid_ScrollBarVert->SetBounds(fit.ScrollBarLeft, grid.Top(), PanelGrid_ScrollBarVert->Width(),
                                     fit.ScrollBarHeight);
}

void TFormFileEditor::PlaceStatusPanels() {
  const TStatusPanelSpans spans =
      StatusPanelSpans(Form_StatusBar->Width(), Canvas()->TextWidth(LangText(TLangText::SelectedFilesStatus)),
                       StatusBar_PanelSelectedFiles->WidthToShow(SelectedFilesText(MaxListedFiles)));
  StatusBar_PanelCurrentDir->SetWidth(spans.Folder.Length);
  StatusBar_PanelSelectedFiles->SetWidth(spans.SelectedFiles.Length);
}

void TFormFileEditor::PlaceSpeedButtons() {
  const TSpeedButtonSpans spans = SpeedButtonSpans(Form_PanelSpeedButtons->Width());
  for (auto [button, span] : {std::pair{PanelSpeedButtons_SpeedButtonRename, spans.Rename},
                              std::pair{PanelSpeedButtons_SpeedButtonTags, spans.Tags}})
    button->SetBounds(span.Start, button->Top(), span.Length, button->Height());
}

// --- Panel switching ----------------------------------------------------------------------

void TFormFileEditor::PanelActivate(TspSkinPanel* Panel) {
  if (PanelGrid_GridFileNames->Enabled()) FocusGrid();
  TspSkinPanel* other = Panel == Form_PanelRename ? Form_PanelID3Tags : Form_PanelRename;
  Panel->BringToFront();
  Panel->SetVisible(true);
  Form_PanelGrid->SetHeight(Panel->Top() - Form_PanelGrid->Top());
  TDynSkinStringGrid& grid = *PanelGrid_GridFileNames;
  PanelGrid_ScrollBarVert->SetVisible(
      GridRowsOverflow({grid.Left(), grid.Width(), grid.Height(), grid.ClientWidth(), grid.RowCount(),
                        grid.DefaultRowHeight(), FScrollBarShown}));
  FitGrid();
  other->SetVisible(false);
  other->SendToBack();
}

void TFormFileEditor::PanelSpeedButtons_SpeedButtonRenameClick(TObject*) {
  PanelSpeedButtons_SpeedButtonDown(PanelSpeedButtons_SpeedButtonRename);
  PanelActivate(Form_PanelRename);
}

void TFormFileEditor::PanelSpeedButtons_SpeedButtonTagsClick(TObject*) {
  if (!CoreReady()) return;
  const TTagsPanelBox box = TagsPanelBox(Settings->RenamePending, ClientHeight(), Form_StatusBar->Height());
  Form_PanelID3Tags->SetBounds(Form_PanelID3Tags->Left(), box.Top, Form_PanelID3Tags->Width(), box.Height);
  PanelID3Tags_LabelWarning->SetVisible(box.WarningVisible);
  PanelSpeedButtons_SpeedButtonDown(PanelSpeedButtons_SpeedButtonTags);
  PanelActivate(Form_PanelID3Tags);
}

void TFormFileEditor::PanelSpeedButtons_SpeedButtonDown(TspSkinSpeedButton* Button) { Button->SetDown(true); }

void TFormFileEditor::ShowButtons(const TRenameButtons& buttons) {
  PanelRename_ButtonPreview->SetEnabled(buttons.Preview);
  PanelRename_ButtonRename->SetEnabled(buttons.Rename);
  PanelRename_ButtonUndo->SetEnabled(buttons.Undo);
  PanelID3Tags_ButtonReadTags->SetEnabled(buttons.ReadTags);
  FocusGrid();
}
