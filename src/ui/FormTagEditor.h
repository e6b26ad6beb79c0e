#pragma once
// The tag editor: the tags of the files selected in the main window, one grid row per
// file, the field editors that apply values to the selected rows, saving with its
// report, undo, tags from file names and names from tags, and the focused file's MPEG
// data. Its rules are app/TagEditorModel's: the window moves values between its controls
// and the model and shows what the model's commands return.
//
// Files: FormTagEditor.cpp (life cycle, texts, the grid, the commands and the MPEG
// panel), TagEditorFields.cpp (the field editors, their check boxes and delete buttons).

#include "app/tageditor/TagEditorModel.h"

#include "classlib/Form.h"
#include "classlib/FormBindings.h"

#include <array>
#include <memory>

class TDynSkinStringGrid;
class TspDynamicSkinForm;
class TspSkinBevel;
class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinComboBox;
class TspSkinData;
class TspSkinEdit;
class TspSkinGroupBox;
class TspSkinMemo;
class TspSkinPanel;
class TspSkinPopupMenu;
class TspSkinScrollBar;
class TspSkinSpeedButton;
class TspSkinStatusBar;
class TspSkinStatusPanel;
class TspSkinStdLabel;
class TMenuItem;

class TFormTagEditor : public TForm {
public:
  explicit TFormTagEditor(TComponent* AOwner);
  // The shared stored skin is let go before the components go: the window never changes
  // or frees it.
  void BeforeDestruction() override;

  // --- The components of the form resource -------------------------------------------
  TspSkinData* SkinDataNoEffects = nullptr;
  TspSkinData* SkinDataEffects = nullptr;
  TspDynamicSkinForm* DynSkinForm = nullptr;
  TspSkinStdLabel* PanelGrid_LabelGridFileList = nullptr;
  TDynSkinStringGrid* PanelGrid_GridTags = nullptr;
  TspSkinScrollBar* PanelGrid_ScrollBarHor = nullptr;
  TspSkinScrollBar* PanelGrid_ScrollBarVert = nullptr;
  TspSkinStatusBar* Form_StatusBar = nullptr;
  TspSkinStatusPanel* StatusBar_PanelCurrentDir = nullptr;
  TspSkinStatusPanel* StatusBar_PanelSelectedFiles = nullptr;
  TspSkinGroupBox* Form_GroupBoxMpegInfo = nullptr;
  TspSkinBevel* GroupBoxMpegInfo_Bevel = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditTitle = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditArtist = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditAlbum = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditTrackNr = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditTrackTotal = nullptr;
  TspSkinStdLabel* PanelPrimaryTags_LabelTrackOf = nullptr;
  TspSkinComboBox* PanelPrimaryTags_ComboBoxGenre = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditDateYear = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditDateMonth = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditDateDay = nullptr;
  TspSkinStdLabel* PanelPrimaryTags_LabelLanguage = nullptr;
  TspSkinComboBox* PanelPrimaryTags_ComboBoxLanguage = nullptr;
  TspSkinStdLabel* PanelPrimaryTags_LabelDescription = nullptr;
  TspSkinEdit* PanelPrimaryTags_EditDescription = nullptr;
  TspSkinMemo* PanelPrimaryTags_MemoComment = nullptr;
  TspSkinGroupBox* Form_GroupBoxActionOptions = nullptr;
  TspSkinStdLabel* GroupBoxActionOptions_LabelSaveWithID3v1 = nullptr;
  TspSkinComboBox* GroupBoxActionOptions_ComboBoxID3v1 = nullptr;
  TspSkinStdLabel* GroupBoxActionOptions_LabelSaveWithID3v2 = nullptr;
  TspSkinComboBox* GroupBoxActionOptions_ComboBoxID3v2 = nullptr;
  TspSkinButton* PanelTagAction_ButtonChange = nullptr;
  TspSkinButton* PanelTagAction_ButtonSave = nullptr;
  TspSkinButton* PanelTagAction_ButtonUndo = nullptr;
  TspSkinButton* PanelTagAction_ButtonClose = nullptr;
  TspSkinGroupBox* Form_GroupBoxFormat = nullptr;
  TspSkinStdLabel* GroupBoxFormat_LabelFormat = nullptr;
  TspSkinComboBox* GroupBoxFormat_ComboBoxFormat = nullptr;
  TspSkinSpeedButton* GroupBoxFormat_SpeedButtonFormat = nullptr;
  TspSkinCheckRadioBox* PanelFieldOptions_CheckBoxSelectedFields = nullptr;
  TspSkinSpeedButton* PanelFieldOptions_ButtonClearAllFields = nullptr;
  TspSkinStdLabel* PanelFieldOptions_LabelClearAllFields = nullptr;
  TspSkinPopupMenu* Form_GridPopupMenu = nullptr;
  TMenuItem* PopupMenu_TagToFilename = nullptr;
  TMenuItem* PopupMenu_FilenameToTag = nullptr;
  TMenuItem* PopupMenu_TagAddWithFilename = nullptr;
  TMenuItem* PopupMenu_TagReplaceByFilename = nullptr;
  TMenuItem* PopupMenu_TagRemove = nullptr;

  // --- Life cycle, texts, the grid and the commands (FormTagEditor.cpp) ---------------
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormResize(TObject* Sender);
  // Asks before pending changes are thrown away.
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  void InitialiseLanguage();
  void InitialiseOptions();
  // Reads the files selected in the main window into the grid.
  void LoadTags();
  void FillFormatCombo();
  void FitGrid();
  // The refresh after the grid's selection or current row changed and after every
  // command: the editors, the MPEG panel, the save choices' colours, the Change button.
  void PanelGrid_GridTagsDataChange(TObject* Sender);
  void PanelGrid_GridTagsSelectionChange(TObject* Sender);
  // The right button's release opens the grid's menu at the pointer; the context-menu key
  // and Shift+F10 open it below the focused row (PanelGrid_GridTagsContextPopup).
  void PanelGrid_GridTagsMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PanelGrid_GridTagsContextPopup(TObject* Sender, TPoint MousePos, bool& Handled);
  void PanelGrid_GridTagsKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void PanelGrid_GridTagsKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void GroupBoxActionOptions_ComboBoxID3v1Change(TObject* Sender);
  void GroupBoxActionOptions_ComboBoxID3v2Change(TObject* Sender);
  void GroupBoxFormat_SpeedButtonFormatClick(TObject* Sender);
  void PanelTagAction_ButtonChangeClick(TObject* Sender);
  void PanelTagAction_ButtonSaveClick(TObject* Sender);
  void PanelTagAction_ButtonUndoClick(TObject* Sender);
  void PanelTagAction_ButtonCloseClick(TObject* Sender);
  void Form_ButtonCloseClick(TObject* Sender);
  void PopupMenu_TagToFilenameClick(TObject* Sender);
  void PopupMenu_FilenameToTagAddClick(TObject* Sender);
  void PopupMenu_FilenameToTagReplaceClick(TObject* Sender);
  void PopupMenu_TagRemoveClick(TObject* Sender);

  // --- The field editors (TagEditorFields.cpp) ------------------------------------------
  void PanelPrimaryTags_EditTitleChange(TObject* Sender);
  void PanelPrimaryTags_EditArtistChange(TObject* Sender);
  void PanelPrimaryTags_EditAlbumChange(TObject* Sender);
  void PanelPrimaryTags_EditTrackNrChange(TObject* Sender);
  void PanelPrimaryTags_EditTrackTotalChange(TObject* Sender);
  void PanelPrimaryTags_EditTrackTotalExit(TObject* Sender);
  void PanelPrimaryTags_ComboBoxGenreChange(TObject* Sender);
  void PanelPrimaryTags_EditDateYearChange(TObject* Sender);
  void PanelPrimaryTags_EditDateYearExit(TObject* Sender);
  void PanelPrimaryTags_EditDateMonthChange(TObject* Sender);
  void PanelPrimaryTags_EditDateMonthExit(TObject* Sender);
  void PanelPrimaryTags_EditDateDayChange(TObject* Sender);
  void PanelPrimaryTags_ComboBoxLanguageChange(TObject* Sender);
  void PanelPrimaryTags_EditDescriptionChange(TObject* Sender);
  void PanelPrimaryTags_EditDescriptionExit(TObject* Sender);
  void PanelPrimaryTags_MemoCommentChange(TObject* Sender);
  void PanelPrimaryTags_EditDigitKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void PanelPrimaryTags_EditDigitKeyPress(TObject* Sender, char& Key);
  // The seven field check boxes and delete buttons, told apart by their names.
  void PanelPrimaryTags_CheckBoxClick(TObject* Sender);
  void PanelPrimaryTags_ButtonDeleteClick(TObject* Sender);
  void PanelFieldOptions_ButtonClearAllFieldsClick(TObject* Sender);
  void PanelFieldOptions_LabelClearAllFieldsFocusControl(TObject* Sender);
  void PanelFieldOptions_CheckBoxSelectedFieldsClick(TObject* Sender);

  const TTagEditorModel& Model() const { return *FModel; }

private:
  static const TFormBindings& Bindings();
  void TakeNamedComponents();

  // Rows and commands (FormTagEditor.cpp).
  // The rows as the model read them from the files: invalid rows disabled, the current
  // row, every row's cells.
  void ShowLoadedRows(int32_t currentRow);
  // The cells of the data rows from and to, then the refresh.
  void FillRows(int32_t from, int32_t to);
  // Every cell of the row, from its record's pending state: also the fields the last
  // change left alone, which a change of the save choices may show from the other tag.
  void FillRowCells(int32_t row);
  void ShowCommandResult(const TCommandResult& result);
  void ShowMpegView(const TMpegPanelView& view);
  // Fields, check boxes and buttons moved and sized for the captions of the language
  // (TagEditorCaptions.cpp); the MPEG panel's for its captions of the moment.
  void PlaceCaptionedFields();
  void PlaceMpegCaptions();
  void ShowSaveButtons();
  void RecolourSaveChoices(const TSaveChoiceLook& look);
  void FocusGrid();
  // The grid's menu at a screen point, while a row is selected (its commands work on the
  // selected rows).
  void PopupGridMenu(TPoint At);
  void PlaceStatusPanels();
  // Runs a command with the window disabled and the hourglass showing, both given back
  // also when it raises.
  template <class Command>
  auto RunBusy(Command command);
  // The same for the part of a model's command that works through the files.
  TBusyRunner BusyRunner();
  // A command on the grid's selected rows, then the refresh.
  template <class Command>
  void RunRowsCommand(Command command);

  // The field editors (TagEditorFields.cpp).
  TFieldEditorValues ReadEditors() const;
  // Writes only what differs, so that an editor being typed in keeps its caret.
  void ShowEditors(const TFieldEditorValues& values);
  // The total, month, day and memo enabled beside what they depend on.
  void EnableDependentEditors();
  void EnableFields(bool on);
  void EnableFieldOptions(bool on);
  void ApplySelectedFieldsState();
  // A change the user made in an editor: its field's mark, label colour and check box.
  void EditorEdited(TFieldEditor editor);
  // A digit edit the user edited: its mark, then the bounds of the track or the date.
  void DigitEditEdited(TspSkinEdit& edit, TFieldEditor editor);
  // The total beside the number: while the user types (CheckTrack), or taken on leaving
  // its edit (TakeTrackTotal).
  using TTrackRule = TTrackEditors (*)(TTrackEditors);
  void ApplyTrackRule(TTrackRule rule);
  void ApplyDateRule();
  void ShowDependentEdit(TspSkinEdit& edit, const std::string& text, bool enabled);
  void DeleteField(TTagField field);
  void RecolourLabel(TTagField field);
  void RecolourLabels();
  void UpdateChangeButton();
  // A label's colour: the second marker colour for a changed value, else the first.
  static TColor MarkerColour(bool changed);

  std::unique_ptr<TTagEditorModel> FModel;
  std::array<TspSkinStdLabel*, TagFieldCount> FFieldLabels{};
  std::array<TspSkinCheckRadioBox*, TagFieldCount> FFieldCheckBoxes{};
  std::array<TspSkinSpeedButton*, TagFieldCount> FDeleteButtons{};
  std::array<TspSkinStdLabel*, MpegValueCount> FMpegCaptions{};
  std::array<TspSkinStdLabel*, MpegValueCount> FMpegValues{};
  std::array<TspSkinStdLabel*, MpegValueCount> FMpegColons{};
  int32_t FFirstDataRow = 1;
  bool FLoading = true;
  bool FGridNarrowed = false;
};
