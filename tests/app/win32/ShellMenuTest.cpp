#include "app/win32/ShellMenu.h"

#include "app/settings/Config.h"
#include "app/settings/Session.h"

#include "classlib/Registry.h"  // ERegistryException

#include "base/StrUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kCommand[] = "\"C:\\Program Files\\Velorandquistmar\\Velorandquistmar.exe\" \"%1\"";
const char kMissing[] = "(missing)";
const char kVerb[] = "Velorandquistmar\\shell\\Velorandquistmar\\command";

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The key's default value; kMissing when the key is not there.
std::string DefaultValue(const std::string& path) {
  char value[512];
  LONG size = sizeof value;
  return RegQueryValueA(HKEY_CLASSES_ROOT, path.c_str(), value, &size) == ERROR_SUCCESS ? value : kMissing;
}

// Makes the key when it is missing.
void SetValue(const std::string& path, const char* name, const std::string& value) {
  RegSetKeyValueA(HKEY_CLASSES_ROOT, path.c_str(), name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

// Each test starts without ".mp3" and without the product's class key, and puts the two
// back as it found them (copied aside meanwhile); the other program's class is its own.
class ShellMenu : public ::testing::Test {
protected:
  ShellMenu() {
    RegCreateKeyExA(HKEY_CURRENT_USER, FBackup.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &FSaved, nullptr);
    for (const char* key : {".mp3", "Velorandquistmar"}) Move(HKEY_CLASSES_ROOT, key, FSaved);
  }
  ~ShellMenu() override {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, OtherClass.c_str());
    for (const char* key : {".mp3", "Velorandquistmar"}) {
      RegDeleteTreeA(HKEY_CLASSES_ROOT, key);
      Move(FSaved, key, HKEY_CLASSES_ROOT);
    }
    RegCloseKey(FSaved);
    RegDeleteTreeA(HKEY_CURRENT_USER, FBackup.c_str());
  }
  // Moves a key with everything below it from one parent to another, when it is there.
  static void Move(HKEY from, const char* key, HKEY to) {
    HKEY source = nullptr, target = nullptr;
    if (RegOpenKeyExA(from, key, 0, KEY_READ, &source) != ERROR_SUCCESS) return;
    RegCreateKeyExA(to, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr);
    RegCopyTreeA(source, nullptr, target);
    RegCloseKey(target);
    RegCloseKey(source);
    RegDeleteTreeA(from, key);
  }

  const std::string OtherClass = "VelorandquistmarTestClass" + IntToStr(int(GetCurrentProcessId()));
  TConfigBase Config{TProgramPlace{"C:\\Program Files\\Velorandquistmar\\", "C:\\Music\\"}};

private:
  const std::string FBackup = "Software\\VelorandquistmarTestBackup" + IntToStr(int(GetCurrentProcessId()));
  HKEY FSaved = nullptr;
};

// ".mp3" is the system's: registering never makes it, and removing never deletes it.
TEST_F(ShellMenu, WithoutAnExtensionKeyNothingIsWrittenAndTheFailureIsReported) {
  EXPECT_FALSE(IsShellMenuRegistered(Config));
  EXPECT_THROW(RegisterShellMenu(Config, true), ERegistryException);
  EXPECT_FALSE(KeyExists(".mp3"));
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

TEST_F(ShellMenu, AnEmptyExtensionKeyGetsTheProductAsClassAndStaysOnceItGoes) {
  HKEY extension = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ".mp3", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &extension, nullptr),
            0);
  RegCloseKey(extension);
  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(".mp3"), "Velorandquistmar");
  EXPECT_EQ(DefaultValue(kVerb), kCommand);
  EXPECT_TRUE(IsShellMenuRegistered(Config));
  RegisterShellMenu(Config, false);
  EXPECT_TRUE(KeyExists(".mp3"));
  EXPECT_NE(RegGetValueA(HKEY_CLASSES_ROOT, ".mp3", "", RRF_RT_ANY, nullptr, nullptr, nullptr), 0);
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

TEST_F(ShellMenu, AnExtensionKeyWithoutClassGetsTheProductAndKeepsItsOtherValues) {
  SetValue(".mp3", "Content Type", "audio/mpeg");
  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(".mp3"), "Velorandquistmar");
  EXPECT_EQ(DefaultValue(kVerb), kCommand);
  RegisterShellMenu(Config, false);
  char type[64];
  DWORD size = sizeof type;
  EXPECT_EQ(RegGetValueA(HKEY_CLASSES_ROOT, ".mp3", "Content Type", RRF_RT_REG_SZ, nullptr, type, &size), 0);
  EXPECT_STREQ(type, "audio/mpeg");
  EXPECT_NE(RegGetValueA(HKEY_CLASSES_ROOT, ".mp3", "", RRF_RT_ANY, nullptr, nullptr, nullptr), 0);
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
}

TEST_F(ShellMenu, AnotherProgramsClassGetsOnlyTheVerbAndKeepsTheRest) {
  RegisterShellMenu(Config, false);  // nothing there: nothing changes
  EXPECT_FALSE(KeyExists(".mp3"));
  SetValue(".mp3", "", OtherClass);
  RegisterShellMenu(Config, false);
  EXPECT_FALSE(KeyExists(OtherClass));
  SetValue(OtherClass + "\\shell\\open\\command", "", "player.exe \"%1\"");
  EXPECT_FALSE(IsShellMenuRegistered(Config));
  for (int twice = 0; twice < 2; ++twice) RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(".mp3"), OtherClass);
  EXPECT_EQ(DefaultValue(OtherClass + "\\shell\\Velorandquistmar\\command"), kCommand);
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
  EXPECT_TRUE(IsShellMenuRegistered(Config));
  TConfigSession session;
  session.CutTillNumber = true;
  LoadSessionFromConfig(session, Config);
  EXPECT_TRUE(session.ShellMenuRegistered);
  EXPECT_FALSE(session.CutTillNumber);
  RegisterShellMenu(Config, false);
  EXPECT_FALSE(KeyExists(OtherClass + "\\shell\\Velorandquistmar"));
  EXPECT_EQ(DefaultValue(OtherClass + "\\shell\\open\\command"), "player.exe \"%1\"");
  EXPECT_EQ(DefaultValue(".mp3"), OtherClass);
  LoadSessionFromConfig(session, Config);
  EXPECT_FALSE(session.ShellMenuRegistered);
}

TEST_F(ShellMenu, TheProductAsClassCountsAsRegisteredWithoutItsVerb) {
  SetValue(".mp3", "", "Velorandquistmar");
  EXPECT_TRUE(IsShellMenuRegistered(Config));
  RegisterShellMenu(Config, true);
  EXPECT_EQ(DefaultValue(kVerb), kCommand);
  RegisterShellMenu(Config, false);
  EXPECT_TRUE(KeyExists(".mp3"));  // there before: only its class goes
  EXPECT_NE(RegGetValueA(HKEY_CLASSES_ROOT, ".mp3", "", RRF_RT_ANY, nullptr, nullptr, nullptr), 0);
  EXPECT_FALSE(KeyExists("Velorandquistmar"));
}

TEST_F(ShellMenu, AClassKeyThatCannotBeMadeIsReportedAndNothingIsWritten) {
  // Key names are limited to 255 characters: this class cannot get its verb.
  const std::string longClass(300, 'c');
  SetValue(".mp3", "", longClass);
  EXPECT_THROW(RegisterShellMenu(Config, true), ERegistryException);
  EXPECT_EQ(DefaultValue(".mp3"), longClass);
  EXPECT_FALSE(IsShellMenuRegistered(Config));
}

}  // namespace
