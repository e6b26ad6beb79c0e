#include "FrameListManager.h"

#include "ID3TagsUtils.h"

#include "base/Exceptions.h"

#include <algorithm>

namespace {

constexpr int32_t kInitialCapacity = 10;

}  // namespace

bool IsPrimaryFrameKind(uint8_t frameKind) {
  return std::find(PrimaryFrameKinds.begin(), PrimaryFrameKinds.end(), frameKind) !=
         PrimaryFrameKinds.end();
}

// --- TFrameSubListManager ---------------------------------------------------------------

TFrameSubListManager::TFrameSubListManager(TFrameListManager& owner)
    : FOwner(owner), FEntries(kInitialCapacity) {}

void TFrameSubListManager::SetCapacity(int32_t capacity) {
  if (capacity < 0) throw ERangeError("Range check error");
  FEntries.resize(static_cast<size_t>(capacity));
  FCount = std::min(FCount, capacity);
}

int32_t TFrameSubListManager::Add(int32_t framePosition) {
  if (FCount == GetCapacity()) Grow();
  FEntries[FCount] = framePosition;
  return FCount++;
}

int32_t TFrameSubListManager::GetFrameListIndex(int32_t index) const {
  CheckRange(index, FCount);
  return FEntries[index];
}

uint8_t TFrameSubListManager::GetFrameKind(int32_t index) const {
  return FOwner.GetFrameKind(GetFrameListIndex(index));
}

TMp3ID3v2Frame& TFrameSubListManager::GetFrame(int32_t index) const {
  return FOwner.GetFrame(GetFrameListIndex(index));
}

TMp3ID3v2FrameCatBase& TFrameSubListManager::GetFrameCategory(int32_t index) const {
  return FOwner.GetFrameCategory(GetFrameListIndex(index));
}

int32_t TFrameSubListManager::IndexOfKind(uint8_t frameKind, int8_t n) const {
  int found = 0;
  for (int32_t index = 0; index < FCount; ++index)
    if (GetFrameKind(index) == frameKind && ++found == n) return index;
  return -1;
}

void TFrameSubListManager::RemovePositions(std::span<const int32_t> gone) {
  // Both the entries and the positions gone ascend: one walk over each.
  size_t before = 0;  // positions gone before the entry
  int32_t kept = 0;
  for (int32_t index = 0; index < FCount; ++index) {
    const int32_t position = FEntries[index];
    while (before < gone.size() && gone[before] < position) ++before;
    if (before < gone.size() && gone[before] == position) continue;
    FEntries[kept++] = position - static_cast<int32_t>(before);
  }
  FCount = kept;
}

// --- TFrameListManager ------------------------------------------------------------------

TFrameListManager::TFrameListManager() : FPrimary(*this), FOther(*this) {
  FFrames.SetCapacity(kInitialCapacity);
}

TFrameListManager::~TFrameListManager() { Clear(); }

void TFrameListManager::Clear() {
  for (int32_t position = FFrames.Count() - 1; position >= 0; --position)
    FFrames.Delete(position);
  FPrimary.SetCapacity(0);
  FOther.SetCapacity(0);
}

int32_t TFrameListManager::AddFrame(uint8_t frameKind, std::unique_ptr<TMp3ID3v2Frame> frame) {
  if (FrameIDInfo(frameKind).Category == fcNone) return -1;
  if (!frame) frame = std::make_unique<TMp3ID3v2Frame>(frameKind);
  int32_t position = FFrames.Add({frameKind, std::move(frame)});
  return SubListOf(frameKind).Add(position);
}

template <class Picks>
void TFrameListManager::RemoveFrames(TFrameSubListManager& subList, Picks goes) {
  std::vector<int32_t> gone;  // frame-list positions, ascending as the sub-list's entries
  for (int32_t index = 0; index < subList.GetCount(); ++index)
    if (goes(index)) gone.push_back(subList.GetFrameListIndex(index));
  if (gone.empty()) return;
  FPrimary.RemovePositions(gone);
  FOther.RemovePositions(gone);
  FFrames.Delete(gone);
}

bool TFrameListManager::DeleteFrame(uint8_t frameKind) {
  TFrameSubListManager& subList = SubListOf(frameKind);
  int32_t first = subList.IndexOfKind(frameKind, 1);
  if (first < 0) return false;
  RemoveFrames(subList, [first](int32_t index) { return index == first; });
  return true;
}

void TFrameListManager::DeletePrimaryFrame(int32_t index) {
  CheckRange(index, FPrimary.GetCount());
  RemoveFrames(FPrimary, [index](int32_t at) { return at == index; });
}

void TFrameListManager::DeletePrimaryFrames() {
  RemoveFrames(FPrimary, [](int32_t) { return true; });
  FPrimary.SetCapacity(0);
}

void TFrameListManager::DeleteFramesOfKind(uint8_t frameKind, int32_t kept) {
  TFrameSubListManager& subList = SubListOf(frameKind);
  RemoveFrames(subList, [&](int32_t index) {
    return index != kept && subList.GetFrameKind(index) == frameKind;
  });
}

uint8_t TFrameListManager::GetFrameKind(int32_t position) const {
  return FFrames.Items(position).FrameKind;
}

TMp3ID3v2Frame& TFrameListManager::GetFrame(int32_t position) const {
  return *FFrames.Items(position).Frame;
}

TMp3ID3v2FrameCatBase& TFrameListManager::GetFrameCategory(int32_t position) const {
  return GetFrame(position).GetCategoryObject();
}

TFrameSubListManager& TFrameListManager::SubListOf(uint8_t frameKind) {
  return IsPrimaryFrameKind(frameKind) ? FPrimary : FOther;
}
