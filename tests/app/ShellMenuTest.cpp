#include "app/win32/ShellMenu.h"

#include "app/Config.h"
#include "app/Session.h"

#include "classlib/Registry.h"

#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const char kCommand[] = "\"C:\\Program Files\\Velorandquistmar\\Velorandquistmar.exe\" \"%1\"";
const char kMissing[] = "(missing)";

// A key with its values and subkeys, to put the test prefix's registry back as it was.
struct TKeyCopy {
  struct TValue {
    std::string Name;
    DWORD Type;
    std::string Data;
  };
  bool Exists = false;
  std::vector<TValue> Values;
  std::vector<std::pair<std::string, TKeyCopy>> SubKeys;
};

TKeyCopy CopyKey(HKEY parent, const std::string& name) {
  TKeyCopy copy;
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return copy;
  copy.Exists = true;
  char entry[1024];
  BYTE data[4096];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof entry;
    DWORD type = 0;
    DWORD dataLength = sizeof data;
    if (RegEnumValueA(key, i, entry, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
    copy.Values.push_back({std::string(entry, nameLength), type, std::string(reinterpret_cast<char*>(data), dataLength)});
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof entry;
    if (RegEnumKeyExA(key, i, entry, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::string subKey(entry, nameLength);
    copy.SubKeys.emplace_back(subKey, CopyKey(key, subKey));
  }
  RegCloseKey(key);
  return copy;
}

void WriteKey(HKEY parent, const std::string& name, const TKeyCopy& copy) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  for (const TKeyCopy::TValue& value : copy.Values)
    RegSetValueExA(key, value.Name.c_str(), 0, value.Type, reinterpret_cast<const BYTE*>(value.Data.data()),
                   static_cast<DWORD>(value.Data.size()));
  for (const auto& [subKey, subCopy] : copy.SubKeys) WriteKey(key, subKey, subCopy);
  RegCloseKey(key);
}

TRegistry& ClassesRoot(TRegistry& registry) {
  registry.SetRootKey(HKEY_CLASSES_ROOT);
  return registry;
}

bool KeyExists(const std::string& path) {
  TRegistry registry(KEY_READ);
  return ClassesRoot(registry).KeyExists(path);
}

// The key's default value; kMissing when the key is not there.
std::string DefaultValue(const std::string& path) {
  TRegistry registry(KEY_READ);
  if (!ClassesRoot(registry).OpenKey(path, false)) return kMissing;
  return registry.ReadString("");
}

void SetDefaultValue(const std::string& path, const std::string& value) {
  TRegistry registry;
  ASSERT_TRUE(ClassesRoot(registry).OpenKey(path, true));
  registry.WriteString("", value);
}

void DeleteKey(const std::string& path) {
  TRegistry registry;
  ClassesRoot(registry).DeleteKey(path);
}

// Each test starts without ".mp3" and without the product's class key, and leaves the
// two as it found them; the other program's class is the test's own.
class ShellMenu : public ::testing::Test {
protected:
  ShellMenu()
      : Config(TProgramPlace{"C:\\Program Files\\Velorandquistmar\\", "C:\\Music\\"}),
        OtherClass("VelorandquistmarTestClass" + IntToStr(static_cast<int>(GetCurrentProcessId()))) {
    for (const char* key : kTouchedKeys) {
      Saved.emplace_back(key, CopyKey(HKEY_CLASSES_ROOT, key));
      DeleteKey(key);
    }
  }
  ~ShellMenu() override {
    DeleteKey(OtherClass);
    for (const auto& [key, copy] : Saved) {
      DeleteKey(key);
      if (copy.Exists) WriteKey(HKEY_CLASSES_ROOT, key, copy);
    }
  }

  static constexpr const char* kTouchedKeys[] = {".mp3", "Velorandquistmar"};
  TConfigBase Config;
  const std::string OtherClass;
  std::vector<std::pair<std::string, TKeyCopy>> Saved;
};

TEST_F(ShellMenu, WithoutAnExtensionKeyTheProductBecomesTheClass) {
  EXPECT_FALSE(IsShellMenuRegistered(Config));
  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(".mp3"), "Velorandquistmar");
  EXPECT_EQ(DefaultValue("Velorandquistmar\\shell\\Velorandquistmar\\command"), kCommand);
  EXPECT_TRUE(IsShellMenuRegistered(Config));

  RegisterShellMenu(Config, false);
  EXPECT_FALSE(KeyExists(".mp3"));  // made by the registration, and empty again
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

TEST_F(ShellMenu, AnExtensionKeyWithoutClassGetsTheProductAndKeepsItsOtherValues) {
  {
    TRegistry registry;
    ASSERT_TRUE(ClassesRoot(registry).OpenKey(".mp3", true));
    registry.WriteString("Content Type", "audio/mpeg");
  }
  EXPECT_FALSE(IsShellMenuRegistered(Config));
  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(".mp3"), "Velorandquistmar");
  EXPECT_EQ(DefaultValue("Velorandquistmar\\shell\\Velorandquistmar\\command"), kCommand);

  RegisterShellMenu(Config, false);
  TRegistry registry(KEY_READ);
  ASSERT_TRUE(ClassesRoot(registry).OpenKey(".mp3", false));
  EXPECT_EQ(registry.ReadString("Content Type"), "audio/mpeg");
  EXPECT_FALSE(RegQueryValueExA(registry.CurrentKey(), "", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS);
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

TEST_F(ShellMenu, AnotherProgramsClassGetsOnlyTheVerb) {
  SetDefaultValue(".mp3", OtherClass);
  SetDefaultValue(OtherClass + "\\shell\\open\\command", "player.exe \"%1\"");
  EXPECT_FALSE(IsShellMenuRegistered(Config));

  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(".mp3"), OtherClass);
  EXPECT_EQ(DefaultValue(OtherClass + "\\shell\\Velorandquistmar\\command"), kCommand);
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
  EXPECT_TRUE(IsShellMenuRegistered(Config));

  RegisterShellMenu(Config, false);
  EXPECT_FALSE(KeyExists(OtherClass + "\\shell\\Velorandquistmar"));
  EXPECT_EQ(DefaultValue(OtherClass + "\\shell\\open\\command"), "player.exe \"%1\"");
  EXPECT_EQ(DefaultValue(".mp3"), OtherClass);
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

TEST_F(ShellMenu, TheProductAsClassCountsAsRegisteredWithoutItsVerb) {
  SetDefaultValue(".mp3", "Velorandquistmar");
  EXPECT_TRUE(IsShellMenuRegistered(Config));
  EXPECT_FALSE(KeyExists("Velorandquistmar"));

  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue("Velorandquistmar\\shell\\Velorandquistmar\\command"), kCommand);
  RegisterShellMenu(Config, false);
  EXPECT_FALSE(KeyExists(".mp3"));
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
}

TEST_F(ShellMenu, RemovingWhatIsNotThereChangesNothing) {
  RegisterShellMenu(Config, false);
  EXPECT_FALSE(KeyExists(".mp3"));
  SetDefaultValue(".mp3", OtherClass);
  RegisterShellMenu(Config, false);
  EXPECT_EQ(DefaultValue(".mp3"), OtherClass);
  EXPECT_FALSE(KeyExists(OtherClass));
  RegisterShellMenu(Config, true);
  RegisterShellMenu(Config, true);  // again: the same keys
  EXPECT_EQ(DefaultValue(OtherClass + "\\shell\\Velorandquistmar\\command"), kCommand);
}

TEST_F(ShellMenu, AClassKeyThatCannotBeMadeIsReportedAndNothingIsWritten) {
  // Key names are limited to 255 characters: this class cannot get its verb.
  const std::string longClass(300, 'c');
  SetDefaultValue(".mp3", longClass);
  EXPECT_THROW(RegisterShellMenu(Config, true), ERegistryException);
  EXPECT_EQ(DefaultValue(".mp3"), longClass);
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

TEST_F(ShellMenu, TheSessionReadsTheVerbsState) {
  TConfigSession session;
  session.CutTillNumber = true;
  LoadSessionFromConfig(session, Config);
  EXPECT_FALSE(session.ShellMenuRegistered);
  EXPECT_FALSE(session.CutTillNumber);
  RegisterShellMenu(Config, true);
  LoadSessionFromConfig(session, Config);
  EXPECT_TRUE(session.ShellMenuRegistered);
}

}  // namespace
