#include "SkinStatusBar.h"

#include "skin/data/SkinData.h"
#include "skin/data/SkinImagePlans.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinRects.h"

#include "classlib/Form.h"

TspSkinStatusBar::TspSkinStatusBar(TComponent* AOwner) : TspSkinPanel(AOwner) {
  SetSkinDataName("statusbar");
  SetAlign(alBottom);
  SetHeight(21);
  SetBorderStyle(bvNone);
  PaintBordersDirect = false;
}

void TspSkinStatusBar::SetSizeGrip(bool Value) {
  FSizeGrip = Value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetSizeGripActive(bool Value) {
  FSizeGripActive = Value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetSkinData(TspSkinData* Value) {
  TspSkinPanel::SetSkinData(Value);
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* control = dynamic_cast<TspSkinControl*>(Controls(i))) control->SetSkinData(Value);
}

void TspSkinStatusBar::GetSkinData() {
  TspSkinPanel::GetSkinData();
  const auto* entry = dynamic_cast<const TspDataSkinPanelControl*>(SkinEntry());
  FGripperRect = entry != nullptr ? entry->GripperRect : TRect{};
  FGripperTransparent = entry != nullptr && entry->GripperTransparent;
  FGripperTransparentColor = entry != nullptr ? entry->GripperTransparentColor : clNone;
}

// A grip picture larger than any bitmap may be (a broken skin) counts as none: the bar
// draws grip lines in the square they take instead.
bool TspSkinStatusBar::HasGripPicture() const {
  return Skinned() && !IsNullRect(FGripperRect) &&
         IsDrawableImageSize(RectWidth(FGripperRect), RectHeight(FGripperRect));
}

void TspSkinStatusBar::AdjustClientRect(TRect& Rect) {
  TspSkinPanel::AdjustClientRect(Rect);
  if (GripInForce()) Rect = ClientRectBesideGrip(Rect, FGripperRect, HasGripPicture());
}

TRect TspSkinStatusBar::GripperArea() {
  const TRect client = GetAdjustedClientRect();  // without the grip already
  return GripRect(client, FGripperRect, HasGripPicture());
}

void TspSkinStatusBar::DrawGripLines(TCanvas& Canvas, TColor Shadow, TColor Light) {
  bool shadow = true;
  for (const auto& [from, to] : GripLines(GripperArea())) {
    Canvas.Pen()->SetColor(shadow ? Shadow : Light);
    Canvas.MoveTo(from.X, from.Y);
    Canvas.LineTo(to.X, to.Y);
    shadow = !shadow;
  }
}

void TspSkinStatusBar::CreateControlDefaultImage(TBitmap* B) {
  TspSkinPanel::CreateControlDefaultImage(B);
  if (GripInForce()) DrawGripLines(*B->Canvas(), clBtnShadow, clBtnHighlight);
}

void TspSkinStatusBar::CreateControlSkinImage(TBitmap* B) {
  TspSkinPanel::CreateControlSkinImage(B);
  if (!GripInForce()) return;
  TBitmap* picture = Picture.Get();
  if (!HasGripPicture() || picture == nullptr) {
    DrawGripLines(*B->Canvas(), SkinData()->SkinColors.cBtnShadow, SkinData()->SkinColors.cBtnHighLight);
    return;
  }
  // Only the part of the grip picture that lands on the bar is copied.
  const TRect area = GripperArea();
  const TRect shown = IntersectRect(area, TRect{0, 0, B->Width(), B->Height()});
  if (IsRectEmpty(shown)) return;
  TBitmap grip(shown.Width(), shown.Height());
  grip.Canvas()->CopyRect(TRect{0, 0, grip.Width(), grip.Height()}, picture->Canvas(),
                          OffsetRect(shown, FGripperRect.Left - area.Left, FGripperRect.Top - area.Top));
  if (FGripperTransparent) {
    grip.SetTransparentColor(FGripperTransparentColor);
    grip.SetTransparent(true);
  }
  B->Canvas()->Draw(shown.Left, shown.Top, &grip);
}

void TspSkinStatusBar::HitTest(TMessage& Message) {
  if (ComponentState().Contains(csDesigning) || !GripInForce()) {
    TspSkinPanel::Dispatch(Message);
    return;
  }
  GetSkinData();
  const TPoint p = ScreenToClient(PointFromLParam(Message.LParam));
  Message.Result = PointInRect(GripperArea(), p) ? HTBOTTOMRIGHT : HTCLIENT;
}

void TspSkinStatusBar::GripPressed(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (Message.WParam != HTBOTTOMRIGHT || form == nullptr || !GripInForce()) {
    TspSkinPanel::Dispatch(Message);
    return;
  }
  // The window is sized, not the bar: the form runs the sizing from its corner.
  ReleaseCapture();
  SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, Message.LParam);
}

void TspSkinStatusBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST: HitTest(Message); return;
    case WM_NCLBUTTONDOWN: GripPressed(Message); return;
    default: TspSkinPanel::Dispatch(Message);
  }
}
