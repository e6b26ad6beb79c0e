#pragma once
// The system clipboard, as text.

#include "base/win32/WinApi.h"

#include <string>

class TClipboard {
public:
  // Whether the clipboard holds data of Format (CF_TEXT, ...).
  bool HasFormat(UINT Format) const;
  // The clipboard's text ("" when it holds none); setting it replaces the clipboard's
  // content. Raises EInvalidOperation when the clipboard cannot be opened.
  std::string AsText() const;
  void SetAsText(const std::string& Value);
};

// The process's clipboard object.
TClipboard& Clipboard();
