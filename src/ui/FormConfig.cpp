#include "FormConfig.h"

#include "ProgramClasses.h"
#include "WindowParts.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"
#include "app/win32/FormPlacement.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/controls/MeasuredText.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/data/SkinData.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "base/ScopeExit.h"

#include <utility>

namespace {

std::string SelectedText(TspSkinComboBox& combo) {
  const int index = combo.ItemIndex();
  return index >= 0 && index < combo.Items()->Count() ? combo.Items()->Strings(index) : std::string();
}

template <class T>
T ItemOf(TspSkinComboBox& combo, T stored) {
  return combo.ItemIndex() >= 0 ? static_cast<T>(combo.ItemIndex()) : stored;
}

}  // namespace

TFormConfig::TFormConfig(TComponent* AOwner) : TForm(AOwner) {
  RegisterProgramClasses();
  ReadFormResource(*this, Bindings());
}

void TFormConfig::BeforeDestruction() {
  if (SkinData != nullptr) SkinData->SetCompressedStoredSkin(nullptr);
  TForm::BeforeDestruction();
}

const TFormBindings& TFormConfig::Bindings() {
  using F = TFormConfig;
  static const TFormBindings bindings =
      TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
          .Handler("FormCreate", &F::FormCreate)
          .Handler("FormShow", &F::FormShow)
          .Handler("GroupBoxOptions_CheckBoxAllWordsCapsClick", &F::GroupBoxOptions_CheckBoxAllWordsCapsClick)
          .Handler("GroupBoxSaving_CheckBoxSaveToListClick", &F::GroupBoxSaving_CheckBoxSaveToListClick)
          .Handler("GroupBoxSaving_EditListNameChange", &F::GroupBoxSaving_EditListNameChange)
          .Handler("GroupBoxSaving_ComboBoxFileExistsChange", &F::GroupBoxSaving_ComboBoxFileExistsChange)
          .Handler("GroupBoxTags_ComboBoxSaveActionForLogChange", &F::GroupBoxTags_ComboBoxSaveActionForLogChange)
          .Handler("GroupBoxTags_ComboBoxLanguageChange", &F::GroupBoxTags_ComboBoxLanguageChange)
          .Handler("GroupBoxTags_ComboBoxID3v1Change", &F::GroupBoxTags_ComboBoxID3v1Change)
          .Handler("GroupBoxTags_ComboBoxID3v2Change", &F::GroupBoxTags_ComboBoxID3v2Change)
          .Handler("Form_ButtonSaveClick", &F::Form_ButtonSaveClick)
          .Handler("Form_ButtonCancelClick", &F::Form_ButtonCancelClick)
          .Field("SkinData", &F::SkinData)
          .Field("PageControl_TabRename", &F::PageControl_TabRename)
          .Field("PageControl_TabID3Tags", &F::PageControl_TabID3Tags)
          .Field("TabRename_GroupBoxOptions", &F::TabRename_GroupBoxOptions)
          .Field("GroupBoxOptions_CheckBoxAllWordsCaps", &F::GroupBoxOptions_CheckBoxAllWordsCaps)
          .Field("TabRename_GroupBoxSaving", &F::TabRename_GroupBoxSaving)
          .Field("GroupBoxSaving_CheckBoxSaveToList", &F::GroupBoxSaving_CheckBoxSaveToList)
          .Field("GroupBoxSaving_EditListName", &F::GroupBoxSaving_EditListName)
          .Field("GroupBoxSaving_LabelListNameNote", &F::GroupBoxSaving_LabelListNameNote)
          .Field("GroupBoxSaving_LabelFileExists", &F::GroupBoxSaving_LabelFileExists)
          .Field("GroupBoxSaving_ComboBoxFileExists", &F::GroupBoxSaving_ComboBoxFileExists)
          .Field("TabID3Tags_GroupBoxTags", &F::TabID3Tags_GroupBoxTags)
          .Field("GroupBoxTags_LabelDefaultSaveActionForLog", &F::GroupBoxTags_LabelDefaultSaveActionForLog)
          .Field("GroupBoxTags_ComboBoxSaveActionForLog", &F::GroupBoxTags_ComboBoxSaveActionForLog)
          .Field("GroupBoxTags_LabelDefaultLanguageForComment", &F::GroupBoxTags_LabelDefaultLanguageForComment)
          .Field("GroupBoxTags_ComboBoxLanguage", &F::GroupBoxTags_ComboBoxLanguage)
          .Field("GroupBoxTags_LabelDefaultChoiceForID3v1", &F::GroupBoxTags_LabelDefaultChoiceForID3v1)
          .Field("GroupBoxTags_ComboBoxID3v1", &F::GroupBoxTags_ComboBoxID3v1)
          .Field("GroupBoxTags_LabelDefaultChoiceForID3v2", &F::GroupBoxTags_LabelDefaultChoiceForID3v2)
          .Field("GroupBoxTags_ComboBoxID3v2", &F::GroupBoxTags_ComboBoxID3v2)
          .Field("Form_ButtonSave", &F::Form_ButtonSave)
          .Field("Form_ButtonCancel", &F::Form_ButtonCancel);
  return bindings;
}

void TFormConfig::FormCreate(TObject*) {
  SkinData->SetSkinnableForm(true);
  SkinData->SetCompressedStoredSkin(Settings->StoredSkin);
  FChoices = TSettingsChoices::Of(*Settings);
}

void TFormConfig::FormShow(TObject*) {
  SetTexts();
  ShowChoices();
  CenterFormOnForm(Application->MainForm(), this);
  LayOutRows();
  Form_ButtonCancel->SetFocus();
}

void TFormConfig::SetTexts() {
  using enum TLangText;
  const std::pair<TControl*, TLangText> texts[] = {
      {PageControl_TabRename, RenameButton},
      {PageControl_TabID3Tags, ID3TagsButton},
      {TabRename_GroupBoxOptions, OptionDefaultsGroup},
      {GroupBoxOptions_CheckBoxAllWordsCaps, AllWordsCapsOption},
      {TabRename_GroupBoxSaving, SavingDefaultsGroup},
      {GroupBoxSaving_CheckBoxSaveToList, SaveListOption},
      {GroupBoxSaving_LabelFileExists, IfFileExistsLabel},
      {TabID3Tags_GroupBoxTags, TagDefaultsGroup},
      {GroupBoxTags_LabelDefaultSaveActionForLog, DefaultSaveActionForLogLabel},
      {GroupBoxTags_LabelDefaultLanguageForComment, DefaultCommentLanguageLabel},
      {GroupBoxTags_LabelDefaultChoiceForID3v1, DefaultID3v1Label},
      {GroupBoxTags_LabelDefaultChoiceForID3v2, DefaultID3v2Label},
      {Form_ButtonSave, SaveButton},
      {Form_ButtonCancel, CancelButton}};
  for (const auto& [control, text] : texts) control->SetCaption(LangText(text));
  SetCaption(LangText(SettingsMenu));
  SetLines(*GroupBoxSaving_ComboBoxFileExists->Items(), FileExistsComboItems());
  SetLines(*GroupBoxTags_ComboBoxSaveActionForLog->Items(), SaveActionComboItems());
  SetLines(*GroupBoxTags_ComboBoxLanguage->Items(), CommentLanguageComboItems());
  SetLines(*GroupBoxTags_ComboBoxID3v1->Items(), VersionComboItems(TVersionCombo::ID3v1));
  SetLines(*GroupBoxTags_ComboBoxID3v2->Items(), VersionComboItems(TVersionCombo::ID3v2));
}

void TFormConfig::ShowChoices() {
  FShowingState = true;
  TScopeExit shown([this] { FShowingState = false; });
  ShowCheckBox(*GroupBoxOptions_CheckBoxAllWordsCaps, FChoices.AllWordsCaps, true);
  ShowCheckBox(*GroupBoxSaving_CheckBoxSaveToList, FChoices.SaveList, true);
  GroupBoxSaving_EditListName->SetText(FChoices.ListName);
  GroupBoxSaving_EditListName->SetEnabled(FChoices.ListNameEnabled());
  GroupBoxSaving_ComboBoxFileExists->SetItemIndex(FChoices.ActionOnExistingFile);
  GroupBoxTags_ComboBoxSaveActionForLog->SetItemIndex(FChoices.DefaultSaveActionForLog);
  GroupBoxTags_ComboBoxLanguage->SetItemIndex(FChoices.DefaultTagLanguage);
  GroupBoxTags_ComboBoxID3v1->SetItemIndex(VersionComboIndex(TVersionCombo::ID3v1, FChoices.DefaultID3v1));
  GroupBoxTags_ComboBoxID3v2->SetItemIndex(VersionComboIndex(TVersionCombo::ID3v2, FChoices.DefaultID3v2));
  ShowSaveEnabled();
}

void TFormConfig::LayOutRows() {
  // The captions are measured in the labels' font, so that no translation runs under
  // the field beside it. A check box keeps room for its caption's glyphs reaching past
  // the width the font measures.
  TCanvas& canvas = *Canvas();
  canvas.Font()->Assign(GroupBoxSaving_LabelFileExists->Font());
  const int32_t width = TabRename_GroupBoxSaving->Width();
  auto place = [](TControl& control, const TSpan& span) {
    control.SetBounds(span.Start, control.Top(), span.Length, control.Height());
  };
  const auto captionWidth = [&](TControl& box) {
    return canvas.TextWidth(box.Caption()) + InkOverhang(canvas, box.Caption());
  };
  const TCaptionRow saveList =
      CheckBoxRow(GroupBoxSaving_CheckBoxSaveToList->Left(), captionWidth(*GroupBoxSaving_CheckBoxSaveToList), width);
  place(*GroupBoxSaving_CheckBoxSaveToList, saveList.Caption);
  place(*GroupBoxSaving_EditListName, saveList.Field);
  place(*GroupBoxSaving_LabelListNameNote, ListNoteSpan(GroupBoxSaving_CheckBoxSaveToList->Left(), width));
  const TCaptionRow allWordsCaps = CheckBoxRow(GroupBoxOptions_CheckBoxAllWordsCaps->Left(),
                                               captionWidth(*GroupBoxOptions_CheckBoxAllWordsCaps), width);
  place(*GroupBoxOptions_CheckBoxAllWordsCaps, allWordsCaps.Caption);
  const std::pair<TspSkinStdLabel*, TspSkinComboBox*> rows[] = {
      {GroupBoxSaving_LabelFileExists, GroupBoxSaving_ComboBoxFileExists},
      {GroupBoxTags_LabelDefaultSaveActionForLog, GroupBoxTags_ComboBoxSaveActionForLog},
      {GroupBoxTags_LabelDefaultLanguageForComment, GroupBoxTags_ComboBoxLanguage},
      {GroupBoxTags_LabelDefaultChoiceForID3v1, GroupBoxTags_ComboBoxID3v1},
      {GroupBoxTags_LabelDefaultChoiceForID3v2, GroupBoxTags_ComboBoxID3v2}};
  for (const auto& [label, combo] : rows) {
    const TCaptionRow row = LabelRow(label->Left(), label->Width(), width);  // sized to its caption
    place(*label, row.Caption);
    const bool keepsWidth = combo == GroupBoxTags_ComboBoxID3v1 || combo == GroupBoxTags_ComboBoxID3v2;
    place(*combo, keepsWidth ? TSpan{row.Field.Start, combo->Width()} : row.Field);
  }
}

void TFormConfig::ShowSaveEnabled() {
  const TListNameProblem problem = FChoices.ListNameProblem(*Settings);
  Form_ButtonSave->SetEnabled(problem == TListNameProblem::None);
  GroupBoxSaving_LabelListNameNote->SetCaption(ListNameNote(problem));
}

void TFormConfig::GroupBoxOptions_CheckBoxAllWordsCapsClick(TObject*) {
  if (!FShowingState) FChoices.AllWordsCaps = GroupBoxOptions_CheckBoxAllWordsCaps->Checked();
}

void TFormConfig::GroupBoxSaving_CheckBoxSaveToListClick(TObject*) {
  if (FShowingState) return;
  FChoices.SaveList = GroupBoxSaving_CheckBoxSaveToList->Checked();
  GroupBoxSaving_EditListName->SetEnabled(FChoices.ListNameEnabled());
}

void TFormConfig::GroupBoxSaving_EditListNameChange(TObject*) {
  if (FShowingState) return;
  FChoices.ListName = GroupBoxSaving_EditListName->Text();
  ShowSaveEnabled();
}

void TFormConfig::GroupBoxSaving_ComboBoxFileExistsChange(TObject*) {
  if (!FShowingState)
    FChoices.ActionOnExistingFile = ItemOf(*GroupBoxSaving_ComboBoxFileExists, FChoices.ActionOnExistingFile);
}

void TFormConfig::GroupBoxTags_ComboBoxSaveActionForLogChange(TObject*) {
  if (!FShowingState)
    FChoices.DefaultSaveActionForLog =
        ItemOf(*GroupBoxTags_ComboBoxSaveActionForLog, FChoices.DefaultSaveActionForLog);
}

void TFormConfig::GroupBoxTags_ComboBoxLanguageChange(TObject*) {
  if (!FShowingState) FChoices.DefaultTagLanguage = ItemOf(*GroupBoxTags_ComboBoxLanguage, FChoices.DefaultTagLanguage);
}

void TFormConfig::GroupBoxTags_ComboBoxID3v1Change(TObject*) {
  if (!FShowingState)
    FChoices.DefaultID3v1 =
        VersionFromComboText(TVersionCombo::ID3v1, SelectedText(*GroupBoxTags_ComboBoxID3v1), FChoices.DefaultID3v1);
}

void TFormConfig::GroupBoxTags_ComboBoxID3v2Change(TObject*) {
  if (!FShowingState)
    FChoices.DefaultID3v2 =
        VersionFromComboText(TVersionCombo::ID3v2, SelectedText(*GroupBoxTags_ComboBoxID3v2), FChoices.DefaultID3v2);
}

void TFormConfig::Form_ButtonSaveClick(TObject*) {
  if (FChoices.Save(*Settings, *Session)) SetModalResult(mrOk);
}

void TFormConfig::Form_ButtonCancelClick(TObject*) { SetModalResult(mrCancel); }

void ShowConfigDialog(TComponent* owner) {
  auto* dialog = new TFormConfig(owner);
  TScopeExit free([dialog] { dialog->Free(); });
  dialog->ShowModal();
}
