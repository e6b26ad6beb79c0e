#include "Keyboard.h"

#include "portable/AcceleratorKeys.h"

#include "base/Locale.h"
#include "base/StrUtils.h"

namespace {

struct TKeyName {
  uint16_t Key;
  const char* Name;
};

constexpr TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},   {VK_END, "End"},
    {VK_HOME, "Home"},  {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},  {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

struct TShiftName {
  TShortCut Flag;
  const char* Prefix;
};

constexpr TShiftName kShiftNames[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyName(uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F12) {
    std::string name = "F";
    name += std::to_string(key - VK_F1 + 1);
    return name;
  }
  for (const TKeyName& entry : kKeyNames)
    if (entry.Key == key) return entry.Name;
  return {};
}

// The key a name stands for, 0 when none.
uint16_t KeyOfName(const std::string& name) {
  for (uint16_t key = 1; key <= 0xFF; ++key) {
    const std::string candidate = KeyName(key);
    if (!candidate.empty() && SameText(candidate, name)) return key;
  }
  return 0;
}

}  // namespace

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  constexpr LPARAM kAltDown = 0x20000000;  // the context bit of a key message
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if ((KeyData & kAltDown) != 0) shift.Include(ssAlt);
  return shift;
}

bool OfferShortCut(const TShortCutEvent& Handler, TWMKey& Message) {
  bool handled = false;
  if (Handler) {
    TShortCutEvent handler = Handler;  // it may replace itself
    handler(Message, handled);
  }
  return handled;
}

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  if ((Key & 0xFF00) != 0) return scNone;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

std::string ShortCutToText(TShortCut ShortCut) {
  const std::string name = KeyName(ShortCut & 0xFF);
  if (name.empty()) return {};
  std::string text;
  for (const TShiftName& shift : kShiftNames)
    if ((ShortCut & shift.Flag) != 0) text += shift.Prefix;
  return text + name;
}

TShortCut TextToShortCut(const std::string& Text) {
  TShortCut shifts = scNone;
  std::string rest = Text;
  for (bool found = true; found;) {
    found = false;
    for (const TShiftName& shift : kShiftNames) {
      const std::string prefix = shift.Prefix;
      if (rest.size() > prefix.size() && SameText(rest.substr(0, prefix.size()), prefix)) {
        shifts |= shift.Flag;
        rest.erase(0, prefix.size());
        found = true;
      }
    }
  }
  const uint16_t key = KeyOfName(rest);
  return key == 0 ? scNone : static_cast<TShortCut>(key | shifts);
}

char AcceleratorOf(const std::string& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] != '&') return Caption[i + 1];
    ++i;  // a literal ampersand
  }
  return '\0';
}

bool IsAccel(uint16_t Key, const std::string& Caption) {
  const char accelerator = AcceleratorOf(Caption);
  if (accelerator == '\0' || Key == 0 || Key > 0xFF) return false;
  return AnsiSameText(std::string(1, accelerator), std::string(1, static_cast<char>(Key)));
}

bool IsKeyAccel(uint16_t Key, const std::string& Caption) {
  return IsAccel(static_cast<uint8_t>(AcceleratorCharOfKey(Key)), Caption);
}

UINT DialogKeyCode(uint16_t Key) {
  switch (Key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
  }
}
