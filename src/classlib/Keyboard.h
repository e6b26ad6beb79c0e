#pragma once
// Keys as the library's controls and menus see them: the key record of a keyboard
// message, the shift state in its key data, shortcuts (a key plus shift keys in one
// number) and their text, caption accelerators, and the dialog keys a control may claim.

#include "Control.h"

#include <cstdint>
#include <string>

// A keyboard message's key (or character) and key data.
struct TWMKey {
  uint16_t CharCode = 0;
  LPARAM KeyData = 0;
};

// Offered every key before it goes to the focused control; Handled = true consumes it.
using TShortCutEvent = TDelegate<void(TWMKey& Msg, bool& Handled)>;
// Offers Message to Handler when there is one; whether it handled the key.
bool OfferShortCut(const TShortCutEvent& Handler, TWMKey& Message);

// The shift state of a key message: Alt from the key data (its context bit), Shift and
// Ctrl from the keyboard state.
TShiftState KeyDataToShiftState(LPARAM KeyData);

// A virtual key with the shift keys held: key | scShift | scCtrl | scAlt.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t Key, TShiftState Shift);
// "Shift+", "Ctrl+", "Alt+" (in this order) and the key's name: a letter or digit, "F1"
// to "F12", "Esc", "Enter", "Tab", "Space", "BkSp", "Ins", "Del", "Home", "End", "PgUp",
// "PgDn" or an arrow ("Left", "Up", "Right", "Down"). "" for a key without a name.
std::string ShortCutToText(TShortCut ShortCut);
// The reverse, without regard to case and to the order of the shift keys; scNone for a
// text that names no key.
TShortCut TextToShortCut(const std::string& Text);

// The accelerator of a caption: the character after a single "&" ("&&" stands for a
// literal ampersand); '\0' when there is none.
char AcceleratorOf(const std::string& Caption);
// Whether the character Key is the caption's accelerator, without regard to case.
bool IsAccel(uint16_t Key, const std::string& Caption);
// Whether the virtual key of a key-down types the caption's accelerator: only letters and
// digits do (AcceleratorCharOfKey); a function key or the keypad's point never does.
bool IsKeyAccel(uint16_t Key, const std::string& Caption);

// The WM_GETDLGCODE flag with which a control keeps Key from the form's dialog handling:
// DLGC_WANTTAB for Tab, DLGC_WANTARROWS for the arrows, DLGC_WANTALLKEYS for Enter and
// Escape; 0 for keys the form does not handle.
UINT DialogKeyCode(uint16_t Key);
