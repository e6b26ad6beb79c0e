// Skin components read from a window's form text: the list of stored skins with its
// items, the resource strings, and the skin data component's references to them, which
// take effect once the whole form exists and are forgotten when their targets go.
#include "skin/data/CompressedSkinList.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "SkinMessageRecorder.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string hex;
  char pair[3];
  for (uint8_t b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    hex += pair;
  }
  return hex;
}

// A skin list item's "Skin" property: the container of the stored skin.
std::string ContainerHex(const TspCompressedStoredSkin& Skin) {
  TMemoryStream container;
  Skin.SaveToCompressStream(container);
  return Hex(container.Bytes());
}

class SkinDataFormTest : public ::testing::Test {
protected:
  SkinDataFormTest() {
    TClassRegistry& registry = TClassRegistry::Instance();
    if (registry.FindClass("TspSkinData") == nullptr) RegisterSkinDataClasses(registry);
    synthetic.LoadFromIniFile(WriteSyntheticSkin(folder.Path()));
    TspSkinPayload payload;
    payload.IniText.SetText("[VERSION]\r\nskinname=Second\r\n");
    TMemoryStream plain, packed;
    WriteSkinPayload(plain, payload);
    CompressStream(plain, packed);
    second.ReadData(packed);
  }
  ~SkinDataFormTest() override { form->Free(); }

  template <class C>
  C* Find(const char* Name) {
    auto* component = dynamic_cast<C*>(form->FindComponent(Name));
    if (component == nullptr) ADD_FAILURE() << Name << " is missing";
    return component;
  }

  TempFolder folder;
  TspCompressedStoredSkin synthetic{nullptr};
  TspCompressedStoredSkin second{nullptr};
  std::vector<TReceived> log;
  TSkinMessageRecorder* form = new TSkinMessageRecorder(log);
};

TEST_F(SkinDataFormTest, TheSkinListResourceStringsAndReferencesTakeEffect) {
  const std::string text = R"(object SkinForm: TSkinMessageRecorder
  object SkinData: TspSkinData
    SkinIndex = 1
    SkinList = Skins
    ResourceStrData = Strings
    SkinnableForm = True
    EnableSkinEffects = False
  end
  object Skins: TspCompressedSkinList
    Skins = <
      item
        Description = 'The synthetic skin'
        FileName = 'skin.ini'
        Skin = {)" + ContainerHex(synthetic) + R"(}
      end
      item
        Name = 'second'
        Skin = {)" + ContainerHex(second) + R"(}
      end>
  end
  object Strings: TspResourceStrData
    CharSet = 204
    ResStrings.Strings = (
      'MI_MINCAPTION=Kleiner'
      'CLOSEBUTTON_HINT=A=B')
  end
end
)";
  ReadForm(*form, text, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()), "The skin data form");

  auto* list = Find<TspCompressedSkinList>("Skins");
  auto* strings = Find<TspResourceStrData>("Strings");
  auto* data = Find<TspSkinData>("SkinData");
  ASSERT_TRUE(list != nullptr && strings != nullptr && data != nullptr);

  ASSERT_EQ(list->Skins()->Count(), 2);
  const TspSkinListItem* first = list->Skins()->Items(0);
  EXPECT_EQ(first->Description(), "The synthetic skin");
  EXPECT_EQ(first->FileName(), "skin.ini");  // only kept: nothing is built at run time
  EXPECT_EQ(first->Name(), "spSkin0");
  EXPECT_EQ(first->Skin()->CompressedStream().Bytes(), synthetic.CompressedStream().Bytes());
  EXPECT_EQ(list->Skins()->Items(1)->Name(), "second");

  EXPECT_EQ(strings->CharSet(), 204);
  EXPECT_EQ(strings->GetResStr("mi_mincaption"), "Kleiner");
  EXPECT_EQ(strings->GetResStr("CLOSEBUTTON_HINT"), "A=B");
  EXPECT_EQ(strings->GetResStr("MI_MAXCAPTION"), "");  // the form's table replaced the defaults

  // The list's skin at SkinIndex was loaded once the list was there, then the strings
  // were announced.
  EXPECT_EQ(data->SkinList(), list);
  EXPECT_EQ(data->ResourceStrData(), strings);
  EXPECT_EQ(data->SkinIndex(), 1);
  EXPECT_FALSE(data->EnableSkinEffects());
  EXPECT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinName, "Second");
  EXPECT_EQ(log, (std::vector<TReceived>{{form, SP_BEFORE_CHANGE_SKIN_DATA, true, true},
                                         {form, SP_CHANGE_SKIN_DATA, false, true},
                                         {form, SP_AFTER_CHANGE_SKIN_DATA, false, false},
                                         {form, SP_RESOURCE_STRINGS_CHANGED, false, false}}));

  data->SetSkinIndex(0);
  EXPECT_EQ(data->SkinName, "Synthetic");
  EXPECT_EQ(data->GetControlIndex("memo"), 14);

  // The references go with their targets; the loaded skin stays.
  strings->Free();
  EXPECT_EQ(data->ResourceStrData(), nullptr);
  list->Free();
  EXPECT_EQ(data->SkinList(), nullptr);
  EXPECT_EQ(data->SkinName, "Synthetic");
  EXPECT_FALSE(data->Empty());
}

}  // namespace
