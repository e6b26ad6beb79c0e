#include "skin/form/portable/AltKeyRelease.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the system's keyboard-menu requests answer after key presses: in Events "k" is a
// key press the system saw, "t" one an Alt shortcut of the frame took, "0" the request
// of Alt coming up alone and "x" the request for an Alt+character nothing took. Each
// request answers "y" (the main menu takes the keys) or "n".
std::string Answers(const std::string& Events) {
  TspAltKeyRelease release;
  std::string answers;
  for (char event : Events) {
    if (event == 'k' || event == 't') release.KeyPressed(event == 't');
    if (event == '0' || event == 'x') answers += release.AsksForMainMenu(event == 'x' ? 'x' : 0) ? 'y' : 'n';
  }
  return answers;
}

TEST(AltKeyRelease, AltComingUpAfterAKeyAnAltShortcutTookAsksNothingOnce) {
  const struct {
    const char* Events;
    const char* Answers;
  } cases[] = {
      {"k0", "y"},      // Alt alone
      {"kt0", "n"},     // Alt with Space or an accelerator, Alt up first
      {"ktt0", "n"},    // two accelerators while Alt is held
      {"kt0k0", "ny"},  // then Alt alone again
      {"kt00", "ny"},   // a second request without a new press is the system's own
      {"ktk0", "y"},    // the letter came up first (nothing asked), then Alt alone
      {"ktkx", "y"},    // then Alt with a letter no accelerator has
      {"kx", "y"}};
  for (const auto& c : cases) EXPECT_EQ(Answers(c.Events), c.Answers) << c.Events;
}

}  // namespace
