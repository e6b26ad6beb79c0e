#pragma once
// The main window's menu commands that need no window: the language menu's items and
// the change of language, the Explorer verb's check item, and the check before the tag
// editor opens.

#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TConfigSession;
class TLanguage;
class TShellVerbRegistry;

struct TLanguageMenuItem {
  std::string Caption;
  bool Checked = false;
  bool RadioItem = false;  // one of a group; a click changes the language
  bool operator==(const TLanguageMenuItem&) const = default;
};

// One radio item per language whose file was found, the configured one checked. When
// the configured language's file was not found: one checked "English" item that does
// nothing.
std::vector<TLanguageMenuItem> LanguageMenuItems(const TConfigBase& settings, const TLanguage& language);

// A click on the item at position: its language is loaded over the texts and stored in
// "Settings.ini", which is written again whole in the new language's names (a failure is
// reported and leaves the old file). False, changing nothing, for the checked item or an
// item that does nothing; true when the window is to set its texts again.
bool SelectLanguage(TConfigBase& settings, TLanguage& language, int32_t position);

// The Explorer verb's check item: registers the verb when the session says it is not
// registered, removes it otherwise. A registry failure is reported instead of the
// success message; either way the session's flag then says what the registry holds.
// Returns the item's new check mark.
bool ToggleShellVerb(TConfigBase& settings, TConfigSession& session, TShellVerbRegistry& registry);

// The tag editor opens on the selected rows; without one the user is told so.
bool CanOpenTagEditor(const TConfigBase& settings);
