// The main window's rename panel: the rebuild page's boxes, formats and start number,
// the switch page's combo boxes and presets, and the three buttons both pages share.
#include "FormFileEditor.h"

#include "FormFormatDialog.h"
#include "WindowParts.h"

#include "app/language/Translation.h"
#include "app/rename/RebuildPage.h"
#include "app/rename/SwitchPage.h"
#include "app/windowrules/CaptionLayout.h"

#include "grid/SkinStringGrid.h"
#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStdLabel.h"

#include "base/ScopeExit.h"

#include <utility>

namespace {

constexpr uint16_t kKeyUp = VK_UP;
constexpr uint16_t kKeyDown = VK_DOWN;
constexpr int32_t kFormatCaptionGap = 4;

void Toggle(TspSkinCheckRadioBox& box) {
  if (box.Enabled()) box.SetChecked(!box.Checked());
}

}  // namespace

// --- Texts --------------------------------------------------------------------------------

void TFormFileEditor::SetRenamePanelTexts() {
  using enum TLangText;
  const std::pair<TControl*, TLangText> texts[] = {
      {PageControlRename_TabRebuild, ChangeButton},
      {PageControlRename_TabSwitch, SwitchTab},
      {TabRebuild_GroupBoxReplace, ReplaceTextGroup},
      {GroupBoxReplace_LabelFind, ReplaceLabel},
      {GroupBoxReplace_LabelReplaceBy, ReplaceByLabel},
      {GroupBoxReplace_CheckBoxReplaceAll, ReplaceAllOption},
      {GroupBoxReplace_CheckBoxCaseSensitive, CaseSensitiveOption},
      {TabRebuild_GroupBoxRemove, RemoveSectionsGroup},
      {TabRebuild_GroupBoxAutoFormat, AutoFormatGroup},
      {GroupBoxOptions_LabelUseSelectedFormat, SelectedFormatLabel},
      {GroupBoxOptions_CheckBoxAllWordsCaps, AllWordsCapsOption},
      {GroupBoxOptions_CheckBoxCutTillNumber, CutTillNumberOption},
      {TabRebuild_GroupBoxTrackStart, TrackStartGroup},
      {GroupBoxTrackStart_LabelStart, StartLabel},
      {PanelRename_ButtonPreview, PreviewButton},
      {PanelRename_ButtonRename, RenameButton},
      {PanelRename_ButtonUndo, UndoButton},
      {TabSwitch_GroupBoxSwitch, SwitchSectionsGroup},
      {GroupBoxSwitch_LabelBeforeSwitching, BeforeSwitchingLabel},
      {GroupBoxSwitch_LabelAfterSwitching, AfterSwitchingLabel}};
  for (const auto& [control, text] : texts) control->SetCaption(LangText(text));
  // The formats' box starts after its caption (sized to its text) and keeps its end.
  TspSkinComboBox& formats = *GroupBoxOptions_ComboBoxFormats;
  const TSpan field = FieldAfterCaption(GroupBoxOptions_LabelUseSelectedFormat->Left() +
                                            GroupBoxOptions_LabelUseSelectedFormat->Width(),
                                        kFormatCaptionGap, {formats.Left(), formats.Width()}, false);
  formats.SetBounds(field.Start, formats.Top(), field.Length, formats.Height());
}

void TFormFileEditor::SetSwitchPageTexts() {
  const std::vector<std::string> items = SwitchComboItems();
  for (TspSkinComboBox* combo : FSwitchComboBoxes) SetLines(*combo->Items(), items);
  // The first preset, with its radio button checked, so that the page shows one choice.
  NamedComponent<TspSkinCheckRadioBox>(*this, "GroupBoxSwitch_RadioButton1").SetChecked(true);
  GroupBoxSwitch_SetComboBoxes(SwitchPreset(1));
}

// --- The rebuild page's boxes ---------------------------------------------------------------

void TFormFileEditor::ShowRebuildPage() {
  FShowingState = true;
  TScopeExit shown([this] { FShowingState = false; });
  const TRebuildChecks checks = FRebuildPage->Checks();
  const TRebuildEnabling enabling = FRebuildPage->Enabling();
  for (size_t i = 0; i < FSectionBoxes.size(); ++i) {
    ShowCheckBox(*FSectionBoxes[i], checks.Sections[i], enabling.SectionBoxes);
    FSectionLabels[i]->SetEnabled(enabling.SectionBoxes);
  }
  ShowCheckBox(*GroupBoxOptions_CheckBoxCutTillNumber, checks.CutTillNumber, enabling.CutTillNumber);
  ShowCheckBox(*GroupBoxOptions_CheckBoxAllWordsCaps, checks.AllWordsCaps, true);
  ShowCheckBox(*GroupBoxOptions_CheckBoxUseSelectedFormat, checks.UseSelectedFormat, enabling.UseSelectedFormat);
  GroupBoxOptions_LabelUseSelectedFormat->SetEnabled(enabling.UseSelectedFormat);
  GroupBoxOptions_ComboBoxFormats->SetEnabled(enabling.FormatChoice);
  GroupBoxOptions_SpeedButtonFormats->SetEnabled(enabling.FormatChoice);
  if (GroupBoxOptions_ComboBoxFormats->ItemIndex() != FRebuildPage->FormatIndex())
    GroupBoxOptions_ComboBoxFormats->SetItemIndex(FRebuildPage->FormatIndex());
  ShowCheckBox(*GroupBoxTrackStart_CheckBoxUseStartNumber, checks.UseStartNumber, true);
  GroupBoxTrackStart_EditTrack->SetEnabled(enabling.StartNumberEdit);
  if (GroupBoxTrackStart_EditTrack->Text() != FRebuildPage->StartNumberText())
    GroupBoxTrackStart_EditTrack->SetText(FRebuildPage->StartNumberText());
}

void TFormFileEditor::GroupBoxRemove_CheckBoxClick(TObject* Sender) {
  if (FShowingState || !CoreReady()) return;
  auto& box = dynamic_cast<TspSkinCheckRadioBox&>(*static_cast<TComponent*>(Sender));
  FRebuildPage->SetSection(NameDigit(box), box.Checked());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxRemove_LabelChkboxClick(TObject* Sender) {
  const int number = NameDigit(*static_cast<TComponent*>(Sender));
  if (number >= 1 && number <= static_cast<int>(FSectionBoxes.size())) Toggle(*FSectionBoxes[number - 1]);
}

void TFormFileEditor::GroupBoxOptions_CheckBoxCutTillNumberClick(TObject*) {
  if (FShowingState || !CoreReady()) return;
  FRebuildPage->SetCutTillNumber(GroupBoxOptions_CheckBoxCutTillNumber->Checked());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxOptions_CheckBoxAllWordsCapsClick(TObject*) {
  if (FShowingState || !CoreReady()) return;
  FRebuildPage->SetAllWordsCaps(GroupBoxOptions_CheckBoxAllWordsCaps->Checked());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxOptions_CheckBoxUseSelectedFormatClick(TObject*) {
  if (FShowingState || !CoreReady()) return;
  FRebuildPage->SetUseSelectedFormat(GroupBoxOptions_CheckBoxUseSelectedFormat->Checked());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxOptions_LabelUseSelectedFormatClick(TObject*) {
  Toggle(*GroupBoxOptions_CheckBoxUseSelectedFormat);
}

void TFormFileEditor::GroupBoxTrackStart_CheckBoxUseStartNumberClick(TObject*) {
  if (FShowingState || !CoreReady()) return;
  FRebuildPage->SetUseStartNumber(GroupBoxTrackStart_CheckBoxUseStartNumber->Checked());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxTrackStart_LabelStartClick(TObject*) {
  Toggle(*GroupBoxTrackStart_CheckBoxUseStartNumber);
}

// --- Formats and the start number ---------------------------------------------------------

void TFormFileEditor::FillFormatsComboBox() {
  FShowingState = true;
  TScopeExit filled([this] { FShowingState = false; });
  SetLines(*GroupBoxOptions_ComboBoxFormats->Items(), FRebuildPage->FormatItems());
  FRebuildPage->ReloadFormats();
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxOptions_ComboBoxFormatsChange(TObject*) {
  if (FShowingState || !CoreReady()) return;
  FRebuildPage->SelectFormat(GroupBoxOptions_ComboBoxFormats->ItemIndex());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxOptions_SpeedButtonFormatsClick(TObject*) {
  ExecuteFormatDialog(fbRenameFormats);
  FillFormatsComboBox();
  FRebuildPage->SelectPreferredFormat();
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxTrackStart_EditTrackChange(TObject*) {
  if (FShowingState || !CoreReady()) return;
  FRebuildPage->SetStartNumberText(GroupBoxTrackStart_EditTrack->Text());
  ShowRebuildPage();
}

void TFormFileEditor::GroupBoxTrackStart_EditTrackKeyDown(TObject*, uint16_t& Key, TShiftState Shift) {
  if ((Key != kKeyUp && Key != kKeyDown) || !(Shift * TShiftState{ssShift, ssAlt, ssCtrl}).Empty() || !CoreReady())
    return;
  FRebuildPage->StepStartNumber(Key == kKeyUp);
  ShowRebuildPage();
  Key = 0;
}

void TFormFileEditor::GroupBoxTrackStart_EditTrackKeyPress(TObject*, char& Key) {
  if (!TRebuildPage::IsStartNumberKey(Key)) Key = 0;
}

// --- The switch page ----------------------------------------------------------------------

void TFormFileEditor::GroupBoxSwitch_SetComboBoxes(const TSwitchItems& Values) {
  FShowingState = true;
  TScopeExit shown([this] { FShowingState = false; });
  for (size_t i = 0; i < FSwitchComboBoxes.size(); ++i) FSwitchComboBoxes[i]->SetItemIndex(Values[i]);
  SetSwitchItems(*Settings, Values);
}

void TFormFileEditor::GroupBoxSwitch_ComboBoxChange(TObject* Sender) {
  if (FShowingState || !CoreReady()) return;
  auto& combo = dynamic_cast<TspSkinComboBox&>(*static_cast<TComponent*>(Sender));
  const std::string& name = combo.Name();
  SwitchComboChanged(*Settings, StrToIntDef(name.substr(name.size() - 2), 0), combo.ItemIndex());
}

void TFormFileEditor::GroupBoxSwitch_RadioButtonMouseUp(TObject* Sender, TMouseButton, TShiftState, int, int) {
  if (CoreReady()) GroupBoxSwitch_SetComboBoxes(SwitchPreset(NameDigit(*static_cast<TComponent*>(Sender))));
}

void TFormFileEditor::GroupBoxSwitch_RadioButtonKeyDown(TObject* Sender, uint16_t&, TShiftState) {
  if (CoreReady()) GroupBoxSwitch_SetComboBoxes(SwitchPreset(NameDigit(*static_cast<TComponent*>(Sender))));
}

// --- The buttons --------------------------------------------------------------------------

void TFormFileEditor::PanelRename_PageControlRenameChange(TObject*) {
  using F = TFormFileEditor;
  const bool rebuild = PanelRename_PageControlRename->TabIndex() == 0;
  PanelRename_ButtonPreview->OnClick =
      Event(this, rebuild ? &F::PanelRebuild_ButtonPreviewClick : &F::PanelSwitch_ButtonPreviewClick);
  PanelRename_ButtonRename->OnClick =
      Event(this, rebuild ? &F::PanelRebuild_ButtonRenameClick : &F::PanelSwitch_ButtonRenameClick);
  PanelRename_ButtonUndo->OnClick =
      Event(this, rebuild ? &F::PanelRebuild_ButtonUndoClick : &F::PanelSwitch_ButtonUndoClick);
}

template <class Flow>
void TFormFileEditor::RunRenameFlow(Flow flow) {
  if (!CoreReady()) return;
  TScopeExit shown([this] { ShowRebuildPage(); });
  const THourglass hourglass;
  PanelGrid_GridFileNames->UpdateSelectedRows();
  flow(*FRenamePanel);
}

void TFormFileEditor::PanelRebuild_ButtonPreviewClick(TObject*) {
  const TReplaceRequest request{GroupBoxReplace_EditFind->Text(), GroupBoxReplace_EditReplaceBy->Text(),
                                GroupBoxReplace_CheckBoxCaseSensitive->Checked(),
                                GroupBoxReplace_CheckBoxReplaceAll->Checked()};
  RunRenameFlow([&](TRenamePanel& panel) { panel.RebuildPreview(request); });
}

void TFormFileEditor::PanelRebuild_ButtonRenameClick(TObject*) {
  RunRenameFlow([](TRenamePanel& panel) { panel.Rename(true); });
}

void TFormFileEditor::PanelRebuild_ButtonUndoClick(TObject*) {
  RunRenameFlow([](TRenamePanel& panel) { panel.Undo(); });
}

void TFormFileEditor::PanelSwitch_ButtonPreviewClick(TObject*) {
  RunRenameFlow([](TRenamePanel& panel) { panel.SwitchPreview(); });
}

void TFormFileEditor::PanelSwitch_ButtonRenameClick(TObject*) {
  RunRenameFlow([](TRenamePanel& panel) { panel.Rename(false); });
}

void TFormFileEditor::PanelSwitch_ButtonUndoClick(TObject*) {
  RunRenameFlow([](TRenamePanel& panel) { panel.Undo(); });
}

void TFormFileEditor::GroupBoxReplace_SpeedButtonDeleteFindClick(TObject*) {
  GroupBoxReplace_EditFind->SetText("");
  GroupBoxReplace_EditFind->SetFocus();
}

void TFormFileEditor::GroupBoxReplace_SpeedButtonDeleteReplaceByClick(TObject*) {
  GroupBoxReplace_EditReplaceBy->SetText("");
  GroupBoxReplace_EditReplaceBy->SetFocus();
}
