// Every text the program's windows show comes from the loaded language file: with a
// German file whose every text is its number marked ("[150]"), whatever a window shows
// unmarked is data (names, numbers, symbols, the product's own name), never a text left
// over from a form resource or the code.
#include "ProgramWindowsKit.h"

#include "ui/FormAbout.h"
#include "ui/FormConfig.h"
#include "ui/FormFormatDialog.h"

#include "app/AboutBox.h"
#include "app/Config.h"
#include "app/Translation.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinListBox.h"

#include "classlib/Menus.h"

#include "base/FileUtils.h"

#include <functional>
#include <set>

namespace {

bool IsSettingsName(int number) {
  return number >= static_cast<int>(TLangText::ActionOnExistingFileKey) &&
         number <= static_cast<int>(TLangText::TagEditorSection);
}

// The German file with every text but the untranslated settings names replaced by "[n]".
std::string MarkedLanguageFile() {
  std::vector<std::string> lines = EnglishLanguageLines();
  for (size_t i = 3; i < lines.size(); ++i) {
    const std::string number = lines[i].substr(0, lines[i].find('='));
    if (!IsSettingsName(std::stoi(number))) lines[i] = number + "=[" + number + "]";
  }
  lines[2] = "Language=Deutsch";
  return JoinLines(lines);
}

using Texts = std::vector<std::string>;

// The texts a window shows unmarked, as "component: text": its caption, its controls'
// texts, its menu items' captions and its combo and list boxes' items, less the texts
// that are data and the items of the boxes that list data.
Texts UnmarkedTexts(TForm& window, const std::set<std::string>& data, const std::set<std::string>& dataBoxes = {}) {
  Texts unmarked;
  auto check = [&](const std::string& name, const std::string& text) {
    if (!text.empty() && text.find('[') == std::string::npos && data.count(text) == 0)
      unmarked.push_back(name + ": " + text);
  };
  check(window.Name(), window.Caption());
  auto checkItems = [&](const std::string& name, TStrings& items) {
    if (dataBoxes.count(name) != 0) return;
    for (int i = 0; i < items.Count(); ++i) check(name, items.Strings(i));
  };
  std::function<void(TMenuItem&)> checkMenu = [&](TMenuItem& item) {
    check(item.Name(), item.Caption());
    for (int i = 0; i < item.Count(); ++i) checkMenu(*item.Items(i));
  };
  for (int i = 0; i < window.ComponentCount(); ++i) {
    TComponent* component = window.Components(i);
    if (auto* combo = dynamic_cast<TspSkinComboBox*>(component)) checkItems(combo->Name(), *combo->Items());
    if (auto* list = dynamic_cast<TspSkinListBox*>(component)) checkItems(list->Name(), *list->Items());
    if (auto* control = dynamic_cast<TControl*>(component)) check(control->Name(), control->Text());
    if (auto* menu = dynamic_cast<TMainMenu*>(component))
      for (int item = 0; item < menu->Items()->Count(); ++item) checkMenu(*menu->Items()->Items(item));
  }
  return unmarked;
}

class MarkedLanguage : public ProgramWindows {
protected:
  MarkedLanguage() {
    Program.WriteLanguage("DE.lng", MarkedLanguageFile());
    Program.WriteFile("Settings.ini", "[Program]\r\nLanguage=0\r\n");
    Mp3("b - Alpha");
    OpenMainWindow();
  }
};

TEST_F(MarkedLanguage, EveryWindowShowsOnlyTheLanguageFilesTexts) {
  const std::set<std::string> mainWindowData = {
      "Velorandquistmar 0.4.8", "-", "Deutsch", "English", "Espa\xF1ol", "Nederlands", "...", "1",
      "1 - 2 - X - X - X", "X - 1 - 2 - X - X", "X - X - 1 - 2 - X", "X - X - X - 1 - 2",
      "&1", "&2", "&3", "&4", "&5", "&6", "&7", ExcludeTrailingBackslash(Music.Path())};
  EXPECT_EQ(UnmarkedTexts(*Window, mainWindowData), Texts{});
  InDialog<TFormConfig>([&] { Window->Menu_Settings->Click(); }, [&](TFormConfig& dialog) {
    // The versions' and the comment languages' names are the tag tables' own.
    EXPECT_EQ(UnmarkedTexts(dialog, {"-------", "ID3v1.1", "ID3v2.4", "English", Settings->ListName()},
                            {"GroupBoxTags_ComboBoxLanguage"}),
              Texts{});
  });
  InDialog<TFormAbout>([&] { Window->Menu_About->Click(); }, [&](TFormAbout& about) {
    EXPECT_EQ(UnmarkedTexts(about, {"Velorandquistmar", MakerLine, MakerEmailAddress, MakerWebAddress}), Texts{});
  });
  InDialog<TFormFormatDialog>([&] { Window->GroupBoxOptions_SpeedButtonFormatsClick(nullptr); },
                              [&](TFormFormatDialog& dialog) { EXPECT_EQ(UnmarkedTexts(dialog, {}), Texts{}); });
}

}  // namespace
