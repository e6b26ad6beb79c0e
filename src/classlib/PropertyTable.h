#pragma once
// Published properties: what the form reader may set on an object of a class. A class's
// table holds its own properties and leads on to its base class's table; names are found
// without regard to case, the class's own first. An entry turns a value of the text form
// format into a call of the property's setter. An object property (a font, a string
// list) instead leads on to the object and its class's table, as dotted names do
// ("Font.Height"). TPropertyTableBuilder (ClassRegistry.h) fills the tables.

#include "base/Component.h"
#include "base/FormText.h"

#include <any>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

class TPropertyTable;

// What a property entry asks of the form reader: what needs the whole tree (references
// to components, handlers), and the properties of the objects it makes (collection items).
class TPropertyReader {
public:
  using TAssignment = std::function<void()>;
  // Given the component a reference names (nullptr for nil), checks its class (raising
  // EConvertError) and returns the assignment.
  using TReferencePreparer = std::function<TAssignment(TComponent* Target)>;
  struct TEventBinding {
    TAssignment Bind;
    TAssignment Unbind;
  };
  // Given the handler (a TDelegate; empty for nil), checks its parameters (raising
  // EConvertError) and returns the binding.
  using THandlerPreparer = std::function<TEventBinding(const std::any& Handler)>;

  // Name "" stands for nil.
  virtual void Reference(const std::string& Name, TReferencePreparer Prepare) = 0;
  virtual void Handler(const std::string& Name, THandlerPreparer Prepare) = 0;
  virtual void ReadProperties(TPersistent& Instance, const TPropertyTable& Table,
                              const std::vector<TFormProperty>& Properties) = 0;

protected:
  ~TPropertyReader() = default;
};

struct TPropertyEntry {
  std::string Name;
  // Sets the property; empty for an object property.
  std::function<void(TPersistent& Instance, const TFormValue& Value, TPropertyReader& Reader)> Set;
  // An object property's object, and the table of its class.
  std::function<TPersistent*(TPersistent& Instance)> Object;
  const TPropertyTable* ObjectTable = nullptr;
};

class TPropertyTable {
public:
  TPropertyTable(std::string ClassName, const TPropertyTable* Parent)
      : FClassName(std::move(ClassName)), FParent(Parent) {}
  TPropertyTable(const TPropertyTable&) = delete;
  TPropertyTable& operator=(const TPropertyTable&) = delete;

  const std::string& ClassName() const { return FClassName; }
  const TPropertyTable* Parent() const { return FParent; }
  // The class's own entry of that name, else its base classes'; nullptr when none.
  const TPropertyEntry* Find(const std::string& Name) const;
  // Raises EInvalidOperation for a name the class has already.
  void Add(TPropertyEntry Entry);
  // The class's own entries (its base classes' are in Parent's).
  const std::vector<TPropertyEntry>& Entries() const { return FEntries; }

private:
  std::string FClassName;
  const TPropertyTable* FParent;
  std::vector<TPropertyEntry> FEntries;
};

// An identifier that stands for a number (a colour, a cursor, a modal result).
struct TIdentValue {
  const char* Name;
  int32_t Value;
};

// crDefault, crArrow, crIBeam, crHourGlass, crDrag, crNoDrop, crHSplit, crVSplit,
// crHandPoint.
std::span<const TIdentValue> CursorIdents();
// mrNone, mrOk, mrCancel, ...
std::span<const TIdentValue> ModalResultIdents();

// The values of the text form format as property values. Each raises EConvertError for
// a value of another kind or out of range.
namespace PropertyValues {

int64_t Integer(const TFormValue& Value);
bool Boolean(const TFormValue& Value);  // True or False
std::string String(const TFormValue& Value);
char Char(const TFormValue& Value);  // a string of one character ('' is #0)
// The index of the identifier among Names.
int Enum(const TFormValue& Value, std::span<const char* const> Names);
// A set of identifiers among Names, as bits by their index.
uint64_t SetBits(const TFormValue& Value, std::span<const char* const> Names);
// A number, or an identifier of Idents.
int64_t IntegerOrIdent(const TFormValue& Value, std::span<const TIdentValue> Idents);
// A colour identifier or number; numbers from $80000000 to $FFFFFFFF are taken as the
// 32-bit patterns they are.
int32_t Color(const TFormValue& Value);
// A number, or a shortcut's text such as Ctrl+A.
uint16_t ShortCut(const TFormValue& Value);
std::vector<std::string> StringList(const TFormValue& Value);
std::vector<int64_t> IntegerList(const TFormValue& Value);
// A component or handler name; "" for nil.
std::string Name(const TFormValue& Value);

[[noreturn]] void RaiseOutOfRange(int64_t Value);

template <class T>
T Checked(int64_t Value) {
  static_assert(std::is_integral_v<T> && !std::is_same_v<T, bool>);
  using TLimits = std::numeric_limits<T>;
  const bool fits = std::is_signed_v<T> ? Value >= static_cast<int64_t>(TLimits::min()) &&
                                              Value <= static_cast<int64_t>(TLimits::max())
                                        : Value >= 0 && static_cast<uint64_t>(Value) <= TLimits::max();
  if (!fits) RaiseOutOfRange(Value);
  return static_cast<T>(Value);
}

// A list of numbers, each within the range of T.
template <class T>
std::vector<T> IntegerList(const TFormValue& Value) {
  std::vector<T> numbers;
  for (int64_t number : IntegerList(Value)) numbers.push_back(Checked<T>(number));
  return numbers;
}

}  // namespace PropertyValues
