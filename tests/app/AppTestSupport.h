#pragma once
// Helpers of the application-services tests: a scripted message presenter, a program
// folder with its languages folder, and language files to load.

#include "app/Config.h"
#include "app/MessageDialog.h"

#include "TempFolder.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the presenter saw of one message.
struct TShownMessage {
  uint8_t Kind = 0;
  bool AsList = false;
  std::string Caption;
  TMessageLayout Layout;
  int32_t WindowWidth = 0;
  TspCompressedStoredSkin* Skin = nullptr;
  std::array<std::string, 4> ButtonCaptions;  // by TDialogButton, shown ones only
};

// Installs itself as the message presenter for its lifetime and answers each message by
// its kind: the scripted button is pressed, or the window is closed without one.
class ScriptedPresenter : public TMessagePresenter {
public:
  ScriptedPresenter();
  ~ScriptedPresenter() override;
  ScriptedPresenter(const ScriptedPresenter&) = delete;
  ScriptedPresenter& operator=(const ScriptedPresenter&) = delete;

  void Press(uint8_t kind, TDialogButton button) { FScript[kind] = button; }
  void ShowModal(TMessageDialog& dialog) override;

  // Runs while a message is open, before its button is pressed.
  std::function<void(TMessageDialog&)> WhileOpen;
  std::vector<TShownMessage> Shown;

  // The messages shown as "caption / text", their line breaks removed (long messages
  // come back wrapped).
  std::vector<std::string> Texts() const;

private:
  std::map<uint8_t, TDialogButton> FScript;
  TMessagePresenter* FPrevious;
};

// A program folder (also the working folder) with an empty languages folder.
class ProgramFolder {
public:
  ProgramFolder();

  TProgramPlace Place() const { return {FFolder.Path(), FFolder.Path()}; }
  const std::string& Path() const { return FFolder.Path(); }
  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    return FFolder.WriteFile(name, bytes);
  }
  std::string ReadFile(const std::string& name) const { return FFolder.ReadFile(name); }
  // A language file in languages\.
  void WriteLanguage(const std::string& fileName, const std::string& bytes) const;
  // A language file as the build installed it into the program folder.
  void InstallBuiltLanguage(const std::string& fileName) const;

private:
  TempFolder FFolder;
};

// The bytes of a language file the build installed.
std::string BuiltLanguageFile(const std::string& fileName);
// The lines of the English language file, to derive test files from.
std::vector<std::string> EnglishLanguageLines();
// Lines joined, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
