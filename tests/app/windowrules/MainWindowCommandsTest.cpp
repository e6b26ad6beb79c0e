// The main window's start-up, shutdown and menu commands over the process-wide core.
#include "AppTestSupport.h"

#include "app/rename/Rename.h"
#include "app/settings/Session.h"
#include "app/windowrules/AboutBox.h"
#include "app/windowrules/Core.h"
#include "app/windowrules/MainMenuCommands.h"
#include "app/windowrules/MainWindowLife.h"

#include "base/Exceptions.h"
#include "base/FileUtils.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
using Items = std::vector<TLanguageMenuItem>;
const char kNotMade[] = "Error / Settings file could not be made !";

class MainWindowCore : public ::testing::Test {
protected:
  MainWindowCore() { Folder.InstallBuiltLanguage("EN.lng"); }
  ~MainWindowCore() override { FinishMainCore(); }
  void Start() {
    ASSERT_TRUE(StartMainCore(nullptr, Folder.Place()));
    StartSession(Registry);
  }

  ProgramFolder Folder;
  ScriptedPresenter Presenter;
  FakeVerbRegistry Registry;
};

TEST_F(MainWindowCore, AFirstStartWritesTheSettingsAndAClosePendingAPreviewAsks) {
  Folder.WriteFile("a.mp3", "a");
  Registry.Registered = true;
  Start();
  EXPECT_EQ(MainWindowTitle(*Settings), "Velorandquistmar 0.4.8");
  EXPECT_NE(Folder.ReadFile("Settings.ini").find("DefaultID3v2=7"), std::string::npos);
  EXPECT_TRUE(Session->ShellMenuRegistered);
  EXPECT_EQ(Session->ChangedFontColor, 0x00FF00u);  // green: a changed tag-editor field
  EXPECT_EQ(FileList->GetFileCount(), 1);
  EXPECT_FALSE(FileList->GetFileInfo(0)->Opened);  // the window opens it once it has painted
  EXPECT_TRUE(ConfirmMainWindowClose());
  Settings->RenamePending = true;
  Presenter.Press(mtYesNo, dbNo);
  EXPECT_FALSE(ConfirmMainWindowClose());
  EXPECT_EQ(Presenter.Texts(), Texts{"Warning / There are changed files which have not been saved yet. Close?"});
}

// The core cannot be made when its first message fails to show.
TEST_F(MainWindowCore, AFailedStartEndsAtOnceAndTheShutdownCopesWithoutACore) {
  Folder.WriteFile("Settings.ini", "[Program]");  // its language cannot be read: a message
  Presenter.WhileOpen = [&](TMessageDialog&) {
    if (Presenter.Shown.size() == 1) throw Exception("no window");
  };
  EXPECT_FALSE(StartMainCore(nullptr, Folder.Place()));
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), "[Program]");
  EXPECT_TRUE(ConfirmMainWindowClose());
  FinishMainCore();
  EXPECT_EQ(Presenter.Texts().back(), "CreateCore / Fatal error !");
}

// The language's line and the whole file are read at start-up; the user hears once of a
// file that cannot be read at all, or whose language line cannot be read.
TEST_F(MainWindowCore, ASettingsFileThatCannotBeReadIsReportedOnce) {
  for (const std::string& file : {std::string(1, '\0'), std::string("[Program]\r\n; by hand\r\n")}) {
    Folder.WriteFile("Settings.ini", file);
    Presenter.Shown.clear();
    Start();
    EXPECT_EQ(Settings->LangConfig.Language, lfEN);
    EXPECT_EQ(Presenter.Texts(), Texts{"Error / Settings file could not be read !"});
    FinishMainCore();
  }
}

TEST_F(MainWindowCore, TheShutdownReportsAPlacementItCannotWriteAndStillFreesTheCore) {
  Folder.WriteFile("Settings.ini", std::string(1, '\0'));
  Start();
  Settings->Placement[piMainWindow].Changed = true;
  FinishMainCore();
  EXPECT_FALSE(Settings || Session || Lang || FileList);
  EXPECT_EQ(Presenter.Texts().back(), kNotMade);
}

// The keys of "Settings.ini" are texts of the language: the file is written again whole
// in the new one's names, replacing the old file in one step.
TEST_F(MainWindowCore, ALanguageChangeRewritesTheSettingsWholeAlsoWhenTheFileIsMissing) {
  Folder.WriteFile("Settings.ini", "[Program]\r\nLanguage=0\r\n");
  Start();  // German is not there
  EXPECT_EQ(LanguageMenuItems(*Settings, *Lang), (Items{{"English", true, false}}));
  EXPECT_FALSE(SelectLanguage(*Settings, *Lang, 0));  // the lone item does nothing
  FinishMainCore();
  Folder.InstallBuiltLanguage("NL.lng");
  const std::string old = "[Program]\r\nLanguage=1\r\n[FileEditor]\r\nWindowMaximized=1\r\nOld=1\r\n";
  Folder.WriteFile("Settings.ini", old);
  Start();
  EXPECT_EQ(LanguageMenuItems(*Settings, *Lang), (Items{{"English", true, true}, {"Nederlands", false, true}}));
  EXPECT_FALSE(SelectLanguage(*Settings, *Lang, 0));  // the checked one: nothing written
  EXPECT_EQ(Folder.ReadFile("Settings.ini"), old);
  EXPECT_TRUE(SelectLanguage(*Settings, *Lang, 1));
  EXPECT_EQ(LangText(TLangText::CancelButton), "Annuleren");
  const std::string written = Folder.ReadFile("Settings.ini");
  EXPECT_EQ(written.find("Old=1"), std::string::npos);
  EXPECT_NE(written.find("[Program]\r\nLanguage=3\r\n[FileEditor]\r\nWindowHeight=540\r\n"), std::string::npos);
  EXPECT_NE(written.find("WindowMaximized=1"), std::string::npos);  // the old file had it
  ASSERT_TRUE(SelectLanguage(*Settings, *Lang, 0));
  ASSERT_TRUE(DeleteFile(Settings->SettingsPath()));  // missing: made anew with the choice
  Presenter.Shown.clear();
  EXPECT_TRUE(SelectLanguage(*Settings, *Lang, 1));
  EXPECT_EQ(Presenter.Texts(), Texts{});
  EXPECT_EQ(Folder.ReadFile("Settings.ini").rfind("[Program]\r\nLanguage=3\r\n[FileEditor]\r\n", 0), 0u);
  FinishMainCore();
  Start();  // the next start speaks the language chosen
  EXPECT_EQ(Settings->LangConfig.Language, lfNL);
  EXPECT_EQ(LangText(TLangText::CancelButton), "Annuleren");
  EXPECT_EQ(Presenter.Texts(), Texts{});
}

TEST_F(MainWindowCore, TheVerbItemFollowsTheRegistryAndOnlySuccessIsAnnounced) {
  Start();
  EXPECT_TRUE(ToggleShellVerb(*Settings, *Session, Registry));
  EXPECT_FALSE(ToggleShellVerb(*Settings, *Session, Registry));
  Registry.Fails = true;
  EXPECT_FALSE(ToggleShellVerb(*Settings, *Session, Registry));
  EXPECT_FALSE(Session->ShellMenuRegistered);
  EXPECT_EQ(Presenter.Texts(), (Texts{"Info / Program has been added to the ContextMenu of Windows Explorer..",
                                      "Info / Program has been removed from the ContextMenu of Windows Explorer.",
                                      "Error / Failed to create key 'Velorandquistmar'"}));
  EXPECT_FALSE(CanOpenTagEditor(*Settings));  // no selected row
  EXPECT_EQ(Presenter.Texts().back(), "Warning / No valid files !");
}

TEST(AboutBox, AnAddressOpensAsMailOrAsAWebPage) {
  EXPECT_EQ(AddressTarget("a@b.example"), "mailto:a@b.example");
  EXPECT_EQ(AddressTarget(MakerWebAddress), std::string("http://") + MakerWebAddress);
  EXPECT_EQ(AboutTranslationText(), "Translation: ");  // no language file loaded
}

}  // namespace
