// The tag editor's field editors: what the user types marks its field, the digit edits
// and their bounds, the field check boxes, the delete buttons and the selected-fields
// option. Values the program writes into an editor mark nothing: the change handlers act
// only while their own editor has the focus.
#include "FormTagEditor.h"

#include "WindowParts.h"

#include "app/language/Translation.h"
#include "app/settings/Session.h"
#include "app/windowrules/TagEditorWindowRules.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStdLabel.h"

#include "tags/ID3TagsUtils.h"

#include <algorithm>

namespace {

// The language list's blank entry, shown while the fields are disabled.
constexpr int32_t kLanguageBlank = LanguageCount - 1;

// Whether the control or a window inside it (a combo box's edit) has the focus.
bool HasFocus(TWinControl& control) {
  if (!control.HandleAllocated()) return false;
  const HWND focus = GetFocus();
  return focus != nullptr && (focus == control.Handle() || IsChild(control.Handle(), focus) != 0);
}

void SetTextIfDiffers(TWinControl& control, const std::string& text) {
  if (control.Text() != text) control.SetText(text);
}

template <size_t N, class T>
int FieldIndexOf(const std::array<T*, N>& components, const TObject* Sender) {
  const auto found = std::find(components.begin(), components.end(), Sender);
  return found == components.end() ? -1 : static_cast<int>(found - components.begin());
}

}  // namespace

// --- Editors and their values ---------------------------------------------------------------

TFieldEditorValues TFormTagEditor::ReadEditors() const {
  TFieldEditorValues values;
  values.Title = PanelPrimaryTags_EditTitle->Text();
  values.Artist = PanelPrimaryTags_EditArtist->Text();
  values.Album = PanelPrimaryTags_EditAlbum->Text();
  values.TrackNr = PanelPrimaryTags_EditTrackNr->Text();
  values.TrackTotal = PanelPrimaryTags_EditTrackTotal->Text();
  values.Genre = PanelPrimaryTags_ComboBoxGenre->ItemIndex();
  values.Year = PanelPrimaryTags_EditDateYear->Text();
  values.Month = PanelPrimaryTags_EditDateMonth->Text();
  values.Day = PanelPrimaryTags_EditDateDay->Text();
  values.Language = PanelPrimaryTags_ComboBoxLanguage->ItemIndex();
  values.Description = PanelPrimaryTags_EditDescription->Text();
  values.Comment = PanelPrimaryTags_MemoComment->Text();
  return values;
}

void TFormTagEditor::ShowEditors(const TFieldEditorValues& values) {
  const std::pair<TWinControl*, const std::string*> texts[] = {
      {PanelPrimaryTags_EditTitle, &values.Title},         {PanelPrimaryTags_EditArtist, &values.Artist},
      {PanelPrimaryTags_EditAlbum, &values.Album},         {PanelPrimaryTags_EditTrackNr, &values.TrackNr},
      {PanelPrimaryTags_EditTrackTotal, &values.TrackTotal}, {PanelPrimaryTags_EditDateYear, &values.Year},
      {PanelPrimaryTags_EditDateMonth, &values.Month},     {PanelPrimaryTags_EditDateDay, &values.Day},
      {PanelPrimaryTags_EditDescription, &values.Description}, {PanelPrimaryTags_MemoComment, &values.Comment}};
  for (const auto& [control, text] : texts) SetTextIfDiffers(*control, *text);
  if (PanelPrimaryTags_ComboBoxGenre->ItemIndex() != values.Genre) PanelPrimaryTags_ComboBoxGenre->SetItemIndex(values.Genre);
  if (PanelPrimaryTags_ComboBoxLanguage->ItemIndex() != values.Language)
    PanelPrimaryTags_ComboBoxLanguage->SetItemIndex(values.Language);
  EnableDependentEditors();
}

void TFormTagEditor::EnableDependentEditors() {
  const bool on = PanelPrimaryTags_EditTitle->Enabled();
  PanelPrimaryTags_EditTrackTotal->SetEnabled(on && !PanelPrimaryTags_EditTrackNr->Text().empty());
  PanelPrimaryTags_EditDateMonth->SetEnabled(on && !PanelPrimaryTags_EditDateYear->Text().empty());
  PanelPrimaryTags_EditDateDay->SetEnabled(on && !PanelPrimaryTags_EditDateMonth->Text().empty());
  PanelPrimaryTags_MemoComment->SetEnabled(on && MemoEnabled(PanelPrimaryTags_EditDescription->Text()));
}

void TFormTagEditor::EnableFields(bool on) {
  if (!on) {
    TFieldEditorValues empty;
    empty.Genre = GenreBlank;
    empty.Language = kLanguageBlank;
    ShowEditors(empty);
  }
  TWinControl* const editors[] = {PanelPrimaryTags_EditTitle,        PanelPrimaryTags_EditArtist,
                                  PanelPrimaryTags_EditAlbum,        PanelPrimaryTags_EditTrackNr,
                                  PanelPrimaryTags_ComboBoxGenre,    PanelPrimaryTags_EditDateYear,
                                  PanelPrimaryTags_ComboBoxLanguage, PanelPrimaryTags_EditDescription};
  for (TWinControl* editor : editors) editor->SetEnabled(on);
  EnableDependentEditors();
}

// --- Editing a field ----------------------------------------------------------------------

void TFormTagEditor::EditorEdited(TFieldEditor editor) {
  const bool mark = FModel->EditorChanged(editor, ReadEditors());
  const TTagField field = FieldOf(editor);
  RecolourLabel(field);
  FFieldCheckBoxes[field]->SetChecked(mark);  // a disabled box keeps its state
  UpdateChangeButton();
}

void TFormTagEditor::ShowDependentEdit(TspSkinEdit& edit, const std::string& text, bool enabled) {
  SetTextIfDiffers(edit, text);
  if (edit.Enabled() == enabled) return;
  edit.SetEnabled(enabled);
  edit.SetColor(enabled ? clWindow : clBtnFace);
}

void TFormTagEditor::ApplyTrackRule(TTrackRule rule) {
  const TTrackEditors track = rule({PanelPrimaryTags_EditTrackNr->Text(), PanelPrimaryTags_EditTrackTotal->Text()});
  ShowDependentEdit(*PanelPrimaryTags_EditTrackTotal, track.TrackTotal, track.TotalEnabled);
}

void TFormTagEditor::ApplyDateRule() {
  const TDateEditors date = CheckDate(
      {PanelPrimaryTags_EditDateYear->Text(), PanelPrimaryTags_EditDateMonth->Text(), PanelPrimaryTags_EditDateDay->Text()});
  ShowDependentEdit(*PanelPrimaryTags_EditDateMonth, date.Month, date.MonthEnabled);
  ShowDependentEdit(*PanelPrimaryTags_EditDateDay, date.Day, date.DayEnabled);
}

void TFormTagEditor::PanelPrimaryTags_EditTitleChange(TObject*) {
  if (HasFocus(*PanelPrimaryTags_EditTitle)) EditorEdited(feTitle);
}

void TFormTagEditor::PanelPrimaryTags_EditArtistChange(TObject*) {
  if (HasFocus(*PanelPrimaryTags_EditArtist)) EditorEdited(feArtist);
}

void TFormTagEditor::PanelPrimaryTags_EditAlbumChange(TObject*) {
  if (HasFocus(*PanelPrimaryTags_EditAlbum)) EditorEdited(feAlbum);
}

void TFormTagEditor::DigitEditEdited(TspSkinEdit& edit, TFieldEditor editor) {
  if (!HasFocus(edit)) return;
  EditorEdited(editor);
  if (editor == feTrackNr || editor == feTrackTotal)
    ApplyTrackRule(CheckTrack);
  else
    ApplyDateRule();
}

void TFormTagEditor::PanelPrimaryTags_EditTrackNrChange(TObject*) {
  DigitEditEdited(*PanelPrimaryTags_EditTrackNr, feTrackNr);
}

void TFormTagEditor::PanelPrimaryTags_EditTrackTotalChange(TObject*) {
  DigitEditEdited(*PanelPrimaryTags_EditTrackTotal, feTrackTotal);
}

void TFormTagEditor::PanelPrimaryTags_EditTrackTotalExit(TObject*) { ApplyTrackRule(TakeTrackTotal); }

void TFormTagEditor::PanelPrimaryTags_ComboBoxGenreChange(TObject*) {
  if (HasFocus(*PanelPrimaryTags_ComboBoxGenre)) EditorEdited(feGenre);
}

void TFormTagEditor::PanelPrimaryTags_EditDateYearChange(TObject*) {
  DigitEditEdited(*PanelPrimaryTags_EditDateYear, feYear);
}

void TFormTagEditor::PanelPrimaryTags_EditDateYearExit(TObject*) { ApplyDateRule(); }

void TFormTagEditor::PanelPrimaryTags_EditDateMonthChange(TObject*) {
  DigitEditEdited(*PanelPrimaryTags_EditDateMonth, feMonth);
}

void TFormTagEditor::PanelPrimaryTags_EditDateMonthExit(TObject*) { ApplyDateRule(); }

void TFormTagEditor::PanelPrimaryTags_EditDateDayChange(TObject*) {
  DigitEditEdited(*PanelPrimaryTags_EditDateDay, feDay);
}

void TFormTagEditor::PanelPrimaryTags_ComboBoxLanguageChange(TObject*) {
  if (HasFocus(*PanelPrimaryTags_ComboBoxLanguage)) EditorEdited(feLanguage);
}

void TFormTagEditor::PanelPrimaryTags_EditDescriptionChange(TObject*) {
  const bool focused = HasFocus(*PanelPrimaryTags_EditDescription);
  if (focused) EditorEdited(feDescription);
  if (MemoEnabled(PanelPrimaryTags_EditDescription->Text()))
    PanelPrimaryTags_MemoComment->SetEnabled(PanelPrimaryTags_EditDescription->Enabled());
  else if (!focused)
    PanelPrimaryTags_EditDescriptionExit(PanelPrimaryTags_EditDescription);
}

void TFormTagEditor::PanelPrimaryTags_EditDescriptionExit(TObject*) {
  if (MemoEnabled(PanelPrimaryTags_EditDescription->Text())) return;
  SetTextIfDiffers(*PanelPrimaryTags_MemoComment, "");
  PanelPrimaryTags_MemoComment->SetEnabled(false);
}

void TFormTagEditor::PanelPrimaryTags_MemoCommentChange(TObject*) {
  if (HasFocus(*PanelPrimaryTags_MemoComment)) EditorEdited(feComment);
}

void TFormTagEditor::PanelPrimaryTags_EditDigitKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift) {
  const std::optional<TDigitKey> key = DigitEditKey(Key);
  if (!key || !Shift.Empty()) return;
  auto& edit = dynamic_cast<TspSkinEdit&>(*static_cast<TComponent*>(Sender));
  edit.SetText(DigitKeyResult(edit.Text(), *key));
  edit.SetSelStart(static_cast<int>(edit.Text().size()));
  Key = 0;
}

void TFormTagEditor::PanelPrimaryTags_EditDigitKeyPress(TObject*, char& Key) {
  if (!DigitCharAccepted(Key)) Key = '\0';
}

// --- Check boxes, delete buttons, field options ---------------------------------------------

void TFormTagEditor::PanelPrimaryTags_CheckBoxClick(TObject* Sender) {
  const int index = FieldIndexOf(FFieldCheckBoxes, Sender);
  if (index < 0) return;
  const auto field = static_cast<TTagField>(index);
  FModel->CheckBoxClicked(field, FFieldCheckBoxes[field]->Checked());
  RecolourLabel(field);
  UpdateChangeButton();
}

void TFormTagEditor::PanelPrimaryTags_ButtonDeleteClick(TObject* Sender) {
  const int index = FieldIndexOf(FDeleteButtons, Sender);
  if (index >= 0) DeleteField(static_cast<TTagField>(index));
}

void TFormTagEditor::DeleteField(TTagField field) {
  TFieldEditorValues editors = ReadEditors();
  const bool emptied = FModel->DeleteField(field, editors);
  ShowEditors(editors);
  TWinControl* const focusTo[TagFieldCount] = {
      PanelPrimaryTags_EditTitle,     PanelPrimaryTags_EditArtist,   PanelPrimaryTags_EditAlbum,
      PanelPrimaryTags_EditTrackNr,   PanelPrimaryTags_ComboBoxGenre, PanelPrimaryTags_EditDateYear,
      PanelPrimaryTags_EditDescription};
  // Only an editor that was emptied takes the focus: clearing all fields leaves it in the
  // last of them, or where it was when there was nothing to clear.
  if (emptied && focusTo[field]->CanFocus()) focusTo[field]->SetFocus();
  RecolourLabel(field);
  if (emptied && field != tfGenre) FFieldCheckBoxes[field]->SetChecked(true);
  UpdateChangeButton();
}

void TFormTagEditor::PanelFieldOptions_ButtonClearAllFieldsClick(TObject*) {
  for (TTagField field : {tfTitle, tfArtist, tfAlbum, tfTrack, tfGenre, tfDate, tfComment}) DeleteField(field);
}

void TFormTagEditor::PanelFieldOptions_LabelClearAllFieldsFocusControl(TObject* Sender) {
  PanelFieldOptions_ButtonClearAllFieldsClick(Sender);
}

void TFormTagEditor::EnableFieldOptions(bool on) {
  TspSkinCheckRadioBox& box = *PanelFieldOptions_CheckBoxSelectedFields;
  if (on)
    for (TspSkinCheckRadioBox* fieldBox : FFieldCheckBoxes) fieldBox->SetEnabled(true);
  // Unchecked while enabled, its click unticks the field boxes.
  ShowCheckBox(box, false, on);
  if (box.Enabled()) ApplySelectedFieldsState();
  if (!on)
    for (TspSkinCheckRadioBox* fieldBox : FFieldCheckBoxes) fieldBox->SetEnabled(false);
  box.SetCaption(LangText(on ? TLangText::NoFieldsSelected : TLangText::FieldSelectionOff));
}

void TFormTagEditor::PanelFieldOptions_CheckBoxSelectedFieldsClick(TObject*) { ApplySelectedFieldsState(); }

void TFormTagEditor::ApplySelectedFieldsState() {
  TspSkinCheckRadioBox& box = *PanelFieldOptions_CheckBoxSelectedFields;
  if (!box.Enabled()) return;
  std::array<bool, TagFieldCount> ticked{};
  switch (box.State()) {
    case cbUnchecked: box.SetCaption(LangText(TLangText::NoFieldsSelected)); break;
    case cbChecked:
      box.SetCaption(LangText(TLangText::AllFieldsSelected));
      ticked.fill(true);
      break;
    case cbGrayed: {
      box.SetCaption(LangText(TLangText::OnlyFilledFields));
      const TFieldEditorValues editors = ReadEditors();
      ticked = {!editors.Title.empty(),   !editors.Artist.empty(),      !editors.Album.empty(),
                !editors.TrackNr.empty(), editors.Genre < GenreBlank && editors.Genre >= 0,
                !editors.Year.empty(),    !editors.Comment.empty()};
      break;
    }
  }
  for (size_t i = 0; i < ticked.size(); ++i)
    if (FFieldCheckBoxes[i]->Checked() != ticked[i]) FFieldCheckBoxes[i]->SetChecked(ticked[i]);
}

// --- Colours and the Change button --------------------------------------------------------

void TFormTagEditor::RecolourLabel(TTagField field) {
  FFieldLabels[field]->Font()->SetColor(MarkerColour(FModel->Marks().Field(field) || FFieldCheckBoxes[field]->Checked()));
}

TColor TFormTagEditor::MarkerColour(bool changed) {
  return static_cast<TColor>(changed ? Session->ChangedFontColor : Session->NormalFontColor);
}

void TFormTagEditor::RecolourLabels() {
  for (int field = 0; field < TagFieldCount; ++field) RecolourLabel(static_cast<TTagField>(field));
}

void TFormTagEditor::UpdateChangeButton() { PanelTagAction_ButtonChange->SetEnabled(FModel->ChangeEnabled()); }
