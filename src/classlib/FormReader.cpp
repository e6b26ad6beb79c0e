#include "FormReader.h"

#include "ClassRegistry.h"
#include "Form.h"
#include "Menus.h"

#include "base/Filer.h"
#include "base/ScopeExit.h"
#include "base/Streams.h"

#include <utility>

namespace {

// Finds the property of that name among those an object defines.
class TDefinedPropertyFinder : public TFiler {
public:
  explicit TDefinedPropertyFinder(const std::string& name) : FName(name) {}
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc&, bool) override {
    if (SameText(Name, FName)) FReadBytes = ReadData;
  }
  void DefineIntegerListProperty(const std::string& Name, const TIntegerListReader& ReadData,
                                 const TIntegerListWriter&, bool) override {
    if (SameText(Name, FName)) FReadIntegers = ReadData;
  }

  // Hands the value to the property found; false when there is none.
  bool Read(const TFormValue& value) const {
    if (FReadIntegers) {
      FReadIntegers(PropertyValues::IntegerList<int32_t>(value));
      return true;
    }
    if (!FReadBytes) return false;
    if (value.Kind != TFormValueKind::Binary) throw EConvertError("Binary data expected");
    TMemoryStream stream;
    if (!value.Bytes.empty())
      stream.WriteBuffer(value.Bytes.data(), PropertyValues::Checked<int32_t>(static_cast<int64_t>(value.Bytes.size())));
    stream.SetPosition(0);
    FReadBytes(stream);
    return true;
  }

private:
  const std::string& FName;
  TStreamProc FReadBytes;
  TIntegerListReader FReadIntegers;
};

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
    names.push_back(path.substr(start, dot - start));
    start = dot + 1;
  }
  names.push_back(path.substr(start));
  return names;
}

// Puts a created component into the object that holds it in the text: a control into
// its parent, a menu item into its menu or item, an action into its list.
void Attach(TComponent& child, TComponent& container) {
  if (auto* control = dynamic_cast<TControl*>(&child)) {
    auto* parent = dynamic_cast<TWinControl*>(&container);
    if (parent == nullptr || !parent->ControlStyle().Contains(csAcceptsControls))
      throw EInvalidOperation(container.Name() + " (" + container.ClassName() + ") cannot hold controls");
    control->SetParent(parent);
  } else if (auto* action = dynamic_cast<TCustomAction*>(&child)) {
    if (auto* list = dynamic_cast<TActionList*>(&container)) action->SetActionList(list);
  } else if (auto* item = dynamic_cast<TMenuItem*>(&child)) {
    if (auto* menu = dynamic_cast<TMenu*>(&container))
      menu->Items()->Add(item);
    else if (auto* parentItem = dynamic_cast<TMenuItem*>(&container))
      parentItem->Add(item);
    else
      throw EInvalidOperation("A menu item belongs in a menu or a menu item, not in " + container.Name());
  }
}

class TFormReader final : public TPropertyReader {
public:
  TFormReader(TComponent& root, const TFormBindings& bindings, const std::string& source)
      : FRoot(root), FBindings(bindings), FSource(source) {}

  void Read(const TFormObject& tree) {
    if (!SameText(tree.ClassName, FRoot.ClassName()))
      Fail(tree.Line, "The text describes a " + tree.ClassName + ", not a " + FRoot.ClassName());
    Begin(FRoot);
    FRootName = tree.Name;
    Located(tree.Line, tree.Name, [&] { FRoot.SetName(UniqueRootName(tree.Name)); });
    FObjectPath = tree.Name;
    SetProperties(FRoot, FBindings.RootTable(), tree.Properties);
    for (const TFormObject& child : tree.Children) CreateComponent(child, FRoot);
    Finish();
  }

  void Reference(const std::string& Name, TReferencePreparer Prepare) override {
    FReferences.push_back({FLine, FPropertyPath, Name, std::move(Prepare)});
  }

  void Handler(const std::string& Name, THandlerPreparer Prepare) override {
    FHandlers.push_back({FLine, FPropertyPath, Name, std::move(Prepare)});
  }

  // The properties of an item of the collection property being read.
  void ReadProperties(TPersistent& Instance, const TPropertyTable& Table,
                      const std::vector<TFormProperty>& Properties) override {
    std::string objectPath = FPropertyPath + "[" + std::to_string(FItemIndex++) + "]";
    std::swap(FObjectPath, objectPath);
    SetProperties(Instance, Table, Properties);
    std::swap(FObjectPath, objectPath);
  }

private:
  // A component or handler name read at Line for the property at Path, resolved once
  // the whole tree exists.
  template <class Preparer>
  struct TPending {
    int Line;
    std::string Path;
    std::string Name;
    Preparer Prepare;
  };
  using TPendingReference = TPending<TReferencePreparer>;
  using TPendingHandler = TPending<THandlerPreparer>;
  struct TLocatedAssignment {
    int Line;
    std::string Path;
    TAssignment Assign;
  };

  [[noreturn]] void Fail(int line, const std::string& message) const {
    std::string text = FSource;
    if (line > 0) text += ", line " + std::to_string(line);
    text += ": ";
    text += message;
    throw EFormReadError(text);
  }

  // Runs work; what it raises fails the reading at line, prefixed with what was read.
  template <class Work>
  auto Located(int line, const std::string& what, Work work) -> decltype(work()) {
    try {
      return work();
    } catch (const EFormReadError&) {
      throw;
    } catch (const Exception& e) {
      Fail(line, what + ": " + e.Message());
    }
  }

  // A second form of the same class under the same owner gets a name of its own.
  std::string UniqueRootName(const std::string& name) const {
    TComponent* owner = FRoot.Owner();
    std::string unique = name;
    for (int n = 1; owner != nullptr; ++n) {
      TComponent* holder = owner->FindComponent(unique);
      if (holder == nullptr || holder == &FRoot) break;
      unique = name + "_" + std::to_string(n);
    }
    return unique;
  }

  void Begin(TComponent& component) {
    component.Loading();
    component.SetReading(true);
    FCreated.push_back(&component);
    if (auto* windowed = dynamic_cast<TWinControl*>(&component)) {
      windowed->DisableAlign();
      FAlignDisabled.push_back(windowed);
    }
  }

  void CreateComponent(const TFormObject& object, TComponent& container) {
    const TClassRegistry::TClassEntry* entry = TClassRegistry::Instance().FindClass(object.ClassName);
    if (entry == nullptr) Fail(object.Line, object.Name + ": class " + object.ClassName + " not found");
    TComponent* component = Located(object.Line, object.Name, [&] { return entry->Create(&FRoot); });
    Begin(*component);
    Located(object.Line, object.Name, [&] {
      component->SetName(object.Name);
      Attach(*component, container);
    });
    FObjectPath = object.Name;
    SetProperties(*component, *entry->Table, object.Properties);
    for (const TFormObject& child : object.Children) CreateComponent(child, *component);
  }

  void SetProperties(TPersistent& instance, const TPropertyTable& table, const std::vector<TFormProperty>& properties) {
    for (const TFormProperty& property : properties) {
      std::string path = FObjectPath + "." + property.Name;
      std::swap(FPropertyPath, path);
      const int line = std::exchange(FLine, property.Line);
      const int itemIndex = std::exchange(FItemIndex, 0);
      Located(property.Line, FPropertyPath, [&] { SetProperty(instance, table, property); });
      FItemIndex = itemIndex;
      FLine = line;
      std::swap(FPropertyPath, path);
    }
  }

  void SetProperty(TPersistent& instance, const TPropertyTable& table, const TFormProperty& property) {
    TPersistent* target = &instance;
    const TPropertyTable* targetTable = &table;
    const std::vector<std::string> names = SplitPath(property.Name);
    for (size_t i = 0; i + 1 < names.size(); ++i) {
      const TPropertyEntry* entry = targetTable->Find(names[i]);
      if (entry == nullptr || !entry->Object)
        throw EConvertError(targetTable->ClassName() + " has no object property " + names[i]);
      target = entry->Object(*target);
      targetTable = entry->ObjectTable;
    }
    const std::string& name = names.back();
    const TPropertyEntry* entry = targetTable->Find(name);
    if (entry != nullptr && entry->Set) {
      entry->Set(*target, property.Value, *this);
    } else if (entry != nullptr) {
      throw EConvertError(name + " is an object: its own properties are set, as in " + name + ".Name");
    } else if (!ReadDefinedProperty(*target, name, property.Value)) {
      throw EConvertError(targetTable->ClassName() + " has no property " + name);
    }
  }

  static bool ReadDefinedProperty(TPersistent& target, const std::string& name, const TFormValue& value) {
    TDefinedPropertyFinder finder(name);
    target.DefineProperties(finder);
    return finder.Read(value);
  }

  TComponent* FindComponent(const std::string& name) const {
    if (SameText(name, FRootName)) return &FRoot;
    return FRoot.FindComponent(name);
  }

  void Finish() {
    // Every name the text uses must be known before anything is assigned.
    std::vector<TLocatedAssignment> assignments;
    for (const TPendingReference& reference : FReferences) {
      TComponent* target = nullptr;
      if (!reference.Name.empty() && (target = FindComponent(reference.Name)) == nullptr)
        Fail(reference.Line, reference.Path + ": there is no component " + reference.Name);
      assignments.push_back({reference.Line, reference.Path,
                             Located(reference.Line, reference.Path, [&] { return reference.Prepare(target); })});
    }
    for (const TFormBindings::TFieldBinding& field : FBindings.Fields()) {
      TComponent* component = FindComponent(field.Name);
      if (component == nullptr) Fail(0, "There is no component " + field.Name + " for the form's field");
      if (!Located(0, field.Name, [&] { return field.Set(FRoot, component); }))
        Fail(0, "The form's field " + field.Name + " does not take a " + component->ClassName());
    }
    std::vector<TEventBinding> events;
    for (const TPendingHandler& pending : FHandlers) {
      std::any handler;
      if (!pending.Name.empty()) {
        const TFormBindings::THandlerBinding* binding = FBindings.FindHandler(pending.Name);
        if (binding == nullptr) Fail(pending.Line, pending.Path + ": there is no handler " + pending.Name);
        handler = Located(pending.Line, pending.Path, [&] { return binding->Make(FRoot); });
      }
      events.push_back(Located(pending.Line, pending.Path, [&] { return pending.Prepare(handler); }));
    }

    for (const TLocatedAssignment& assignment : assignments) Located(assignment.Line, assignment.Path, assignment.Assign);
    size_t bound = 0;
    {
      // On failure the form will not exist: its handlers must not run while its parts
      // are freed.
      TScopeFail unbind([&] {
        for (size_t i = 0; i < bound; ++i) events[i].Unbind();
      });
      for (; bound < events.size(); ++bound) events[bound].Bind();
      for (TComponent* component : FCreated) component->SetReading(false);
      for (TComponent* component : FCreated) Located(0, component->Name(), [&] { component->Loaded(); });
    }
    for (auto it = FAlignDisabled.rbegin(); it != FAlignDisabled.rend(); ++it) (*it)->EnableAlign();
    if (auto* form = dynamic_cast<TCustomForm*>(&FRoot)) form->AfterConstruction();
  }

  TComponent& FRoot;
  std::string FRootName;  // as the text names it (the form may have had to take another)
  const TFormBindings& FBindings;
  const std::string& FSource;
  std::vector<TComponent*> FCreated;  // the root first, then in creation order
  std::vector<TWinControl*> FAlignDisabled;
  std::vector<TPendingReference> FReferences;
  std::vector<TPendingHandler> FHandlers;
  // Where the reading is: the object, the property and its line, the collection item.
  std::string FObjectPath;
  std::string FPropertyPath;
  int FLine = 0;
  int FItemIndex = 0;
};

}  // namespace

void ReadForm(TComponent& Root, const std::string& Text, const TFormBindings& Bindings, const std::string& Source) {
  TFormObject tree;
  try {
    tree = ParseFormText(Text);
  } catch (const EParserError& e) {
    throw EFormReadError(Source + ": " + e.Message());
  }
  TFormReader(Root, Bindings, Source).Read(tree);
}

void ReadFormResource(TCustomForm& Form, const TFormBindings& Bindings) {
  const std::string name = Form.ClassName();
  ReadForm(Form, FormResourceText(name), Bindings, "Form resource " + name);
}

std::string FormResourceText(const std::string& Name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, Name.c_str(), RT_RCDATA);
  HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) throw EFormReadError("Form resource " + Name + " not found");
  return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}
