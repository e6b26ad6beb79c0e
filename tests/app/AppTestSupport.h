#pragma once
// Helpers of the application-services tests: a scripted message presenter, a program
// folder with its languages folder, and language files to load.

#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"
#include "app/windowrules/MainWindowLife.h"

#include "TempFolder.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

// What the presenter saw of one message.
struct TShownMessage {
  std::string Caption;
  std::string Text;
  TspCompressedStoredSkin* Skin = nullptr;
  std::array<std::string, 4> ButtonCaptions;  // by TDialogButton, shown ones only
};

// Installs itself as the message presenter for its lifetime and answers each message by
// its kind: the scripted button is pressed, or the window is closed without one.
class ScriptedPresenter : public TMessagePresenter {
public:
  ScriptedPresenter() : FPrevious(SetMessagePresenter(this)) {}
  ~ScriptedPresenter() override { SetMessagePresenter(FPrevious); }
  ScriptedPresenter(const ScriptedPresenter&) = delete;
  ScriptedPresenter& operator=(const ScriptedPresenter&) = delete;

  void Press(uint8_t kind, TDialogButton button) { FScript[kind] = button; }
  void ShowModal(TMessageDialog& dialog) override;
  // The messages shown as "caption / text", their line breaks removed (long messages
  // come back wrapped).
  std::vector<std::string> Texts() const;

  // Runs while a message is open, before its button is pressed.
  std::function<void(TMessageDialog&)> WhileOpen;
  std::vector<TShownMessage> Shown;

private:
  std::map<uint8_t, TDialogButton> FScript;
  TMessagePresenter* FPrevious;
};

// The Explorer verb's registry entries, kept in memory; a failing registry raises.
class FakeVerbRegistry : public TShellVerbRegistry {
public:
  bool IsRegistered() override { return Registered; }
  void Register(bool registering) override;
  bool Registered = false;
  bool Fails = false;
};

// A program folder (also the working folder) with an empty languages folder.
class ProgramFolder : public TempFolder {
public:
  ProgramFolder();
  TProgramPlace Place() const { return {Path(), Path()}; }
  // A language file in languages\, or the one the build installed.
  void WriteLanguage(const std::string& fileName, const std::string& bytes) const;
  void InstallBuiltLanguage(const std::string& fileName) const;
};

// The bytes of a language file the build installed.
std::string BuiltLanguageFile(const std::string& fileName);
// The lines of the English language file, to derive test files from.
std::vector<std::string> EnglishLanguageLines();
// Lines joined, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
