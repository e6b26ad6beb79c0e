#pragma once
// TRegistry: keys and string values of the Windows registry below one root key. One key
// at a time is open (the current key); key paths are relative to it, or to the root when
// no key is open or when they begin with "\". Key operations answer whether they
// succeeded; value operations on a failing key raise ERegistryException.

#include "base/Exceptions.h"
#include "base/Object.h"
#include "base/win32/WinApi.h"

#include <string>

class TRegistry : public TObject {
public:
  // Access: what the keys are opened for.
  explicit TRegistry(REGSAM Access = KEY_ALL_ACCESS);
  ~TRegistry() override;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // HKEY_CURRENT_USER unless set; setting it closes the current key.
  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY Value);
  // The open key (nullptr when none) and its path below the root.
  HKEY CurrentKey() const { return FCurrentKey; }
  const std::string& CurrentPath() const { return FCurrentPath; }

  // Makes Key the current key, creating it (and the keys above it) when CanCreate; false
  // when it does not exist or cannot be opened, and the current key stays.
  bool OpenKey(const std::string& Key, bool CanCreate);
  void CloseKey();
  bool KeyExists(const std::string& Key);
  // Deletes Key with every key below it; false when it is not there or cannot go.
  bool DeleteKey(const std::string& Key);

  // Values of the current key; Name "" is the key's default value. A missing value reads
  // as ""; a value that is not a string, a failed write, or no open key raises.
  std::string ReadString(const std::string& Name);
  void WriteString(const std::string& Name, const std::string& Value);
  bool DeleteValue(const std::string& Name);

private:
  // The key a path starts from, and the path below it.
  HKEY BaseKeyOf(const std::string& Key, std::string& Relative) const;
  HKEY OpenForValues(const std::string& Name, const char* Doing) const;
  std::string ChildPath(const std::string& Key) const;

  REGSAM FAccess;
  HKEY FRootKey = HKEY_CURRENT_USER;
  HKEY FCurrentKey = nullptr;
  std::string FCurrentPath;
};
