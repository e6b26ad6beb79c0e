#include "TagEnvironment.h"

#include "base/FileUtils.h"

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

void ShowTagError(const std::string& text) {
  if (ErrorHandler()) ErrorHandler()(text);
}
