#pragma once
// Windows only. Painting helpers of the skinned edits and the memo, which paint into DCs
// the system hands them (a window DC for the frame, an erase DC for the background)
// rather than through a control canvas.

#include "classlib/Bitmap.h"
#include "classlib/Control.h"

#include <cstdint>
#include <functional>

class TWinControl;

// A canvas over a DC it does not own, let go when the scope ends.
class TDCCanvas : public TCanvas {
public:
  explicit TDCCanvas(HDC DC) { SetHandle(DC); }
  ~TDCCanvas() override { SetHandle(nullptr); }
  TDCCanvas(const TDCCanvas&) = delete;
  TDCCanvas& operator=(const TDCCanvas&) = delete;
};

// Draws Image at At on Canvas, cross-faded with what lies behind Area of Control (in
// Control's coordinates, as large as Image) in its parent: AlphaBlendValue 255 shows the
// image alone, 0 the parent alone.
void DrawBlendedOverParent(TControl* Control, TCanvas& Canvas, TBitmap& Image, const TRect& Area, TPoint At,
                           uint8_t AlphaBlendValue);

// The font a skinned edit or memo starts with: Arial, height 14, black, plain.
void SetEditDefaultFont(TFont& Font);

// The default look's border: a clBtnShadow frame around R and a clBtnFace one inside it.
void DrawDefaultEditBorder(TCanvas& Canvas, const TRect& R);

// The answer to a CN_CTLCOLOR* message of a control that paints its own background: the
// native control draws its text in TextColor without a background, and erases nothing.
void AnswerTransparentColor(TMessage& Message, TColor TextColor);

// WM_PAINT of a control that draws its own text: Draw paints into the message's DC, or
// between BeginPaint and EndPaint of Control's window.
void PaintOwnText(TWinControl& Control, const TMessage& Message, const std::function<void(HDC DC)>& Draw);
