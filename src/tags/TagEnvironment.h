#pragma once
// What the tag library takes from the application: the folder of the listed files, and
// a way to show an error to the user. The application installs its own handler, which
// shows the text through its message service under the translated "Error" caption;
// until then errors are not shown.

#include <functional>
#include <string>

// The folder whose files are listed; rewritten files get their temporary copies there.
// An empty folder (the default) stands for the current directory.
void SetListedFolder(const std::string& folder);
// The listed folder with a trailing "\".
std::string ListedFolder();
// Listed folder + name + "." + extension.
std::string ListedFilePath(const std::string& name, const std::string& extension);

inline const std::string Mp3Extension = "mp3";

using TTagErrorHandler = std::function<void(const std::string& text)>;
// Installs a handler and returns the one it replaces.
TTagErrorHandler SetTagErrorHandler(TTagErrorHandler handler);
void ShowTagError(const std::string& text);
