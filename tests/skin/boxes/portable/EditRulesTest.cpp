// The edits' context menu (items, keys, which can be chosen), the text a single-line
// edit takes from a paste, and the numeric edit's characters.
#include "skin/boxes/portable/EditMenuRules.h"
#include "skin/boxes/portable/NumEditRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The enabled states as a string, one letter per item: U - X C P D - A, "." for off.
std::string Enabled(const TspEditMenuInput& Input) {
  const char letters[] = "U-XCPD-A";
  std::string shown;
  const auto enabled = EditMenuEnabled(Input);
  for (int i = 0; i < EditMenuItemCount; ++i) shown += enabled[static_cast<size_t>(i)] ? letters[i] : '.';
  return shown;
}

TEST(EditMenu, ItemsInOrderWithTheirSkinStringKeys) {
  std::string keys;
  for (int i = 0; i < EditMenuItemCount; ++i) {
    const auto role = EditMenuItemRole(static_cast<TspEditMenuItem>(i));
    keys += role ? std::string(SkinStringKey(*role)) + " " : std::string("- ");
  }
  EXPECT_EQ(keys, "EDIT_UNDO - EDIT_CUT EDIT_COPY EDIT_PASTE EDIT_DELETE - EDIT_SELECTALL ");
}

TEST(EditMenu, WhichItemsCanBeChosen) {
  struct TCase {
    TspEditMenuInput Input;
    const char* Expected;
  };
  const TCase cases[] = {
      // undo, selection, length, clipboard text, read-only
      {{false, 0, 0, 0, false, false}, ".-....-."},  // empty edit: all is selected
      {{false, 0, 0, 5, false, false}, ".-....-A"},
      {{true, 1, 3, 5, true, false}, "U-XCPD-A"},
      {{true, 0, 5, 5, true, false}, "U-XCPD-."},
      {{true, 1, 3, 5, true, true}, "U-.C..-A"},   // read-only: copy follows the selection
      {{false, 3, 3, 5, true, true}, ".-....-A"},  // a caret is no selection
      {{false, 2, 2, 5, true, false}, ".-..P.-A"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Enabled(c.Input), c.Expected);
}

TEST(EditPaste, ASingleLineEditTakesTheTextUpToItsFirstLineBreak) {
  EXPECT_EQ(SingleLineText("ab\r\ncd"), "ab");
  EXPECT_EQ(SingleLineText("ab\ncd\r"), "ab");
  EXPECT_EQ(SingleLineText("ab\rcd"), "ab");
  EXPECT_EQ(SingleLineText("\r\nab"), "");
  EXPECT_EQ(SingleLineText("abc"), "abc");
}

// Types Keys into Text by the rule; a refused key is counted.
std::string Typed(std::string Text, const std::string& Keys, const TspNumEditOptions& Options, int& Refused) {
  Refused = 0;
  for (char c : Keys) {
    if (IsValidNumEditChar(c, Text, Options))
      Text += c;
    else
      ++Refused;
  }
  return Text;
}

TEST(NumEdit, DigitsAndOneMinusAnywhere) {
  int refused = 0;
  EXPECT_EQ(Typed("", "5--", {}, refused), "5-");
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(Typed("", "-12a3.+ ", {}, refused), "-123");
  EXPECT_EQ(refused, 4);
}

TEST(NumEdit, TheDecimalSeparatorOnlyWithDecimalInputAndOnce) {
  int refused = 0;
  EXPECT_EQ(Typed("1", ",", {',', false, true}, refused), "1");
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(Typed("1", ",5,", {',', true, true}, refused), "1,5");
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(Typed("1", ".", {',', true, true}, refused), "1");  // not this locale's
}

TEST(NumEdit, ControlCharactersPassButEnterAndWithoutTypingBackspace) {
  const TspNumEditOptions typing;
  EXPECT_TRUE(IsValidNumEditChar(3, "", typing));   // Ctrl+C
  EXPECT_TRUE(IsValidNumEditChar(8, "", typing));   // Backspace
  EXPECT_FALSE(IsValidNumEditChar(13, "", typing));  // Enter
  const TspNumEditOptions noTyping{'.', true, false};
  EXPECT_TRUE(IsValidNumEditChar(3, "", noTyping));
  EXPECT_FALSE(IsValidNumEditChar(8, "", noTyping));
  EXPECT_FALSE(IsValidNumEditChar('5', "", noTyping));
  EXPECT_FALSE(IsValidNumEditChar('.', "", noTyping));
  EXPECT_FALSE(IsValidNumEditChar(static_cast<char>(0xE9), "", typing));  // a letter above 127
}

}  // namespace
