// The frame list managers against a model: the frames in the order they were added, each
// in one sub-list (the primary one for primary kinds), each sub-list in list order.
#include "tags/FrameListManager.h"
#include "tags/ID3TagsUtils.h"

#include "base/Exceptions.h"

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
    } else if (operation < 5) {
      // The first frame of the kind goes; renumbering keeps both sub-lists right.
      auto it = std::find_if(model.begin(), model.end(),
                             [kind](const TModelFrame& f) { return f.Kind == kind; });
      EXPECT_EQ(frames.DeleteFrame(kind), it != model.end());
      if (it != model.end()) model.erase(it);
    } else if (operation < 7 && frames.GetPrimarySubList().GetCount() > 0) {
      // A primary frame picked by its entry goes.
      const TFrameSubListManager& primary = frames.GetPrimarySubList();
      const int32_t index = static_cast<int32_t>(random() % primary.GetCount());
      const TMp3ID3v2Frame* gone = &primary.GetFrame(index);
      frames.DeletePrimaryFrame(index);
      std::erase_if(model, [gone](const TModelFrame& f) { return f.Frame == gone; });
    } else if (operation < 8) {
      // Every frame of the kind goes but the one at an entry picked, or none is kept.
      const TFrameSubListManager& subList =
          IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList();
      const int32_t kept = static_cast<int32_t>(random() % (subList.GetCount() + 1)) - 1;
      const TMp3ID3v2Frame* keptFrame = kept >= 0 ? &subList.GetFrame(kept) : nullptr;
      frames.DeleteFramesOfKind(kind, kept);
      std::erase_if(model, [&](const TModelFrame& f) { return f.Kind == kind && f.Frame != keptFrame; });
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

// Thousands of titles, as some programs write them, among other frames: deleting them
// keeps the frame picked and every other frame, each the same object in its order.
TEST(FrameList, ManyFramesOfOneKindGoInOnePassAndTheRestKeepTheirOrder) {
  constexpr int kTitles = 5000;
  TFrameListManager frames;
  std::vector<TModelFrame> model;
  auto add = [&](uint8_t kind) {
    const int32_t index = frames.NewFrame(kind);
    const TFrameSubListManager& subList =
        IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList();
    model.push_back({kind, &subList.GetFrame(index)});
  };
  for (int i = 0; i < kTitles; ++i) {
    add(fiTIT2);
    add(i % 2 ? fiTXXX : fiAPIC);
    if (i == kTitles / 2) add(fiTPE1);
  }
  const int32_t kept = kTitles / 3;  // an entry among the titles, the artist's behind it
  const TMp3ID3v2Frame* keptTitle = &frames.GetPrimarySubList().GetFrame(kept);
  frames.DeleteFramesOfKind(fiTIT2, kept);
  std::erase_if(model, [&](const TModelFrame& f) { return f.Kind == fiTIT2 && f.Frame != keptTitle; });
  ASSERT_NO_FATAL_FAILURE(ExpectMatchesModel(frames, model));
  EXPECT_EQ(frames.GetPrimarySubList().IndexOfKind(fiTIT2, 1), 0);
  EXPECT_EQ(&frames.GetPrimarySubList().GetFrame(0), keptTitle);

  frames.DeleteFramesOfKind(fiTXXX, -1);
  std::erase_if(model, [](const TModelFrame& f) { return f.Kind == fiTXXX; });
  ASSERT_NO_FATAL_FAILURE(ExpectMatchesModel(frames, model));

  frames.DeletePrimaryFrames();
  std::erase_if(model, [](const TModelFrame& f) { return IsPrimaryFrameKind(f.Kind); });
  ASSERT_NO_FATAL_FAILURE(ExpectMatchesModel(frames, model));
  EXPECT_EQ(frames.GetCount(), kTitles / 2);  // the pictures
  EXPECT_THROW(frames.DeletePrimaryFrame(0), ERangeError);
}

}  // namespace
