#include "FormTagEditor.h"

#include "FormFormatDialog.h"
#include "ProgramClasses.h"
#include "TagEditorWindow.h"
#include "WindowParts.h"

#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/rename/FileGridContents.h"
#include "app/rename/FormatBuilder.h"
#include "app/rename/Rename.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"
#include "app/win32/FormPlacement.h"
#include "app/windowrules/Core.h"
#include "app/windowrules/TagEditorWindowRules.h"
#include "app/windowrules/WindowPlacementState.h"

#include "grid/SkinStringGrid.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinData.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinPopupMenu.h"

#include "tags/ID3TagsUtils.h"
#include "tags/TagInfo.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/Menus.h"

#include "base/ScopeExit.h"
#include "base/StrUtils.h"

#include <utility>

namespace {

// The grid's column headings, a blank before each.
constexpr TLangText kColumnHeadings[TagColumnCount] = {
    TLangText::NumberColumn, TLangText::ID3Column,   TLangText::FilenameColumn, TLangText::ArtistColumn,
    TLangText::TitleColumn,  TLangText::TrackColumn, TLangText::TotalColumn,    TLangText::AlbumColumn,
    TLangText::YearColumn,   TLangText::GenreColumn, TLangText::CommentColumn};

// The MPEG panel's labels in the order of the panel's values: the captions of the third
// and fourth rows on the right carry each other's names.
constexpr const char* kMpegCaptionNames[MpegValueCount] = {"MpegVersion", "Bitrate",   "Frequency", "Size",
                                                           "CrcCheck",    "Copyright", "Original",  "Private"};
constexpr const char* kMpegValueNames[MpegValueCount] = {"MpegTypeText", "BitrateText",   "FrequencyText", "SizeText",
                                                         "CrcCheckText", "CopyrightText", "PrivateText",   "OriginalText"};

// The save-choice combos offer no tag or the version a tag is written with.
constexpr int kNoTag = 0;
constexpr int kID3v1Written = 2;
constexpr int kID3v2Written = 7;

// The field rows' components by the names of their fields.
constexpr std::array<const char*, TagFieldCount> kFieldNames = {"Title", "Artist", "Album", "Track",
                                                                "Genre", "Date",   "Comment"};

}  // namespace

TFormTagEditor::TFormTagEditor(TComponent* AOwner) : TForm(AOwner) {
  RegisterProgramClasses();
  ReadFormResource(*this, Bindings());
}

void TFormTagEditor::BeforeDestruction() {
  for (TspSkinData* data : {SkinDataNoEffects, SkinDataEffects})
    if (data != nullptr) data->SetCompressedStoredSkin(nullptr);
  TForm::BeforeDestruction();
}

const TFormBindings& TFormTagEditor::Bindings() {
  using F = TFormTagEditor;
  static const TFormBindings bindings = [] {
    TFormBindings b(TClassRegistry::Instance().TableOf<TForm>());
    b.Handler("FormCreate", &F::FormCreate)
        .Handler("FormShow", &F::FormShow)
        .Handler("FormResize", &F::FormResize)
        .Handler("FormClose", &F::FormClose)
        .Handler("FormDestroy", &F::FormDestroy)
        .Handler("PanelGrid_GridTagsSelectionChange", &F::PanelGrid_GridTagsSelectionChange)
        .Handler("PanelGrid_GridTagsMouseUp", &F::PanelGrid_GridTagsMouseUp)
        .Handler("PanelGrid_GridTagsContextPopup", &F::PanelGrid_GridTagsContextPopup)
        .Handler("PanelGrid_GridTagsKeyDown", &F::PanelGrid_GridTagsKeyDown)
        .Handler("PanelGrid_GridTagsKeyUp", &F::PanelGrid_GridTagsKeyUp)
        .Handler("GroupBoxActionOptions_ComboBoxID3v1Change", &F::GroupBoxActionOptions_ComboBoxID3v1Change)
        .Handler("GroupBoxActionOptions_ComboBoxID3v2Change", &F::GroupBoxActionOptions_ComboBoxID3v2Change)
        .Handler("GroupBoxFormat_SpeedButtonFormatClick", &F::GroupBoxFormat_SpeedButtonFormatClick)
        .Handler("PanelTagAction_ButtonChangeClick", &F::PanelTagAction_ButtonChangeClick)
        .Handler("PanelTagAction_ButtonSaveClick", &F::PanelTagAction_ButtonSaveClick)
        .Handler("PanelTagAction_ButtonUndoClick", &F::PanelTagAction_ButtonUndoClick)
        .Handler("PanelTagAction_ButtonCloseClick", &F::PanelTagAction_ButtonCloseClick)
        .Handler("Form_ButtonCloseClick", &F::Form_ButtonCloseClick)
        .Handler("PopupMenu_TagToFilenameClick", &F::PopupMenu_TagToFilenameClick)
        .Handler("PopupMenu_FilenameToTagAddClick", &F::PopupMenu_FilenameToTagAddClick)
        .Handler("PopupMenu_FilenameToTagReplaceClick", &F::PopupMenu_FilenameToTagReplaceClick)
        .Handler("PopupMenu_TagRemoveClick", &F::PopupMenu_TagRemoveClick)
        .Handler("PanelPrimaryTags_EditTitleChange", &F::PanelPrimaryTags_EditTitleChange)
        .Handler("PanelPrimaryTags_EditArtistChange", &F::PanelPrimaryTags_EditArtistChange)
        .Handler("PanelPrimaryTags_EditAlbumChange", &F::PanelPrimaryTags_EditAlbumChange)
        .Handler("PanelPrimaryTags_EditTrackNrChange", &F::PanelPrimaryTags_EditTrackNrChange)
        .Handler("PanelPrimaryTags_EditTrackTotalChange", &F::PanelPrimaryTags_EditTrackTotalChange)
        .Handler("PanelPrimaryTags_EditTrackTotalExit", &F::PanelPrimaryTags_EditTrackTotalExit)
        .Handler("PanelPrimaryTags_ComboBoxGenreChange", &F::PanelPrimaryTags_ComboBoxGenreChange)
        .Handler("PanelPrimaryTags_EditDateYearChange", &F::PanelPrimaryTags_EditDateYearChange)
        .Handler("PanelPrimaryTags_EditDateYearExit", &F::PanelPrimaryTags_EditDateYearExit)
        .Handler("PanelPrimaryTags_EditDateMonthChange", &F::PanelPrimaryTags_EditDateMonthChange)
        .Handler("PanelPrimaryTags_EditDateMonthExit", &F::PanelPrimaryTags_EditDateMonthExit)
        .Handler("PanelPrimaryTags_EditDateDayChange", &F::PanelPrimaryTags_EditDateDayChange)
        .Handler("PanelPrimaryTags_ComboBoxLanguageChange", &F::PanelPrimaryTags_ComboBoxLanguageChange)
        .Handler("PanelPrimaryTags_EditDescriptionChange", &F::PanelPrimaryTags_EditDescriptionChange)
        .Handler("PanelPrimaryTags_EditDescriptionExit", &F::PanelPrimaryTags_EditDescriptionExit)
        .Handler("PanelPrimaryTags_MemoCommentChange", &F::PanelPrimaryTags_MemoCommentChange)
        .Handler("PanelPrimaryTags_EditDigitKeyDown", &F::PanelPrimaryTags_EditDigitKeyDown)
        .Handler("PanelPrimaryTags_EditDigitKeyPress", &F::PanelPrimaryTags_EditDigitKeyPress)
        .Handler("PanelFieldOptions_ButtonClearAllFieldsClick", &F::PanelFieldOptions_ButtonClearAllFieldsClick)
        .Handler("PanelFieldOptions_LabelClearAllFieldsFocusControl",
                 &F::PanelFieldOptions_LabelClearAllFieldsFocusControl)
        .Handler("PanelFieldOptions_CheckBoxSelectedFieldsClick", &F::PanelFieldOptions_CheckBoxSelectedFieldsClick);
    // Each field's check box and delete button has its own handler name in the form.
    for (const char* field : kFieldNames) {
      b.Handler(std::string("PanelPrimaryTags_CheckBox") + field + "Click", &F::PanelPrimaryTags_CheckBoxClick);
      b.Handler(std::string("PanelPrimaryTags_ButtonDelete") + field + "Click", &F::PanelPrimaryTags_ButtonDeleteClick);
    }
    b.Field("SkinDataNoEffects", &F::SkinDataNoEffects)
        .Field("SkinDataEffects", &F::SkinDataEffects)
        .Field("DynSkinForm", &F::DynSkinForm)
        .Field("PanelGrid_LabelGridFileList", &F::PanelGrid_LabelGridFileList)
        .Field("PanelGrid_GridTags", &F::PanelGrid_GridTags)
        .Field("PanelGrid_ScrollBarHor", &F::PanelGrid_ScrollBarHor)
        .Field("PanelGrid_ScrollBarVert", &F::PanelGrid_ScrollBarVert)
        .Field("Form_StatusBar", &F::Form_StatusBar)
        .Field("StatusBar_PanelCurrentDir", &F::StatusBar_PanelCurrentDir)
        .Field("StatusBar_PanelSelectedFiles", &F::StatusBar_PanelSelectedFiles)
        .Field("Form_GroupBoxMpegInfo", &F::Form_GroupBoxMpegInfo)
        .Field("GroupBoxMpegInfo_Bevel", &F::GroupBoxMpegInfo_Bevel)
        .Field("PanelPrimaryTags_EditTitle", &F::PanelPrimaryTags_EditTitle)
        .Field("PanelPrimaryTags_EditArtist", &F::PanelPrimaryTags_EditArtist)
        .Field("PanelPrimaryTags_EditAlbum", &F::PanelPrimaryTags_EditAlbum)
        .Field("PanelPrimaryTags_EditTrackNr", &F::PanelPrimaryTags_EditTrackNr)
        .Field("PanelPrimaryTags_EditTrackTotal", &F::PanelPrimaryTags_EditTrackTotal)
        .Field("PanelPrimaryTags_LabelTrackOf", &F::PanelPrimaryTags_LabelTrackOf)
        .Field("PanelPrimaryTags_ComboBoxGenre", &F::PanelPrimaryTags_ComboBoxGenre)
        .Field("PanelPrimaryTags_EditDateYear", &F::PanelPrimaryTags_EditDateYear)
        .Field("PanelPrimaryTags_EditDateMonth", &F::PanelPrimaryTags_EditDateMonth)
        .Field("PanelPrimaryTags_EditDateDay", &F::PanelPrimaryTags_EditDateDay)
        .Field("PanelPrimaryTags_LabelLanguage", &F::PanelPrimaryTags_LabelLanguage)
        .Field("PanelPrimaryTags_ComboBoxLanguage", &F::PanelPrimaryTags_ComboBoxLanguage)
        .Field("PanelPrimaryTags_LabelDescription", &F::PanelPrimaryTags_LabelDescription)
        .Field("PanelPrimaryTags_EditDescription", &F::PanelPrimaryTags_EditDescription)
        .Field("PanelPrimaryTags_MemoComment", &F::PanelPrimaryTags_MemoComment)
        .Field("Form_GroupBoxActionOptions", &F::Form_GroupBoxActionOptions)
        .Field("GroupBoxActionOptions_LabelSaveWithID3v1", &F::GroupBoxActionOptions_LabelSaveWithID3v1)
        .Field("GroupBoxActionOptions_ComboBoxID3v1", &F::GroupBoxActionOptions_ComboBoxID3v1)
        .Field("GroupBoxActionOptions_LabelSaveWithID3v2", &F::GroupBoxActionOptions_LabelSaveWithID3v2)
        .Field("GroupBoxActionOptions_ComboBoxID3v2", &F::GroupBoxActionOptions_ComboBoxID3v2)
        .Field("PanelTagAction_ButtonChange", &F::PanelTagAction_ButtonChange)
        .Field("PanelTagAction_ButtonSave", &F::PanelTagAction_ButtonSave)
        .Field("PanelTagAction_ButtonUndo", &F::PanelTagAction_ButtonUndo)
        .Field("PanelTagAction_ButtonClose", &F::PanelTagAction_ButtonClose)
        .Field("Form_GroupBoxFormat", &F::Form_GroupBoxFormat)
        .Field("GroupBoxFormat_LabelFormat", &F::GroupBoxFormat_LabelFormat)
        .Field("GroupBoxFormat_ComboBoxFormat", &F::GroupBoxFormat_ComboBoxFormat)
        .Field("GroupBoxFormat_SpeedButtonFormat", &F::GroupBoxFormat_SpeedButtonFormat)
        .Field("PanelFieldOptions_CheckBoxSelectedFields", &F::PanelFieldOptions_CheckBoxSelectedFields)
        .Field("PanelFieldOptions_ButtonClearAllFields", &F::PanelFieldOptions_ButtonClearAllFields)
        .Field("PanelFieldOptions_LabelClearAllFields", &F::PanelFieldOptions_LabelClearAllFields)
        .Field("Form_GridPopupMenu", &F::Form_GridPopupMenu)
        .Field("PopupMenu_TagToFilename", &F::PopupMenu_TagToFilename)
        .Field("PopupMenu_FilenameToTag", &F::PopupMenu_FilenameToTag)
        .Field("PopupMenu_TagAddWithFilename", &F::PopupMenu_TagAddWithFilename)
        .Field("PopupMenu_TagReplaceByFilename", &F::PopupMenu_TagReplaceByFilename)
        .Field("PopupMenu_TagRemove", &F::PopupMenu_TagRemove);
    return b;
  }();
  return bindings;
}

void TFormTagEditor::TakeNamedComponents() {
  for (size_t i = 0; i < kFieldNames.size(); ++i) {
    const std::string field = kFieldNames[i];
    FFieldLabels[i] = &NamedComponent<TspSkinStdLabel>(*this, "PanelPrimaryTags_Label" + field);
    FFieldCheckBoxes[i] = &NamedComponent<TspSkinCheckRadioBox>(*this, "PanelPrimaryTags_CheckBox" + field);
    FDeleteButtons[i] = &NamedComponent<TspSkinSpeedButton>(*this, "PanelPrimaryTags_ButtonDelete" + field);
  }
  for (size_t i = 0; i < MpegValueCount; ++i) {
    FMpegCaptions[i] = &NamedComponent<TspSkinStdLabel>(*this, std::string("GroupBoxMpegInfo_Label") + kMpegCaptionNames[i]);
    FMpegValues[i] = &NamedComponent<TspSkinStdLabel>(*this, std::string("GroupBoxMpegInfo_Label") + kMpegValueNames[i]);
    FMpegColons[i] = &NamedComponent<TspSkinStdLabel>(*this, "GroupBoxMpegInfo_Label" + IntToStr(static_cast<int>(i) + 1));
  }
}

// --- Life cycle ---------------------------------------------------------------------------

void TFormTagEditor::FormCreate(TObject*) {
  FLoading = true;
  TakeNamedComponents();
  FModel = std::make_unique<TTagEditorModel>(*Settings, *Session, *FileList);
  RestorePlacement(
      Settings->Placement[piTagEditor], [this](int32_t width, int32_t height) { SetBounds(Left(), Top(), width, height); },
      [this] { DynSkinForm->SetWindowState(TspWindowState::Maximized); });
  for (TspSkinData* data : {SkinDataEffects, SkinDataNoEffects}) {
    data->SetSkinnableForm(true);
    data->SetCompressedStoredSkin(Settings->StoredSkin);
  }
  FFirstDataRow = PanelGrid_GridTags->FixedRows();
}

void TFormTagEditor::FormShow(TObject*) {
  InitialiseLanguage();
  InitialiseOptions();
  LoadTags();
  FLoading = false;
}

void TFormTagEditor::FormResize(TObject*) {
  if (ComponentState().Contains(csLoading) || !FModel) return;
  const auto state = static_cast<uint8_t>(DynSkinForm->WindowState());
  if (PlacementResized(Settings->Placement[piTagEditor], state, Width(), Height()).MoveToOrigin)
    SetBounds(0, 0, Width(), Height());
  if (!Settings->Placement[piTagEditor].Changed) return;
  PlaceStatusPanels();
  FitGrid();
}

void TFormTagEditor::FormClose(TObject*, TCloseAction& Action) {
  if (FModel->NothingToSave()) return;
  // The window is freed by ShowTagEditor once the modal loop ends.
  if (ShowMessageYesNo(LangText(TLangText::WarningCaption), LangText(TLangText::UnsavedChangesQuestion),
                       Settings->StoredSkin) != maYes)
    Action = caNone;
}

void TFormTagEditor::FormDestroy(TObject*) {
  // The grid outlives the model: its events find nothing to do from here on.
  PanelGrid_GridTags->OnSelectionChange = {};
  SavePlacement(*Settings, piTagEditor);
  FModel.reset();  // lets go of the grid's selection and the records
}

// --- Texts and options --------------------------------------------------------------------

void TFormTagEditor::InitialiseLanguage() {
  using enum TLangText;
  std::vector<std::string> genres, languages;
  for (int i = 0; i < GenreCount; ++i) genres.push_back(GenreName(i));
  for (int i = 0; i < LanguageCount; ++i) languages.push_back(LanguageName(i));
  SetLines(*PanelPrimaryTags_ComboBoxGenre->Items(), genres);
  SetLines(*PanelPrimaryTags_ComboBoxLanguage->Items(), languages);
  const std::pair<TMenuItem*, TLangText> items[] = {{PopupMenu_TagToFilename, TagToFilenameMenu},
                                                    {PopupMenu_FilenameToTag, FilenameToTagMenu},
                                                    {PopupMenu_TagAddWithFilename, AddTagFromFilenameMenu},
                                                    {PopupMenu_TagReplaceByFilename, ReplaceTagByFilenameMenu},
                                                    {PopupMenu_TagRemove, RemoveTagsMenu}};
  for (const auto& [item, text] : items) item->SetCaption(LangText(text));
  const std::pair<TControl*, TLangText> texts[] = {
      {Form_GroupBoxFormat, FormatByFoldersGroup},
      {GroupBoxFormat_LabelFormat, ContextMenuFormatLabel},
      {Form_GroupBoxMpegInfo, MpegInfoGroup},
      {PanelFieldOptions_CheckBoxSelectedFields, OnlyFilledFields},
      {PanelFieldOptions_LabelClearAllFields, ClearAllFieldsLabel},
      {FFieldLabels[tfTitle], TitleLabel},
      {FFieldLabels[tfArtist], ArtistLabel},
      {FFieldLabels[tfAlbum], AlbumLabel},
      {FFieldLabels[tfTrack], TrackLabel},
      {PanelPrimaryTags_LabelTrackOf, TrackOfLabel},
      {FFieldLabels[tfGenre], GenreLabel},
      {FFieldLabels[tfDate], DateLabel},
      {FFieldLabels[tfComment], CommentLabel},
      {PanelPrimaryTags_LabelLanguage, LanguageLabel},
      {PanelPrimaryTags_LabelDescription, DescriptionLabel},
      {Form_GroupBoxActionOptions, OptionsGroup},
      {GroupBoxActionOptions_LabelSaveWithID3v1, SaveWithLabel},
      {GroupBoxActionOptions_LabelSaveWithID3v2, SaveWithLabel},
      {PanelGrid_LabelGridFileList, FileListLabel},
      {PanelTagAction_ButtonChange, ChangeButton},
      {PanelTagAction_ButtonSave, SaveButton},
      {PanelTagAction_ButtonUndo, UndoButton},
      {PanelTagAction_ButtonClose, CloseButton}};
  for (const auto& [control, text] : texts) control->SetCaption(LangText(text));
  ShowMpegView(ShowMpegInfo(nullptr, {.Relabel = true}));  // the captions, no values yet
  SetLines(*GroupBoxActionOptions_ComboBoxID3v1->Items(), {TagVersionName(kNoTag), TagVersionName(kID3v1Written)});
  SetLines(*GroupBoxActionOptions_ComboBoxID3v2->Items(), {TagVersionName(kNoTag), TagVersionName(kID3v2Written)});
  for (int column = 0; column < TagColumnCount; ++column)
    PanelGrid_GridTags->SetCells(column, 0, " " + LangText(kColumnHeadings[column]));
  StatusBar_PanelCurrentDir->SetCaption(ExcludeTrailingBackslash(Settings->WorkingFolder));
  PlaceCaptionedFields();
}

void TFormTagEditor::InitialiseOptions() {
  const std::array<int32_t, 2> choices = FModel->InitialiseOptions(PanelGrid_GridTags->GetSelectedRows());
  GroupBoxFormat_ComboBoxFormat->SetWidth(FormatComboWidth(
      Form_GroupBoxFormat->Width(), GroupBoxFormat_ComboBoxFormat->Left(), GroupBoxFormat_SpeedButtonFormat->Width()));
  PanelPrimaryTags_ComboBoxLanguage->SetItemIndex(FModel->DefaultLanguage());
  GroupBoxActionOptions_ComboBoxID3v1->SetItemIndex(choices[0]);
  GroupBoxActionOptions_ComboBoxID3v2->SetItemIndex(choices[1]);
  FillFormatCombo();
  ShowSaveButtons();
  PlaceStatusPanels();
  CenterFormOnForm(Application->MainForm(), this);
}

void TFormTagEditor::FillFormatCombo() {
  TspSkinComboBox& combo = *GroupBoxFormat_ComboBoxFormat;
  if (Settings->TagFormats.Count() > 0) SetLines(*combo.Items(), FormatExampleFileNames(*Settings, Settings->TagFormats));
  combo.SetItemIndex(TagFormatComboIndex(Settings->PreferredTagFormat, combo.Items()->Count()));
}

// --- The grid -----------------------------------------------------------------------------

void TFormTagEditor::LoadTags() {
  TDynSkinStringGrid& grid = *PanelGrid_GridTags;
  const int32_t count = Settings->MainSelection.GetCount();
  if (count == 0) return;  // the main window opens no editor without a selection
  grid.SetDataRowCount(count);
  FitGrid();
  ShowLoadedRows(FModel->LoadTags());
}

void TFormTagEditor::ShowLoadedRows(int32_t currentRow) {
  TDynSkinStringGrid& grid = *PanelGrid_GridTags;
  grid.BeginUpdate();
  for (int32_t row = 0; row < FModel->RowCount(); ++row)
    grid.SetCellEnabled(0, FFirstDataRow + row, FModel->TagInfo(row).IsValid);
  if (currentRow >= 0) grid.SetRow(FFirstDataRow + currentRow);
  FillRows(0, FModel->RowCount() - 1);
  grid.EndUpdate();
}

void TFormTagEditor::FillRows(int32_t from, int32_t to) {
  TDynSkinStringGrid& grid = *PanelGrid_GridTags;
  grid.BeginUpdate();
  for (int32_t row = from; row <= to; ++row) FillRowCells(row);
  grid.EndUpdate();
  PanelGrid_GridTagsDataChange(&grid);
}

void TFormTagEditor::FillRowCells(int32_t row) {
  const TRowCells cells = FModel->RowCells(row);
  for (int column = 0; column < TagColumnCount; ++column)
    PanelGrid_GridTags->SetCells(column, FFirstDataRow + row, cells[static_cast<size_t>(column)]);
}

void TFormTagEditor::PanelGrid_GridTagsDataChange(TObject*) {
  if (!FModel) return;
  PanelGrid_GridTags->UpdateSelectedRows();
  const TDataChange change = FModel->DataChange(PanelGrid_GridTags->Row() - FFirstDataRow);
  if (change.MarksCleared) RecolourLabels();
  if (change.FieldOptionsEnabled) EnableFieldOptions(*change.FieldOptionsEnabled);
  if (change.FieldsEnabled) EnableFields(*change.FieldsEnabled);
  if (change.Editors) ShowEditors(*change.Editors);
  if (change.Mpeg) ShowMpegView(*change.Mpeg);
  RecolourSaveChoices(change.SaveChoices);
  PanelTagAction_ButtonChange->SetEnabled(change.ChangeEnabled);
}

void TFormTagEditor::PanelGrid_GridTagsSelectionChange(TObject*) {
  if (FModel) StatusBar_PanelSelectedFiles->SetCaption(SelectedFilesText(PanelGrid_GridTags->SelectedCount()));
}

void TFormTagEditor::PanelGrid_GridTagsMouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  if (Button == mbLeft) PanelGrid_GridTagsDataChange(PanelGrid_GridTags);
  if (Button != mbRight) return;
  const TPoint at = PanelGrid_GridTags->ClientToScreen({X, Y});
  PopupGridMenu({at.X - ContextMenuOffset, at.Y - ContextMenuOffset});
}

void TFormTagEditor::PanelGrid_GridTagsContextPopup(TObject*, TPoint MousePos, bool& Handled) {
  if (MousePos != KeyboardMenuRequest) return;  // the pointer's opened as the button came up
  Handled = true;
  TDynSkinStringGrid& grid = *PanelGrid_GridTags;
  PopupGridMenu(grid.ClientToScreen(grid.KeyboardMenuPoint()));
}

void TFormTagEditor::PopupGridMenu(TPoint At) {
  if (PanelGrid_GridTags->SelectedCount() > 0) Form_GridPopupMenu->Popup(At.X, At.Y);
}

void TFormTagEditor::PanelGrid_GridTagsKeyDown(TObject*, uint16_t& Key, TShiftState Shift) {
  if (Shift != TShiftState{ssCtrl}) return;
  if (const std::optional<int> mode = GridSelectionKeyMode(Key)) PanelGrid_GridTags->SelectRows(*mode);
  PanelGrid_GridTagsDataChange(PanelGrid_GridTags);
}

void TFormTagEditor::PanelGrid_GridTagsKeyUp(TObject*, uint16_t& Key, TShiftState) {
  if (IsGridNavigationKey(Key)) PanelGrid_GridTagsDataChange(PanelGrid_GridTags);
}

void TFormTagEditor::FocusGrid() {
  if (PanelGrid_GridTags->CanFocus()) PanelGrid_GridTags->SetFocus();
}

// --- Layout -------------------------------------------------------------------------------

void TFormTagEditor::FitGrid() {
  TDynSkinStringGrid& grid = *PanelGrid_GridTags;
  const TTagGridFit fit = FitTagGrid(
      {grid.Left(), grid.Width(), grid.Height(), grid.ClientWidth(), grid.RowCount(), grid.DefaultRowHeight(), FGridNarrowed});
  FGridNarrowed = fit.ScrollBarShown;
  grid.SetWidth(fit.Width);
  for (int column = 0; column < TagColumnCount; ++column)
    grid.SetColWidths(column, fit.ColumnWidths[static_cast<size_t>(column)]);
  PanelGrid_ScrollBarVert->SetBounds(fit.VScrollBarLeft, grid.Top(), PanelGrid_ScrollBarVert->Width(), fit.VScrollBarHeight);
  PanelGrid_ScrollBarHor->SetBounds(grid.Left(), grid.Top() + grid.Height(), fit.HScrollBarWidth,
                                    PanelGrid_ScrollBarHor->Height());
}

void TFormTagEditor::PlaceStatusPanels() {
  const TStatusPanelSpans spans =
      StatusPanelSpans(Form_StatusBar->Width(), Canvas()->TextWidth(LangText(TLangText::SelectedFilesStatus)),
                       StatusBar_PanelSelectedFiles->WidthToShow(SelectedFilesText(MaxListedFiles)));
  StatusBar_PanelCurrentDir->SetWidth(spans.Folder.Length);
  StatusBar_PanelSelectedFiles->SetWidth(spans.SelectedFiles.Length);
}

// --- The MPEG panel -----------------------------------------------------------------------

void TFormTagEditor::ShowMpegView(const TMpegPanelView& view) {
  if (view.Look) {
    for (size_t i = 0; i < MpegValueCount; ++i) {
      FMpegCaptions[i]->SetCaption(view.Look->Captions[i]);
      if (i > 0) FMpegColons[i]->SetCaption(view.Look->ColonsShown ? ":" : "");
    }
    GroupBoxMpegInfo_Bevel->SetVisible(view.Look->BevelShown);
    PlaceMpegCaptions();
  }
  for (size_t i = 0; i < MpegValueCount; ++i)
    if (view.Values[i]) FMpegValues[i]->SetCaption(*view.Values[i]);
}

// --- Save choices -------------------------------------------------------------------------

void TFormTagEditor::GroupBoxActionOptions_ComboBoxID3v1Change(TObject*) {
  FModel->SetSaveChoice(false, GroupBoxActionOptions_ComboBoxID3v1->Text());
  if (!FLoading) RecolourSaveChoices(FModel->RecolourSaveChoices());
}

void TFormTagEditor::GroupBoxActionOptions_ComboBoxID3v2Change(TObject*) {
  FModel->SetSaveChoice(true, GroupBoxActionOptions_ComboBoxID3v2->Text());
  if (!FLoading) RecolourSaveChoices(FModel->RecolourSaveChoices());
}

void TFormTagEditor::RecolourSaveChoices(const TSaveChoiceLook& look) {
  GroupBoxActionOptions_LabelSaveWithID3v1->Font()->SetColor(MarkerColour(look.ID3v1Differs));
  GroupBoxActionOptions_LabelSaveWithID3v2->Font()->SetColor(MarkerColour(look.ID3v2Differs));
  UpdateChangeButton();
}

// --- Commands -----------------------------------------------------------------------------

template <class Command>
auto TFormTagEditor::RunBusy(Command command) {
  THourglass hourglass;
  SetEnabled(false);
  TScopeExit enable([this] {
    SetEnabled(true);
    // A message shown meanwhile activated this window again while it was disabled, which
    // left the focus on the window itself: its active control takes it back.
    if (Showing()) SetFocus();
  });
  return command();
}

TBusyRunner TFormTagEditor::BusyRunner() {
  return [this](const std::function<void()>& work) { RunBusy(work); };
}

void TFormTagEditor::ShowCommandResult(const TCommandResult& result) {
  if (result.CurrentRow) {
    ShowLoadedRows(*result.CurrentRow);
  } else {
    PanelGrid_GridTags->BeginUpdate();
    for (int32_t row : result.Rows) FillRowCells(row);
    PanelGrid_GridTags->EndUpdate();
  }
  if (result.Editors) ShowEditors(*result.Editors);
  if (result.MarksCleared) RecolourLabels();
  ShowSaveButtons();
}

void TFormTagEditor::ShowSaveButtons() {
  PanelTagAction_ButtonSave->SetEnabled(!FModel->NothingToSave());
  PanelTagAction_ButtonUndo->SetEnabled(!FModel->NothingToSave());
}

void TFormTagEditor::PanelTagAction_ButtonChangeClick(TObject*) {
  PanelGrid_GridTags->UpdateSelectedRows();
  TFieldEditorValues editors = ReadEditors();
  std::array<bool, TagFieldCount> ticked{};
  for (size_t i = 0; i < ticked.size(); ++i) ticked[i] = FFieldCheckBoxes[i]->Checked();
  // Busy only while the fields go to the files: a question before comes without it.
  const TCommandResult result = FModel->ChangeButton(editors, ticked, BusyRunner());
  if (!result.Proceeded) {
    PanelPrimaryTags_MemoComment->SetFocus();
    return;
  }
  FocusGrid();
  ShowEditors(editors);  // a description without comment was dropped
  ShowCommandResult(result);
  ShowCheckBox(*PanelFieldOptions_CheckBoxSelectedFields, false, PanelFieldOptions_CheckBoxSelectedFields->Enabled());
  ApplySelectedFieldsState();
  PanelGrid_GridTagsDataChange(PanelGrid_GridTags);
}

void TFormTagEditor::PanelTagAction_ButtonSaveClick(TObject*) {
  FocusGrid();
  // Busy only while the tags are written: the renames, the reports and their messages
  // come after it.
  ShowCommandResult(FModel->Save(BusyRunner()));
  ShowCheckBox(*PanelFieldOptions_CheckBoxSelectedFields, false, PanelFieldOptions_CheckBoxSelectedFields->Enabled());
  UpdateChangeButton();
}

void TFormTagEditor::PanelTagAction_ButtonUndoClick(TObject*) {
  PanelGrid_GridTags->SelectRows(1);  // the current row alone
  FocusGrid();
  ShowCommandResult(RunBusy([&] { return FModel->Undo(); }));
}

void TFormTagEditor::PanelTagAction_ButtonCloseClick(TObject*) { Close(); }

void TFormTagEditor::Form_ButtonCloseClick(TObject*) { Close(); }

void TFormTagEditor::GroupBoxFormat_SpeedButtonFormatClick(TObject*) {
  ExecuteFormatDialog(1);
  FillFormatCombo();
}

template <class Command>
void TFormTagEditor::RunRowsCommand(Command command) {
  PanelGrid_GridTags->UpdateSelectedRows();
  ShowCommandResult(RunBusy(command));
  PanelGrid_GridTagsDataChange(PanelGrid_GridTags);
}

void TFormTagEditor::PopupMenu_TagToFilenameClick(TObject*) {
  RunRowsCommand([this] { return FModel->TagToFilename(GroupBoxFormat_ComboBoxFormat->ItemIndex()); });
}

void TFormTagEditor::PopupMenu_FilenameToTagAddClick(TObject*) {
  RunRowsCommand([this] { return FModel->FilenameToTag(false, GroupBoxFormat_ComboBoxFormat->ItemIndex()); });
}

void TFormTagEditor::PopupMenu_FilenameToTagReplaceClick(TObject*) {
  RunRowsCommand([this] { return FModel->FilenameToTag(true, GroupBoxFormat_ComboBoxFormat->ItemIndex()); });
}

void TFormTagEditor::PopupMenu_TagRemoveClick(TObject*) {
  RunRowsCommand([this] { return FModel->RemoveTags(); });
}

void ShowTagEditor(TComponent* owner) {
  auto* editor = new TFormTagEditor(owner);
  TScopeExit free([editor] { editor->Free(); });
  editor->ShowModal();
}
