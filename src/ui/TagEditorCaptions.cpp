// Where the tag editor's fields and buttons go beside the captions of the loaded language.
#include "FormTagEditor.h"
#include "WindowParts.h"

#include "app/windowrules/CaptionLayout.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinStdLabel.h"

#include "classlib/Graphics.h"

#include <algorithm>

namespace {

constexpr int32_t kCaptionGap = 4;  // between a caption's text and its field
constexpr int32_t kColonGap = 2;    // between an MPEG caption and its colon
constexpr int32_t kValueOffset = 8;  // from an MPEG colon to its value
constexpr int32_t kButtonGap = 5;
constexpr int32_t kButtonMargin = 4;
constexpr int32_t kButtonCaptionRoom = 20;  // a button's frame and margins around its caption
constexpr int32_t kSharedRowMargin = 6;
constexpr int32_t kSharedRowPairGap = 12;  // the bevel between the pairs in its middle

int32_t RightOf(const TControl& control) { return control.Left() + control.Width(); }

void PlaceSpan(TControl& control, const TSpan& span) {
  control.SetBounds(span.Start, control.Top(), span.Length, control.Height());
}

}  // namespace

void TFormTagEditor::PlaceCaptionedFields() {
  // The field rows: the check boxes after the longest field caption, and what follows
  // them moved on as far (the wide editors keep their right edge, the delete buttons stay).
  std::vector<int32_t> captionRights;
  for (TspSkinStdLabel* label : FFieldLabels) captionRights.push_back(RightOf(*label));
  const int32_t checkBoxLeft = FFieldCheckBoxes[0]->Left();
  const int32_t shift = ColumnAfterCaptions(captionRights, kCaptionGap, checkBoxLeft) - checkBoxLeft;
  if (shift > 0) {
    const int32_t editorsRight = RightOf(*PanelPrimaryTags_EditTitle);
    TWinControl& panel = *PanelPrimaryTags_EditTitle->Parent();
    for (int i = 0; i < panel.ControlCount(); ++i) {
      TControl& control = *panel.Controls(i);
      if (control.Left() < checkBoxLeft || control.Left() >= editorsRight) continue;
      const bool reachesTheEnd = RightOf(control) >= editorsRight;
      control.SetBounds(control.Left() + shift, control.Top(), control.Width() - (reachesTheEnd ? shift : 0),
                        control.Height());
    }
  }
  // The track total after "of"; the comment's language and description after the longer
  // of their captions.
  PlaceSpan(*PanelPrimaryTags_EditTrackTotal,
            FieldAfterCaption(RightOf(*PanelPrimaryTags_LabelTrackOf), kCaptionGap,
                              {PanelPrimaryTags_EditTrackTotal->Left(), PanelPrimaryTags_EditTrackTotal->Width()}, true));
  const int32_t commentColumn =
      ColumnAfterCaptions({RightOf(*PanelPrimaryTags_LabelLanguage), RightOf(*PanelPrimaryTags_LabelDescription)},
                          kCaptionGap, 0);
  for (TControl* field : {static_cast<TControl*>(PanelPrimaryTags_ComboBoxLanguage),
                          static_cast<TControl*>(PanelPrimaryTags_EditDescription)})
    PlaceSpan(*field, FieldAfterCaption(commentColumn, 0, {field->Left(), field->Width()}, false));

  // The two save choices share their row.
  const auto row = SharedCaptionRow(
      kSharedRowMargin, Form_GroupBoxActionOptions->Width() - kSharedRowMargin,
      {GroupBoxActionOptions_LabelSaveWithID3v1->Width(), GroupBoxActionOptions_LabelSaveWithID3v2->Width()},
      GroupBoxActionOptions_ComboBoxID3v1->Width(), kCaptionGap, kSharedRowPairGap);
  PlaceSpan(*GroupBoxActionOptions_LabelSaveWithID3v1, row[0].Caption);
  PlaceSpan(*GroupBoxActionOptions_ComboBoxID3v1, row[0].Field);
  PlaceSpan(*GroupBoxActionOptions_LabelSaveWithID3v2, row[1].Caption);
  PlaceSpan(*GroupBoxActionOptions_ComboBoxID3v2, row[1].Field);
  TControl& bevel = NamedComponent<TControl>(*this, "GroupBoxActionOptions_Bevel");
  bevel.SetLeft(row[1].Caption.Start - (kSharedRowPairGap + bevel.Width()) / 2);

  // The field-options box ends where "Clear all fields" (sized to its text, keeping its
  // right edge) begins.
  TspSkinCheckRadioBox& options = *PanelFieldOptions_CheckBoxSelectedFields;
  PlaceSpan(options, {options.Left(), std::max(PanelFieldOptions_LabelClearAllFields->Left() - kCaptionGap - options.Left(), 0)});

  // The action buttons share their row by their captions.
  const std::array<TspSkinButton*, 4> buttons = {PanelTagAction_ButtonChange, PanelTagAction_ButtonSave,
                                                 PanelTagAction_ButtonUndo, PanelTagAction_ButtonClose};
  std::vector<int32_t> needed;
  TCanvas& canvas = *Canvas();
  for (TspSkinButton* button : buttons) {
    canvas.Font()->Assign(button->DefaultFont());
    needed.push_back(canvas.TextWidth(button->Caption()) + kButtonCaptionRoom);
  }
  const std::vector<TSpan> spans =
      ButtonRow(kButtonMargin, PanelTagAction_ButtonChange->Parent()->Width() - kButtonMargin, needed, kButtonGap);
  for (size_t i = 0; i < buttons.size(); ++i) PlaceSpan(*buttons[i], spans[i]);
}

void TFormTagEditor::PlaceMpegCaptions() {
  // Two columns of caption, colon and value: the colons after the longest caption of
  // their column, the values after them keeping their right edge.
  constexpr size_t kColumnRows = MpegValueCount / 2;
  for (size_t first : {size_t{0}, kColumnRows}) {
    std::vector<int32_t> captionRights;
    for (size_t i = first; i < first + kColumnRows; ++i) captionRights.push_back(RightOf(*FMpegCaptions[i]));
    const int32_t colonLeft = ColumnAfterCaptions(captionRights, kColonGap, FMpegColons[first]->Left());
    for (size_t i = first; i < first + kColumnRows; ++i) {
      FMpegColons[i]->SetLeft(colonLeft);
      PlaceSpan(*FMpegValues[i],
                FieldAfterCaption(colonLeft, kValueOffset, {FMpegValues[i]->Left(), FMpegValues[i]->Width()}, false));
    }
  }
}
