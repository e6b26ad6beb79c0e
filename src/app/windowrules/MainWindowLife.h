#pragma once
// The main window's life as far as it needs no window: the core objects made and the
// settings read (or written with their defaults) when it is created, the session and
// the folder's files when it is placed, the question before it closes with a pending
// preview, and the placement written and the core freed when it is destroyed.

#include "app/settings/Config.h"

#include <string>

class TspCompressedStoredSkin;

// The Explorer verb's registry entries as the main window reaches them; the Windows half
// implements it over the registry.
class TShellVerbRegistry {
public:
  virtual ~TShellVerbRegistry() = default;
  virtual bool IsRegistered() = 0;
  // Registers or removes the verb; raises on a registry failure.
  virtual void Register(bool registering) = 0;
};

// Makes the core objects and reads "Settings.ini", writing it with every default when
// it is missing. False when the core could not be made: that was reported, the program
// is to end, and nothing else of the start-up runs.
bool StartMainCore(TspCompressedStoredSkin* storedSkin,
                   const TProgramPlace& place = TProgramPlace::OfProcess());
// Fills the session from the settings and the registry, and lists the folder's files;
// the window opens them (TFileRename::OpenListedFiles) once it has painted.
void StartSession(TShellVerbRegistry& registry);
// The application's title and the window's caption: the product and its version.
std::string MainWindowTitle(const TConfigBase& settings);
// False when a preview is pending and the user answers No to closing.
bool ConfirmMainWindowClose();
// Writes the main window's placement when it changed (a failure is reported) and frees
// the core objects. Any of them may be missing: a start-up that failed made none.
void FinishMainCore();
