#include "skin/data/SkinData.h"

#include "CollidingNames.h"
#include "Deadline.h"
#include "FakeForms.h"
#include "SkinEntriesText.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include "skin/data/CompressedSkinList.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinEditData.h"
#include "skin/data/SkinIniBudget.h"
#include "skin/data/SkinPanelData.h"
#include "skin/data/SkinPayload.h"
#include "skin/data/ZlibStreams.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <limits>

#include <functional>
#include <memory>
#include <tuple>
#include <utility>

namespace {

using TSent = TFakeForms::TSent;

// The nine messages of a completed load, owner first.
std::vector<TSent> LoadMessages(const std::vector<TComponent*>& order) {
  std::vector<TSent> sent;
  for (TComponent* form : order) sent.push_back({form, SP_BEFORE_CHANGE_SKIN_DATA, true, true});
  for (TComponent* form : order) sent.push_back({form, SP_CHANGE_SKIN_DATA, false, true});
  for (TComponent* form : order) sent.push_back({form, SP_AFTER_CHANGE_SKIN_DATA, false, false});
  return sent;
}

// Stored skin data made of a payload given as bytes.
void StorePayload(TspCompressedStoredSkin& Skin, const std::string& Payload) {
  TMemoryStream payload, packed;
  payload.WriteBuffer(Payload.data(), static_cast<int32_t>(Payload.size()));
  CompressStream(payload, packed);
  Skin.ReadData(packed);
}

std::string PayloadOf(int32_t Version, const std::string& IniText) {
  TMemoryStream stream;
  WriteStoredSkinInt32(stream, Version);
  const char noPictures[] = {1, 1, 1, 1, 1};
  stream.WriteBuffer(noPictures, 5);
  WriteStoredSkinInt32(stream, 0);
  stream.WriteBuffer(IniText.data(), static_cast<int32_t>(IniText.size()));
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

class SkinDataTest : public ::testing::Test {
protected:
  SkinDataTest() {
    stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path(), options));
    data = new TspSkinData(forms.Form(1));
  }

  TempFolder folder;
  TSyntheticSkin options;
  TFakeForms forms{3};
  TspCompressedStoredSkin stored{nullptr};
  TspSkinData* data;  // owned by the second form
};

TEST_F(SkinDataTest, ANewComponentIsEmptyAndSendsNothing) {
  EXPECT_TRUE(data->Empty());
  EXPECT_FALSE(data->SkinChanging());
  EXPECT_EQ(data->GetControlIndex("button"), -1);
  EXPECT_TRUE(forms.Sent.empty());
}

TEST_F(SkinDataTest, LoadsPicturesTextAndEntries) {
  data->SetCompressedStoredSkin(&stored);
  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(data->Picture.Width(), options.PictureWidth);
  EXPECT_EQ(data->Picture.Pixel(146, 119), SyntheticPixel(-1, 146, 119));
  EXPECT_EQ(data->Mask.Pixel(1, 1), RGBColor(255, 255, 255));
  EXPECT_EQ(data->Mask.Pixel(2, 2), clBlack);
  EXPECT_TRUE(data->InActivePicture.Empty());
  EXPECT_TRUE(data->RollUpPicture.Empty());
  ASSERT_EQ(data->ActivePictures.size(), 3u);
  EXPECT_EQ(data->ActivePictures[1].Pixel(5, 6), SyntheticPixel(1, 5, 6));

  // Each section reaches its part of the component.
  EXPECT_EQ(data->SkinAuthor, "Test Bench");
  EXPECT_EQ(data->MaskName, "mask.bmp");
  ASSERT_EQ(data->ActivePicturesNames.Count(), 3);
  EXPECT_EQ(data->PopupWindow.WindowPictureIndex, 1);
  EXPECT_EQ(data->HintWindow.FontName, "Tahoma");
  EXPECT_EQ(data->SkinColors.cBtnFace, 12632256);
  EXPECT_EQ(data->StatusBarName, "statusbar");

  // 13 objects of a full skin; 65 controls and a second "button"; what has no class is skipped.
  ASSERT_EQ(data->ObjectList.size(), 13u);
  ASSERT_EQ(data->CtrlList.size(), 66u);
  ASSERT_EQ(data->AreaList.size(), 2u);
  EXPECT_NE(dynamic_cast<TspDataSkinCaption*>(data->ObjectList[1].get()), nullptr);
  EXPECT_NE(dynamic_cast<TspDataSkinButtonControl*>(data->CtrlList[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TspDataSkinEditControl*>(data->CtrlList[65].get()), nullptr);
  EXPECT_EQ(data->CtrlList[2]->SkinRect, (TRect{2, 0, 22, 18}));  // read from its section
  EXPECT_EQ(data->AreaList[0].AreaRect, (TRect{120, 2, 136, 18}));
}

TEST_F(SkinDataTest, LookupsFindTheFirstExactMatch) {
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(data->GetControlIndex("button"), 0);
  EXPECT_EQ(data->GetControlIndex("buttondelete"), 64);
  EXPECT_EQ(data->GetControlIndex("Button"), -1);
  EXPECT_EQ(data->GetControlIndex("butto"), -1);
  EXPECT_EQ(data->GetControlIndex("mystery"), -1);
  EXPECT_EQ(data->GetControlIndex(""), -1);
  EXPECT_EQ(data->GetIndex("caption"), 1);
  EXPECT_EQ(data->GetIndex("traybutton"), 12);
  EXPECT_EQ(data->GetIndex("odd"), -1);
  EXPECT_EQ(data->GetIndex("button"), -1);  // a control, not an object
  EXPECT_EQ(data->GetAreaIndex("dragarea"), 1);
  EXPECT_EQ(data->GetAreaIndex("DragArea"), -1);

  // Another component loading the same stored skin builds entries of its own.
  auto* other = new TspSkinData(forms.Form(0));
  other->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(other->GetControlIndex("memo"), data->GetControlIndex("memo"));
  EXPECT_NE(other->CtrlList[14].get(), data->CtrlList[14].get());
}

TEST_F(SkinDataTest, ALoadTellsTheOwnerFormFirstThenTheOtherForms) {
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(forms.Sent, LoadMessages({forms.Form(1), forms.Form(0), forms.Form(2)}));
  EXPECT_FALSE(forms.BadLParam);

  // Loading again runs the whole sequence; the old entries last through message 1225.
  forms.Sent.clear();
  std::vector<size_t> entriesSeen;
  forms.OnSend = [&](TspSkinData& sender, uint32_t msg) {
    if (msg == SP_BEFORE_CHANGE_SKIN_DATA) entriesSeen.push_back(sender.CtrlList.size());
  };
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(forms.Sent, LoadMessages({forms.Form(1), forms.Form(0), forms.Form(2)}));
  EXPECT_EQ(entriesSeen, (std::vector<size_t>{66, 66, 66}));
}

TEST_F(SkinDataTest, AComponentWhoseOwnerIsNoFormTellsEveryForm) {
  TComponent owner(nullptr);
  auto* loose = new TspSkinData(&owner);
  loose->LoadCompressedStoredSkin(&stored);
  EXPECT_EQ(forms.Sent, LoadMessages({forms.Form(0), forms.Form(1), forms.Form(2)}));
  forms.Sent.clear();
  TspSkinData unowned(nullptr);
  unowned.LoadCompressedStoredSkin(&stored);
  EXPECT_EQ(forms.Sent, LoadMessages({forms.Form(0), forms.Form(1), forms.Form(2)}));
}

TEST_F(SkinDataTest, AnEmptyStoredSkinOrNoneChangesNothing) {
  TspCompressedStoredSkin empty(nullptr);
  data->SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(forms.Sent.empty());

  data->SetCompressedStoredSkin(&stored);
  forms.Sent.clear();
  data->SetCompressedStoredSkin(&empty);
  data->SetCompressedStoredSkin(nullptr);
  EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
  EXPECT_TRUE(forms.Sent.empty());
  EXPECT_FALSE(data->Empty());  // the loaded skin stays
  EXPECT_EQ(data->GetControlIndex("memo"), 14);
}

TEST_F(SkinDataTest, AnUnsupportedPayloadVersionLeavesTheSkinEmptyAfterOneMessage) {
  data->SetCompressedStoredSkin(&stored);
  forms.Sent.clear();
  TspCompressedStoredSkin future(nullptr);
  StorePayload(future, PayloadOf(4, "[VERSION]\r\n"));
  data->LoadCompressedStoredSkin(&future);
  EXPECT_TRUE(data->Empty());
  EXPECT_FALSE(data->SkinChanging());
  EXPECT_TRUE(data->CtrlList.empty());
  EXPECT_TRUE(data->Picture.Empty());
  ASSERT_EQ(forms.Sent.size(), 3u);
  EXPECT_EQ(forms.Sent[0], (TSent{forms.Form(1), SP_BEFORE_CHANGE_SKIN_DATA, true, true}));
}

TEST_F(SkinDataTest, AFailedLoadClearsTheSkinAndTellsTheWindowsBeforeTheErrorGoesOn) {
  std::string corruptZlib = "\x78\xDA not deflate data at all";
  TspCompressedStoredSkin badZlib(nullptr), badPicture(nullptr), badText(nullptr);
  TMemoryStream zlib;
  zlib.WriteBuffer(corruptZlib.data(), static_cast<int32_t>(corruptZlib.size()));
  badZlib.ReadData(zlib);
  std::string cutPicture = PayloadOf(2, "");
  cutPicture[4] = 0;  // a picture should follow but none does
  StorePayload(badPicture, cutPicture);
  StorePayload(badText,
               PayloadOf(2, "[SKINCONTROLS]\r\ncount=1\r\n0=b:button\r\n[b]\r\nskinrect=1,2\r\n"));

  for (TspCompressedStoredSkin* bad : {&badZlib, &badPicture, &badText}) {
    data->SetCompressedStoredSkin(&stored);
    forms.Sent.clear();
    EXPECT_THROW(data->SetCompressedStoredSkin(bad), Exception);
    EXPECT_TRUE(data->Empty());
    EXPECT_FALSE(data->SkinChanging());
    EXPECT_TRUE(data->CtrlList.empty());
    EXPECT_TRUE(data->ActivePictures.empty());
    EXPECT_TRUE(data->Picture.Empty());
    std::vector<TSent> expected;
    for (int i : {1, 0, 2})
      expected.push_back({forms.Form(i), SP_BEFORE_CHANGE_SKIN_DATA, true, true});
    for (uint32_t msg : {SP_CHANGE_SKIN_DATA, SP_AFTER_CHANGE_SKIN_DATA})
      for (int i : {1, 0, 2}) expected.push_back({forms.Form(i), msg, true, false});
    EXPECT_EQ(forms.Sent, expected);
  }
  data->SetCompressedStoredSkin(&stored);  // and the component loads again afterwards
  EXPECT_FALSE(data->Empty());
}

TEST_F(SkinDataTest, SkinnableFormTellsTheWindowsOfARealChangeOnly) {
  data->SetSkinnableForm(true);
  EXPECT_TRUE(forms.Sent.empty());
  data->SetSkinnableForm(false);
  EXPECT_EQ(forms.Sent,
            (std::vector<TSent>{{forms.Form(1), SP_SKINNABLE_FORM_CHANGED, true, false},
                                {forms.Form(0), SP_SKINNABLE_FORM_CHANGED, true, false},
                                {forms.Form(2), SP_SKINNABLE_FORM_CHANGED, true, false}}));
  forms.Sent.clear();
  data->Loading();
  data->SetSkinnableForm(true);
  data->Loaded();
  data->SetDesigning(true);
  data->SetSkinnableForm(false);
  EXPECT_FALSE(data->SkinnableForm());
  EXPECT_TRUE(forms.Sent.empty());
}

TEST_F(SkinDataTest, AssigningResourceStringsAlwaysTellsTheWindowsUnlessDesigning) {
  TspResourceStrData strings(nullptr);
  data->SetResourceStrData(&strings);
  data->SetResourceStrData(&strings);
  data->SetResourceStrData(nullptr);
  ASSERT_EQ(forms.Sent.size(), 9u);
  EXPECT_EQ(forms.Sent[0], (TSent{forms.Form(1), SP_RESOURCE_STRINGS_CHANGED, true, false}));
  forms.Sent.clear();
  data->SetDesigning(true);
  data->SetResourceStrData(&strings);
  EXPECT_EQ(data->ResourceStrData(), &strings);
  EXPECT_TRUE(forms.Sent.empty());
  data->SetResourceStrData(nullptr);
}

TEST_F(SkinDataTest, WhileDesigningAStoredSkinIsOnlyReferenced) {
  data->SetDesigning(true);
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(data->CompressedStoredSkin(), &stored);
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(forms.Sent.empty());
  data->SetCompressedStoredSkin(nullptr);
}

TEST_F(SkinDataTest, ReferencedComponentsThatGoAreForgottenAndTheSkinStays) {
  TComponent elsewhere(nullptr);  // another window's components
  auto* skin = new TspCompressedStoredSkin(&elsewhere);
  skin->LoadFromIniFile(folder / "skin.ini");
  auto* strings = new TspResourceStrData(&elsewhere);
  auto* list = new TspCompressedSkinList(&elsewhere);
  data->SetCompressedStoredSkin(skin);
  data->SetResourceStrData(strings);
  data->SetSkinList(list);
  skin->Free();
  strings->Free();
  list->Free();
  EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
  EXPECT_EQ(data->ResourceStrData(), nullptr);
  EXPECT_EQ(data->SkinList(), nullptr);
  EXPECT_FALSE(data->Empty());
}

TEST_F(SkinDataTest, DestroyingTheComponentSendsNothing) {
  data->SetCompressedStoredSkin(&stored);
  forms.Sent.clear();
  data->Free();
  EXPECT_TRUE(forms.Sent.empty());
}

TEST_F(SkinDataTest, ClearingASkinGivesItTheSystemColours) {
  const std::pair<TColor TspSkinColors::*, TColor> systemColours[] = {
      {&TspSkinColors::cBtnFace, clBtnFace},         {&TspSkinColors::cBtnText, clBtnText},
      {&TspSkinColors::cWindow, clWindow},           {&TspSkinColors::cWindowText, clWindowText},
      {&TspSkinColors::cHighLight, clHighlight},     {&TspSkinColors::cHighLightText, clHighlightText},
      {&TspSkinColors::cBtnHighLight, clBtnHighlight}, {&TspSkinColors::cBtnShadow, clBtnShadow},
      {&TspSkinColors::c3DLight, cl3DLight},         {&TspSkinColors::c3DDkShadow, cl3DDkShadow}};
  data->SetCompressedStoredSkin(&stored);
  // The skin gives two colours; the eight it leaves out read as 0.
  EXPECT_EQ(data->SkinColors.cBtnFace, 12632256);
  for (auto [colour, system] : systemColours) ASSERT_NE(data->SkinColors.*colour, system);
  data->ClearSkin();
  for (auto [colour, system] : systemColours) EXPECT_EQ(data->SkinColors.*colour, system);
}

// Each count of a skin is capped, but any number of entries may name one section: the
// budget is a total across the load.
TEST_F(SkinDataTest, EntriesThatTogetherWouldTakeTooMuchRefuseTheSkin) {
  auto skinOf = [](int entries) {
    std::string text = "[SKINCONTROLS]\r\ncount=" + std::to_string(entries) + "\r\n";
    for (int i = 0; i < entries; ++i) text += std::to_string(i) + "=symbols:bitlabel\r\n";
    return PayloadOf(2, text + "[symbols]\r\nsymbolslinecount=30000\r\nsymbolsline29999=last\r\n");
  };
  TspCompressedStoredSkin one(nullptr), four(nullptr);
  StorePayload(one, skinOf(1));
  StorePayload(four, skinOf(4));

  data->SetCompressedStoredSkin(&one);  // a list far longer than any skin needs loads
  ASSERT_EQ(data->CtrlList.size(), 1u);
  const auto* label = dynamic_cast<const TspDataSkinBitLabelControl*>(data->CtrlList[0].get());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Symbols.Count(), 30000);
  EXPECT_EQ(label->Symbols.Strings(29999), "last");

  forms.Sent.clear();
  EXPECT_THROW(data->SetCompressedStoredSkin(&four), ESkinTooLarge);
  EXPECT_TRUE(data->Empty());
  EXPECT_FALSE(data->SkinChanging());
  EXPECT_TRUE(data->CtrlList.empty());
  ASSERT_EQ(forms.Sent.size(), 9u);  // the windows went back to their default look
  EXPECT_EQ(forms.Sent.back().Msg, SP_AFTER_CHANGE_SKIN_DATA);
}

// Keys that share one hash cost a lookup among them no more than other keys: a section of
// 60,000 keys sharing the hash of "skinrect", read by 3000 entries (as many as the load's
// budget leaves room for beside those lines), loads within a deadline (each lookup once
// read every one of them: half a million such keys read by 8000 entries took 48 s under
// Wine). Such names are cheap to make for the 32-bit hash the program runs with; for the
// 64-bit one the name index's own test covers lookups among names sharing a hash.
TEST_F(SkinDataTest, KeysSharingTheHashOfAKeyTheLoadReadsLoadWithinADeadline) {
  constexpr size_t kKeys = 60000, kEntries = 3000;  // bevels: few keys each, within the load budget
  const std::vector<std::string> keys = NamesSharingTheHashOf("skinrect", kKeys);
  if (keys.size() < kKeys) GTEST_SKIP() << "only " << keys.size() << " names share the 64-bit hash of skinrect";
  std::string text = "[SKINCONTROLS]\r\ncount=" + std::to_string(kEntries) + "\r\n";
  for (size_t i = 0; i < kEntries; ++i) text += std::to_string(i) + "=hostile:bevel\r\n";
  text += "[hostile]\r\n";
  for (const std::string& key : keys) text += key + "=1,2,3,4\r\n";
  text += "SkinRect=5,6,7,8\r\nskinrect=9,9,9,9\r\n";  // the first spelling counts
  TspCompressedStoredSkin hostile(nullptr);
  StorePayload(hostile, PayloadOf(2, text));
  {
    const TDeadline deadline(std::chrono::seconds(20), "a skin of keys sharing the hash of skinrect");
    data->SetCompressedStoredSkin(&hostile);
  }
  ASSERT_EQ(data->CtrlList.size(), kEntries);
  EXPECT_EQ(data->CtrlList.back()->SkinRect, (TRect{5, 6, 7, 8}));
}

// A skin keeps a record of every line of its text, blank ones too: 4 MiB of line ends (a
// 4 KB skin) once kept 200 MB, and 12 MiB ran out of memory. The lines count against the
// load's budget before anything of them is kept, and what the entries read gets what they
// left.
TEST_F(SkinDataTest, TheTextsLinesCountAgainstTheLoadsBudget) {
  const std::string entries = "[SKINCONTROLS]\r\ncount=1\r\n0=b:panel\r\n";  // 3 lines, 1 section
  const auto skinOf = [&](int64_t blankLines) {
    return PayloadOf(2, entries + std::string(static_cast<size_t>(blankLines), '\n'));
  };
  const int64_t fillingTheBudget = (MaxSkinLoadCharge - SkinSectionCharge) / SkinLineCharge - 3;
  TspCompressedStoredSkin some(nullptr), full(nullptr), tooMany(nullptr);
  StorePayload(some, skinOf(fillingTheBudget / 2));
  StorePayload(full, skinOf(fillingTheBudget));  // and no room left for what the entry reads
  StorePayload(tooMany, skinOf(int64_t{4} << 20));

  data->SetCompressedStoredSkin(&some);
  EXPECT_EQ(data->CtrlList.size(), 1u);
  for (TspCompressedStoredSkin* refused : {&full, &tooMany}) {
    EXPECT_THROW(data->SetCompressedStoredSkin(refused), ESkinTooLarge);
    EXPECT_TRUE(data->Empty());
    EXPECT_TRUE(data->CtrlList.empty());
  }
  EXPECT_THROW(tooMany.Decoded(), ESkinTooLarge);  // refused before its lines were kept
}

// What another layer makes of the pictures (the Windows half's bitmaps, made while the
// windows take the new skin) lives exactly as long as those pictures.
TEST_F(SkinDataTest, APictureCacheLastsUntilThePicturesChangeOrTheComponentGoes) {
  std::weak_ptr<TspSkinPictureCache> made;
  forms.OnSend = [&](TspSkinData& sender, uint32_t msg) {
    if (msg != SP_CHANGE_SKIN_DATA || sender.PictureCache() != nullptr) return;
    auto cache = std::make_shared<TspSkinPictureCache>();
    made = cache;
    sender.SetPictureCache(std::move(cache));
  };
  data->LoadCompressedStoredSkin(&stored);
  const std::weak_ptr<TspSkinPictureCache> first = made;
  uint32_t generation = data->SkinGeneration();
  data->LoadCompressedStoredSkin(&stored);
  EXPECT_TRUE(first.expired());
  EXPECT_FALSE(made.expired());
  EXPECT_NE(data->SkinGeneration(), std::exchange(generation, data->SkinGeneration()));
  data->ClearSkin();
  EXPECT_TRUE(made.expired());
  EXPECT_NE(data->SkinGeneration(), generation);
  data->LoadCompressedStoredSkin(&stored);
  data->Free();
  EXPECT_TRUE(made.expired());
}

class SkinListTest : public SkinDataTest {
protected:
  SkinListTest() {
    auto* first = static_cast<TspSkinListItem*>(list.Skins()->Add());
    TMemoryStream zlib;
    stored.WriteData(zlib);
    first->Skin()->ReadData(zlib);
    auto* second = static_cast<TspSkinListItem*>(list.Skins()->Add());
    StorePayload(*second->Skin(), PayloadOf(2, "[VERSION]\r\nskinname=Second\r\n"));
  }
  TspCompressedSkinList list{nullptr};
};

TEST_F(SkinListTest, SkinIndexPicksTheListsSkin) {
  data->SetSkinList(&list);
  EXPECT_EQ(data->SkinName, "Synthetic");
  data->SetSkinIndex(1);
  EXPECT_EQ(data->SkinIndex(), 1);
  EXPECT_EQ(data->SkinName, "Second");
  forms.Sent.clear();
  data->SetSkinIndex(1);  // the same index
  data->SetSkinIndex(2);  // beyond the list
  data->SetSkinIndex(-1);
  EXPECT_EQ(data->SkinIndex(), 1);
  EXPECT_EQ(data->SkinName, "Second");
  EXPECT_TRUE(forms.Sent.empty());
  data->SetSkinList(nullptr);
}

TEST_F(SkinListTest, WithoutAListAnyIndexIsKeptAndNothingLoads) {
  data->SetSkinIndex(5);
  EXPECT_EQ(data->SkinIndex(), 5);
  data->SetSkinList(&list);  // index 5 is not in the list
  EXPECT_TRUE(data->Empty());
  EXPECT_TRUE(forms.Sent.empty());
  data->SetSkinList(nullptr);
  data->SetDesigning(true);
  data->SetSkinIndex(0);
  data->SetSkinList(&list);
  data->SetSkinIndex(1);
  EXPECT_TRUE(data->Empty());
  data->SetSkinList(nullptr);
}

// What a load put into a skin data component: two loads compare equal exactly when
// every picture byte, name and entry value is the same.
struct TLoadedSkin {
  std::vector<std::tuple<int32_t, int32_t, int, std::vector<uint8_t>>> Pictures;
  std::string Text;
};

TLoadedSkin LoadedSkinOf(const TspSkinData& Data) {
  TLoadedSkin skin;
  auto add = [&](const TPixelImage& p) {
    skin.Pictures.emplace_back(p.Width(), p.Height(), p.BitsPerPixel(),
                               std::vector<uint8_t>(p.Bits(), p.Bits() + p.ByteSize()));
  };
  for (const TPixelImage* p :
       {&Data.Picture, &Data.InActivePicture, &Data.Mask, &Data.RollUpPicture, &Data.RollUpMask})
    add(*p);
  for (const TPixelImage& p : Data.ActivePictures) add(p);
  for (const std::string* text : {&Data.SkinName, &Data.SkinAuthor, &Data.AuthorEmail, &Data.AuthorURL,
                                  &Data.SkinComments, &Data.PictureName, &Data.MaskName,
                                  &Data.RollUpPictureName, &Data.RollUpMaskName})
    skin.Text += *text + "\n";
  skin.Text += Data.ActivePicturesNames.Text();
  skin.Text += EntriesText(Data.ObjectList, Data.CtrlList, Data.AreaList, Data, Data.PopupWindow,
                           Data.HintWindow, Data.SkinColors);
  return skin;
}

void ExpectSkin(const TspSkinData& Data, const TLoadedSkin& Expected) {
  const TLoadedSkin loaded = LoadedSkinOf(Data);
  EXPECT_EQ(loaded.Text, Expected.Text);
  EXPECT_TRUE(loaded.Pictures == Expected.Pictures) << "the pictures differ";
}

// The main window's two skin data components load one stored skin: it is decoded once
// and each component ends up with a skin of its own, as a load of its own would give.
class SharedDecodingTest : public ::testing::Test {
protected:
  void SetUp() override {
    stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path()));
    otherOptions.PictureWidth = 90;
    otherOptions.ActivePictureCount = 2;
    other.LoadFromIniFile(WriteSyntheticSkin(otherFolder.Path(), otherOptions));
    Skin = LoadAlone(folder / "skin.ini");
    OtherSkin = LoadAlone(otherFolder / "skin.ini");
    ASSERT_EQ(Skin.Pictures.size(), 8u);
    ASSERT_NE(Skin.Text, OtherSkin.Text);
    ASSERT_EQ(std::get<0>(OtherSkin.Pictures[0]), 90);
  }

  // A load of a stored skin of its own, built from the skin folder's INI file.
  static TLoadedSkin LoadAlone(const std::string& IniFile) {
    TspCompressedStoredSkin own(nullptr);
    own.LoadFromIniFile(IniFile);
    TspSkinData alone(nullptr);
    alone.LoadCompressedStoredSkin(&own);
    return LoadedSkinOf(alone);
  }

  TempFolder folder, otherFolder;
  TSyntheticSkin otherOptions;
  TspCompressedStoredSkin stored{nullptr}, other{nullptr};
  TLoadedSkin Skin, OtherSkin;
};

TEST_F(SharedDecodingTest, TwoComponentsLoadingOneStoredSkinDecodeItOnceAndHoldWhatALoadOfItsOwnGives) {
  TspSkinData first(nullptr), second(nullptr);
  EXPECT_EQ(stored.Decodings(), 0);
  first.LoadCompressedStoredSkin(&stored);
  second.LoadCompressedStoredSkin(&stored);
  EXPECT_EQ(stored.Decodings(), 1);
  ExpectSkin(first, Skin);
  ExpectSkin(second, Skin);
  first.LoadCompressedStoredSkin(&stored);  // again: still the one decoding
  EXPECT_EQ(stored.Decodings(), 1);
  ExpectSkin(first, Skin);

  // Each holds its own pictures and entries.
  EXPECT_NE(first.Picture.Bits(), second.Picture.Bits());
  EXPECT_NE(first.ActivePictures[0].Bits(), second.ActivePictures[0].Bits());
  EXPECT_NE(first.CtrlList[0].get(), second.CtrlList[0].get());
}

TEST_F(SharedDecodingTest, EachComponentKeepsItsSkinWhateverTheOtherDoes) {
  TspSkinData first(nullptr), second(nullptr);
  first.LoadCompressedStoredSkin(&stored);
  second.LoadCompressedStoredSkin(&stored);

  // Whatever is drawn into one component's pictures stays there.
  second.Picture.SetPixel(3, 4, clRed);
  second.ActivePictures[1].SetPixel(0, 0, clRed);
  ExpectSkin(first, Skin);
  TspSkinData third(nullptr);
  third.LoadCompressedStoredSkin(&stored);
  ExpectSkin(third, Skin);

  second.LoadCompressedStoredSkin(&other);
  ExpectSkin(second, OtherSkin);
  ExpectSkin(first, Skin);
  second.ClearSkin();
  ExpectSkin(first, Skin);
  first.ClearSkin();
  second.LoadCompressedStoredSkin(&stored);
  ExpectSkin(second, Skin);
  EXPECT_EQ(stored.Decodings(), 1);
}

TEST_F(SharedDecodingTest, FreeingTheStoredSkinFirstLeavesBothComponentsTheirSkins) {
  auto* skin = new TspCompressedStoredSkin(nullptr);
  skin->LoadFromIniFile(folder / "skin.ini");
  auto* first = new TspSkinData(nullptr);
  TspSkinData second(nullptr);
  first->LoadCompressedStoredSkin(skin);
  second.LoadCompressedStoredSkin(skin);
  skin->Free();
  ExpectSkin(*first, Skin);
  ExpectSkin(second, Skin);
  first->Free();
  ExpectSkin(second, Skin);
}

TEST_F(SharedDecodingTest, AComponentThatGoesFirstLeavesTheOthersSkinAndTheDecoding) {
  auto* skin = new TspCompressedStoredSkin(nullptr);
  skin->LoadFromIniFile(folder / "skin.ini");
  auto* first = new TspSkinData(nullptr);
  TspSkinData second(nullptr), third(nullptr);
  first->LoadCompressedStoredSkin(skin);
  second.LoadCompressedStoredSkin(skin);
  first->Free();
  ExpectSkin(second, Skin);
  third.LoadCompressedStoredSkin(skin);
  EXPECT_EQ(skin->Decodings(), 1);
  ExpectSkin(third, Skin);
  skin->Free();
  ExpectSkin(second, Skin);
  ExpectSkin(third, Skin);
}

TEST_F(SharedDecodingTest, NewZlibDataIsDecodedAnewWhicheverWayItComes) {
  TMemoryStream otherZlib, otherContainer;
  other.WriteData(otherZlib);
  other.SaveToCompressStream(otherContainer);
  otherContainer.SaveToFile(otherFolder / "other.skn");
  const std::pair<const char*, std::function<void(TspCompressedStoredSkin&)>> changes[] = {
      {"ReadData", [&](TspCompressedStoredSkin& s) { s.ReadData(otherZlib); }},
      {"LoadFromCompressStream", [&](TspCompressedStoredSkin& s) { s.LoadFromCompressStream(otherContainer); }},
      {"LoadFromCompressedFile", [&](TspCompressedStoredSkin& s) { s.LoadFromCompressedFile(otherFolder / "other.skn"); }},
      {"LoadFromIniFile", [&](TspCompressedStoredSkin& s) { s.LoadFromIniFile(otherFolder / "skin.ini"); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    TspCompressedStoredSkin skin(nullptr);
    skin.LoadFromIniFile(folder / "skin.ini");
    TspSkinData first(nullptr), second(nullptr);
    first.LoadCompressedStoredSkin(&skin);
    change(skin);
    second.LoadCompressedStoredSkin(&skin);
    EXPECT_EQ(skin.Decodings(), 2);
    ExpectSkin(second, OtherSkin);
    ExpectSkin(first, Skin);
  }
}

TEST_F(SharedDecodingTest, ZlibDataThatCannotBeReadIsNeverKeptAsADecoding) {
  TspCompressedStoredSkin future(nullptr), cutPicture(nullptr);
  StorePayload(future, PayloadOf(4, "[VERSION]\r\nskinname=Future\r\n"));
  std::string cut = PayloadOf(2, "");
  cut[4] = 0;  // a picture should follow but none does
  StorePayload(cutPicture, cut);
  TspSkinData first(nullptr), second(nullptr);
  for (TspSkinData* data : {&first, &second}) {
    data->LoadCompressedStoredSkin(&future);
    EXPECT_TRUE(data->Empty());
    EXPECT_TRUE(data->SkinName.empty());
    EXPECT_THROW(data->LoadCompressedStoredSkin(&cutPicture), Exception);
    EXPECT_TRUE(data->Empty());
  }
  EXPECT_EQ(future.Decodings(), 2);
  EXPECT_EQ(cutPicture.Decodings(), 2);
}

// A skin its load refuses (here its entries read more than a load may) is refused by every
// load alike: its decoding is not kept (a 62 MB value once stayed in memory after the
// refusal), and each load decodes it anew.
TEST_F(SharedDecodingTest, ASkinItsLoadRefusesIsNotKeptAsADecoding) {
  std::string text = "[SKINCONTROLS]\r\ncount=1\r\n0=long:panel\r\n[long]\r\nskinrect=";
  text += std::string(static_cast<size_t>(MaxSkinLoadCharge), '1') + "\r\n";
  TspCompressedStoredSkin refused(nullptr);
  StorePayload(refused, PayloadOf(2, text));
  TspSkinData first(nullptr), second(nullptr);
  first.LoadCompressedStoredSkin(&stored);
  for (TspSkinData* data : {&first, &second}) {
    EXPECT_THROW(data->LoadCompressedStoredSkin(&refused), ESkinTooLarge);
    EXPECT_TRUE(data->Empty());
  }
  EXPECT_EQ(refused.Decodings(), 2);
  second.LoadCompressedStoredSkin(&stored);  // a skin that loads keeps its decoding
  EXPECT_EQ(stored.Decodings(), 1);
}

// A skin cursor index is a screen cursor counted from StartCursorIndex; -1 is none (the
// default cursor), and an index past the screen's numbers is none too (its screen cursor
// overflowed 32 bits).
TEST(SkinCursors, AnIndexStandsForTheScreenCursorAfterTheSkinsFirst) {
  EXPECT_EQ(TspSkinData::ScreenCursorOf(-1), 0);
  EXPECT_EQ(TspSkinData::ScreenCursorOf(0), TspSkinData::StartCursorIndex);
  EXPECT_EQ(TspSkinData::ScreenCursorOf(5), TspSkinData::StartCursorIndex + 5);
  EXPECT_EQ(TspSkinData::ScreenCursorOf(-12), TspSkinData::StartCursorIndex - 12);  // a system cursor
  constexpr int32_t most = std::numeric_limits<int32_t>::max() - TspSkinData::StartCursorIndex;
  EXPECT_EQ(TspSkinData::ScreenCursorOf(most), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(TspSkinData::ScreenCursorOf(most + 1), 0);
  EXPECT_EQ(TspSkinData::ScreenCursorOf(std::numeric_limits<int32_t>::min()),
            std::numeric_limits<int32_t>::min() + TspSkinData::StartCursorIndex);
}

TEST(SkinDataEntries, EntriesSplitAtTheFirstColon) {
  struct Case {
    const char* Entry;
    const char* Name;
    const char* Type;
  } cases[] = {{"button:button", "button", "button"},
               {"x:y:z", "x", "y:z"},
               {":button", "", "button"},
               {"name:", "name", ""},
               {"nocolon", "", ""},
               {"", "", ""}};
  for (const Case& c : cases) {
    std::string name = "?", type = "?";
    TspSkinData::GetNameAndType(c.Entry, name, type);
    EXPECT_EQ(name, c.Name) << c.Entry;
    EXPECT_EQ(type, c.Type) << c.Entry;
  }
}

}  // namespace
