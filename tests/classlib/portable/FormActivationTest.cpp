// Which form takes the keyboard when the program comes back to the user.
#include "classlib/portable/FormActivation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using F = TFormActivationFacts;
// Shown and enabled, as a form that takes keys; the flags name what else holds.
constexpr F kMain{true, true, false, true};
constexpr F kForm{true, true, false, false};

F With(F form, bool shown, bool enabled, bool lastActive) {
  form.Shown = shown;
  form.Enabled = enabled;
  form.LastActive = lastActive;
  return form;
}

TEST(FormToActivate, AModalFormUpKeepsTheKeyboardOverTheMainFormItHoldsBack) {
  // The main form behind the limit warning, which was active last.
  const std::vector<F> warningUp{With(kMain, true, false, false), With(kForm, true, true, true)};
  EXPECT_EQ(FormToActivate(warningUp), 1u);
  // Nested: the tag editor behind a message over it.
  const std::vector<F> nested{With(kMain, true, false, false), With(kForm, true, false, false),
                              With(kForm, true, true, true)};
  EXPECT_EQ(FormToActivate(nested), 2u);
  // A modal form that was never active (shown while another program had the keyboard)
  // still beats the main form it holds back, and the older form it holds back too.
  const std::vector<F> neverActive{With(kMain, true, false, true), With(kForm, true, false, false),
                                   With(kForm, true, true, false)};
  EXPECT_EQ(FormToActivate(neverActive), 2u);
}

TEST(FormToActivate, WithoutAModalFormTheMainFormTakesIt) {
  EXPECT_EQ(FormToActivate(std::vector<F>{With(kMain, true, true, true)}), 0u);
  // The form last active has gone from the screen (a closed dialog): the main form, also
  // before a newer form beside it.
  const std::vector<F> closed{kMain, kForm, With(kForm, false, true, true)};
  EXPECT_EQ(FormToActivate(closed), 0u);
  // Another form shown beside the main form, last active: it keeps the keyboard.
  const std::vector<F> besideMain{kMain, With(kForm, true, true, true)};
  EXPECT_EQ(FormToActivate(besideMain), 1u);
}

TEST(FormToActivate, NoFormWhenNoneCanTakeTheKeyboard) {
  EXPECT_FALSE(FormToActivate({}).has_value());
  // Minimized: every form is off the screen.
  const std::vector<F> minimized{With(kMain, false, true, true), With(kForm, false, true, false)};
  EXPECT_FALSE(FormToActivate(minimized).has_value());
  // A main form held back by a modal form that is not shown.
  const std::vector<F> heldBack{With(kMain, true, false, true), With(kForm, false, true, false)};
  EXPECT_FALSE(FormToActivate(heldBack).has_value());
}

}  // namespace
