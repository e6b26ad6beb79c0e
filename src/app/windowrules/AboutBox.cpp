#include "AboutBox.h"

#include "app/language/Translation.h"
#include "app/settings/Config.h"

const char MakerLine[] = "Made by the Velorandquistmar makers";
const char MakerEmailAddress[] = "velorandquistmar@example.org";
const char MakerWebAddress[] = "www.example.org/velorandquistmar";

std::string AboutVersionText(const TConfigBase& settings) {
  return LangText(TLangText::VersionLabel) + " " + settings.Version;
}

std::string AboutTranslationText() {
  return LangText(TLangText::TranslationLabel) + " " + LangText(TLangText::TranslatorCredit);
}

std::string AddressTarget(const std::string& address) {
  return (address.find('@') != std::string::npos ? "mailto:" : "http://") + address;
}
