// Fuzz target: the same bytes as "Settings.ini" (language pre-read and every setting) and
// as a language file, then the message layout of the text.
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"

#include "base/IniFiles.h"
#include "base/SharedRoutines.h"
#include "base/Strings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TStringList lines;
  lines.SetText(text);

  // Reused: every run reads all settings anew, and a language file either replaces
  // every text or none.
  static TConfigBase settings(TProgramPlace{"\\vq-fuzz-missing\\", "\\vq-fuzz-missing\\"});
  static TLanguage language(settings);
  settings.ReadLanguageFromLines(lines);
  TMemIniFile ini;
  ini.SetStrings(lines);
  settings.ReadSettingsFrom(ini);
  if (settings.ListPath() != settings.WorkingFolder + settings.ListName()) __builtin_trap();

  const auto& shapes = TLanguage::FileEntryCounts;
  bool valid = std::find(shapes.begin(), shapes.end(), lines.Count() - 3) != shapes.end() &&
               ValueAfterEquals(lines.Strings(0)) == settings.Version;
  if (language.ApplyLanguageLines(lines) != valid) __builtin_trap();
  if (valid && language[TLangText::AddButton] != StringReplace(ValueAfterEquals(lines.Strings(3)), "#13", CRLF,
                                            rfReplaceAll))
    __builtin_trap();

  TMessageLayout layout = LayoutMessageText(text);
  if (layout.Lines < 1 || layout.ExtraHeight != 15 * (layout.Lines - 1)) __builtin_trap();
  return 0;
}
