#include "NumEditRules.h"

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;

bool IsControlChar(char C) { return static_cast<unsigned char>(C) < 32; }
bool Contains(const std::string& Text, char C) { return Text.find(C) != std::string::npos; }

}  // namespace

bool IsValidNumEditChar(char C, const std::string& Text, const TspNumEditOptions& Options) {
  const bool decimal = C == Options.DecimalSeparator;
  bool valid = C == '-' || (C >= '0' && C <= '9') || (Options.DecimalInput && decimal) ||
               (IsControlChar(C) && C != kEnter);
  if (!Options.TypingEnabled) valid = valid && IsControlChar(C) && C != kBackspace;
  if (decimal) return valid && !Contains(Text, C);
  if (C == '-') return valid && !Contains(Text, '-');
  return valid;
}
