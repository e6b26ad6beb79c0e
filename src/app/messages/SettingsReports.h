#pragma once
// What the user is told when "Settings.ini" or the configured language's file fails: the
// settings and the language table return what failed, their callers report it here.

#include "app/language/Translation.h"
#include "app/settings/Config.h"

class TspCompressedStoredSkin;

// "Settings file could not be read !" or "... could not be made !" under the language
// table's "Error" caption; nothing for Done. True for Done.
bool ReportSettingsResult(TSettingsResult result, TspCompressedStoredSkin* skin);
// The language file's failure in the texts of the table at hand (before a language is
// loaded, English; after, the loaded one); nothing once loaded.
void ReportLanguageLoad(const TLanguage& language, TLanguageLoad result, TspCompressedStoredSkin* skin);
