#pragma once
// Windows only. Painting helpers of the skinned edits, the memo and the combo box, which
// paint into DCs the system hands them (a window DC for the frame, an erase DC for the
// background) rather than through a control canvas, and draw parts of their skin entries.

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/menus/portable/SkinMenuSpeedButtonLook.h"  // FirstControlEntry

#include "skin/controls/SkinCustomControlCore.h"

#include "classlib/Bitmap.h"
#include "classlib/Control.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

class TWinControl;
class TspSkinData;

// A canvas over a DC it does not own, let go when the scope ends.
class TDCCanvas : public TCanvas {
public:
  explicit TDCCanvas(HDC DC) { SetHandle(DC); }
  ~TDCCanvas() override { SetHandle(nullptr); }
  TDCCanvas(const TDCCanvas&) = delete;
  TDCCanvas& operator=(const TDCCanvas&) = delete;
};

// The font a skinned edit or memo starts with: Arial, height 14, black, plain.
void SetEditDefaultFont(TFont& Font);
// Font := Base, with the name, height and style of Skin's font over it when there is a
// skin and UseSkinFont, and the charset of Data's resource strings when it has them.
template <class S>
void AssignEditFont(TFont& Font, const TFont& Base, const S* Skin, bool UseSkinFont, TspSkinData* Data) {
  const TspSkinFontData skinFont = Skin != nullptr ? SkinFontOf(*Skin) : TspSkinFontData{};
  AssignSkinTextFont(Font, Base, Skin != nullptr && UseSkinFont ? &skinFont : nullptr, Data);
}

// The default look's border: a clBtnShadow frame around R and a clBtnFace one inside it.
void DrawDefaultEditBorder(TCanvas& Canvas, const TRect& R);

// The answer to a CN_CTLCOLOR* message of a control that paints its own background: the
// native control draws its text in TextColor without a background, and erases nothing.
void AnswerTransparentColor(TMessage& Message, TColor TextColor);

// WM_PAINT of an edit or memo that draws its text itself while disabled: Native (the
// system's paint) while Control is enabled, else Draw into the message's DC or between
// BeginPaint and EndPaint. Painting is set meanwhile: the erase that comes with the
// paint then leaves the text to it.
void PaintEditText(TWinControl& Control, const TMessage& Message, bool& Painting, const std::function<void()>& Native,
                   const std::function<void(HDC DC)>& Draw);

// A strip drawn three-part: its ends LeftOffset and RightOffset wide unscaled, the middle
// stretched (StretchEffect) or tiled.
TspPartGeometry HorizontalGeometry(int32_t LeftOffset, int32_t RightOffset, bool StretchEffect);

