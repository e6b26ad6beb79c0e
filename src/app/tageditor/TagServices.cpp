#include "TagServices.h"

#include "LocaleCharset.h"
#include "app/language/Translation.h"
#include "app/messages/MessageDialog.h"
#include "app/settings/Config.h"

#include "tags/TagEnvironment.h"

namespace {

const std::string kFixedErrorCaption = "Error";

}  // namespace

void InstallTagServices() {
  SetTagErrorHandler([](TTagErrorCaption caption, const std::string& text) {
    const std::string& shownCaption =
        caption == TTagErrorCaption::Fixed ? kFixedErrorCaption : LangText(TLangText::ErrorCaption);
    ShowMessageOk(shownCaption, text, Settings != nullptr ? Settings->StoredSkin : nullptr);
  });
  SetCharsetSource([] { return LocaleToCharset(Settings != nullptr ? Settings->LangConfig.Locale : 0); });
}
