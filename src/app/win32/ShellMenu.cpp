#include "ShellMenu.h"

#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "classlib/Registry.h"

#include <string>

namespace {

std::string ExtensionKey(const TConfigBase& config) { return "." + config.Extension; }

std::string VerbKey(const TConfigBase& config, const std::string& fileClass) {
  return fileClass + "\\shell\\" + config.ProductName;
}

std::string CommandLine(const TConfigBase& config) {
  return "\"" + config.ProgramFolder + config.ProductName + ".exe\" \"%1\"";
}

void ClassesRoot(TRegistry& registry) { registry.SetRootKey(HKEY_CLASSES_ROOT); }

// Opens or makes key below the current one; a key that cannot be had would leave the
// command written into the wrong key.
void OpenOrCreate(TRegistry& registry, const std::string& key) {
  if (!registry.OpenKey(key, true))
    throw ERegistryException("Failed to create key '" + key + "' below '" + registry.CurrentPath() + "'");
}

// Deletes key with everything below it; a key that is not there is no failure.
void DeleteKeyIfPresent(TRegistry& registry, const std::string& key) {
  if (registry.KeyExists(key) && !registry.DeleteKey(key))
    throw ERegistryException("Failed to delete key '" + key + "'");
}

void Register(TRegistry& registry, const TConfigBase& config) {
  // ".mp3" belongs to the system: without it there is no file class to add the verb to.
  const std::string extension = ExtensionKey(config);
  if (!registry.OpenKey(extension, false)) throw ERegistryException("Failed to open key '" + extension + "'");
  std::string fileClass = registry.ReadString("");
  if (fileClass.empty()) {
    registry.WriteString("", config.ProductName);
    fileClass = config.ProductName;
  }
  registry.CloseKey();
  for (const std::string& key : {fileClass, std::string("shell"), config.ProductName, std::string("command")})
    OpenOrCreate(registry, key);
  registry.WriteString("", CommandLine(config));
}

void Unregister(TRegistry& registry, const TConfigBase& config) {
  const std::string extension = ExtensionKey(config);
  if (!registry.OpenKey(extension, false)) return;
  const std::string fileClass = registry.ReadString("");
  if (fileClass == config.ProductName) {
    if (!registry.DeleteValue("")) throw ERegistryException("Failed to delete the class of '" + extension + "'");
    registry.CloseKey();
    DeleteKeyIfPresent(registry, config.ProductName);
  } else {
    registry.CloseKey();
    if (!fileClass.empty()) DeleteKeyIfPresent(registry, VerbKey(config, fileClass));
  }
}

}  // namespace

bool IsShellMenuRegistered(const TConfigBase& config) {
  TRegistry registry;
  ClassesRoot(registry);
  if (!registry.OpenKey(ExtensionKey(config), false)) return false;
  const std::string fileClass = registry.ReadString("");
  registry.CloseKey();
  if (fileClass == config.ProductName) return true;
  return !fileClass.empty() && registry.OpenKey(VerbKey(config, fileClass), false);
}

void RegisterShellMenu(const TConfigBase& config, bool registering) {
  TRegistry registry;
  ClassesRoot(registry);
  if (registering)
    Register(registry, config);
  else
    Unregister(registry, config);
}

void LoadSessionFromConfig(TConfigSession& session, const TConfigBase& config) {
  session.LoadFromConfig(config, IsShellMenuRegistered(config));
}
