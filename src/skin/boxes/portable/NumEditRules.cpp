#include "NumEditRules.h"

#include "base/KeyCodes.h"

namespace {

bool IsControlChar(char C) { return static_cast<unsigned char>(C) < KeyChar::FirstPrintable; }
bool Contains(const std::string& Text, char C) { return Text.find(C) != std::string::npos; }

}  // namespace

bool IsValidNumEditChar(char C, const std::string& Text, const TspNumEditOptions& Options) {
  const bool decimal = C == Options.DecimalSeparator;
  bool valid = C == '-' || (C >= '0' && C <= '9') || (Options.DecimalInput && decimal) ||
               (IsControlChar(C) && C != KeyChar::Enter);
  if (!Options.TypingEnabled) valid = valid && IsControlChar(C) && C != KeyChar::Backspace;
  if (decimal) return valid && !Contains(Text, C);
  if (C == '-') return valid && !Contains(Text, '-');
  return valid;
}
