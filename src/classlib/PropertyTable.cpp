#include "PropertyTable.h"

#include "Control.h"
#include "Form.h"
#include "Keyboard.h"

#include "base/Exceptions.h"
#include "base/StrUtils.h"

#include <limits>

namespace {

constexpr TIdentValue kColors[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", RGBColor(128, 128, 0)},
    {"clNavy", clNavy},
    {"clPurple", RGBColor(128, 0, 128)},
    {"clTeal", RGBColor(0, 128, 128)},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

constexpr TIdentValue kCursors[] = {
    {"crDefault", crDefault},     {"crArrow", crArrow},   {"crIBeam", crIBeam},         {"crHourGlass", crHourGlass},
    {"crDrag", crDrag},           {"crNoDrop", crNoDrop},
    {"crHSplit", crHSplit},       {"crVSplit", crVSplit}, {"crHandPoint", crHandPoint},
};

constexpr TIdentValue kModalResults[] = {
    {"mrNone", mrNone},   {"mrOk", mrOk},   {"mrCancel", mrCancel}, {"mrAbort", mrAbort},
    {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore}, {"mrYes", mrYes}, {"mrNo", mrNo},
    {"mrAll", mrAll},     {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll},
};

const char* KindName(TFormValueKind kind) {
  switch (kind) {
    case TFormValueKind::Integer: return "a number";
    case TFormValueKind::Ident: return "an identifier";
    case TFormValueKind::String: return "a string";
    case TFormValueKind::Set: return "a set";
    case TFormValueKind::List: return "a list";
    case TFormValueKind::Binary: return "binary data";
    case TFormValueKind::Collection: return "a collection";
  }
  return "a value";
}

void Expect(const TFormValue& value, TFormValueKind kind, const char* expected) {
  if (value.Kind != kind) throw EConvertError(std::string(expected) + " expected but " + KindName(value.Kind) + " found");
}

int IndexOfName(std::span<const char* const> names, const std::string& name) {
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], name)) return static_cast<int>(i);
  return -1;
}

}  // namespace

// TPropertyTable

const TPropertyEntry* TPropertyTable::Find(const std::string& Name) const {
  for (const TPropertyTable* table = this; table != nullptr; table = table->FParent)
    for (const TPropertyEntry& entry : table->FEntries)
      if (SameText(entry.Name, Name)) return &entry;
  return nullptr;
}

void TPropertyTable::Add(TPropertyEntry Entry) {
  for (const TPropertyEntry& entry : FEntries)
    if (SameText(entry.Name, Entry.Name))
      throw EInvalidOperation(FClassName + " has a property " + Entry.Name + " already");
  FEntries.push_back(std::move(Entry));
}

std::span<const TIdentValue> CursorIdents() { return kCursors; }
std::span<const TIdentValue> ModalResultIdents() { return kModalResults; }

// Values

namespace PropertyValues {

void RaiseOutOfRange(int64_t Value) { throw EConvertError("Value " + std::to_string(Value) + " out of range"); }

int64_t Integer(const TFormValue& Value) {
  Expect(Value, TFormValueKind::Integer, "A number");
  return Value.Integer;
}

bool Boolean(const TFormValue& Value) {
  Expect(Value, TFormValueKind::Ident, "True or False");
  if (SameText(Value.Text, "True")) return true;
  if (SameText(Value.Text, "False")) return false;
  throw EConvertError("True or False expected but " + Value.Text + " found");
}

std::string String(const TFormValue& Value) {
  Expect(Value, TFormValueKind::String, "A string");
  return Value.Text;
}

char Char(const TFormValue& Value) {
  const std::string text = String(Value);
  if (text.size() > 1) throw EConvertError("One character expected but '" + text + "' found");
  return text.empty() ? '\0' : text[0];
}

int Enum(const TFormValue& Value, std::span<const char* const> Names) {
  Expect(Value, TFormValueKind::Ident, "An identifier");
  const int index = IndexOfName(Names, Value.Text);
  if (index < 0) throw EConvertError("Invalid value " + Value.Text);
  return index;
}

uint64_t SetBits(const TFormValue& Value, std::span<const char* const> Names) {
  Expect(Value, TFormValueKind::Set, "A set");
  uint64_t bits = 0;
  for (const std::string& name : Value.Names) {
    const int index = IndexOfName(Names, name);
    if (index < 0 || index >= std::numeric_limits<uint64_t>::digits)
      throw EConvertError("Invalid set member " + name);
    bits |= uint64_t{1} << index;
  }
  return bits;
}

int64_t IntegerOrIdent(const TFormValue& Value, std::span<const TIdentValue> Idents) {
  if (Value.Kind == TFormValueKind::Integer) return Value.Integer;
  Expect(Value, TFormValueKind::Ident, "A number or an identifier");
  for (const TIdentValue& ident : Idents)
    if (SameText(ident.Name, Value.Text)) return ident.Value;
  throw EConvertError("Invalid value " + Value.Text);
}

int32_t Color(const TFormValue& Value) {
  const int64_t color = IntegerOrIdent(Value, kColors);
  if (color > std::numeric_limits<int32_t>::max() && color <= std::numeric_limits<uint32_t>::max())
    return static_cast<int32_t>(static_cast<uint32_t>(color));
  return Checked<int32_t>(color);
}

uint16_t ShortCut(const TFormValue& Value) {
  if (Value.Kind == TFormValueKind::Integer) return Checked<uint16_t>(Value.Integer);
  if (Value.Kind != TFormValueKind::Ident && Value.Kind != TFormValueKind::String)
    throw EConvertError(std::string("A shortcut expected but ") + KindName(Value.Kind) + " found");
  if (Value.Text.empty()) return scNone;
  const TShortCut shortCut = TextToShortCut(Value.Text);
  if (shortCut == scNone) throw EConvertError("Invalid shortcut " + Value.Text);
  return shortCut;
}

std::vector<std::string> StringList(const TFormValue& Value) {
  Expect(Value, TFormValueKind::List, "A list of strings");
  std::vector<std::string> strings;
  for (const TFormValue& item : Value.Items) strings.push_back(String(item));
  return strings;
}

std::vector<int64_t> IntegerList(const TFormValue& Value) {
  Expect(Value, TFormValueKind::List, "A list of numbers");
  std::vector<int64_t> numbers;
  for (const TFormValue& item : Value.Items) numbers.push_back(Integer(item));
  return numbers;
}

std::string Name(const TFormValue& Value) {
  Expect(Value, TFormValueKind::Ident, "A name");
  if (SameText(Value.Text, "nil")) return {};
  if (!IsValidIdent(Value.Text)) throw EConvertError("Invalid name " + Value.Text);
  return Value.Text;
}

}  // namespace PropertyValues
