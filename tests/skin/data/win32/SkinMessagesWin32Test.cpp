// The skin messages reach real windows: the owner form first, then the screen's other
// forms, each handled before the next is sent.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"

#include "SkinMessageRecorder.h"
#include "SyntheticSkin.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class SkinMessagesTest : public ::testing::Test {
protected:
  SkinMessagesTest() {
    stored.LoadFromIniFile(WriteSyntheticSkin(folder.Path()));
    for (auto*& form : forms) form = new TSkinMessageRecorder(log);
  }
  ~SkinMessagesTest() override {
    for (auto* form : forms) form->Free();
  }

  std::vector<TReceived> Expected(std::initializer_list<int> order, UINT Msg, bool Empty,
                                  bool Changing) {
    std::vector<TReceived> expected;
    for (int i : order) expected.push_back({forms[i], Msg, Empty, Changing});
    return expected;
  }

  // The three messages of a skin load, each to the owner form (forms[1]) first, then to
  // the other forms in their order.
  std::vector<TReceived> LoadMessagesOwnerFirst() {
    std::vector<TReceived> expected;
    for (auto [msg, empty, changing] : {std::tuple{SP_BEFORE_CHANGE_SKIN_DATA, true, true},
                                        std::tuple{SP_CHANGE_SKIN_DATA, false, true},
                                        std::tuple{SP_AFTER_CHANGE_SKIN_DATA, false, false}})
      for (const TReceived& r : Expected({1, 0, 2}, msg, empty, changing)) expected.push_back(r);
    return expected;
  }

  TempFolder folder;
  TspCompressedStoredSkin stored{nullptr};
  std::vector<TReceived> log;
  TSkinMessageRecorder* forms[3];
};

TEST_F(SkinMessagesTest, ALoadReachesTheOwnerFormFirstThenTheOthersInOrder) {
  ASSERT_FALSE(forms[2]->HandleAllocated());
  auto* data = new TspSkinData(forms[1]);
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(log, LoadMessagesOwnerFirst());
  EXPECT_TRUE(forms[2]->HandleAllocated());  // a form without a window got one
  for (auto* form : forms) EXPECT_FALSE(form->BadLParam);
}

TEST_F(SkinMessagesTest, AFormStillBeingReadIsToldWithoutHavingItsWindowMade) {
  forms[1]->Loading();  // as while its form resource is read
  auto* data = new TspSkinData(forms[1]);
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(log, LoadMessagesOwnerFirst());
  EXPECT_FALSE(forms[1]->HandleAllocated());
  EXPECT_TRUE(forms[2]->HandleAllocated());  // a form read already gets its window as before
  forms[1]->Loaded();
}

TEST_F(SkinMessagesTest, WithoutAnOwnerFormEveryFormIsToldInOrder) {
  TspSkinData data(nullptr);
  data.SetSkinnableForm(false);
  EXPECT_EQ(log, Expected({0, 1, 2}, SP_SKINNABLE_FORM_CHANGED, true, false));
  log.clear();
  TspResourceStrData strings(nullptr);
  data.SetResourceStrData(&strings);
  EXPECT_EQ(log, Expected({0, 1, 2}, SP_RESOURCE_STRINGS_CHANGED, true, false));
}

}  // namespace
