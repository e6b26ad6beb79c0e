// The skins the build paints load through the skin data component under Windows: each
// load tells the owner window, then every other window, before, when and after the skin
// changes, and leaves the skin's entries ready for lookup.
#include "skin/data/CompressedStoredSkin.h"

#include "skin/data/win32/SkinMessageRecorder.h"

#include "RuntimePath.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

std::string SkinContainer(const std::string& Name) { return RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"); }

class SkinLoadTest : public ::testing::TestWithParam<const char*> {
protected:
  SkinLoadTest() {
    stored.LoadFromCompressedFile(SkinContainer(GetParam()));
    owner = new TSkinMessageRecorder(log);
    other = new TSkinMessageRecorder(log);
  }
  ~SkinLoadTest() override {
    other->Free();
    owner->Free();
  }

  // A whole load as the windows see it: the owner first each time.
  std::vector<TReceived> LoadSequence() const {
    std::vector<TReceived> expected;
    for (auto [msg, empty, changing] : {std::tuple{SP_BEFORE_CHANGE_SKIN_DATA, true, true},
                                        std::tuple{SP_CHANGE_SKIN_DATA, false, true},
                                        std::tuple{SP_AFTER_CHANGE_SKIN_DATA, false, false}})
      for (TComponent* form : {static_cast<TComponent*>(owner), static_cast<TComponent*>(other)})
        expected.push_back({form, static_cast<UINT>(msg), empty, changing});
    return expected;
  }

  TspCompressedStoredSkin stored{nullptr};
  std::vector<TReceived> log;
  TSkinMessageRecorder* owner;
  TSkinMessageRecorder* other;
};

TEST_P(SkinLoadTest, LoadingTellsTheWindowsInOrderAndLeavesTheEntriesReady) {
  ASSERT_FALSE(stored.IsEmpty());
  auto* data = new TspSkinData(owner);
  data->SetCompressedStoredSkin(&stored);
  EXPECT_EQ(log, LoadSequence());
  EXPECT_FALSE(owner->BadLParam || other->BadLParam);
  EXPECT_FALSE(data->Empty());
  EXPECT_FALSE(data->SkinChanging());
  EXPECT_GT(data->Picture.Width(), 0);
  EXPECT_NE(data->GetControlIndex("button"), -1);
  EXPECT_NE(data->GetControlIndex("vscrollbar"), -1);
  EXPECT_NE(data->GetIndex("caption"), -1);
  EXPECT_NE(data->GetIndex("menuitem"), -1);

  // Loading again runs the whole sequence again.
  log.clear();
  data->LoadCompressedStoredSkin(&stored);
  EXPECT_EQ(log, LoadSequence());
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinLoadTest,
                         ::testing::Values("slate", "flatcolour", "sparse", "flatframe"));

}  // namespace
