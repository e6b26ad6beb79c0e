#include "SettingsReports.h"

#include "MessageDialog.h"

bool ReportSettingsResult(TSettingsResult result, TspCompressedStoredSkin* skin) {
  switch (result) {
    case TSettingsResult::Done: return true;
    case TSettingsResult::NotRead: ShowErrorMessage(TLangText::SettingsNotReadMessage, skin); break;
    case TSettingsResult::NotMade: ShowErrorMessage(TLangText::SettingsNotMadeMessage, skin); break;
  }
  return false;
}

void ReportLanguageLoad(const TLanguage& language, TLanguageLoad result, TspCompressedStoredSkin* skin) {
  if (result == TLanguageLoad::Loaded) return;
  ShowMessageOk(language[TLangText::ErrorCaption],
                language[result == TLanguageLoad::NotFound ? TLangText::TranslationNotFoundMessage
                                                           : TLangText::InvalidTranslationMessage],
                skin);
}
