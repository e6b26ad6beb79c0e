#pragma once
// What the tag library takes from the application: the folder of the listed files, a
// way to show an error to the user, the character set of the user's locale and the
// system's ANSI code page. The application installs its own error handler, which shows
// the text through its message service under the caption the library names; until then
// errors are not shown.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The folder whose files are listed; rewritten files get their temporary copies there.
// An empty folder (the default) stands for the current directory.
void SetListedFolder(const std::string& folder);
// The listed folder with a trailing "\".
std::string ListedFolder();
// Listed folder + name + "." + extension.
std::string ListedFilePath(const std::string& name, const std::string& extension);

inline const std::string Mp3Extension = "mp3";

// The caption an error is shown under: "Error" in the user's language (the language
// table's text), or "Error" as it stands, in English whatever the language.
enum class TTagErrorCaption { Translated, Fixed };
using TTagErrorHandler = std::function<void(TTagErrorCaption caption, const std::string& text)>;
// Installs a handler and returns the one it replaces.
TTagErrorHandler SetTagErrorHandler(TTagErrorHandler handler);
void ShowTagError(TTagErrorCaption caption, const std::string& text);

// The font character set of the user's locale decides how text frames hold their text:
// 0 (ANSI_CHARSET) means 8-bit text, anything else asks for Unicode. By default it is
// the character set of locale 0 (the locale the settings name), or 1 (DEFAULT_CHARSET)
// when that locale has none; the application may install its own source.
using TCharsetSource = std::function<uint8_t()>;
// Installs a source (an empty one restores the default) and returns the one it replaces.
TCharsetSource SetCharsetSource(TCharsetSource source);
uint8_t LocaleCharset();

// While one lives, LocaleCharset answers what the source answered when it was made: the
// frames of one tag are read under one answer, asked for once.
class TLocaleCharsetScope {
public:
  TLocaleCharsetScope();
  ~TLocaleCharsetScope();
  TLocaleCharsetScope(const TLocaleCharsetScope&) = delete;
  TLocaleCharsetScope& operator=(const TLocaleCharsetScope&) = delete;

private:
  std::optional<uint8_t> FOuter;  // the answer of a scope this one lies in
};

// The conversions between 8-bit text of the system's ANSI code page, as the tag library
// holds text, and UTF-16: AnsiToWide and WideToAnsi of base/Locale.h, unless another code
// page was installed (the native build knows code page 1252 only; tests stand in others).
struct TAnsiCodePage {
  std::u16string (*ToWide)(const std::string& text);
  std::string (*ToAnsi)(const std::u16string& text);
};
// Installs a code page (one without conversions restores the system's) and returns the
// one it replaces.
TAnsiCodePage SetAnsiCodePage(TAnsiCodePage codePage);
const TAnsiCodePage& AnsiCodePage();
