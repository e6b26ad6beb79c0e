#include "ClassRegistry.h"

#include "base/StrUtils.h"

TClassRegistry& TClassRegistry::Instance() {
  static TClassRegistry registry;
  static const bool registered = (RegisterClassLibClasses(registry), true);
  (void)registered;
  return registry;
}

const TClassRegistry::TClassEntry* TClassRegistry::FindClass(const std::string& Name) const {
  auto it = FClasses.find(UpperCase(Name));
  return it == FClasses.end() ? nullptr : &it->second;
}

std::vector<const TClassRegistry::TClassEntry*> TClassRegistry::Classes() const {
  std::vector<const TClassEntry*> classes;
  for (const auto& [key, entry] : FClasses) classes.push_back(&entry);
  return classes;
}

const TPropertyTable& TClassRegistry::TableOf(const std::type_info& Type) const { return FindTable(Type); }

TPropertyTable& TClassRegistry::FindTable(const std::type_info& Type) const {
  auto it = FTables.find(Type);
  if (it == FTables.end()) throw EInvalidOperation(std::string("Class ") + Type.name() + " is not registered");
  return *it->second;
}

TPropertyTable& TClassRegistry::AddTable(const std::type_info& Type, const std::string& Name,
                                         const TPropertyTable* Parent) {
  std::unique_ptr<TPropertyTable>& slot = FTables[Type];
  if (slot) throw EInvalidOperation("Class " + Name + " is registered already");
  slot = std::make_unique<TPropertyTable>(Name, Parent);
  return *slot;
}

void TClassRegistry::AddClass(TClassEntry Entry) {
  const std::string key = UpperCase(Entry.Name);
  if (FClasses.count(key) != 0) throw EInvalidOperation("Class " + Entry.Name + " is registered already");
  FClasses.emplace(key, std::move(Entry));
}
