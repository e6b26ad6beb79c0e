// The frame list managers: the list of frames in the order they were added and its
// primary and other sub-lists, against worked examples and a simple model.
#include "tags/FrameListManager.h"
#include "tags/ID3TagsUtils.h"


#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

std::vector<int32_t> Entries(const TFrameSubListManager& subList) {
  std::vector<int32_t> entries;
  for (int32_t i = 0; i < subList.GetCount(); ++i) entries.push_back(subList.GetFrameListIndex(i));
  return entries;
}

std::vector<int> Kinds(const TFrameListManager& frames) {
  std::vector<int> kinds;
  for (int32_t i = 0; i < frames.GetCount(); ++i) kinds.push_back(frames.GetFrameKind(i));
  return kinds;
}

TEST(FrameList, DeletingRenumbersBothSubLists) {
  TFrameListManager frames;
  for (uint8_t kind : {fiTXXX, fiTIT2, fiTALB}) frames.NewFrame(kind);
  EXPECT_TRUE(frames.DeleteFrame(fiTIT2));
  EXPECT_EQ(Kinds(frames), (std::vector<int>{fiTXXX, fiTALB}));
  EXPECT_EQ(Entries(frames.GetPrimarySubList()), (std::vector<int32_t>{1}));

  TFrameListManager five;
  for (uint8_t kind : {fiTXXX, fiTXXX, fiTIT2, fiTPE1, fiTALB}) five.NewFrame(kind);
  EXPECT_TRUE(five.DeleteFrame(fiTPE1));
  EXPECT_EQ(Entries(five.GetPrimarySubList()), (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(Entries(five.GetOtherSubList()), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(five.GetOtherSubList().IndexOfKind(fiTXXX, 2), 1);
  EXPECT_EQ(five.GetOtherSubList().IndexOfKind(fiTXXX, 3), -1);
  // Kinds the program does not edit are refused.
  for (uint8_t kind : {fiTLEN, fiETCO, fiObsolete}) EXPECT_EQ(five.NewFrame(kind), -1);
  EXPECT_EQ(five.GetCount(), 4);
}

// The model: the kinds of the frames in the order they were added, and which frame
// object each is.
struct TModelFrame {
  uint8_t Kind;
  const TMp3ID3v2Frame* Frame;
};

void ExpectMatchesModel(const TFrameListManager& frames, const std::vector<TModelFrame>& model) {
  ASSERT_EQ(frames.GetCount(), static_cast<int32_t>(model.size()));
  for (size_t i = 0; i < model.size(); ++i) {
    EXPECT_EQ(frames.GetFrameKind(static_cast<int32_t>(i)), model[i].Kind);
    EXPECT_EQ(&frames.GetFrame(static_cast<int32_t>(i)), model[i].Frame);
  }
  std::vector<int> seen(model.size(), 0);
  for (const TFrameSubListManager* subList :
       {&frames.GetPrimarySubList(), &frames.GetOtherSubList()}) {
    bool primary = subList == &frames.GetPrimarySubList();
    std::vector<int32_t> entries = Entries(*subList);
    for (size_t i = 0; i < entries.size(); ++i) {
      ASSERT_GE(entries[i], 0);
      ASSERT_LT(entries[i], frames.GetCount());
      if (i > 0) {
        EXPECT_LT(entries[i - 1], entries[i]);
      }
      EXPECT_EQ(IsPrimaryFrameKind(model[entries[i]].Kind), primary);
      ++seen[entries[i]];
    }
  }
  for (int count : seen) EXPECT_EQ(count, 1);
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
    switch (random() % 20) {
      case 0:
        frames.DeletePrimaryFrames();
        std::erase_if(model, [](const TModelFrame& f) { return IsPrimaryFrameKind(f.Kind); });
        break;
      case 1:
        if (random() % 10 == 0) {
          frames.Clear();
          model.clear();
        }
        break;
      case 2:
      case 3:
      case 4:
      case 5:
      case 6:
      case 7: {
        auto it = std::find_if(model.begin(), model.end(),
                               [kind](const TModelFrame& f) { return f.Kind == kind; });
        EXPECT_EQ(frames.DeleteFrame(kind), it != model.end());
        if (it != model.end()) model.erase(it);
        break;
      }
      default: {
        int32_t index = frames.NewFrame(kind);
        if (FrameIDInfo(kind).Category == fcNone) {
          EXPECT_EQ(index, -1);
          break;
        }
        const TFrameSubListManager& subList =
            IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList();
        ASSERT_EQ(index, subList.GetCount() - 1);
        model.push_back({kind, &subList.GetFrame(index)});
        break;
      }
    }
    ASSERT_NO_FATAL_FAILURE(ExpectMatchesModel(frames, model)) << "step " << step;
    if (HasFailure()) return;
  }
}

}  // namespace
