#include "Bevel.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  if (Value == FShape) return;
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() { PaintShape(clBtnHighlight, clBtnShadow); }

void TBevel::BevelRect(const TRect& R, TColor TopLeft, TColor BottomRight) {
  TPen* pen = Canvas()->Pen();
  pen->SetColor(TopLeft);
  Canvas()->Polyline({{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}});
  pen->SetColor(BottomRight);
  Canvas()->Polyline({{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}});
}

void TBevel::BevelLine(TColor Color, int X1, int Y1, int X2, int Y2) {
  Canvas()->Pen()->SetColor(Color);
  Canvas()->MoveTo(X1, Y1);
  Canvas()->LineTo(X2, Y2);
}

void TBevel::PaintShape(TColor Light, TColor Dark) {
  Canvas()->Pen()->SetWidth(1);
  const TColor first = FStyle == bsLowered ? Dark : Light;
  const TColor second = FStyle == bsLowered ? Light : Dark;
  const int w = Width();
  const int h = Height();
  switch (FShape) {
    case bsBox: BevelRect({0, 0, w - 1, h - 1}, first, second); break;
    case bsFrame:
      // A frame one pixel down and right with the colours swapped, under one in the
      // first colour alone: lowered, the outer edge is dark all round with a light line
      // inside its top and left.
      BevelRect({1, 1, w - 1, h - 1}, second, first);
      BevelRect({0, 0, w - 2, h - 2}, first, first);
      break;
    case bsTopLine:
      BevelLine(first, 0, 0, w, 0);
      BevelLine(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      BevelLine(first, 0, h - 2, w, h - 2);
      BevelLine(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      BevelLine(first, 0, 0, 0, h);
      BevelLine(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      BevelLine(first, w - 2, 0, w - 2, h);
      BevelLine(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}
