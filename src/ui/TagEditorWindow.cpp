#include "TagEditorWindow.h"

// The tag editor window comes with its own change; until then the button opens nothing.
void ShowTagEditor(TComponent*) {}
