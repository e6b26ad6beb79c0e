#pragma once
// The caption buttons of the skinned frame and the looks of its skin objects: which
// buttons show, their hints, what a click runs, and which skin rectangle an object or
// button shows in its state (normal, active, pressed, disabled, inactive window, and the
// restore looks of a maximized, minimized or rolled-up window).

#include "FrameTypes.h"
#include "WindowStates.h"

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinKeywords.h"

#include <optional>
#include <string>

// No caption button shows with HideCaptionButtons; otherwise close always, every other
// command by its border icon. A custom (cmdefault) button's visibility is the
// application's to decide; true is the value it is asked with.
bool CaptionButtonVisible(TspStdButtonCommand Command, TspBorderIcons BorderIcons, bool HideCaptionButtons);
TSet<TspStdButtonCommand> VisibleCaptionButtons(TspBorderIcons BorderIcons, bool HideCaptionButtons);

// The hint of a caption button: the skin string of its command, or the built-in one
// without resource strings. A custom button keeps its own hint (nullopt).
std::optional<std::string> CaptionButtonHint(TspStdButtonCommand Command, const TspResourceStrData* Strings);

// What a click on a caption button runs. Minimizing goes to the tray with
// AlwaysMinimizeToTray; the minimize button of a minimized window restores it when the
// frame is drawn in the non-client area.
TspFrameAction CaptionButtonAction(TspStdButtonCommand Command, const TspFrameState& State,
                                   bool AlwaysMinimizeToTray, bool SupportNCArea);

// The maximize button of a maximized window, the minimize button of a minimized one and
// the roll-up button of a rolled-up one show their restore looks.
bool InRestoreState(TspStdButtonCommand Command, const TspFrameState& State);

// What an object shows. Copy and Morph rectangles lie in the frame picture, or in the
// object's active picture when InActivePicture is set; MorphTo always in the active one.
struct TspObjectLook {
  enum TKind : uint8_t {
    None,         // nothing is drawn: the frame picture already shows the normal look
    Copy,         // Rect is copied to the object's rectangle
    Morph,        // Rect blended toward MorphTo by the object's morph factor
    FormIcon,     // the window's icon at the object's top-left corner
    DefaultLook,  // the default caption button (DefaultCaptionButtonLook)
  };
  TKind Kind = None;
  TRect Rect;
  bool InActivePicture = false;
  TRect MorphTo;
  friend bool operator==(const TspObjectLook&, const TspObjectLook&) = default;
};

// The state of a skin object that its look depends on.
struct TspObjectLookState {
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool SkinRectInAPicture = false;
  bool Enabled = true;
  bool Active = false;        // the object wants its active look
  bool MouseIn = false;
  bool MorphRunning = false;  // it can morph, and the morph has not reached its end
  bool WindowActive = true;
  bool UpDate = false;        // draw the normal look even where the frame picture shows it
};
struct TspButtonLookState : TspObjectLookState {
  bool Down = false;
  TRect DownRect, DisableSkinRect;
  int32_t GroupIndex = -1;  // -1: no group
};
struct TspStdButtonLookState : TspButtonLookState {
  bool SkinDataPresent = true;  // false for a default caption button
  TspStdButtonCommand Command = cmclose;
  bool ShowIcon = false;
  bool RestoreState = false;  // InRestoreState
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

// Any skin object: the inactive look of an inactive window, the morph, the active look,
// else the normal look.
TspObjectLook ObjectLook(const TspObjectLookState& S);
// A push button: the disabled look, the pressed look (a grouped button stays pressed,
// an ungrouped one shows it only under the mouse), else the object's look.
TspObjectLook ButtonLook(const TspButtonLookState& S);
// A caption button: the window icon on the system-menu button with ShowIcon, the default
// look without skin data, the restore looks in its restore state, else the button's look.
// An inactive window shows the inactive looks even under the mouse.
TspObjectLook StdButtonLook(const TspStdButtonLookState& S);

// The default caption button's glyphs.
enum class TspCaptionGlyph : uint8_t {
  None, Close, Maximize, Minimize, Restore, SysMenu, RollUp, RollDown, MinimizeToTray
};
// The skinless controls' look: hot under the mouse, pressed when also down, else flat.
struct TspDefaultButtonLook {
  TspPartState State = TspPartState::Normal;  // drawn flat when normal
  TspDefaultLook Colors;
  TspCaptionGlyph Glyph = TspCaptionGlyph::None;
  TPoint GlyphOrigin;  // in the button's own coordinates
};
TspDefaultButtonLook DefaultCaptionButtonLook(TspStdButtonCommand Command, TSize ButtonSize, bool MouseIn, bool Down,
                                              const TspFrameState& State);
