// The edits' context menu (items, keys, which can be chosen), the text a single-line
// edit takes from a paste, and the numeric edit's characters.
#include "skin/boxes/portable/EditMenuRules.h"
#include "skin/boxes/portable/NumEditRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EditMenu, ItemsWithTheirKeysAndWhichCanBeChosen) {
  std::string keys;
  for (int i = 0; i < EditMenuItemCount; ++i) {
    const auto role = EditMenuItemRole(static_cast<TspEditMenuItem>(i));
    keys += role ? std::string(SkinStringKey(*role)) + " " : std::string("- ");
  }
  EXPECT_EQ(keys, "EDIT_UNDO - EDIT_CUT EDIT_COPY EDIT_PASTE EDIT_DELETE - EDIT_SELECTALL ");
  // One letter per item, "." for a disabled one; the input: can undo, selection start
  // and end, text length, clipboard text, read-only.
  auto shown = [](const TspEditMenuInput& Input) {
    std::string letters = "U-XCPD-A";
    const auto enabled = EditMenuEnabled(Input);
    for (size_t i = 0; i < letters.size(); ++i)
      if (!enabled[i]) letters[i] = '.';
    return letters;
  };
  EXPECT_EQ(shown({false, 0, 0, 0, false, false}), ".-....-.");  // an empty edit is all selected
  EXPECT_EQ(shown({true, 1, 3, 5, true, false}), "U-XCPD-A");
  EXPECT_EQ(shown({true, 0, 5, 5, true, false}), "U-XCPD-.");
  EXPECT_EQ(shown({true, 1, 3, 5, true, true}), "U-.C..-A");  // read-only: Copy follows the selection
  EXPECT_EQ(shown({false, 3, 3, 5, true, false}), ".-..P.-A");  // a caret is no selection
}

TEST(EditPaste, ASingleLineEditTakesTheTextUpToItsFirstLineBreak) {
  EXPECT_EQ(SingleLineText("ab\r\ncd"), "ab");
  EXPECT_EQ(SingleLineText("ab\ncd\r"), "ab");
  EXPECT_EQ(SingleLineText("\r\nab"), "");
  EXPECT_EQ(SingleLineText("abc"), "abc");
}

// Types Keys into an empty text by the rule and counts the refused ones.
std::string Typed(const std::string& Keys, const TspNumEditOptions& Options, int& Refused, std::string Text = "") {
  Refused = 0;
  for (char c : Keys)
    if (IsValidNumEditChar(c, Text, Options))
      Text += c;
    else
      ++Refused;
  return Text;
}

TEST(NumEdit, DigitsOneMinusAnywhereAndWithDecimalInputOneSeparator) {
  int refused = 0;
  EXPECT_EQ(Typed("5--", {}, refused), "5-");
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(Typed("-12a3.+ ", {}, refused), "-123");
  EXPECT_EQ(refused, 4);
  EXPECT_EQ(Typed(",5,.", {',', true, true}, refused, "1"), "1,5");
  EXPECT_EQ(refused, 2);
  EXPECT_TRUE(IsValidNumEditChar(3, "", {}));   // Ctrl+C
  EXPECT_FALSE(IsValidNumEditChar(13, "", {}));  // Enter
  EXPECT_FALSE(IsValidNumEditChar(static_cast<char>(0xE9), "", {}));  // a letter above 127
  const TspNumEditOptions noTyping{'.', true, false};
  EXPECT_TRUE(IsValidNumEditChar(3, "", noTyping));
  EXPECT_FALSE(IsValidNumEditChar(8, "", noTyping));  // not even Backspace
  EXPECT_FALSE(IsValidNumEditChar('5', "", noTyping));
}

}  // namespace
