#include "Core.h"

#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/messages/SettingsReports.h"
#include "app/rename/Rename.h"
#include "app/settings/Session.h"

namespace {

TConfigFormShower ConfigFormShower = nullptr;

template <class T>
void FreeAndNil(T*& object) {
  delete object;
  object = nullptr;
}

}  // namespace

bool CreateCore(TspCompressedStoredSkin* storedSkin, const TProgramPlace& place) {
  try {
    Settings = new TConfigBase(place);
    Session = new TConfigSession();
    Settings->StoredSkin = storedSkin;
    // The language table does not exist yet: its built-in English texts speak.
    if (Settings->ReadLanguageSetting() != TSettingsResult::Done)
      ShowMessageOk(EnglishText(TLangText::ErrorCaption), EnglishText(TLangText::SettingsNotReadMessage),
                    storedSkin);
    Lang = new TLanguage(*Settings);
    ReportLanguageLoad(*Lang, Lang->LoadLanguageFile(), storedSkin);
    FileList = new TFileRename(*Settings, *Session);
    return true;
  } catch (...) {
    FreeCore();
    ShowMessageOk("CreateCore", "Fatal error !", nullptr);
    return false;
  }
}

void FreeCore() {
  FreeAndNil(FileList);
  FreeAndNil(Lang);
  FreeAndNil(Session);
  FreeAndNil(Settings);
}

void ShowConfigForm(TComponent* owner) {
  if (ConfigFormShower) ConfigFormShower(owner);
}

void SetConfigFormShower(TConfigFormShower shower) { ConfigFormShower = shower; }
