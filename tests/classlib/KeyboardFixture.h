#pragma once
// The fixture of the focus and keyboard tests: a borderless form to add controls to,
// shown with the focus in one of them, and one log that the controls' handlers write.

#include "TestControls.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class KeyboardTest : public ::testing::Test {
protected:
  // Shows the form and waits until Control has the focus, or until any control of the
  // form has it when Control is nullptr; whether it came.
  bool ShowWithFocusIn(TWinControl* Control) {
    Form->Show();
    if (Control != nullptr) Control->SetFocus();
    return PumpUntil([&] {
      HWND focus = GetFocus();
      return Control != nullptr ? focus == Control->Handle() : IsChild(Form->Handle(), focus) != FALSE;
    });
  }
  HWND FocusedWindow() const { return GetFocus(); }
  // A click handler that writes Entry to the log.
  TNotifyEvent Logs(const std::string& Entry) {
    return [this, Entry](TObject*) { Log.push_back(Entry); };
  }

  TOwned<TForm> Form{MakeForm(200, 200, 320, 200)};
  std::vector<std::string> Log;
};
