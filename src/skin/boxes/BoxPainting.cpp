#include "BoxPainting.h"

#include "skin/controls/SkinControlCore.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDrawing.h"

#include "classlib/WinControl.h"

#include "base/ScopeExit.h"

void SetEditDefaultFont(TFont& Font) {
  SetDefaultSkinFont(Font);
  Font.SetColor(clBlack);
  Font.SetStyle({});
}

void DrawDefaultEditBorder(TCanvas& Canvas, const TRect& R) {
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(clBtnShadow);
  Canvas.FrameRect(R);
  Canvas.Brush()->SetColor(clBtnFace);
  Canvas.FrameRect(InflateRect(R, -1, -1));
}

void AnswerTransparentColor(TMessage& Message, TColor TextColor) {
  auto* dc = reinterpret_cast<HDC>(Message.WParam);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(TextColor)));
  Message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void PaintEditText(TWinControl& Control, const TMessage& Message, bool& Painting, const std::function<void()>& Native,
                   const std::function<void(HDC DC)>& Draw) {
  Painting = true;
  TScopeExit painted([&] { Painting = false; });
  if (Control.Enabled()) {
    Native();
    return;
  }
  if (Message.WParam != 0) {
    Draw(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(Control.Handle(), &paint);
  TScopeExit ended([&] { EndPaint(Control.Handle(), &paint); });
  Draw(dc);
}

TspPartGeometry HorizontalGeometry(int32_t LeftOffset, int32_t RightOffset, bool StretchEffect) {
  TspPartGeometry geometry;
  geometry.Fit = TspPartFit::Horizontal;
  geometry.StartOffset = LeftOffset;
  geometry.EndOffset = RightOffset;
  geometry.Fill.StretchEffect = StretchEffect;
  return geometry;
}

