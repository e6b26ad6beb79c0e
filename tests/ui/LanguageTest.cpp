// Every text the program's windows show comes from the loaded language file: with a
// German file whose every text is its number marked ("[150]"), whatever a window shows
// unmarked is data (names, numbers, symbols, the product's own name), never a text left
// over from a form resource or the code.
#include "ProgramWindowsKit.h"
#include "Screenshot.h"

#include "ui/FormAbout.h"
#include "ui/FormConfig.h"
#include "ui/FormFormatDialog.h"
#include "ui/FormTagEditor.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"
#include "app/windowrules/AboutBox.h"

#include "skin/boxes/SkinComboBox.h"
#include "skin/boxes/SkinListBox.h"
#include "skin/controls/ControlInput.h"
#include "skin/controls/SkinButton.h"

#include "classlib/Menus.h"

#include "grid/SkinStringGrid.h"

#include "base/FileUtils.h"

#include <functional>
#include <map>
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
// texts, its menu items' captions, its combo and list boxes' items and its grids'
// headings, less the texts that are data and the items of the boxes that list data.
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
    if (auto* grid = dynamic_cast<TDynSkinStringGrid*>(component))
      for (int32_t col = 0; col < grid->ColCount(); ++col) check(grid->Name(), grid->Cells(col, 0));
    if (auto* menu = dynamic_cast<TMainMenu*>(component))
      for (int item = 0; item < menu->Items()->Count(); ++item) checkMenu(*menu->Items()->Items(item));
  }
  return unmarked;
}

// The controls that show on the screen something else than they paint now (a text that
// changed without a repaint keeps its old pixels there), each by the innermost showing
// control over a differing pixel.
std::set<std::string> StaleControls(TForm& window) {
  PumpFor(100);
  const TPixelImage shown = WindowPixelsAsShown(window.Handle());
  const TPixelImage painted = CaptureWindow(window.Handle());
  if (shown.Empty() || shown.Width() != painted.Width() || shown.Height() != painted.Height())
    return {"the window is not wholly on the screen"};
  RECT place{};
  GetWindowRect(window.Handle(), &place);
  std::map<std::string, TRect> boxes;
  for (int i = 0; i < window.ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(window.Components(i)); control != nullptr && ControlShowing(*control)) {
      const TPoint origin = control->ClientToScreen({0, 0});
      boxes[control->Name()] = Bounds(origin.X - place.left, origin.Y - place.top, control->Width(), control->Height());
    }
  std::set<std::string> stale;
  for (int32_t y = 0; y < shown.Height(); ++y)
    for (int32_t x = 0; x < shown.Width(); ++x) {
      if (shown.Pixel(x, y) == painted.Pixel(x, y)) continue;
      std::string innermost = window.Name();
      int64_t smallest = INT64_MAX;
      for (const auto& [name, box] : boxes)
        if (PtInRect(box, {x, y}) && int64_t{box.Width()} * box.Height() < smallest) {
          innermost = name;
          smallest = int64_t{box.Width()} * box.Height();
        }
      stale.insert(innermost);
    }
  return stale;
}

// What the main window shows that is data, not a text: the caption, the language names,
// presets, accelerators and the working folder.
std::set<std::string> MainWindowData(const std::string& folder) {
  return {"Velorandquistmar 0.4.8", "-", "Deutsch", "English", "Espa\xF1ol", "Nederlands", "...", "1",
          "1 - 2 - X - X - X", "X - 1 - 2 - X - X", "X - X - 1 - 2 - X", "X - X - X - 1 - 2",
          "&1", "&2", "&3", "&4", "&5", "&6", "&7", ExcludeTrailingBackslash(folder)};
}

// What the tag editor shows that is data: the tag versions, the blank genre, the colon
// and dashes of the MPEG panel for an unreadable file, the format button and the folder.
// The genres and comment languages are the tag tables' names, and the window keeps its
// own name as its caption.
std::set<std::string> TagEditorData(const std::string& folder) {
  return {"ID3v1 + ID3v2 Editor", "-------", "ID3v1.1", "ID3v2.4", " ", ":", "-", "...",
          ExcludeTrailingBackslash(folder)};
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
  const std::set<std::string> mainWindowData = MainWindowData(Music.Path());
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
  InDialog<TFormTagEditor>([&] { PostClick(Window->PanelID3Tags_ButtonReadTags); }, [&](TFormTagEditor& editor) {
    EXPECT_EQ(UnmarkedTexts(editor, TagEditorData(Music.Path()),
                            {"PanelPrimaryTags_ComboBoxGenre", "PanelPrimaryTags_ComboBoxLanguage"}),
              Texts{});
  });
}

// The language changes while the main window is open: every text it shows, on the screen
// as much as in its controls, is the new language's, and so is every window opened then.
class LanguageChangedToMarked : public ProgramWindows {
protected:
  LanguageChangedToMarked() {
    Program.WriteLanguage("DE.lng", MarkedLanguageFile());
    Mp3("b - Alpha");
    OpenMainWindow();
    ParkPointer();
  }
};

TEST_F(LanguageChangedToMarked, EveryOpenWindowShowsTheNewTextsAtOnce) {
  const std::set<std::string> mainWindowData = MainWindowData(Music.Path());
  EXPECT_NE(UnmarkedTexts(*Window, mainWindowData), Texts{});  // English at first
  EXPECT_EQ(StaleControls(*Window), std::set<std::string>{});
  Window->Menu_Language->Items(0)->Click();
  EXPECT_EQ(UnmarkedTexts(*Window, mainWindowData), Texts{});
  EXPECT_EQ(StaleControls(*Window), std::set<std::string>{});
  PostKey(Window->PanelGrid_GridFileNames, VK_F2);  // the tags panel
  EXPECT_EQ(StaleControls(*Window), std::set<std::string>{});
  InDialog<TFormConfig>([&] { Window->Menu_Settings->Click(); }, [&](TFormConfig& dialog) {
    EXPECT_EQ(UnmarkedTexts(dialog, {"-------", "ID3v1.1", "ID3v2.4", "English", Settings->ListName()},
                            {"GroupBoxTags_ComboBoxLanguage"}),
              Texts{});
  });
  InDialog<TFormTagEditor>([&] { PostClick(Window->PanelID3Tags_ButtonReadTags); }, [&](TFormTagEditor& editor) {
    EXPECT_EQ(UnmarkedTexts(editor, TagEditorData(Music.Path()),
                            {"PanelPrimaryTags_ComboBoxGenre", "PanelPrimaryTags_ComboBoxLanguage"}),
              Texts{});
  });
}

}  // namespace
