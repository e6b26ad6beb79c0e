// The frame list managers against a model: the frames in the order they were added, each
// in one sub-list (the primary one for primary kinds), each sub-list in list order.
#include "tags/FrameListManager.h"
#include "tags/ID3TagsUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct TModelFrame {
  uint8_t Kind;
  const TMp3ID3v2Frame* Frame;
};

void ExpectMatchesModel(const TFrameListManager& frames, const std::vector<TModelFrame>& model) {
  ASSERT_EQ(frames.GetCount(), static_cast<int32_t>(model.size()));
  std::vector<int32_t> expected[2], entries[2];  // other, primary
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    EXPECT_EQ(frames.GetFrameKind(i), model[i].Kind);
    EXPECT_EQ(&frames.GetFrame(i), model[i].Frame);
    expected[IsPrimaryFrameKind(model[i].Kind)].push_back(i);
  }
  for (int primary : {0, 1}) {
    const TFrameSubListManager& subList =
        primary ? frames.GetPrimarySubList() : frames.GetOtherSubList();
    for (int32_t i = 0; i < subList.GetCount(); ++i)
      entries[primary].push_back(subList.GetFrameListIndex(i));
    EXPECT_EQ(entries[primary], expected[primary]);
  }
}

TEST(FrameList, RandomOperationsKeepEveryFrameInExactlyOneSubList) {
  std::mt19937 random(20240501);
  // Mostly primary kinds and a few others, with kinds the list refuses among them.
  const std::vector<uint8_t> kinds = {fiTIT2, fiTPE1, fiTALB, fiTRCK, fiTCON, fiTDRC, fiCOMM,
                                      fiTXXX, fiAPIC, fiWOAR, fiTLEN, fiPCNT, fiETCO};
  TFrameListManager frames;
  std::vector<TModelFrame> model;
  for (int step = 0; step < 3000; ++step) {
    uint8_t kind = kinds[random() % kinds.size()];
    int operation = random() % 20;
    if (operation == 0) {
      frames.DeletePrimaryFrames();
      std::erase_if(model, [](const TModelFrame& f) { return IsPrimaryFrameKind(f.Kind); });
    } else if (operation == 1 && random() % 10 == 0) {
      frames.Clear();
      model.clear();
    } else if (operation < 8) {
      // The first frame of the kind goes; renumbering keeps both sub-lists right.
      auto it = std::find_if(model.begin(), model.end(),
                             [kind](const TModelFrame& f) { return f.Kind == kind; });
      EXPECT_EQ(frames.DeleteFrame(kind), it != model.end());
      if (it != model.end()) model.erase(it);
    } else {
      int32_t index = frames.NewFrame(kind);
      if (FrameIDInfo(kind).Category == fcNone) {  // the program does not edit these
        EXPECT_EQ(index, -1);
        continue;
      }
      const TFrameSubListManager& subList =
          IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList();
      ASSERT_EQ(index, subList.GetCount() - 1);
      auto n = std::count_if(model.begin(), model.end(),  // the new frame is the n-th
                             [kind](const TModelFrame& f) { return f.Kind == kind; });
      EXPECT_EQ(subList.IndexOfKind(kind, static_cast<int8_t>(n + 1)), index);
      model.push_back({kind, &subList.GetFrame(index)});
    }
    ASSERT_NO_FATAL_FAILURE(ExpectMatchesModel(frames, model)) << "step " << step;
    if (HasFailure()) return;
  }
}

}  // namespace
