#pragma once
// The class registry: the property table of every class the form reader knows, and the
// component classes it can create by name. The class library registers its own classes
// when the registry is first used; other libraries add theirs through DefineComponent
// and DefinePersistent, base classes before the classes derived from them:
//
//   Registry.DefineComponent<TButton, TWinControl>("TButton")
//       .Boolean("Default", &TButton::SetDefault)
//       .Event("OnClick", &TControl::OnClick);

#include "Keyboard.h"
#include "PropertyTable.h"

#include "base/Collection.h"
#include "base/Exceptions.h"
#include "base/UpdateScope.h"

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

template <class C>
class TPropertyTableBuilder;

class TClassRegistry {
public:
  struct TClassEntry {
    std::string Name;
    TComponent* (*Create)(TComponent* Owner);
    const TPropertyTable* Table;
  };

  TClassRegistry() = default;
  TClassRegistry(const TClassRegistry&) = delete;
  TClassRegistry& operator=(const TClassRegistry&) = delete;

  // The program's registry, holding the class library's classes.
  static TClassRegistry& Instance();

  // A class whose properties can be set (a base class, a sub-object, a collection item)
  // but which is never created by name. Base is its registered base class, void for none.
  template <class C, class Base = void>
  TPropertyTableBuilder<C> DefinePersistent(const std::string& Name) {
    return TPropertyTableBuilder<C>(*this, AddTable(typeid(C), Name, ParentTable<Base>()));
  }
  // A component class the form reader creates by name (owned by the form's root).
  template <class C, class Base>
  TPropertyTableBuilder<C> DefineComponent(const std::string& Name) {
    static_assert(std::is_base_of_v<TComponent, C> && std::is_base_of_v<Base, C>);
    TPropertyTable& table = AddTable(typeid(C), Name, ParentTable<Base>());
    AddClass({Name, [](TComponent* Owner) -> TComponent* { return new C(Owner); }, &table});
    return TPropertyTableBuilder<C>(*this, table);
  }

  // More properties for a class defined before: of two classes that refer to each other,
  // the one defined first takes its reference to the other once both are there.
  template <class C>
  TPropertyTableBuilder<C> Extend() {
    return TPropertyTableBuilder<C>(*this, FindTable(typeid(C)));
  }

  // The creatable class of that name (without regard to case), nullptr when none.
  const TClassEntry* FindClass(const std::string& Name) const;
  // Every creatable class, by name.
  std::vector<const TClassEntry*> Classes() const;
  // The table of a registered class; raises EInvalidOperation for another class.
  const TPropertyTable& TableOf(const std::type_info& Type) const;
  template <class C>
  const TPropertyTable& TableOf() const {
    return TableOf(typeid(C));
  }

private:
  template <class Base>
  const TPropertyTable* ParentTable() const {
    if constexpr (std::is_void_v<Base>)
      return nullptr;
    else
      return &TableOf<Base>();
  }
  TPropertyTable& FindTable(const std::type_info& Type) const;
  TPropertyTable& AddTable(const std::type_info& Type, const std::string& Name, const TPropertyTable* Parent);
  void AddClass(TClassEntry Entry);

  std::map<std::type_index, std::unique_ptr<TPropertyTable>> FTables;
  std::map<std::string, TClassEntry> FClasses;  // by upper-case name
};

// Registers the class library's own classes (PublishedProperties.cpp).
void RegisterClassLibClasses(TClassRegistry& Registry);

// Fills the table of class C, one method per kind of property. Setters and fields may
// belong to C or to a base class of it.
template <class C>
class TPropertyTableBuilder {
public:
  TPropertyTableBuilder(const TClassRegistry& Registry, TPropertyTable& Table) : FRegistry(Registry), FTable(Table) {}

  template <class B, class T>
  TPropertyTableBuilder& Integer(const char* Name, void (B::*Setter)(T)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::Checked<T>(PropertyValues::Integer(value)));
    });
  }
  template <class B>
  TPropertyTableBuilder& Boolean(const char* Name, void (B::*Setter)(bool)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::Boolean(value));
    });
  }
  template <class B>
  TPropertyTableBuilder& String(const char* Name, void (B::*Setter)(const std::string&)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::String(value));
    });
  }
  template <class B>
  TPropertyTableBuilder& Char(const char* Name, void (B::*Setter)(char)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::Char(value));
    });
  }
  // Names: the enumeration's identifiers in the order of its values.
  template <class B, class E>
  TPropertyTableBuilder& Enum(const char* Name, void (B::*Setter)(E), std::span<const char* const> Names) {
    static_assert(std::is_enum_v<E>);
    return Add<B>(Name, [Setter, Names](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(static_cast<E>(PropertyValues::Enum(value, Names)));
    });
  }
  template <class B, class E>
  TPropertyTableBuilder& Set(const char* Name, void (B::*Setter)(TSet<E>), std::span<const char* const> Names) {
    return Add<B>(Name, [Setter, Names](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(TSet<E>::FromBits(PropertyValues::SetBits(value, Names)));
    });
  }
  // A number, or one of the identifiers that stand for numbers.
  template <class B, class T>
  TPropertyTableBuilder& Ident(const char* Name, void (B::*Setter)(T), std::span<const TIdentValue> Idents) {
    return Add<B>(Name, [Setter, Idents](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::Checked<T>(PropertyValues::IntegerOrIdent(value, Idents)));
    });
  }
  template <class B>
  TPropertyTableBuilder& Color(const char* Name, void (B::*Setter)(int32_t)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::Color(value));
    });
  }
  template <class B>
  TPropertyTableBuilder& ShortCut(const char* Name, void (B::*Setter)(TShortCut)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::ShortCut(value));
    });
  }
  template <class B, class T>
  TPropertyTableBuilder& IntegerList(const char* Name, void (B::*Setter)(const std::vector<T>&)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader&) {
      (object.*Setter)(PropertyValues::IntegerList<T>(value));
    });
  }
  // A sub-object whose own properties are set through dotted names.
  template <class B, class O>
  TPropertyTableBuilder& Object(const char* Name, O* (B::*Getter)()) {
    static_assert(std::is_base_of_v<B, C> && std::is_base_of_v<TPersistent, O>);
    FTable.Add({Name,
                {},
                [Getter](TPersistent& instance) -> TPersistent* { return (static_cast<C&>(instance).*Getter)(); },
                &FRegistry.TableOf<O>()});
    return *this;
  }
  // A collection whose items, of class Item, are made anew from the value's items.
  template <class Item, class B, class Coll>
  TPropertyTableBuilder& Collection(const char* Name, Coll* (B::*Getter)()) {
    static_assert(std::is_base_of_v<TCollection, Coll> && std::is_base_of_v<TCollectionItem, Item>);
    const TPropertyTable* itemTable = &FRegistry.TableOf<Item>();
    return Add<B>(Name, [Getter, itemTable](C& object, const TFormValue& value, TPropertyReader& reader) {
      if (value.Kind != TFormValueKind::Collection) throw EConvertError("A collection expected");
      TCollection* collection = (object.*Getter)();
      WithUpdate(*collection, [&] {
        collection->Clear();
        for (const std::vector<TFormProperty>& properties : value.CollectionItems) {
          auto* item = dynamic_cast<Item*>(collection->Add());
          if (item == nullptr) throw EConvertError("The collection does not make " + itemTable->ClassName() + " items");
          reader.ReadProperties(*item, *itemTable, properties);
        }
      });
    });
  }
  // A component of the form, named in the value and set once the whole tree exists.
  template <class B, class T>
  TPropertyTableBuilder& Reference(const char* Name, void (B::*Setter)(T*)) {
    const std::string expected = FRegistry.TableOf<T>().ClassName();
    return Add<B>(Name, [Setter, expected](C& object, const TFormValue& value, TPropertyReader& reader) {
      reader.Reference(PropertyValues::Name(value), [&object, Setter, expected](TComponent* target) {
        T* typed = dynamic_cast<T*>(target);
        if (target != nullptr && typed == nullptr)
          throw EConvertError(target->Name() + " is a " + target->ClassName() + ", not a " + expected);
        return TPropertyReader::TAssignment([&object, Setter, typed] { (object.*Setter)(typed); });
      });
    });
  }
  // An event, bound to the form's handler named in the value.
  template <class B, class D>
  TPropertyTableBuilder& Event(const char* Name, D B::*Field) {
    return Add<B>(Name, [Field](C& object, const TFormValue& value, TPropertyReader& reader) {
      reader.Handler(PropertyValues::Name(value), [&object, Field](const std::any& handler) {
        D delegate;
        if (handler.has_value()) {
          const D* typed = std::any_cast<D>(&handler);
          if (typed == nullptr) throw EConvertError("The handler's parameters do not fit the event");
          delegate = *typed;
        }
        return TPropertyReader::TEventBinding{[&object, Field, delegate] { object.*Field = delegate; },
                                              [&object, Field] { object.*Field = nullptr; }};
      });
    });
  }
  // An event kept by another object (a forwarded one), set and cleared through Setter.
  template <class B, class D>
  TPropertyTableBuilder& EventBySetter(const char* Name, void (B::*Setter)(const D&)) {
    return Add<B>(Name, [Setter](C& object, const TFormValue& value, TPropertyReader& reader) {
      reader.Handler(PropertyValues::Name(value), [&object, Setter](const std::any& handler) {
        D delegate;
        if (handler.has_value()) {
          const D* typed = std::any_cast<D>(&handler);
          if (typed == nullptr) throw EConvertError("The handler's parameters do not fit the event");
          delegate = *typed;
        }
        return TPropertyReader::TEventBinding{[&object, Setter, delegate] { (object.*Setter)(delegate); },
                                              [&object, Setter] { (object.*Setter)(D{}); }};
      });
    });
  }
  // A property of its own kind: Set gets the object and the value.
  TPropertyTableBuilder& Custom(const char* Name,
                                std::function<void(C& Object, const TFormValue& Value, TPropertyReader& Reader)> Set) {
    return Add<C>(Name, std::move(Set));
  }

private:
  template <class B, class Setter>
  TPropertyTableBuilder& Add(const char* Name, Setter Set) {
    static_assert(std::is_base_of_v<B, C>);
    FTable.Add({Name,
                [Set](TPersistent& instance, const TFormValue& value, TPropertyReader& reader) {
                  Set(static_cast<C&>(instance), value, reader);
                },
                {},
                nullptr});
    return *this;
  }

  const TClassRegistry& FRegistry;
  TPropertyTable& FTable;
};
