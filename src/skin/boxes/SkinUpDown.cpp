#include "SkinUpDown.h"

#include "skin/controls/SkinPartPainter.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/Bitmap.h"

namespace {

// The button entry whose nine-part image each button is drawn from when the skin does
// not decide the control's size.
constexpr const char* ResizeButtonName = "resizebutton";

}  // namespace

TspSkinUpDown::TspSkinUpDown(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("hupdown");
  SetBounds(Left(), Top(), 25, 50);
  Layout();
}

void TspSkinUpDown::SetUseSkinSize(bool Value) {
  FUseSkinSize = Value;
  ChangeSkinData();  // size, region and button places follow
}

void TspSkinUpDown::SetOrientation(TUDOrientation Value) {
  FOrientation = Value;
  Layout();
  Repaint();
}

void TspSkinUpDown::ChangePosition(int64_t Value) {
  if (!FRange.SetPosition(Value)) return;
  if (OnChange) OnChange(this);
}

void TspSkinUpDown::Step(int Button) {
  if (FIncrement == 0) return;
  ChangePosition(int64_t{FRange.Position()} + (Button == UpButton ? FIncrement : -int64_t{FIncrement}));
}

void TspSkinUpDown::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FSkin = TspDataSkinUpDownControl("");
  if (Skinned()) {
    auto* entry = dynamic_cast<TspDataSkinUpDownControl*>(SkinData()->CtrlList[static_cast<size_t>(FIndex)].get());
    if (entry == nullptr) {
      FIndex = -1;
    } else {
      FSkin = *entry;
      LTPoint = RTPoint = LBPoint = RBPoint = TPoint{};
      entry->ClRect = {};
    }
  }
  // Without the skin's size there is no region either.
  if (!FUseSkinSize) MaskPicture = {};
  Layout();
}

void TspSkinUpDown::Layout() {
  if (Skinned() && FUseSkinSize) {
    FButtons.SetRect(UpButton, FSkin.UpButtonRect);
    FButtons.SetRect(DownButton, FSkin.DownButtonRect);
    return;
  }
  const TspUpDownRects rects = UpDownButtonRects(FOrientation, Width(), Height());
  FButtons.SetRect(UpButton, rects.Up);
  FButtons.SetRect(DownButton, rects.Down);
}

void TspSkinUpDown::CalcSize(int& AWidth, int& AHeight) {
  if (FUseSkinSize) TspSkinCustomControl::CalcSize(AWidth, AHeight);
}

TspPartState TspSkinUpDown::ButtonState(int Button) const {
  const TspRepeatButton& button = FButtons.Button(Button);
  if (!button.MouseIn) return TspPartState::Normal;
  return button.Down ? TspPartState::Down : TspPartState::Hot;
}

void TspSkinUpDown::CreateControlSkinImage(TBitmap* B) {
  TBitmap* picture = Picture.Get();
  if (!FUseSkinSize) {
    for (int button : {UpButton, DownButton}) DrawResizeButton(B->Canvas(), button);
    return;
  }
  if (picture == nullptr || IsRectEmpty(SkinRect)) {
    CreateControlDefaultImage(B);
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(B);
  for (int button : {UpButton, DownButton}) {
    const TspRepeatButton& b = FButtons.Button(button);
    const TRect look = UpDownLookRect(UpDownLooks(FSkin, button), b.MouseIn, b.Down);
    if (!IsRectEmpty(look)) B->Canvas()->CopyRect(b.R, picture->Canvas(), look);
  }
}

void TspSkinUpDown::CreateControlDefaultImage(TBitmap* B) {
  Layout();
  for (int button : {UpButton, DownButton}) DrawDefaultButton(B->Canvas(), button);
}

void TspSkinUpDown::DrawArrow(TCanvas* Canvas, int Button, TColor Color) {
  DrawArrowImage(Canvas, FButtons.Button(Button).R, Color, UpDownArrowCode(FOrientation, Button));
}

void TspSkinUpDown::DrawDefaultButton(TCanvas* Canvas, int Button) {
  DrawDefaultPart(*Canvas, FButtons.Button(Button).R, ButtonState(Button));
  DrawArrow(Canvas, Button, clBlack);
}

void TspSkinUpDown::DrawResizeButton(TCanvas* Canvas, int Button) {
  const int index = SkinData()->GetControlIndex(ResizeButtonName);
  const auto* entry = dynamic_cast<const TspDataSkinButtonControl*>(SkinControlEntry(SkinData(), index));
  const TspPartState state = ButtonState(Button);
  if (entry == nullptr ||
      !DrawSkinPart(*Canvas, FButtons.Button(Button).R, ControlSkinPart(SkinData(), *entry), state)) {
    DrawDefaultButton(Canvas, Button);
    return;
  }
  const TColor colour = state == TspPartState::Down  ? entry->DownFontColor
                        : state == TspPartState::Hot ? entry->ActiveFontColor
                                                     : entry->FontColor;
  DrawArrow(Canvas, Button, colour);
}

void TspSkinUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // Any mouse button presses.
  if (FButtons.MouseDown({X, Y}) != -1 && FIncrement != 0) FButtons.StartRepeat();
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinUpDown::MouseMove(TShiftState Shift, int X, int Y) {
  FButtons.MouseMove({X, Y});
  TspSkinCustomControl::MouseMove(Shift, X, Y);
}

void TspSkinUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The step and the click happen wherever the button is let go.
  const int released = FButtons.MouseUp();
  if (released != -1) {
    Step(released);
    const TNotifyEvent& click = released == UpButton ? OnUpButtonClick : OnDownButtonClick;
    if (click) click(this);
  }
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TspSkinUpDown::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      Layout();
      return;
    case CM_MOUSEENTER:
      FButtons.MouseEnter();
      TspSkinCustomControl::Dispatch(Message);
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      FButtons.MouseLeave();
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      if (FRepeatTimer.Is(Message)) {
        const int stepping = FButtons.Tick();
        if (stepping != -1) Step(stepping);
      }
      return;
    default: TspSkinCustomControl::Dispatch(Message);
  }
}
