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

void TFrameSubListManager::Delete(int32_t index) {
  CheckRange(index, FCount);
  std::copy(FEntries.begin() + index + 1, FEntries.begin() + FCount, FEntries.begin() + index);
  --FCount;
}

void TFrameSubListManager::RenumberAfter(int32_t position) {
  for (int32_t index = 0; index < FCount; ++index)
    if (FEntries[index] > position) --FEntries[index];
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

bool TFrameListManager::DeleteFrame(uint8_t frameKind) {
  TFrameSubListManager& subList = SubListOf(frameKind);
  int32_t index = subList.IndexOfKind(frameKind, 1);
  if (index < 0) return false;
  RemoveFrame(subList, index);
  return true;
}

void TFrameListManager::DeletePrimaryFrames() {
  for (int32_t index = FPrimary.GetCount() - 1; index >= 0; --index) RemoveFrame(FPrimary, index);
  FPrimary.SetCapacity(0);
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

void TFrameListManager::RemoveFrame(TFrameSubListManager& subList, int32_t index) {
  int32_t position = subList.GetFrameListIndex(index);
  subList.Delete(index);
  FPrimary.RenumberAfter(position);
  FOther.RenumberAfter(position);
  FFrames.Delete(position);
}
