#include "MainMenuCommands.h"

#include "MainWindowLife.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/messages/SettingsReports.h"
#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "base/Exceptions.h"

std::vector<TLanguageMenuItem> LanguageMenuItems(const TConfigBase& settings, const TLanguage& language) {
  if (!language.IsLanguageAvailable()) return {{.Caption = LanguageFiles[lfEN].DisplayName, .Checked = true}};
  std::vector<TLanguageMenuItem> items;
  for (TLangID id : settings.LangConfig.LangIDs)
    items.push_back({.Caption = LanguageFiles[id].DisplayName,
                     .Checked = id == settings.LangConfig.Language,
                     .RadioItem = true});
  return items;
}

bool SelectLanguage(TConfigBase& settings, TLanguage& language, int32_t position) {
  const TLangIDs& available = settings.LangConfig.LangIDs;
  if (!language.IsLanguageAvailable() || position < 0 || position >= static_cast<int32_t>(available.size()) ||
      available[position] == settings.LangConfig.Language)
    return false;
  settings.LangConfig.Language = available[position];
  ReportLanguageLoad(language, language.LoadLanguageFile(), settings.StoredSkin);
  ReportSettingsResult(settings.RewriteSettings(), settings.StoredSkin);
  return true;
}

bool ToggleShellVerb(TConfigBase& settings, TConfigSession& session, TShellVerbRegistry& registry) {
  const bool registering = !session.ShellMenuRegistered;
  bool done = true;
  try {
    registry.Register(registering);
  } catch (const Exception& e) {
    done = false;
    ShowMessageOk(LangText(TLangText::ErrorCaption), e.Message(), settings.StoredSkin);
  }
  session.ShellMenuRegistered = registry.IsRegistered();
  if (done)
    ShowMessageOk(LangText(TLangText::InfoCaption),
                  LangText(registering ? TLangText::ShellVerbAddedMessage : TLangText::ShellVerbRemovedMessage),
                  settings.StoredSkin);
  return session.ShellMenuRegistered;
}

bool CanOpenTagEditor(const TConfigBase& settings) {
  if (settings.MainSelection.GetCount() > 0) return true;
  ShowMessageOk(LangText(TLangText::WarningCaption), LangText(TLangText::InvalidFilesMessage), settings.StoredSkin);
  return false;
}
