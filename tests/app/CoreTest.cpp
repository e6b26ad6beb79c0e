#include "AppTestSupport.h"

#include "app/Core.h"
#include "app/Rename.h"
#include "app/Session.h"
#include "app/Translation.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

// The main window's stored skin is only handed on, never looked into.
TspCompressedStoredSkin* const kStoredSkin = reinterpret_cast<TspCompressedStoredSkin*>(0x5000);

class CoreObjects : public ::testing::Test {
protected:
  ~CoreObjects() override { FreeCore(); }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
};

TEST_F(CoreObjects, MadeWithTheConfiguredLanguageAndFreed) {
  Folder.InstallBuiltLanguage("NL.lng");
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=3\r\n");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  ASSERT_NE(Settings, nullptr);
  ASSERT_NE(Session, nullptr);
  ASSERT_NE(Lang, nullptr);
  ASSERT_NE(FileList, nullptr);
  EXPECT_EQ(FileList->GetFileCount(), 0);
  EXPECT_EQ(Settings->StoredSkin, kStoredSkin);
  EXPECT_EQ(Settings->WorkingFolder, Folder.Path());
  EXPECT_EQ(Settings->LangConfig.Language, lfNL);
  EXPECT_EQ(LangText(TLangText::ErrorCaption), "Fout");
  EXPECT_TRUE(Presenter.Shown.empty());
  FreeCore();
  EXPECT_EQ(Settings, nullptr);
  EXPECT_EQ(Session, nullptr);
  EXPECT_EQ(Lang, nullptr);
  EXPECT_EQ(FileList, nullptr);
  EXPECT_EQ(LangText(TLangText::ErrorCaption), "Error");
}

TEST_F(CoreObjects, UnreadableSettingsDoNotEndStartUp) {
  Folder.InstallBuiltLanguage("EN.lng");
  Folder.InstallBuiltLanguage("DE.lng");
  Folder.WriteFile("Settings.ini", "[Program]");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  EXPECT_EQ(Settings->LangConfig.Language, lfEN);
  EXPECT_EQ(Presenter.Texts(),
            std::vector<std::string>{"Error / Settings file could not be read !"});
  EXPECT_EQ(Presenter.Shown[0].Skin, kStoredSkin);
  EXPECT_EQ(Presenter.Shown[0].ButtonCaptions[dbOk], "Ok");  // before Lang exists
}

TEST_F(CoreObjects, InvalidLanguageFileDoesNotEndStartUp) {
  Folder.WriteLanguage("DE.lng", "");
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=0\r\n");
  ASSERT_TRUE(CreateCore(kStoredSkin, Folder.Place()));
  EXPECT_EQ(LangText(TLangText::CancelButton), "Cancel");
  EXPECT_EQ(Presenter.Texts(), std::vector<std::string>{"Error / No valid translation file !"});
}

TEST_F(CoreObjects, FailureFreesWhatWasMadeAndTellsTheCaller) {
  // The first message (the language file is missing) fails to show.
  bool failed = false;
  Presenter.WhileOpen = [&](TMessageDialog&) {
    if (!failed) {
      failed = true;
      throw Exception("no window");
    }
  };
  EXPECT_FALSE(CreateCore(kStoredSkin, Folder.Place()));
  EXPECT_EQ(FileList, nullptr);
  EXPECT_EQ(Settings, nullptr);
  EXPECT_EQ(Session, nullptr);
  EXPECT_EQ(Lang, nullptr);
  ASSERT_EQ(Presenter.Shown.size(), 2u);
  EXPECT_EQ(Presenter.Texts()[1], "CreateCore / Fatal error !");
  EXPECT_EQ(Presenter.Shown[1].Skin, nullptr);
}

}  // namespace
