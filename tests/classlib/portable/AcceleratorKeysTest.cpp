// The keys menus read as accelerators: letters and digits only.
#include "classlib/portable/AcceleratorKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(AcceleratorKeys, LettersAndDigitsFromTheMainKeysAndTheKeypad) {
  for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(AcceleratorCharOfKey(static_cast<uint16_t>(c)), c);
  for (char c = '0'; c <= '9'; ++c) {
    EXPECT_EQ(AcceleratorCharOfKey(static_cast<uint16_t>(c)), c);
    EXPECT_EQ(AcceleratorCharOfKey(static_cast<uint16_t>(0x60 + (c - '0'))), c);  // the keypad's digit
  }
}

TEST(AcceleratorKeys, KeysThatTypeNoLetterOrDigitStandForNone) {
  struct Case {
    uint16_t Key;
    const char* Name;
  };
  const Case cases[] = {
      {0x70, "F1 (code of \"p\")"},        {0x72, "F3 (\"r\")"},      {0x74, "F5 (\"t\")"},
      {0x78, "F9 (\"x\")"},                {0x7B, "F12 (\"{\")"},     {0x6A, "keypad * (\"j\")"},
      {0x6E, "keypad point (\"n\")"},      {0x6F, "keypad / (\"o\")"}, {0xBE, "point"},
      {0x20, "space"},                     {0x0D, "Enter"},           {0x1B, "Escape"},
      {0x25, "Left"},                      {0x2E, "Delete"},          {0x5B, "Windows key (\"[\")"},
      {0, "none"},                         {0x141, "beyond the virtual keys (\"A\" + 0x100)"},
  };
  for (const Case& c : cases) EXPECT_EQ(AcceleratorCharOfKey(c.Key), '\0') << c.Name;
}

}  // namespace
