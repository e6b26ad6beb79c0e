#include "classlib/Control.h"
#include "classlib/Keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Keyboard, ShortCutTextBothWays) {
  struct Case {
    TShortCut ShortCut;
    const char* Text;
  };
  const Case cases[] = {
      {ShortCut('A', {}), "A"},
      {ShortCut('S', {ssCtrl}), "Ctrl+S"},
      {ShortCut('7', {ssShift, ssAlt}), "Shift+Alt+7"},
      {ShortCut(VK_F12, {ssCtrl, ssShift}), "Shift+Ctrl+F12"},
      {ShortCut(VK_F1, {}), "F1"},
      {ShortCut(VK_DELETE, {ssCtrl, ssAlt}), "Ctrl+Alt+Del"},
      {ShortCut(VK_ESCAPE, {}), "Esc"},
      {ShortCut(VK_RETURN, {ssAlt}), "Alt+Enter"},
      {ShortCut(VK_BACK, {}), "BkSp"},
      {ShortCut(VK_INSERT, {}), "Ins"},
      {ShortCut(VK_TAB, {}), "Tab"},
      {ShortCut(VK_SPACE, {}), "Space"},
      {ShortCut(VK_PRIOR, {}), "PgUp"},
      {ShortCut(VK_NEXT, {}), "PgDn"},
      {ShortCut(VK_HOME, {}), "Home"},
      {ShortCut(VK_END, {}), "End"},
      {ShortCut(VK_LEFT, {}), "Left"},
      {ShortCut(VK_UP, {}), "Up"},
      {ShortCut(VK_RIGHT, {}), "Right"},
      {ShortCut(VK_DOWN, {}), "Down"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.ShortCut), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), c.ShortCut) << c.Text;
  }
  EXPECT_EQ(ShortCut('S', {ssCtrl}), 'S' | scCtrl);
  EXPECT_EQ(ShortCut(0x1FF, {ssCtrl}), scNone);  // not a virtual key

  // Reading ignores case and the order of the shift keys.
  EXPECT_EQ(TextToShortCut("ctrl+shift+f5"), ShortCut(VK_F5, {ssCtrl, ssShift}));
  EXPECT_EQ(TextToShortCut("ALT+x"), ShortCut('X', {ssAlt}));
  // Names that are no key give nothing; so does a key without a name.
  for (const char* text : {"", "Ctrl+", "Ctrl+Shift", "F13", "Ctrl+Foo", "Ctrl++"})
    EXPECT_EQ(TextToShortCut(text), scNone) << text;
  EXPECT_EQ(ShortCutToText(ShortCut(VK_NUMPAD0, {ssCtrl})), "");
}

TEST(Keyboard, AcceleratorsOfCaptions) {
  struct Case {
    const char* Caption;
    char Accelerator;
  };
  const Case cases[] = {
      {"&File", 'F'},   {"Save &as", 'a'},  {"No accelerator", '\0'}, {"Fish && &Chips", 'C'},
      {"&&Literal", '\0'}, {"Trailing &", '\0'}, {"", '\0'},         {"&&&X", 'X'},
  };
  for (const Case& c : cases) EXPECT_EQ(AcceleratorOf(c.Caption), c.Accelerator) << c.Caption;

  EXPECT_TRUE(IsAccel('f', "&File"));
  EXPECT_TRUE(IsAccel('F', "&file"));
  EXPECT_FALSE(IsAccel('i', "&File"));
  EXPECT_FALSE(IsAccel('L', "&&Literal"));
  EXPECT_FALSE(IsAccel(0, "No accelerator"));
  EXPECT_TRUE(IsAccel(static_cast<uint8_t>('\xE9'), "Caf&\xC9"));  // cp1252 e acute, either case

  // Keys by their virtual key: letters and digits only, the keypad's digits too.
  EXPECT_TRUE(IsKeyAccel('X', "Ma&ximize"));
  EXPECT_TRUE(IsKeyAccel(VK_NUMPAD3, "Track &3"));
  EXPECT_FALSE(IsKeyAccel(VK_F9, "Ma&ximize"));  // code 0x78, "x"
  EXPECT_FALSE(IsKeyAccel(VK_NUMPAD3, "&Close"));  // code 0x63, "c"
}

TEST(Keyboard, DialogKeysAndTheCodesThatKeepThem) {
  EXPECT_EQ(DialogKeyCode(VK_TAB), static_cast<UINT>(DLGC_WANTTAB));
  for (uint16_t key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) EXPECT_EQ(DialogKeyCode(key), static_cast<UINT>(DLGC_WANTARROWS));
  for (uint16_t key : {VK_RETURN, VK_ESCAPE, VK_EXECUTE, VK_CANCEL})
    EXPECT_EQ(DialogKeyCode(key), static_cast<UINT>(DLGC_WANTALLKEYS));
  for (uint16_t key : {uint16_t('A'), uint16_t(VK_SPACE), uint16_t(VK_F1), uint16_t(VK_DELETE)})
    EXPECT_EQ(DialogKeyCode(key), 0u);
}

TEST(Keyboard, ShiftStateOfKeyData) {
  BYTE saved[256];
  GetKeyboardState(saved);
  BYTE state[256] = {};
  state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  EXPECT_EQ(KeyDataToShiftState(0), TShiftState{ssShift});
  EXPECT_EQ(KeyDataToShiftState(0x20000000), (TShiftState{ssShift, ssAlt}));
  state[VK_SHIFT] = 0;
  state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  EXPECT_EQ(KeyDataToShiftState(0), TShiftState{ssCtrl});
  SetKeyboardState(saved);
}

TEST(Keyboard, BiDiModeTurnsDrawTextFlags) {
  struct Case {
    UINT Flags;
    TBiDiMode Mode;
    UINT Expected;
  };
  const Case cases[] = {
      {DT_LEFT, bdLeftToRight, DT_LEFT},
      {DT_RIGHT | DT_WORDBREAK, bdLeftToRight, DT_RIGHT | DT_WORDBREAK},
      {DT_LEFT, bdRightToLeft, DT_RIGHT | DT_RTLREADING},
      {DT_RIGHT, bdRightToLeft, DT_LEFT | DT_RTLREADING},
      {DT_CENTER, bdRightToLeft, DT_CENTER | DT_RTLREADING},
      {DT_LEFT, bdRightToLeftNoAlign, DT_LEFT | DT_RTLREADING},
      {DT_RIGHT, bdRightToLeftReadingOnly, DT_RIGHT | DT_RTLREADING},
  };
  for (const Case& c : cases) EXPECT_EQ(DrawTextBiDiFlags(c.Flags, c.Mode), c.Expected);
}

}  // namespace
