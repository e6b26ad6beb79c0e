#pragma once
// The main window: the folder's MP3 files in a grid, the rename panel with its rebuild
// and switch pages, the ID3 tags panel, the menus and the status bar. What it decides
// without a window lives in app (MainWindowLife, RenamePanel, RebuildPage, SwitchPage,
// MainMenuCommands, MainWindowLayout): the window shows that and hands its events on.
//
// Files: FormFileEditor.cpp (life cycle, texts, the grid and the layout),
// FileEditorRenamePanel.cpp (the rename panel's two pages), FileEditorMenus.cpp (the
// menus and the ID3 tags panel).

#include "app/rename/RenamePanel.h"
#include "app/settings/Config.h"
#include "app/settings/NameRules.h"
#include "app/windowrules/MainWindowLife.h"

#include "classlib/Form.h"
#include "classlib/FormBindings.h"

#include <array>
#include <memory>

class TDynSkinStringGrid;
class TMainMenu;
class TMenuItem;
class TRebuildPage;
class TspCompressedStoredSkin;
class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinComboBox;
class TspSkinData;
class TspSkinEdit;
class TspSkinGroupBox;
class TspSkinMainMenuBar;
class TspSkinPageControl;
class TspSkinPanel;
class TspSkinScrollBar;
class TspSkinSpeedButton;
class TspSkinStatusBar;
class TspSkinStatusPanel;
class TspSkinStdLabel;
class TTimer;

class TFormFileEditor : public TForm, private TRenamePanelView {
public:
  // Lists the files of place's working folder and keeps the settings in its program
  // folder; registry is where the Explorer verb is looked up and registered (the
  // system's registry when none is given).
  explicit TFormFileEditor(TComponent* AOwner, const TProgramPlace& place = TProgramPlace::OfProcess(),
                           TShellVerbRegistry* registry = nullptr);
  ~TFormFileEditor() override;

  // --- The components of the form resource -------------------------------------------
  TspCompressedStoredSkin* StoredSkin = nullptr;
  TspSkinData* SkinDataEffects = nullptr;
  TspDynamicSkinForm* DynSkinForm = nullptr;
  TMainMenu* Form_MainMenu = nullptr;
  TMenuItem* Menu_Program = nullptr;
  TMenuItem* Menu_Rename = nullptr;
  TMenuItem* Menu_ID3Tags = nullptr;
  TMenuItem* Menu_Exit = nullptr;
  TMenuItem* Menu_Selection = nullptr;
  TMenuItem* Menu_SelectAll = nullptr;
  TMenuItem* Menu_SelectNone = nullptr;
  TMenuItem* Menu_Configuration = nullptr;
  TMenuItem* Menu_ShellExtension = nullptr;
  TMenuItem* Menu_AddedToRegistry = nullptr;
  TMenuItem* Menu_Settings = nullptr;
  TMenuItem* Menu_Language = nullptr;
  TMenuItem* Menu_Info = nullptr;
  TMenuItem* Menu_Help = nullptr;
  TMenuItem* Menu_About = nullptr;
  TspSkinMainMenuBar* Form_MenuBar = nullptr;
  TspSkinPanel* Form_PanelSpeedButtons = nullptr;
  TspSkinSpeedButton* PanelSpeedButtons_SpeedButtonRename = nullptr;
  TspSkinSpeedButton* PanelSpeedButtons_SpeedButtonTags = nullptr;
  TspSkinPanel* Form_PanelGrid = nullptr;
  TDynSkinStringGrid* PanelGrid_GridFileNames = nullptr;
  TspSkinScrollBar* PanelGrid_ScrollBarVert = nullptr;
  TspSkinPanel* Form_PanelRename = nullptr;
  TspSkinButton* PanelRename_ButtonPreview = nullptr;
  TspSkinButton* PanelRename_ButtonRename = nullptr;
  TspSkinButton* PanelRename_ButtonUndo = nullptr;
  TspSkinPageControl* PanelRename_PageControlRename = nullptr;
  TWinControl* PageControlRename_TabRebuild = nullptr;
  TWinControl* PageControlRename_TabSwitch = nullptr;
  TspSkinGroupBox* TabRebuild_GroupBoxReplace = nullptr;
  TspSkinStdLabel* GroupBoxReplace_LabelFind = nullptr;
  TspSkinStdLabel* GroupBoxReplace_LabelReplaceBy = nullptr;
  TspSkinEdit* GroupBoxReplace_EditFind = nullptr;
  TspSkinEdit* GroupBoxReplace_EditReplaceBy = nullptr;
  TspSkinCheckRadioBox* GroupBoxReplace_CheckBoxReplaceAll = nullptr;
  TspSkinCheckRadioBox* GroupBoxReplace_CheckBoxCaseSensitive = nullptr;
  TspSkinGroupBox* TabRebuild_GroupBoxRemove = nullptr;
  TspSkinGroupBox* TabRebuild_GroupBoxAutoFormat = nullptr;
  TspSkinStdLabel* GroupBoxOptions_LabelUseSelectedFormat = nullptr;
  TspSkinCheckRadioBox* GroupBoxOptions_CheckBoxUseSelectedFormat = nullptr;
  TspSkinComboBox* GroupBoxOptions_ComboBoxFormats = nullptr;
  TspSkinSpeedButton* GroupBoxOptions_SpeedButtonFormats = nullptr;
  TspSkinCheckRadioBox* GroupBoxOptions_CheckBoxAllWordsCaps = nullptr;
  TspSkinCheckRadioBox* GroupBoxOptions_CheckBoxCutTillNumber = nullptr;
  TspSkinGroupBox* TabRebuild_GroupBoxTrackStart = nullptr;
  TspSkinCheckRadioBox* GroupBoxTrackStart_CheckBoxUseStartNumber = nullptr;
  TspSkinStdLabel* GroupBoxTrackStart_LabelStart = nullptr;
  TspSkinEdit* GroupBoxTrackStart_EditTrack = nullptr;
  TspSkinGroupBox* TabSwitch_GroupBoxSwitch = nullptr;
  TspSkinStdLabel* GroupBoxSwitch_LabelBeforeSwitching = nullptr;
  TspSkinStdLabel* GroupBoxSwitch_LabelAfterSwitching = nullptr;
  TspSkinPanel* Form_PanelID3Tags = nullptr;
  TspSkinStdLabel* PanelID3Tags_LabelWarning = nullptr;
  TspSkinButton* PanelID3Tags_ButtonReadTags = nullptr;
  TspSkinStatusBar* Form_StatusBar = nullptr;
  TspSkinStatusPanel* StatusBar_PanelCurrentDir = nullptr;
  TspSkinStatusPanel* StatusBar_PanelSelectedFiles = nullptr;

  // --- Life cycle, layout and the grid (FormFileEditor.cpp) ---------------------------
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormResize(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  // Opens the listed files once, after the window's first paint (see FormShow); a
  // WM_TIMER sent to its handle runs it as the system would.
  TTimer* FileOpenTimer() const { return FFileOpenTimer; }
  // Every text of the window from the language table, the lists of the rename panel
  // refilled and the first switch preset applied; again after a change of language.
  void InitialiseLanguage();
  void InitialiseOptions();
  void PanelGrid_GridFileNamesSelectionChange(TObject* Sender);
  void PanelGrid_GridFileNamesRowMoved(TObject* Sender, int32_t FromIndex, int32_t ToIndex);
  // Shows Form_PanelRename or Form_PanelID3Tags below the grid.
  void PanelActivate(TspSkinPanel* Panel);
  void PanelSpeedButtons_SpeedButtonRenameClick(TObject* Sender);
  void PanelSpeedButtons_SpeedButtonTagsClick(TObject* Sender);
  // Pushes one of the panel's two speed buttons down; their group lets the other up.
  void PanelSpeedButtons_SpeedButtonDown(TspSkinSpeedButton* Button);

  // --- The rename panel (FileEditorRenamePanel.cpp) ------------------------------------
  void PanelRename_PageControlRenameChange(TObject* Sender);
  void PanelRebuild_ButtonPreviewClick(TObject* Sender);
  void PanelRebuild_ButtonRenameClick(TObject* Sender);
  void PanelRebuild_ButtonUndoClick(TObject* Sender);
  void PanelSwitch_ButtonPreviewClick(TObject* Sender);
  void PanelSwitch_ButtonRenameClick(TObject* Sender);
  void PanelSwitch_ButtonUndoClick(TObject* Sender);
  void GroupBoxReplace_SpeedButtonDeleteFindClick(TObject* Sender);
  void GroupBoxReplace_SpeedButtonDeleteReplaceByClick(TObject* Sender);
  void GroupBoxRemove_CheckBoxClick(TObject* Sender);
  void GroupBoxRemove_LabelChkboxClick(TObject* Sender);
  void GroupBoxOptions_CheckBoxUseSelectedFormatClick(TObject* Sender);
  void GroupBoxOptions_LabelUseSelectedFormatClick(TObject* Sender);
  void GroupBoxOptions_ComboBoxFormatsChange(TObject* Sender);
  void GroupBoxOptions_SpeedButtonFormatsClick(TObject* Sender);
  void GroupBoxOptions_CheckBoxAllWordsCapsClick(TObject* Sender);
  void GroupBoxOptions_CheckBoxCutTillNumberClick(TObject* Sender);
  void GroupBoxTrackStart_CheckBoxUseStartNumberClick(TObject* Sender);
  void GroupBoxTrackStart_LabelStartClick(TObject* Sender);
  void GroupBoxTrackStart_EditTrackChange(TObject* Sender);
  void GroupBoxTrackStart_EditTrackKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void GroupBoxTrackStart_EditTrackKeyPress(TObject* Sender, char& Key);
  void GroupBoxSwitch_ComboBoxChange(TObject* Sender);
  void GroupBoxSwitch_RadioButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void GroupBoxSwitch_RadioButtonKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  // The formats combo box refilled from the stored rename formats, the first chosen.
  void FillFormatsComboBox();

  // --- Menus and the ID3 tags panel (FileEditorMenus.cpp) -----------------------------
  void Menu_RenameClick(TObject* Sender);
  void Menu_ID3TagsClick(TObject* Sender);
  void Menu_ExitClick(TObject* Sender);
  void Form_ButtonCloseClick(TObject* Sender);
  void Menu_SelectAllClick(TObject* Sender);
  void Menu_SelectNoneClick(TObject* Sender);
  void Menu_SelectInvertClick(TObject* Sender);
  void Menu_AddedToRegistryClick(TObject* Sender);
  void Menu_SettingsClick(TObject* Sender);
  void Menu_LanguageClick(TObject* Sender);
  void Menu_HelpClick(TObject* Sender);
  void Menu_AboutClick(TObject* Sender);
  void PanelID3Tags_ButtonReadTagsClick(TObject* Sender);

private:
  static const TFormBindings& Bindings();
  // The core exists: the start-up got past making it and the window is not yet gone.
  bool CoreReady() const { return FRenamePanel != nullptr; }
  void TakeNamedComponents();
  void FileOpenTimerTimer(TObject* Sender);

  // TRenamePanelView
  void ShowButtons(const TRenameButtons& buttons) override;
  void ShowFileNames(const TFileGridContents& contents) override;
  void SelectRows(const std::vector<int32_t>& rows) override;

  // Layout (FormFileEditor.cpp).
  void FitGrid();
  void PlaceStatusPanels();
  void PlaceSpeedButtons();
  void FocusGrid();

  // The rename panel (FileEditorRenamePanel.cpp).
  void SetRenamePanelTexts();
  void SetSwitchPageTexts();
  // The rebuild page's boxes and what they enable, as the page's rules say now; the
  // boxes' own handlers see nothing of it.
  void ShowRebuildPage();
  // The ten combo boxes show Values, and the switch items take them.
  void GroupBoxSwitch_SetComboBoxes(const TSwitchItems& Values);
  // Runs a flow of the rename panel on the grid's current selection, with the
  // hourglass showing, and shows the rebuild page after it.
  template <class Flow>
  void RunRenameFlow(Flow flow);

  // Menus (FileEditorMenus.cpp).
  void SetMenuTexts();
  void BuildLanguageMenu();

  TProgramPlace FPlace;
  TShellVerbRegistry* FRegistry;
  std::unique_ptr<TShellVerbRegistry> FSystemRegistry;
  std::unique_ptr<TRebuildPage> FRebuildPage;
  std::unique_ptr<TRenamePanel> FRenamePanel;
  TTimer* FFileOpenTimer = nullptr;  // owned as a component
  int32_t FFirstDataRow = 1;
  bool FScrollBarShown = false;
  // The window sets boxes and lists itself: their handlers leave it alone meanwhile.
  bool FShowingState = false;
  std::array<TspSkinCheckRadioBox*, 7> FSectionBoxes{};
  std::array<TspSkinStdLabel*, 7> FSectionLabels{};
  std::array<TspSkinComboBox*, 10> FSwitchComboBoxes{};
};
