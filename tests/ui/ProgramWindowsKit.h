#pragma once
// The program's windows under test: a program folder with the built language files (where
// "Settings.ini" goes), a working folder of MP3 files, messages answered by a script, the
// Explorer verb in memory, and the main window opened over them.

#include "AppTestSupport.h"
#include "UiTest.h"

#include "ui/FormConfig.h"
#include "ui/FormFileEditor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The visible controls of the window's client area that reach past it, each as "name at
// left,top widthxheight"; the hidden Escape button that lies outside on purpose is left out.
std::vector<std::string> ControlsOutsideTheClientArea(TForm& Window);

class ProgramWindows : public ::testing::Test {
protected:
  ProgramWindows();
  ~ProgramWindows() override;

  // A file of the working folder whose bytes tell which file it was first.
  void Mp3(const std::string& name) const { Music.WriteFile(name + ".mp3", "audio of " + name); }
  // Opens the main window (made, shown and painted) over the working folder.
  TFormFileEditor& OpenMainWindow();
  // The window's name column, data rows only.
  std::vector<std::string> GridNames() const;
  std::string SettingsText() const { return Program.ReadFile("Settings.ini"); }
  // Opens a modal dialog of class F with Open and runs Act in it once it shows; the
  // dialog closes when Act returns, by the modal result Act gave or else as cancelled, so
  // that a failing check never hangs the test.
  template <class F>
  void InDialog(const std::function<void()>& Open, const std::function<void(F&)>& Act) {
    bool shown = false;
    RunFromLoop([&] {
      F* dialog = WaitForForm<F>();
      if (dialog == nullptr) return;
      shown = true;
      Act(*dialog);
      if (dialog->ModalResult() == mrNone) dialog->SetModalResult(mrCancel);
    });
    Open();
    EXPECT_TRUE(shown);
  }
  // The settings dialog from the main window's menu, as InDialog runs it.
  void InSettings(const std::function<void(TFormConfig&)>& Act);

  ProgramFolder Program;
  TempFolder Music;
  ScriptedPresenter Presenter;
  TReportedErrors Errors;  // what escapes a handler, instead of a message box
  FakeVerbRegistry Registry;
  TFormFileEditor* Window = nullptr;
};
