#include "SkinStdLabel.h"

#include "MeasuredText.h"

#include "skin/data/SkinData.h"
#include "skin/data/SkinPanelData.h"

#include "classlib/Keyboard.h"
#include "classlib/WinControl.h"

namespace {

constexpr UINT EllipsisFlags[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};

}  // namespace

TspSkinStdLabel::TspSkinStdLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  SetTransparent(true);
  ApplySkin();
}

void TspSkinStdLabel::SetSkinData(TspSkinData* Value) {
  SetReference(FSkinData, Value);
  if (Value != nullptr) ChangeSkinData();
}

void TspSkinStdLabel::SetEllipsType(TspEllipsType Value) {
  if (Value == FEllipsType) return;
  FEllipsType = Value;
  Invalidate();
}

void TspSkinStdLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomLabel::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinData) FSkinData = nullptr;
}

void TspSkinStdLabel::ApplySkin() {
  FIndex = FSkinData == nullptr || FSkinData->Empty() ? -1 : FSkinData->GetControlIndex(FSkinDataName);
  if (FIndex == -1) return;
  const auto* entry =
      dynamic_cast<const TspDataSkinStdLabelControl*>(FSkinData->CtrlList[static_cast<size_t>(FIndex)].get());
  if (entry == nullptr) return;
  TFont* font = Font();
  if (FUseSkinFont) {
    font->SetName(entry->FontName);
    font->SetStyle(entry->FontStyle);
    font->SetHeight(entry->FontHeight);
  }
  if (FUseSkinColor) font->SetColor(entry->FontColor);
}

void TspSkinStdLabel::ChangeSkinData() {
  ApplySkin();
  AdjustBounds();
  Invalidate();
}

void TspSkinStdLabel::DoDrawText(TRect& Rect, UINT Flags) {
  Flags |= EllipsisFlags[FEllipsType];
  if ((Flags & DT_CALCRECT) != 0 || Enabled()) {
    TCustomLabel::DoDrawText(Rect, Flags);
    // A line of the label's own size keeps room for glyphs reaching past the width the
    // font measures.
    if ((Flags & (DT_CALCRECT | DT_WORDBREAK)) == DT_CALCRECT)
      Rect.Right += InkOverhang(*Canvas(), GetLabelText(),
                                DT_SINGLELINE | DT_EXPANDTABS | (ShowAccelChar() ? 0 : DT_NOPREFIX));
    return;
  }
  // Disabled: once, in the skin's shadow colour.
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Font()->SetColor(FIndex != -1 && FSkinData != nullptr ? FSkinData->SkinColors.cBtnShadow : clBtnShadow);
  canvas->DrawText(GetLabelText(), Rect, DrawTextBiDiModeFlags(Flags));
}

void TspSkinStdLabel::Dispatch(TMessage& Message) {
  if (Message.Msg != CM_DIALOGCHAR || !Enabled() || !ShowAccelChar() ||
      !IsAccel(static_cast<uint16_t>(Message.WParam), GetLabelText())) {
    TCustomLabel::Dispatch(Message);
    return;
  }
  if (OnFocusControl) {
    OnFocusControl(this);
    Message.Result = 1;
  } else if (FocusControl() != nullptr && FocusControl()->CanFocus()) {
    FocusControl()->SetFocus();
    Message.Result = 1;
  }
}
