#include "LocaleCharset.h"

#include "app/messages/MessageDialog.h"

#include "base/Locale.h"

namespace {

constexpr uint8_t kDefaultCharset = 1;

}  // namespace

uint8_t LocaleToCharset(uint32_t locale) {
  uint8_t charset = kDefaultCharset;
  if (!CharsetOfLocale(locale, charset))
    ShowMessageOk("Fout", std::string("Onbekend type van") + "TFontCharSet", nullptr);
  return charset;
}
