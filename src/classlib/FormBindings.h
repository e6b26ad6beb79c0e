#pragma once
// What a form class offers its form resource: the table of the class it derives from
// (for the properties of the resource's root object), its handlers, which the
// resource's events name, and its fields, which are set to the components of their names.
//
// A handler binds to an event of any delegate type whose parameters are exactly its own
// (a TNotifyEvent handler takes TObject*, a close handler TObject* and TCloseAction&):
// event types need no registering, and one whose parameters differ fails the reading.
//
//   const TFormBindings& TAboutForm::Bindings() {
//     static const TFormBindings bindings =
//         TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
//             .Handler("FormCreate", &TAboutForm::FormCreate)
//             .Field("ButtonOk", &TAboutForm::ButtonOk);
//     return bindings;
//   }

#include "PropertyTable.h"

#include "base/Delegate.h"
#include "base/Exceptions.h"
#include "base/StrUtils.h"

#include <any>
#include <functional>
#include <string>
#include <vector>

class TFormBindings {
public:
  struct THandlerBinding {
    std::string Name;
    // The handler bound to the form, as the TDelegate its parameters make.
    std::function<std::any(TComponent& Root)> Make;
  };
  struct TFieldBinding {
    std::string Name;
    // Sets the field; false when the component is not of the field's class.
    std::function<bool(TComponent& Root, TComponent* Component)> Set;
  };

  explicit TFormBindings(const TPropertyTable& RootTable) : FRootTable(&RootTable) {}

  template <class F, class R, class... A>
  TFormBindings& Handler(const std::string& Name, R (F::*Method)(A...)) {
    FHandlers.push_back({Name, [Method](TComponent& Root) -> std::any { return ::Event(&FormOf<F>(Root), Method); }});
    return *this;
  }
  template <class F, class T>
  TFormBindings& Field(const std::string& Name, T* F::*Member) {
    FFields.push_back({Name, [Member](TComponent& Root, TComponent* Component) {
                         T* typed = dynamic_cast<T*>(Component);
                         if (typed == nullptr) return false;
                         FormOf<F>(Root).*Member = typed;
                         return true;
                       }});
    return *this;
  }

  const TPropertyTable& RootTable() const { return *FRootTable; }
  // The handler of that name (without regard to case), nullptr when none.
  const THandlerBinding* FindHandler(const std::string& Name) const {
    for (const THandlerBinding& handler : FHandlers)
      if (SameText(handler.Name, Name)) return &handler;
    return nullptr;
  }
  const std::vector<TFieldBinding>& Fields() const { return FFields; }

private:
  template <class F>
  static F& FormOf(TComponent& Root) {
    auto* form = dynamic_cast<F*>(&Root);
    if (form == nullptr) throw EInvalidOperation("The bindings belong to another class than " + Root.ClassName());
    return *form;
  }

  const TPropertyTable* FRootTable;
  std::vector<THandlerBinding> FHandlers;
  std::vector<TFieldBinding> FFields;
};
