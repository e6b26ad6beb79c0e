#include "AppTestSupport.h"

#include "ListItems.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "base/Strings.h"

void ScriptedPresenter::ShowModal(TMessageDialog& dialog) {
  TShownMessage shown{dialog.Caption(), dialog.Layout().Text, dialog.Skin(), {}};
  for (TDialogButton button : {dbOk, dbYes, dbNo, dbCancel})
    if (dialog.Buttons().Buttons[button].Visible)
      shown.ButtonCaptions[button] = dialog.ButtonCaption(button);
  Shown.push_back(shown);
  if (WhileOpen) WhileOpen(dialog);
  auto scripted = FScript.find(dialog.Kind());
  if (scripted != FScript.end()) dialog.ButtonClick(scripted->second);
}

std::vector<std::string> ScriptedPresenter::Texts() const {
  std::vector<std::string> texts;
  for (const TShownMessage& shown : Shown)
    texts.push_back(shown.Caption + " / " + StringReplace(shown.Text, CRLF, "", rfReplaceAll));
  return texts;
}

void FakeVerbRegistry::Register(bool registering) {
  if (Fails) throw ERegistryException("Failed to create key 'Velorandquistmar'");
  Registered = registering;
}

ProgramFolder::ProgramFolder() { CreateDir(Path() + "languages"); }

void ProgramFolder::WriteLanguage(const std::string& fileName, const std::string& bytes) const {
  WriteFile("languages\\" + fileName, bytes);
}

void ProgramFolder::InstallBuiltLanguage(const std::string& fileName) const {
  WriteLanguage(fileName, BuiltLanguageFile(fileName));
}

std::string BuiltLanguageFile(const std::string& fileName) {
  return ReadFileBytes(ExtractFilePath(ProgramFileName()) + VQ_BUILT_LANGUAGES "\\" + fileName);
}

std::vector<std::string> EnglishLanguageLines() {
  TStringList list;
  list.SetText(BuiltLanguageFile("EN.lng"));
  return Items(list);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
