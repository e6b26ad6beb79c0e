#pragma once
// The Explorer verb for MP3 files, in HKEY_CLASSES_ROOT: the key ".mp3" names the file
// class in its default value, and the verb is the key <class>\shell\<product>\command,
// whose default value opens the clicked file with the program:
//   "<program folder><product>.exe" "%1"

#include "app/windowrules/MainWindowLife.h"

class TConfigBase;
class TConfigSession;

// Whether ".mp3" names the product as its class, or its class carries the verb.
bool IsShellMenuRegistered(const TConfigBase& config);

// Adds the verb (making the product the class of ".mp3" when it names none) or removes it
// again: the product's own class with ".mp3"'s naming of it, or the verb below another
// program's class. ".mp3" itself is never made nor deleted: registering without it fails.
// A registry failure raises ERegistryException.
void RegisterShellMenu(const TConfigBase& config, bool registering);

// The session's options from the settings, with the verb's state read from the registry.
void LoadSessionFromConfig(TConfigSession& session, const TConfigBase& config);

// The verb in the system's registry, as the main window reaches it.
class TSystemShellVerbRegistry : public TShellVerbRegistry {
public:
  explicit TSystemShellVerbRegistry(const TConfigBase& config) : FConfig(config) {}
  bool IsRegistered() override { return IsShellMenuRegistered(FConfig); }
  void Register(bool registering) override { RegisterShellMenu(FConfig, registering); }

private:
  const TConfigBase& FConfig;
};
