#include "Core.h"

#include "MessageDialog.h"
#include "Rename.h"
#include "Session.h"
#include "Translation.h"

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
    Settings->ReadLanguageSetting();
    Lang = new TLanguage(*Settings);
    Lang->LoadLanguageFile();
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
