// The main window's start-up, shutdown and menu commands over the process-wide core.
#include "AppTestSupport.h"

#include "app/AboutBox.h"
#include "app/Core.h"
#include "app/MainMenuCommands.h"
#include "app/MainWindowLife.h"
#include "app/Rename.h"
#include "app/Session.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
TspCompressedStoredSkin* const kStoredSkin = reinterpret_cast<TspCompressedStoredSkin*>(0x5000);

class FakeVerbRegistry : public TShellVerbRegistry {
public:
  bool IsRegistered() override { return Registered; }
  void Register(bool registering) override {
    if (Fails) throw ERegistryException("Failed to create key 'Velorandquistmar'");
    Registered = registering;
  }
  bool Registered = false;
  bool Fails = false;
};

class MainWindowCore : public ::testing::Test {
protected:
  MainWindowCore() { Folder.InstallBuiltLanguage("EN.lng"); }
  ~MainWindowCore() override { FinishMainCore(); }
  void Start() {
    ASSERT_TRUE(StartMainCore(kStoredSkin, Folder.Place()));
    StartSession(Registry);
  }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
  FakeVerbRegistry Registry;
};

TEST_F(MainWindowCore, AFirstStartWritesTheSettingsAndListsTheFolder) {
  Folder.WriteFile("a.mp3", "a");
  Registry.Registered = true;
  Start();
  EXPECT_EQ(MainWindowTitle(*Settings), "Velorandquistmar 0.4.8");
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("DefaultID3v2=7"), std::string::npos);
  EXPECT_TRUE(Session->ShellMenuRegistered);
  EXPECT_EQ(FileList->GetFileCount(), 1);
  EXPECT_TRUE(Presenter.Shown.empty());
  FinishMainCore();
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=1\r\n");  // kept as it is
  Start();
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), "[Program]\r\nLanguage=1\r\n");
}

TEST_F(MainWindowCore, AFailedStartEndsAtOnceAndTheShutdownCopesWithoutACore) {
  Folder.WriteFile("Settings.ini", "[Program]");  // its language cannot be read: a message
  Presenter.WhileOpen = [&](TMessageDialog&) {
    if (Presenter.Shown.size() == 1) throw Exception("no window");
  };
  EXPECT_FALSE(StartMainCore(kStoredSkin, Folder.Place()));
  EXPECT_EQ(Presenter.Texts().back(), "CreateCore / Fatal error !");
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), "[Program]");
  EXPECT_TRUE(ConfirmMainWindowClose());
  FinishMainCore();
  EXPECT_EQ(Presenter.Shown.size(), 2u);
}

// The placement cannot be written (the file was unreadable at start): the shutdown reports
// it and still frees the core.
TEST_F(MainWindowCore, TheShutdownWritesAChangedPlacementAndGoesOnWhenItCannot) {
  Start();
  Settings->Placement[piMainWindow] = {true, 2, true, 600, 900};
  FinishMainCore();
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("WindowMaximized=1"), std::string::npos);
  Folder.WriteFile("Settings.ini", std::string(1, '\0'));
  Start();
  Settings->Placement[piMainWindow].Changed = true;
  FinishMainCore();
  EXPECT_FALSE(Settings || Session || Lang || FileList);
  const std::string notRead = "Error / Settings file could not be read !";  // language and settings
  EXPECT_EQ(Presenter.Texts(), (Texts{notRead, notRead, "Error / Settings file could not be made !"}));
}

TEST_F(MainWindowCore, ClosingWithAPendingPreviewAsksFirst) {
  Start();
  EXPECT_TRUE(ConfirmMainWindowClose());
  Settings->RenamePending = true;
  Presenter.Press(mtYesNo, dbNo);
  EXPECT_FALSE(ConfirmMainWindowClose());
  Presenter.Press(mtYesNo, dbYes);
  EXPECT_TRUE(ConfirmMainWindowClose());
  EXPECT_EQ(Presenter.Texts()[0],
            "Warning / There are changed files which have not been saved yet. Close?");
}

TEST_F(MainWindowCore, TheLanguageMenuOffersTheLanguagesFoundAndEnglishWhenTheChosenOneIsMissing) {
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=0\r\n");
  Start();
  EXPECT_EQ(LanguageMenuItems(*Settings, *Lang), (std::vector<TLanguageMenuItem>{{"English", true, false}}));
  EXPECT_FALSE(SelectLanguage(*Settings, *Lang, 0));  // the lone item does nothing
  FinishMainCore();
  Folder.InstallBuiltLanguage("DE.lng");
  Folder.InstallBuiltLanguage("NL.lng");
  Presenter.Shown.clear();
  Start();
  EXPECT_EQ(LanguageMenuItems(*Settings, *Lang),
            (std::vector<TLanguageMenuItem>{{"Deutsch", true, true}, {"English", false, true}, {"Nederlands", false, true}}));
  EXPECT_TRUE(Presenter.Shown.empty());
}

// The keys of "Settings.ini" are texts of the language: the file is written again whole
// in the new one's names, replacing the old file in one step.
TEST_F(MainWindowCore, ALanguageChangeRewritesTheSettingsWholeOrLeavesThemAsTheyWere) {
  Folder.InstallBuiltLanguage("NL.lng");
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=1\r\n[FileEditor]\r\nWindowMaximized=1\r\nOld=1\r\n");
  Start();
  EXPECT_FALSE(SelectLanguage(*Settings, *Lang, 0));  // the checked one: nothing written
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), "[Program]\r\nLanguage=1\r\n[FileEditor]\r\nWindowMaximized=1\r\nOld=1\r\n");
  EXPECT_TRUE(SelectLanguage(*Settings, *Lang, 1));
  EXPECT_EQ(LangText(TLangText::CancelButton), "Annuleren");
  const std::string written = Folder.ReadFile("Settings.ini");
  EXPECT_EQ(written.find("Old=1"), std::string::npos);
  EXPECT_NE(written.find("Language=3"), std::string::npos);
  EXPECT_NE(written.find("WindowMaximized=1"), std::string::npos);  // kept, as the old file had it
  TConfigBase reread(Folder.Place());  // in the new names
  reread.ReadSettings();
  EXPECT_EQ(reread.LangConfig.Language, lfNL);
  EXPECT_TRUE(reread.Placement[piMainWindow].Maximized);
  EXPECT_TRUE(Presenter.Shown.empty());
  ASSERT_TRUE(DeleteFile(Settings->SettingsPath()));  // missing: reported, nothing written
  EXPECT_TRUE(SelectLanguage(*Settings, *Lang, 0));
  EXPECT_FALSE(FileExists(Settings->SettingsPath()));
  EXPECT_EQ(LangText(TLangText::CancelButton), "Cancel");
  EXPECT_EQ(Presenter.Texts(), Texts{"Error / Settings file could not be made !"});
}

TEST_F(MainWindowCore, TheVerbItemFollowsTheRegistryAndOnlySuccessIsAnnounced) {
  Start();
  EXPECT_TRUE(ToggleShellVerb(*Settings, *Session, Registry));
  EXPECT_TRUE(Registry.Registered);
  EXPECT_FALSE(ToggleShellVerb(*Settings, *Session, Registry));
  Registry.Fails = true;
  EXPECT_FALSE(ToggleShellVerb(*Settings, *Session, Registry));
  EXPECT_FALSE(Session->ShellMenuRegistered);
  EXPECT_EQ(Presenter.Texts(), (Texts{"Info / Program has been added to the ContextMenu of Windows Explorer..",
                                      "Info / Program has been removed from the ContextMenu of Windows Explorer.",
                                      "Error / Failed to create key 'Velorandquistmar'"}));
}

TEST_F(MainWindowCore, TheTagEditorOpensOnSelectedRowsOnly) {
  Start();
  EXPECT_FALSE(CanOpenTagEditor(*Settings));
  std::vector<int32_t> rows{0};
  Settings->MainSelection.SetItems(rows);
  EXPECT_TRUE(CanOpenTagEditor(*Settings));
  EXPECT_EQ(Presenter.Texts(), Texts{"Warning / No valid files !"});
}

TEST(AboutBox, TextsAndAddressTargets) {
  ProgramFolder folder;
  TConfigBase settings(folder.Place());
  EXPECT_EQ(AboutVersionText(settings), "Version 0.4.8");
  EXPECT_EQ(AboutTranslationText(), "Translation: ");
  EXPECT_EQ(AddressTarget(MakerEmailAddress), std::string("mailto:") + MakerEmailAddress);
  EXPECT_EQ(AddressTarget(MakerWebAddress), std::string("http://") + MakerWebAddress);
}

}  // namespace
