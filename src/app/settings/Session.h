#pragma once
// The options of the running session: copies of settings that the windows may change
// without saving them, the Explorer verb's state and the tag editor's caption colours.

#include "base/Object.h"

#include <cstdint>

class TConfigBase;

class TConfigSession : public TObject {
public:
  static constexpr uint32_t ChangedColor = 0x00FF00;  // green

  bool ShellMenuRegistered = false;  // the Explorer verb is registered
  bool AllWordsCaps = false;
  bool CutTillNumber = false;
  bool UseSelectedFormat = false;
  bool UseStartNumber = false;
  uint8_t DefaultID3v1 = 0;  // tag-version table index; 0 removes that tag
  uint8_t DefaultID3v2 = 0;
  uint32_t NormalFontColor = 0;   // 0x00BBGGRR
  uint32_t ChangedFontColor = 0;  // of a changed tag-editor field; ChangedColor once loaded

  // Takes the Explorer verb's state as the caller found it and the session copies of
  // the settings; the "Remove text up to numbers" option starts off and ChangedFontColor
  // is ChangedColor. UseSelectedFormat, UseStartNumber and NormalFontColor keep their
  // values.
  void LoadFromConfig(const TConfigBase& config, bool shellMenuRegistered);
};

// The process-wide session, made by CreateCore and freed by FreeCore.
extern TConfigSession* Session;
