#include "MainWindowLife.h"

#include "Core.h"
#include "WindowPlacementState.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/messages/SettingsReports.h"
#include "app/rename/Rename.h"
#include "app/settings/Session.h"

#include "base/FileUtils.h"

bool StartMainCore(TspCompressedStoredSkin* storedSkin, const TProgramPlace& place) {
  if (!CreateCore(storedSkin, place)) return false;
  const bool missing = !FileExists(Settings->SettingsPath());
  ReportSettingsResult(Settings->ReadSettings(), Settings->StoredSkin);
  if (missing) ReportSettingsResult(Settings->WriteSettings(), Settings->StoredSkin);
  return true;
}

void StartSession(TShellVerbRegistry& registry) {
  Session->LoadFromConfig(*Settings, registry.IsRegistered());
  FileList->ListFolder();
}

std::string MainWindowTitle(const TConfigBase& settings) {
  return settings.ProductName + " " + settings.Version;
}

bool ConfirmMainWindowClose() {
  if (!Settings || !Settings->RenamePending) return true;
  return ShowMessageYesNo(LangText(TLangText::WarningCaption), LangText(TLangText::UnsavedChangesQuestion),
                          Settings->StoredSkin) != maNo;
}

void FinishMainCore() {
  if (Settings) SavePlacement(*Settings, piMainWindow);
  FreeCore();
}
