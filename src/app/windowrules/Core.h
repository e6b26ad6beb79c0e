#pragma once
// The process-wide core objects: Settings, Session, Lang and FileList, made when the
// main window is created and freed when it is destroyed.

#include "app/settings/Config.h"

class TComponent;

// Makes Settings (keeping storedSkin for every other window), Session, Lang (with the
// configured language file loaded) and FileList (empty until its first scan). On any
// failure the objects made so far are freed, "Fatal error !" is shown without a skin,
// and false tells the caller to end the program.
bool CreateCore(TspCompressedStoredSkin* storedSkin,
                const TProgramPlace& place = TProgramPlace::OfProcess());
// Frees FileList, Lang, Session and Settings, in this order, and clears them.
void FreeCore();

// Shows the settings dialog modally, owned by owner, and frees it. The dialog belongs
// to the application windows, which install it here.
void ShowConfigForm(TComponent* owner);
using TConfigFormShower = void (*)(TComponent* owner);
void SetConfigFormShower(TConfigFormShower shower);
