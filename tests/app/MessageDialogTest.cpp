// The message service's portable logic; the window itself is tested under Wine.
#include "AppTestSupport.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

// 15 px per extra line; the width follows the longest line above 50 characters, at 7 px
// each plus 10. A single line above 50 characters is wrapped instead.
TEST(MessageLayout, LinesAndWidthOfTheText) {
  struct TCase {
    std::string Text;
    int Lines, Longest, Width;
  };
  const TCase cases[] = {
      {Repeat('a', 25) + " " + Repeat('b', 25), 2, 50, 0},
      {Repeat('w', 51), 1, 50, 0},  // a word longer than a line stays whole
      {Repeat('x', 10) + "\r\n" + Repeat('y', 50), 2, 51, 367},  // LF counts in the next line
      {"a\r" + Repeat('z', 80), 2, 80, 570},  // lines already broken are not wrapped
      {"text\r", 2, 4, 0},
      // More lines than a byte and a line longer than a 16-bit word can count.
      {Repeat('\r', 3000), 3001, 0, 0},
      {"x\r" + Repeat('y', 70000), 2, 70000, 70000 * 7 + 10},
  };
  for (const TCase& c : cases) {
    TMessageLayout layout = LayoutMessageText(c.Text);
    EXPECT_EQ(layout.Lines, c.Lines) << c.Text.size();
    EXPECT_EQ(layout.Longest, c.Longest) << c.Text.size();
    EXPECT_EQ(layout.Width, c.Width) << c.Text.size();
    EXPECT_EQ(layout.ExtraHeight, 15 * (c.Lines - 1)) << c.Text.size();
  }
  EXPECT_EQ(LayoutMessageText(cases[0].Text).Text, Repeat('a', 25) + " \r\n" + Repeat('b', 25));
}

TEST(MessageService, AWindowThatFailsStillClosesTheMessage) {
  ScriptedPresenter presenter;
  presenter.WhileOpen = [](TMessageDialog&) { throw Exception("window failed"); };
  EXPECT_THROW(ShowMessageOk("c", "t", nullptr), Exception);
  EXPECT_EQ(MessageDialogForm, nullptr);
  presenter.WhileOpen = nullptr;
  presenter.Press(mtYesNo, dbNo);
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), maNo);
}

}  // namespace
