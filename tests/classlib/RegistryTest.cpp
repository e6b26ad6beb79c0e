#include "classlib/Registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A key of its own under HKEY_CLASSES_ROOT, gone before and after each test.
class RegistryTest : public ::testing::Test {
protected:
  RegistryTest() : Key("VelorandquistmarTest" + std::to_string(GetCurrentProcessId())) { Remove(); }
  ~RegistryTest() override { Remove(); }

  void Remove() {
    TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    registry.DeleteKey(Key);
  }

  static void ClassesRoot(TRegistry& Registry) {
    Registry.SetRootKey(HKEY_CLASSES_ROOT);
  }

  const std::string Key;
};

std::string ErrorOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const ERegistryException& e) {
    return e.Message();
  }
  return "(no error)";
}

TEST_F(RegistryTest, DefaultAndNamedValuesRoundTripThroughRelativeKeys) {
  {
    TRegistry registry;
    ClassesRoot(registry);
    ASSERT_TRUE(registry.OpenKey(Key + "\\shell\\Verb\\command", true));
    EXPECT_EQ(registry.CurrentPath(), Key + "\\shell\\Verb\\command");
    registry.WriteString("", "\"C:\\Program\\Velorandquistmar.exe\" \"%1\"");
    registry.WriteString("Named", "caf\xE9");
    registry.WriteString("Empty", "");
  }
  TRegistry registry;
  ClassesRoot(registry);
  EXPECT_EQ(registry.RootKey(), HKEY_CLASSES_ROOT);
  ASSERT_TRUE(registry.OpenKey(Key, false));
  ASSERT_TRUE(registry.OpenKey("shell", false));
  ASSERT_TRUE(registry.OpenKey("Verb\\command\\", false));
  EXPECT_EQ(registry.CurrentPath(), Key + "\\shell\\Verb\\command");
  EXPECT_EQ(registry.ReadString(""), "\"C:\\Program\\Velorandquistmar.exe\" \"%1\"");
  EXPECT_EQ(registry.ReadString("named"), "caf\xE9");
  EXPECT_EQ(registry.ReadString("Empty"), "");
  EXPECT_EQ(registry.ReadString("Missing"), "");

  EXPECT_TRUE(registry.DeleteValue("Named"));
  EXPECT_FALSE(registry.DeleteValue("Named"));
  EXPECT_EQ(registry.ReadString("Named"), "");

  // A key that is not there leaves the current key open; "\" starts from the root.
  EXPECT_FALSE(registry.OpenKey("Nowhere", false));
  EXPECT_EQ(registry.ReadString(""), "\"C:\\Program\\Velorandquistmar.exe\" \"%1\"");
  ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
  EXPECT_EQ(registry.CurrentPath(), Key);
  EXPECT_EQ(registry.ReadString(""), "");
  registry.CloseKey();
  EXPECT_EQ(registry.CurrentKey(), nullptr);
  EXPECT_EQ(registry.CurrentPath(), "");
}

TEST_F(RegistryTest, KeyExistsLooksFromTheCurrentKeyOrTheRoot) {
  TRegistry registry;
  ClassesRoot(registry);
  EXPECT_FALSE(registry.KeyExists(Key));
  ASSERT_TRUE(registry.OpenKey(Key + "\\a\\b", true));
  registry.CloseKey();
  EXPECT_TRUE(registry.KeyExists(Key + "\\a"));
  ASSERT_TRUE(registry.OpenKey(Key, false));
  EXPECT_TRUE(registry.KeyExists("a\\b"));
  EXPECT_FALSE(registry.KeyExists("b"));
  EXPECT_TRUE(registry.KeyExists("\\" + Key + "\\a\\b"));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTree) {
  TRegistry registry;
  ClassesRoot(registry);
  for (const char* path : {"\\tree\\one\\two\\three", "\\tree\\one\\side", "\\tree\\other", "\\kept"}) {
    ASSERT_TRUE(registry.OpenKey(Key + path, true));
    registry.WriteString("", path);
    registry.CloseKey();
  }
  ASSERT_TRUE(registry.OpenKey(Key, false));
  EXPECT_TRUE(registry.DeleteKey("tree"));
  EXPECT_FALSE(registry.KeyExists("tree"));
  EXPECT_TRUE(registry.KeyExists("kept"));
  EXPECT_FALSE(registry.DeleteKey("tree"));
  EXPECT_FALSE(registry.DeleteKey(""));  // never the current key itself
  registry.CloseKey();
  EXPECT_TRUE(registry.DeleteKey(Key));
  EXPECT_FALSE(registry.KeyExists(Key));
}

TEST_F(RegistryTest, FailuresRaiseRegistryExceptions) {
  TRegistry registry;
  ClassesRoot(registry);
  // No key is open: nothing is written into the root itself.
  EXPECT_EQ(ErrorOf([&] { registry.WriteString("", "x"); }), "Failed to set data for '': no key is open");
  EXPECT_THROW(registry.ReadString("x"), ERegistryException);
  EXPECT_FALSE(registry.DeleteValue(""));

  ASSERT_TRUE(registry.OpenKey(Key, true));
  const DWORD number = 7;
  ASSERT_EQ(RegSetValueExA(registry.CurrentKey(), "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                           sizeof number),
            ERROR_SUCCESS);
  EXPECT_EQ(ErrorOf([&] { registry.ReadString("Number"); }), "Invalid data type for 'Number'");

  // A key opened for reading only cannot be written.
  TRegistry reader(KEY_READ);
  ClassesRoot(reader);
  ASSERT_TRUE(reader.OpenKey(Key, false));
  EXPECT_EQ(ErrorOf([&] { reader.WriteString("Name", "x"); }).rfind("Failed to set data for 'Name': ", 0), 0u);
  EXPECT_EQ(reader.ReadString("Name"), "");
}

}  // namespace
