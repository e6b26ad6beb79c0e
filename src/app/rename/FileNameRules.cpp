#include "FileNameRules.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

#include <cctype>
#include <cstring>

namespace {

const char kForbiddenCharacters[] = "\\/:*?\"<>|";
const char kLogFileName[] = "Log.txt";

// "COM" or "LPT" and one digit 1 to 9, or the superscripts 1, 2 and 3 of code page 1252,
// which Windows takes as digits there.
bool IsPortName(const std::string& stem) {
  if (stem.size() != 4) return false;
  const std::string prefix = UpperCase(stem.substr(0, 3));
  const unsigned char digit = static_cast<unsigned char>(stem[3]);
  return (prefix == "COM" || prefix == "LPT") &&
         ((digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3);
}

// The name Windows opens: trailing dots and blanks are dropped.
std::string WithoutTrailingDotsAndBlanks(std::string name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return name;
}

}  // namespace

bool FileNameCharactersAllowed(const std::string& name) {
  for (char c : name)
    if (static_cast<unsigned char>(c) < ' ' || std::strchr(kForbiddenCharacters, c)) return false;
  return true;
}

bool IsDeviceName(const std::string& fileName) {
  std::string stem = fileName.substr(0, fileName.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  const std::string upper = UpperCase(stem);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (upper == device) return true;
  return IsPortName(stem);
}

bool ListNameIsFileName(const std::string& listName) {
  const std::string name = WithoutTrailingDotsAndBlanks(listName);
  return !name.empty() && FileNameCharactersAllowed(name) && !IsDeviceName(name) && !SameText(name, kLogFileName);
}

bool ListNameAllowed(const std::string& listName, const std::string& extension) {
  return ListNameIsFileName(listName) &&
         !SameText(ExtractFileExt(WithoutTrailingDotsAndBlanks(listName)), "." + extension);
}

bool MayNameOneFile(const std::string& a, const std::string& b) {
  if (b.find('~') != std::string::npos) return true;
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) continue;
    if (std::tolower(x) != std::tolower(y)) return false;
  }
  return true;
}
