#pragma once
// Where the frame's skin objects (caption, caption buttons, labels and the like) lie for
// the window's current size, and which of them a point hits. Each object keeps its skin
// rectangle; its object rectangle follows the frame (anchored to the corner it belongs
// to), and caption buttons whose looks come from an active picture are laid out in a
// row in the buttons or caption rectangle.

#include "FrameCore.h"

#include <span>

enum class TspFrameObjectKind : uint8_t { Other, StdButton, Animate, Caption };

// What the layout and the hit order need of one skin object; the window's objects carry
// one each.
struct TspObjectPlace {
  TspFrameObjectKind Kind = TspFrameObjectKind::Other;
  TspStdButtonCommand Command = cmdefault;  // of a standard button or animate object
  bool Visible = true;
  bool Enabled = true;
  bool RollUp = false;  // belongs to the rolled-up client-area frame
  bool SkinRectInAPicture = false;
  TRect SkinRect;
  TRect ObjectRect;
  bool ButtonStyle = false;  // an animate object that clicks run Command on
};

// The one rule for what is a caption button, for the button row, the buttons' states and
// hints, BorderIcons and HideCaptionButtons alike: every standard button, and an animate
// object that acts as one (ButtonStyle). An animate object without it is a decoration
// whatever its "command" key says (that key defaults to close), so it never takes a
// button's place in the row, its visibility or its hint.
bool IsCaptionButton(const TspObjectPlace& Object);

// Sets every object's ObjectRect for the core's last size: roll-up objects by the
// roll-up frame's rule, all others anchored to the frame (AnchorSkinRect); then, with NC
// support, the caption-button row. Without a skin the caption buttons take the default
// frame's places.
void UpdateObjectRects(std::span<TspObjectPlace* const> Objects, const TspFrameCore& Core);

// The default frame's caption buttons: the first visible standard button of each command
// takes that command's place in Layout; custom buttons have none.
void PlaceDefaultButtons(std::span<TspObjectPlace* const> Objects, const TspDefaultFrameLayout& Layout);

// The caption-button row alone: the first visible button of each command whose looks
// lie in an active picture, in the order close, maximize, minimize, roll-up, to tray,
// then every such custom button, laid from the row's right end leftwards (from its left
// end rightwards with "buttonsinleft"), ButtonsOffset apart. The system-menu button goes
// to the caption rectangle's left end, and the caption object fits between.
struct TspButtonRow {
  TRect ButtonsRect;  // both at the current size
  TRect CaptionRect;
  int32_t ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool ShowIcon = false;
  TSize IconSize;  // the window icon's size on the system-menu button with ShowIcon
};
void PlaceCaptionButtons(std::span<TspObjectPlace* const> Objects, const TspButtonRow& Row);

// A roll-up object's place on a roll-up frame that stretches by DW between the roll-up
// points' X values L and R: right of R it moves, across both it stretches.
TRect RollUpObjectRect(const TRect& SkinRect, int32_t L, int32_t R, int64_t DW);

// An object takes part in the current roll-up state: with NC support when it is not a
// roll-up object, without NC support when its roll-up flag matches the state.
bool ObjectShown(const TspObjectPlace& Object, bool SupportNCArea, bool RollUpState);
// The index of the first shown, enabled and visible object whose rectangle holds P;
// -1 for none. Earlier objects lie on top.
int ObjectAt(std::span<TspObjectPlace* const> Objects, TPoint P, bool SupportNCArea, bool RollUpState);
// True when P lies on a shown, visible caption object.
bool OverCaptionObject(std::span<TspObjectPlace* const> Objects, TPoint P, bool SupportNCArea, bool RollUpState);
