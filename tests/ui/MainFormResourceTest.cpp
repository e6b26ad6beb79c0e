// The main window's form resource carries the program's own skin: its stored skin holds
// exactly the zlib data of the skin container the build painted, the form reader makes
// the component from it, and the skin loads.
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
#include <memory>
#include <mutex>

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
