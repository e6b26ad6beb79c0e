#include "TagServices.h"

#include "Config.h"
#include "LocaleCharset.h"
#include "MessageDialog.h"
#include "Translation.h"

#include "tags/TagEnvironment.h"

void InstallTagServices() {
  SetTagErrorHandler([](const std::string& text) {
    ShowMessageOk(LangText(TLangText::ErrorCaption), text, Settings != nullptr ? Settings->StoredSkin : nullptr);
  });
  SetCharsetSource([] { return LocaleToCharset(Settings != nullptr ? Settings->LangConfig.Locale : 0); });
}
