#pragma once
// The skinned edit's rules without windows: the values it copies from its skin entry,
// where its text area and button lie, the non-client margins around the text area, what
// a point of the window hits, which skin rectangle shows the frame and the button in a
// state, the part of the frame behind the text, and the heights a skin or a font give.
//
// The native edit's client area is the text area ("edit rectangle"); the frame and the
// button around it are the window's non-client area. Rectangles here are in window
// coordinates unless they name a skin picture.

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/SkinEditData.h"

#include <cstdint>
#include <string>

// What the edit and the memo copy alike from their entries (a memo entry is an edit
// entry): the frame's looks, a lacking hot look being the normal one, and the font.
struct TspEditFrameSkin {
  int32_t PictureIndex = -1;
  TRect SkinRect, ActiveSkinRect, DisabledSkinRect, ClRect;
  std::string FontName;
  TFontStyles FontStyle;
  int32_t FontHeight = 0;
  TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
};
void CopyEditFrameSkin(const TspDataSkinEditControl& Entry, TspEditFrameSkin& Skin);

// What the edit draws with, copied from an "edit" entry; the pressed button falls back to
// the hot one when the skin lacks it.
struct TspEditSkin : TspEditFrameSkin {
  // The unscaled ends of the frame: the entry's left-top corner x, and the skin width
  // right of its right-top corner.
  int32_t LeftOffset = 0;
  int32_t RightOffset = 0;
  // ButtonRect is relative to SkinRect; the others name the picture.
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool StretchEffect = false;
};

TspEditSkin EditSkinOf(const TspDataSkinEditControl& Entry);

struct TspEditLayout {
  TRect EditRect;    // the text area: the window's client area
  TRect ButtonRect;  // empty without a button
};

// The layout of an edit Width x Height. Without a skin: a two-pixel frame, and with
// ButtonMode a square button as high as the edit at its right end. With a skin: the
// entry's client rectangle and button widened with the edit (a button right of the
// frame's stretched middle moves with the right end) and, without UseSkinFont, lowered
// with its height.
TspEditLayout EditLayout(const TspEditSkin* Skin, int32_t Width, int32_t Height, bool ButtonMode, bool UseSkinFont);

// The client area of a window whose rectangle is Window: Window less the frame's
// margins (and the button without a skin). Never inverted.
TRect EditClientArea(const TRect& Window, const TspEditSkin* Skin, bool ButtonMode);

// Where the client area starts in the window.
TPoint EditClientOrigin(const TspEditSkin* Skin);

enum class TspEditHit { Button, Text, Frame };
TspEditHit EditHitTest(const TspEditLayout& Layout, TPoint WindowPoint);

// The state the frame shows (of the memo too): disabled, hot while the pointer is over
// the control or it has the focus, else normal.
TspPartState EditFrameState(bool Enabled, bool MouseOver, bool Focused);
// The frame's rectangles by state (of the memo's background too); a lacking hot or
// disabled look is the normal one.
TspPartRects EditFrameRects(const TspEditFrameSkin& Skin);

// What is copied onto the button of a frame drawn at the skin's height: the disabled
// look when disabled and the skin has one, else the pressed look when pressed under the
// pointer, else the hot look under the pointer; empty (nothing) otherwise.
TRect EditButtonOverlay(const TspEditSkin& Skin, bool Enabled, bool Pressed, bool MouseOverButton);
// The state of the button drawn from a button entry: down when pressed under the
// pointer, hot under the pointer, else normal.
TspPartState EditButtonState(bool Pressed, bool MouseOverButton);
// A button entry's rectangles with a lacking pressed look falling back to the normal
// look, as the edit's button does.
TspPartRects EditButtonRects(TspPartRects Rects);

// The part of the frame's state rectangle State behind the text, as a three-part strip:
// the client rectangle of State, with the frame's unscaled ends where they reach into it.
struct TspEditClientStrip {
  TRect Source;
  int32_t LeftOffset = 0;
  int32_t RightOffset = 0;
};
TspEditClientStrip EditClientStrip(const TspEditSkin& Skin, const TRect& State);

// The height of an edit that fits its font: the font's text-metric height plus the
// frame's (the skin's height less its client rectangle's, or 4 without a skin).
int32_t EditFontHeight(int32_t TextMetricHeight, const TspEditSkin* Skin);
// The height an edit takes for Requested: the skin's with UseSkinFont, the font's
// without it, else Requested.
int32_t EditHeight(const TspEditSkin* Skin, bool UseSkinFont, int32_t Requested, int32_t FontHeight);

// Where a disabled edit's text starts in a text area EditWidth wide.
int32_t EditDisabledTextLeft(TAlignment Alignment, int32_t EditWidth, int32_t TextWidth);
