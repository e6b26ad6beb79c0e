#pragma once
// The frames of an ID3v2 tag. The manager owns a list of (frame kind, frame) records in
// the order the frames were added, and two views onto it: the primary sub-list holds
// the positions of the frames the tag editor shows as fields of their own (see
// PrimaryFrameKinds), the other sub-list those of every other frame. Every position
// stands in exactly one sub-list, and each sub-list keeps its positions ascending.

#include "ID3v2Frame.h"

#include "base/List.h"
#include "base/Object.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TFrameListManager;

class TFrameSubListManager : public TObject {
public:
  explicit TFrameSubListManager(TFrameListManager& owner);
  TFrameSubListManager(const TFrameSubListManager&) = delete;
  TFrameSubListManager& operator=(const TFrameSubListManager&) = delete;

  int32_t GetCount() const { return FCount; }
  int32_t GetCapacity() const { return static_cast<int32_t>(FEntries.size()); }
  // Below the count, the count shrinks with it.
  void SetCapacity(int32_t capacity);
  void Clear() { SetCapacity(0); }
  // Appends a frame-list position; returns the entry's index.
  int32_t Add(int32_t framePosition);

  // Entry indexes outside 0..count-1 raise ERangeError.
  int32_t GetFrameListIndex(int32_t index) const;
  uint8_t GetFrameKind(int32_t index) const;
  TMp3ID3v2Frame& GetFrame(int32_t index) const;
  TMp3ID3v2FrameCatBase& GetFrameCategory(int32_t index) const;
  // The index of the n-th entry (n from 1) whose frame is of the kind; -1 when there
  // are fewer.
  int32_t IndexOfKind(uint8_t frameKind, int8_t n) const;

private:
  friend class TFrameListManager;

  // The frame-list positions gone (ascending) leave: their entries are removed, and
  // every other entry moves down by the number of them before it. One pass over the
  // entries, however many go; only the owner calls it, for both sub-lists at once.
  void RemovePositions(std::span<const int32_t> gone);

  static constexpr int32_t kGrowth = 10;

  // Makes room for kGrowth more entries.
  void Grow() { SetCapacity(GetCapacity() + kGrowth); }

  TFrameListManager& FOwner;
  std::vector<int32_t> FEntries;  // the capacity; the first FCount are in use
  int32_t FCount = 0;
};

class TFrameListManager : public TObject {
public:
  TFrameListManager();
  ~TFrameListManager() override;
  TFrameListManager(const TFrameListManager&) = delete;
  TFrameListManager& operator=(const TFrameListManager&) = delete;

  // Frees every frame, the last first.
  void Clear();
  // Adds the frame (a new one of the kind when null) under its kind; returns its index
  // in its sub-list, or -1, adding nothing, for a kind the program does not handle.
  int32_t AddFrame(uint8_t frameKind, std::unique_ptr<TMp3ID3v2Frame> frame = nullptr);
  int32_t NewFrame(uint8_t frameKind) { return AddFrame(frameKind); }
  // Every deletion takes one pass over the lists, however many frames go, and leaves
  // the frames that stay in their order.
  // Deletes the first frame of the kind; false when there is none.
  bool DeleteFrame(uint8_t frameKind);
  // Deletes the frame at an entry of the primary sub-list (outside 0..count-1 raises
  // ERangeError); the later entries move down one place.
  void DeletePrimaryFrame(int32_t index);
  // Deletes every frame of the primary sub-list; other frames stay.
  void DeletePrimaryFrames();
  // Deletes every frame of the kind but the one at the entry kept of its sub-list (-1:
  // none is kept).
  void DeleteFramesOfKind(uint8_t frameKind, int32_t kept);

  // Frame-list positions outside 0..count-1 raise EListError.
  uint8_t GetFrameKind(int32_t position) const;
  TMp3ID3v2Frame& GetFrame(int32_t position) const;
  TMp3ID3v2FrameCatBase& GetFrameCategory(int32_t position) const;
  int32_t GetCount() const { return FFrames.Count(); }

  TFrameSubListManager& GetPrimarySubList() { return FPrimary; }
  TFrameSubListManager& GetOtherSubList() { return FOther; }
  const TFrameSubListManager& GetPrimarySubList() const { return FPrimary; }
  const TFrameSubListManager& GetOtherSubList() const { return FOther; }

private:
  struct TFrameRecord {
    uint8_t FrameKind;
    std::unique_ptr<TMp3ID3v2Frame> Frame;
  };

  TFrameSubListManager& SubListOf(uint8_t frameKind);
  // Removes the frames at the entries of a sub-list that goes(entry index) picks and
  // renumbers both sub-lists.
  template <class Picks>
  void RemoveFrames(TFrameSubListManager& subList, Picks goes);

  TList<TFrameRecord> FFrames;
  TFrameSubListManager FPrimary;
  TFrameSubListManager FOther;
};

// Whether the tag editor shows frames of the kind as fields of their own.
bool IsPrimaryFrameKind(uint8_t frameKind);
