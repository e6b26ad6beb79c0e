#include "TagServices.h"

#include "LocaleCharset.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"

#include "tags/TagEnvironment.h"

void InstallTagServices() {
  SetTagErrorHandler([](const std::string& text) {
    ShowMessageOk(LangText(TLangText::ErrorCaption), text, Settings != nullptr ? Settings->StoredSkin : nullptr);
  });
  SetCharsetSource([] { return LocaleToCharset(Settings != nullptr ? Settings->LangConfig.Locale : 0); });
}
