#pragma once
// The tag editor: opened over the main window's selected rows (Settings->MainSelection,
// brought up to date by the caller), shown modally and freed on return, also when it
// raises; the main window then shows the file names anew.

class TComponent;

void ShowTagEditor(TComponent* owner);
