#include "TagEnvironment.h"

#include "base/FileUtils.h"
#include "base/Locale.h"

#include <utility>

namespace {

std::string& ListedFolderSetting() {
  static std::string folder;
  return folder;
}

TTagErrorHandler& ErrorHandler() {
  static TTagErrorHandler handler;
  return handler;
}

constexpr uint32_t kSettingsLocale = 0;
constexpr uint8_t kDefaultCharset = 1;

uint8_t CharsetOfSettingsLocale() {
  uint8_t charset = kDefaultCharset;
  CharsetOfLocale(kSettingsLocale, charset);
  return charset;
}

TCharsetSource& CharsetSource() {
  static TCharsetSource source = CharsetOfSettingsLocale;
  return source;
}

constexpr TAnsiCodePage kSystemCodePage = {AnsiToWide, WideToAnsi};

TAnsiCodePage& InstalledCodePage() {
  static TAnsiCodePage codePage = kSystemCodePage;
  return codePage;
}

// The answer a live TLocaleCharsetScope holds.
std::optional<uint8_t>& HeldCharset() {
  static std::optional<uint8_t> charset;
  return charset;
}

}  // namespace

void SetListedFolder(const std::string& folder) { ListedFolderSetting() = folder; }

std::string ListedFolder() {
  const std::string& folder = ListedFolderSetting();
  return IncludeTrailingBackslash(folder.empty() ? GetCurrentDir() : folder);
}

std::string ListedFilePath(const std::string& name, const std::string& extension) {
  return ListedFolder() + name + "." + extension;
}

TTagErrorHandler SetTagErrorHandler(TTagErrorHandler handler) {
  return std::exchange(ErrorHandler(), std::move(handler));
}

void ShowTagError(TTagErrorCaption caption, const std::string& text) {
  if (ErrorHandler()) ErrorHandler()(caption, text);
}

TCharsetSource SetCharsetSource(TCharsetSource source) {
  return std::exchange(CharsetSource(), source ? std::move(source) : CharsetOfSettingsLocale);
}

uint8_t LocaleCharset() {
  const std::optional<uint8_t>& held = HeldCharset();
  return held ? *held : CharsetSource()();
}

TLocaleCharsetScope::TLocaleCharsetScope() : FOuter(HeldCharset()) { HeldCharset() = LocaleCharset(); }

TLocaleCharsetScope::~TLocaleCharsetScope() { HeldCharset() = FOuter; }

TAnsiCodePage SetAnsiCodePage(TAnsiCodePage codePage) {
  if (!codePage.ToWide || !codePage.ToAnsi) codePage = kSystemCodePage;
  return std::exchange(InstalledCodePage(), codePage);
}

const TAnsiCodePage& AnsiCodePage() { return InstalledCodePage(); }
