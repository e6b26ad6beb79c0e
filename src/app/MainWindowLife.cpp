#include "MainWindowLife.h"

#include "Core.h"
#include "MessageDialog.h"
#include "Rename.h"
#include "Session.h"
#include "Translation.h"
#include "WindowPlacementState.h"

#include "base/FileUtils.h"

bool StartMainCore(TspCompressedStoredSkin* storedSkin, const TProgramPlace& place) {
  if (!CreateCore(storedSkin, place)) return false;
  const bool missing = !FileExists(Settings->SettingsPath());
  Settings->ReadSettings();
  if (missing) Settings->WriteSettings();
  return true;
}

void StartSession(TShellVerbRegistry& registry) {
  Session->LoadFromConfig(*Settings, registry.IsRegistered());
  FileList->ScanFolder();
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
