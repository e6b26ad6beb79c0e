#include "Registry.h"

#include "base/FileUtils.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool IsAbsolute(const std::string& key) { return !key.empty() && key[0] == '\\'; }

std::string WithoutOuterBackslashes(const std::string& key) {
  const size_t first = key.find_first_not_of('\\');
  if (first == std::string::npos) return {};
  return key.substr(first, key.find_last_not_of('\\') - first + 1);
}

[[noreturn]] void RaiseValueError(const char* doing, const std::string& name, const std::string& reason) {
  throw ERegistryException(std::string("Failed to ") + doing + " data for '" + name + "': " + reason);
}

// Deletes the key Name below Parent after the keys below it.
LSTATUS DeleteTree(HKEY parent, const std::string& name) {
  HKEY key = nullptr;
  LSTATUS status = RegOpenKeyExA(parent, name.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key);
  if (status != ERROR_SUCCESS) return status;
  std::vector<std::string> children;
  char child[256];  // key names have at most 255 characters
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof child;
    if (RegEnumKeyExA(key, index, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(child, length);
  }
  // A child that cannot go makes the delete below fail.
  for (const std::string& c : children) DeleteTree(key, c);
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name.c_str());
}

}  // namespace

TRegistry::TRegistry(REGSAM Access) : FAccess(Access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Value) {
  CloseKey();
  FRootKey = Value;
}

HKEY TRegistry::BaseKeyOf(const std::string& Key, std::string& Relative) const {
  Relative = WithoutOuterBackslashes(Key);
  return IsAbsolute(Key) || FCurrentKey == nullptr ? FRootKey : FCurrentKey;
}

std::string TRegistry::ChildPath(const std::string& Key) const {
  const std::string relative = WithoutOuterBackslashes(Key);
  if (IsAbsolute(Key) || FCurrentKey == nullptr || FCurrentPath.empty()) return relative;
  return relative.empty() ? FCurrentPath : FCurrentPath + "\\" + relative;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  std::string relative;
  HKEY base = BaseKeyOf(Key, relative);
  HKEY key = nullptr;
  const LSTATUS status =
      CanCreate ? RegCreateKeyExA(base, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr,
                                  &key, nullptr)
                : RegOpenKeyExA(base, relative.c_str(), 0, FAccess, &key);
  if (status != ERROR_SUCCESS) return false;
  std::string path = ChildPath(Key);
  CloseKey();
  FCurrentKey = key;
  FCurrentPath = std::move(path);
  return true;
}

void TRegistry::CloseKey() {
  if (FCurrentKey != nullptr) RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
  FCurrentPath.clear();
}

bool TRegistry::KeyExists(const std::string& Key) {
  std::string relative;
  HKEY base = BaseKeyOf(Key, relative);
  HKEY key = nullptr;
  if (RegOpenKeyExA(base, relative.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
  std::string relative;
  HKEY base = BaseKeyOf(Key, relative);
  if (relative.empty()) return false;  // never the base key itself
  return DeleteTree(base, relative) == ERROR_SUCCESS;
}

HKEY TRegistry::OpenForValues(const std::string& Name, const char* Doing) const {
  if (FCurrentKey == nullptr) RaiseValueError(Doing, Name, "no key is open");
  return FCurrentKey;
}

std::string TRegistry::ReadString(const std::string& Name) {
  HKEY key = OpenForValues(Name, "get");
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExA(key, Name.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  // The value may grow between the calls: ask again with the size it has then.
  for (int attempt = 0; attempt < 4 && status == ERROR_SUCCESS; ++attempt) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException("Invalid data type for '" + Name + "'");
    std::string data(size, '\0');
    DWORD got = size;
    status = RegQueryValueExA(key, Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
    if (status == ERROR_MORE_DATA) {
      size = got;
      status = ERROR_SUCCESS;
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    data.resize(strnlen(data.c_str(), std::min<size_t>(got, data.size())));
    return data;
  }
  if (status == ERROR_SUCCESS) status = ERROR_MORE_DATA;  // it kept growing
  RaiseValueError("get", Name, SysErrorMessage(static_cast<uint32_t>(status)));
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  HKEY key = OpenForValues(Name, "set");
  const LSTATUS status = RegSetValueExA(key, Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                                        static_cast<DWORD>(Value.size() + 1));
  if (status != ERROR_SUCCESS) RaiseValueError("set", Name, SysErrorMessage(static_cast<uint32_t>(status)));
}

bool TRegistry::DeleteValue(const std::string& Name) {
  return FCurrentKey != nullptr && RegDeleteValueA(FCurrentKey, Name.c_str()) == ERROR_SUCCESS;
}
