#pragma once
// Which of the application's forms takes the keyboard when the program comes back to the
// user: restored from the minimized application, or the application activated from
// outside (a second start, the taskbar).

#include <cstddef>
#include <optional>
#include <span>

// What the application knows of one of its forms at that moment.
struct TFormActivationFacts {
  bool Shown = false;       // on the screen
  bool Enabled = false;     // takes input: not held back by a modal form
  bool LastActive = false;  // the form that was active last
  bool MainForm = false;
};

// The index of the form to activate, Forms being in creation order: the form last active
// while it is shown and enabled (the modal form the user answers, or whichever form the
// user left); else the main form, shown and enabled; else the newest shown and enabled
// form (a modal form that was never active: modal forms come after the forms they hold
// back). Nothing when no form can take the keyboard (all hidden, as while minimized).
std::optional<size_t> FormToActivate(std::span<const TFormActivationFacts> Forms);
