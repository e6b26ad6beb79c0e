// The main window's form resource carries the program's own skin: its stored skin holds
// exactly the zlib data of the skin container the build painted, the form reader makes
// the component from it, and the skin loads. The main window's and the tag editor's
// controls each use the skin data (with or without skin effects) their window gives them.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/Form.h"
#include "classlib/FormReader.h"

#include "base/FormText.h"

#include "RuntimePath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace {

constexpr const char* MainFormClass = "TFormFileEditor";

// The zlib data of the container the build wrote.
std::vector<uint8_t> PaintedSkinData() {
  TspCompressedStoredSkin painted(nullptr);
  painted.LoadFromCompressedFile(RuntimePath(std::string(VQ_SKIN_FOLDER) + "slate.skn"));
  return painted.CompressedStream().Bytes();
}

const TFormObject& Child(const TFormObject& Parent, const std::string& Name) {
  const auto it = std::find_if(Parent.Children.begin(), Parent.Children.end(),
                               [&](const TFormObject& o) { return o.Name == Name; });
  if (it == Parent.Children.end()) throw Exception("No object " + Name);
  return *it;
}

// The objects of a form resource that name their skin data, by the skin data they name.
std::map<std::string, std::set<std::string>> ObjectsBySkinData(const TFormObject& Object) {
  std::map<std::string, std::set<std::string>> found;
  for (const TFormProperty& property : Object.Properties)
    if (property.Name == "SkinData") found[property.Value.Text].insert(Object.Name);
  for (const TFormObject& child : Object.Children)
    for (auto& [data, names] : ObjectsBySkinData(child)) found[data].merge(names);
  return found;
}

using Names = std::set<std::string>;

TEST(MainFormResourceTest, TheMainWindowsControlsUseTheSkinDataItGivesThem) {
  const TFormObject form = ParseFormText(FormResourceText(MainFormClass));
  auto found = ObjectsBySkinData(form);
  // The frame, the menu bar, the grid and its scroll bar, the rename panel's page
  // control, the rebuild page's four group boxes and the switch page's ten combo boxes.
  Names effects = {"DynSkinForm", "Form_MenuBar", "PanelGrid_GridFileNames", "PanelGrid_ScrollBarVert",
                   "PanelRename_PageControlRename", "TabRebuild_GroupBoxReplace", "TabRebuild_GroupBoxRemove",
                   "TabRebuild_GroupBoxAutoFormat", "TabRebuild_GroupBoxTrackStart"};
  for (const char* number : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"})
    effects.insert(std::string("GroupBoxSwitch_ComboBox") + number);
  EXPECT_EQ(found["SkinDataEffects"], effects);
  EXPECT_TRUE(found["SkinDataNoEffects"].count("TabSwitch_GroupBoxSwitch"));
  EXPECT_FALSE(found["SkinDataNoEffects"].count("Form_ButtonClose"));
  found.erase("SkinDataEffects");
  found.erase("SkinDataNoEffects");
  EXPECT_EQ(found, (std::map<std::string, Names>{}));  // no other skin data, and none left out
}

TEST(MainFormResourceTest, TheTagEditorsControlsUseTheSkinDataWithoutEffectsBesideItsPopupMenu) {
  auto found = ObjectsBySkinData(ParseFormText(FormResourceText("TFormTagEditor")));
  EXPECT_EQ(found["SkinDataEffects"], Names{"Form_GridPopupMenu"});
  for (const char* name : {"PanelGrid_GridTags", "PanelGrid_ScrollBarVert", "PanelGrid_ScrollBarHor",
                           "Form_GroupBoxMpegInfo", "Form_GroupBoxActionOptions", "Form_GroupBoxFormat",
                           "Form_ButtonClose"})
    EXPECT_TRUE(found["SkinDataNoEffects"].count(name)) << name;
  found.erase("SkinDataEffects");
  found.erase("SkinDataNoEffects");
  EXPECT_EQ(found, (std::map<std::string, Names>{}));
}

TEST(MainFormResourceTest, TheStoredSkinHoldsTheSkinTheBuildPainted) {
  const TFormObject form = ParseFormText(FormResourceText(MainFormClass));
  EXPECT_EQ(form.ClassName, MainFormClass);
  const TFormObject& stored = Child(form, "StoredSkin");
  EXPECT_EQ(stored.ClassName, "TspCompressedStoredSkin");
  const auto data = std::find_if(stored.Properties.begin(), stored.Properties.end(),
                                 [](const TFormProperty& p) { return p.Name == "CompressedData"; });
  ASSERT_NE(data, stored.Properties.end());
  ASSERT_EQ(data->Value.Kind, TFormValueKind::Binary);
  EXPECT_EQ(data->Value.Bytes, PaintedSkinData());
}

TEST(MainFormResourceTest, TheFormReaderMakesTheStoredSkinAndTheSkinLoads) {
  static std::once_flag registration;
  std::call_once(registration, [] { RegisterSkinDataClasses(TClassRegistry::Instance()); });
  // The stored skin's own block, read into a plain form: the window's other classes and
  // handlers come with the program.
  const std::string text = FormResourceText(MainFormClass);
  const size_t begin = text.find("  object StoredSkin:");
  ASSERT_NE(begin, std::string::npos);
  const size_t end = text.find("\n  end", begin);
  ASSERT_NE(end, std::string::npos);
  const std::string storedSkinForm =
      "object MainForm: TForm\n" + text.substr(begin, end - begin) + "\n  end\nend\n";
  std::unique_ptr<TForm, void (*)(TForm*)> form(new TForm(Application),
                                                [](TForm* f) { f->Free(); });
  ReadForm(*form, storedSkinForm, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()),
           "The main form");

  auto* stored = dynamic_cast<TspCompressedStoredSkin*>(form->FindComponent("StoredSkin"));
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->Description(), "Slate");
  EXPECT_EQ(stored->CompressedFileName(), "slate.skn");
  EXPECT_EQ(stored->CompressedStream().Bytes(), PaintedSkinData());
  TspSkinData skin(form.get());
  skin.SetCompressedStoredSkin(stored);
  EXPECT_FALSE(skin.Empty());
  EXPECT_EQ(skin.SkinName, "Slate");
  EXPECT_NE(skin.GetControlIndex("mainmenubar"), -1);
}

}  // namespace
