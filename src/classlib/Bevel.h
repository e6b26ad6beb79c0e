#pragma once
// TBevel: windowless lines and frames that look pressed into or raised from the surface.

#include "CustomControls.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

protected:
  void Paint() override;
  // Draws Shape in the two colours: the lowered look has Dark at the top and left.
  void PaintShape(TColor Light, TColor Dark);
  // R's top and left edges in TopLeft, its right and bottom edges in BottomRight
  // (R's right and bottom lines included).
  void BevelRect(const TRect& R, TColor TopLeft, TColor BottomRight);
  void BevelLine(TColor Color, int X1, int Y1, int X2, int Y2);

private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
