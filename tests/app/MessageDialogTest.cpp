#include "AppTestSupport.h"

#include "app/Core.h"
#include "app/MessageDialog.h"
#include "app/Translation.h"

#include "base/Exceptions.h"
#include "base/SharedRoutines.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

// Text layout: 15 px per extra line; the width follows the longest line above 50
// characters at 7 px each plus 10.
struct TLayoutCase {
  const char* Name;
  std::string Text;
  int Lines;
  int Longest;
  int Width;  // 0: as designed
};

const TLayoutCase kLayoutCases[] = {
    {"empty", "", 1, 0, 0},
    {"50 characters", Repeat('x', 50), 1, 0, 0},
    {"51 characters with a blank wrap", Repeat('a', 25) + " " + Repeat('b', 25), 2, 50, 0},
    {"a 51-character word stays whole", Repeat('w', 51), 1, 50, 0},
    {"long text wraps into lines",
     Repeat('a', 30) + " " + Repeat('b', 30) + " " + Repeat('c', 30), 3, 50, 0},
    {"two lines, 60 characters", Repeat('x', 60) + "\r\nshort", 2, 60, 430},
    {"line feed counts in the next line", Repeat('x', 10) + "\r\n" + Repeat('y', 50), 2, 51, 367},
    {"lines are not wrapped", "a\r" + Repeat('z', 80), 2, 80, 570},
    {"three short lines", "a\rb\rc", 3, 1, 0},
    {"trailing carriage return", "text\r", 2, 4, 0},
};

TEST(MessageLayout, TextTable) {
  for (const TLayoutCase& c : kLayoutCases) {
    SCOPED_TRACE(c.Name);
    TMessageLayout layout = LayoutMessageText(c.Text);
    EXPECT_EQ(layout.Lines, c.Lines);
    EXPECT_EQ(layout.Longest, c.Longest);
    EXPECT_EQ(layout.Width, c.Width);
    EXPECT_EQ(layout.ExtraHeight, 15 * (c.Lines - 1));
    EXPECT_EQ(CountChar(layout.Text, '\r') + 1, c.Lines);
  }
  TMessageLayout wrapped = LayoutMessageText(Repeat('a', 25) + " " + Repeat('b', 25));
  EXPECT_EQ(wrapped.Text, Repeat('a', 25) + " \r\n" + Repeat('b', 25));
}

TEST(MessageLayout, LongReportsAreCountedWhole) {
  // More lines than a byte and a line longer than a 16-bit word can count.
  std::string manyLines;
  for (int i = 0; i < 3000; ++i) manyLines += "line\r\n";
  TMessageLayout layout = LayoutMessageText(manyLines);
  EXPECT_EQ(layout.Lines, 3001);
  EXPECT_EQ(layout.ExtraHeight, 15 * 3000);
  EXPECT_EQ(layout.Width, 0);
  layout = LayoutMessageText("x\r" + Repeat('y', 70000));
  EXPECT_EQ(layout.Lines, 2);
  EXPECT_EQ(layout.Longest, 70000);
  EXPECT_EQ(layout.Width, 70000 * 7 + 10);
}

TEST(MessageLayout, ButtonsByKind) {
  struct TCase {
    uint8_t Kind;
    std::array<bool, 4> Visible;     // Ok, Yes, No, Cancel
    std::array<int, 4> Captions;     // language-table numbers
    TDialogButton Focused;
    int WindowWidth;
  };
  const TCase cases[] = {
      {mtOk, {true, false, false, false}, {17, 27, 15, 9}, dbOk, 0},
      {mtYesNo, {false, true, true, false}, {17, 27, 15, 9}, dbNo, 0},
      {mtYesCancel, {false, true, false, true}, {17, 27, 15, 9}, dbCancel, 0},
      {mtYesNoAll, {true, true, true, true}, {28, 27, 15, 16}, dbCancel, 440},
      {mtFileExists, {true, true, true, true}, {24, 8, 18, 9}, dbCancel, 550},
      {mtList, {true, false, false, false}, {17, 27, 15, 9}, dbOk, 0},
      {77, {true, false, false, false}, {17, 27, 15, 9}, dbOk, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Kind));
    TMessageButtons buttons = LayoutMessageButtons(c.Kind);
    for (int b = 0; b < 4; ++b) {
      EXPECT_EQ(buttons.Buttons[b].Visible, c.Visible[b]) << b;
      EXPECT_EQ(static_cast<int>(buttons.Buttons[b].Caption), c.Captions[b]) << b;
    }
    EXPECT_EQ(buttons.Focused, c.Focused);
    EXPECT_EQ(buttons.WindowWidth, c.WindowWidth);
  }
  // Kinds 0 to 2 keep the designed places; 3 and 4 move every button.
  for (const auto& button : LayoutMessageButtons(mtYesCancel).Buttons) {
    EXPECT_FALSE(button.Left.has_value());
    EXPECT_FALSE(button.Width.has_value());
  }
  TMessageButtons all = LayoutMessageButtons(mtYesNoAll);
  EXPECT_EQ(*all.Buttons[dbYes].Left, 44);
  EXPECT_EQ(*all.Buttons[dbNo].Left, 118);
  EXPECT_EQ(*all.Buttons[dbOk].Left, 193);
  EXPECT_EQ(*all.Buttons[dbOk].Width, 90);
  EXPECT_EQ(*all.Buttons[dbCancel].Left, 297);
  EXPECT_FALSE(all.Buttons[dbYes].Width.has_value());
  TMessageButtons exists = LayoutMessageButtons(mtFileExists);
  EXPECT_EQ(*exists.Buttons[dbYes].Left, 26);
  EXPECT_EQ(*exists.Buttons[dbYes].Width, 130);
  EXPECT_EQ(*exists.Buttons[dbNo].Left, 172);
  EXPECT_EQ(*exists.Buttons[dbNo].Width, 130);
  EXPECT_EQ(*exists.Buttons[dbOk].Left, 319);
  EXPECT_EQ(*exists.Buttons[dbOk].Width, 90);
  EXPECT_EQ(*exists.Buttons[dbCancel].Left, 426);
}

TEST(MessageLayout, AnswersByKindAndButton) {
  // Rows: kinds 0 to 4; columns: Ok, Yes, No, Cancel.
  const uint8_t answers[5][4] = {
      {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {4, 1, 2, 5}, {8, 6, 7, 3},
  };
  for (uint8_t kind = 0; kind < 5; ++kind)
    for (TDialogButton button : {dbOk, dbYes, dbNo, dbCancel})
      EXPECT_EQ(AnswerOf(kind, button), answers[kind][button]) << int(kind) << " " << int(button);
}

TEST(MessageService, WithoutPresenterNothingIsShownAndTheAnswerIs0) {
  ASSERT_EQ(SetMessagePresenter(nullptr), nullptr);
  EXPECT_EQ(ShowMessageYesNo("Caption", "Text", nullptr), 0);
  EXPECT_EQ(MessageDialogForm, nullptr);
}

TEST(MessageService, WrappersAnswerByTheButtonPressed) {
  ScriptedPresenter presenter;
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), 0);  // closed without a button
  presenter.Press(mtYesNo, dbYes);
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), maYes);
  presenter.Press(mtYesNo, dbNo);
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), maNo);
  const std::pair<TDialogButton, uint8_t> fileExists[] = {
      {dbYes, maAddNumber}, {dbNo, maOverwrite}, {dbOk, maSkip}, {dbCancel, maCancel}};
  for (auto [button, answer] : fileExists) {
    presenter.Press(mtFileExists, button);
    EXPECT_EQ(ShowMessageFileExists("c", "t", nullptr), answer);
  }
  ShowMessageOk("c", "t", nullptr);
  EXPECT_EQ(presenter.Shown.back().Kind, mtOk);
  EXPECT_FALSE(presenter.Shown.back().AsList);
}

TEST(MessageService, ListIsShownAsAnOkMessageInABorderedMemo) {
  ScriptedPresenter presenter;
  presenter.Press(mtOk, dbOk);
  ShowMessageList("Report", "a.mp3\r\nb.mp3", nullptr);
  ASSERT_EQ(presenter.Shown.size(), 1u);
  EXPECT_TRUE(presenter.Shown[0].AsList);
  EXPECT_EQ(presenter.Shown[0].Kind, mtOk);
  EXPECT_EQ(presenter.Shown[0].Caption, "Report");
  EXPECT_EQ(presenter.Shown[0].Layout.Lines, 2);
  EXPECT_EQ(presenter.Shown[0].ButtonCaptions[dbOk], "Ok");
}

TEST(MessageService, KindsThreeAndFourSetTheirOwnWidth) {
  ScriptedPresenter presenter;
  std::string text = Repeat('x', 100) + "\r\nsecond";
  ShowMessageDialog(mtYesNoAll, "c", text, nullptr);
  ShowMessageFileExists("c", "short", nullptr);
  ShowMessageOk("c", text, nullptr);
  ASSERT_EQ(presenter.Shown.size(), 3u);
  EXPECT_EQ(presenter.Shown[0].WindowWidth, 440);
  EXPECT_EQ(presenter.Shown[0].Layout.ExtraHeight, 15);
  EXPECT_EQ(presenter.Shown[1].WindowWidth, 550);
  EXPECT_EQ(presenter.Shown[2].WindowWidth, 710);
}

TEST(MessageService, OnlyOneMessageIsOpenAtATime) {
  ScriptedPresenter presenter;
  presenter.Press(mtYesNo, dbYes);
  uint8_t nestedAnswer = 99;
  presenter.WhileOpen = [&](TMessageDialog& dialog) {
    EXPECT_EQ(MessageDialogForm, &dialog);
    nestedAnswer = ShowMessageYesNo("nested", "t", nullptr);
  };
  EXPECT_EQ(ShowMessageYesNo("outer", "t", nullptr), maYes);
  EXPECT_EQ(nestedAnswer, 0);
  ASSERT_EQ(presenter.Shown.size(), 1u);
  EXPECT_EQ(presenter.Shown[0].Caption, "outer");
  EXPECT_EQ(MessageDialogForm, nullptr);
}

TEST(MessageService, FailingWindowStillClosesTheMessage) {
  ScriptedPresenter presenter;
  presenter.WhileOpen = [](TMessageDialog&) { throw Exception("window failed"); };
  EXPECT_THROW(ShowMessageOk("c", "t", nullptr), Exception);
  EXPECT_EQ(MessageDialogForm, nullptr);
  presenter.WhileOpen = nullptr;
  presenter.Press(mtYesNo, dbNo);
  EXPECT_EQ(ShowMessageYesNo("c", "t", nullptr), maNo);
}

TEST(MessageService, ButtonCaptionsFollowTheLanguageTable) {
  ScriptedPresenter presenter;
  ShowMessageDialog(mtFileExists, "c", "t", nullptr);  // before there is a table
  ProgramFolder folder;
  folder.InstallBuiltLanguage("DE.lng");
  folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=0\r\n");
  ASSERT_TRUE(CreateCore(nullptr, folder.Place()));
  ShowMessageDialog(mtFileExists, "c", "t", nullptr);
  FreeCore();
  ShowMessageDialog(mtYesNoAll, "c", "t", nullptr);  // after it is gone
  ASSERT_EQ(presenter.Shown.size(), 3u);
  EXPECT_EQ(presenter.Shown[0].ButtonCaptions,
            (std::array<std::string, 4>{"Skip", "Add number", "Overwrite", "Cancel"}));
  EXPECT_EQ(presenter.Shown[1].ButtonCaptions,
            (std::array<std::string, 4>{"\xDC" "berspringen", "Nummer anh\xE4ngen",
                                        "\xDC" "berschreiben", "Abbrechen"}));
  EXPECT_EQ(presenter.Shown[2].ButtonCaptions,
            (std::array<std::string, 4>{"All yes", "Yes", "No", "All no"}));
}

}  // namespace
