#pragma once
// How a new ID3v2 tag goes into a file: the padding it gets, and whether it is written
// over the old tag in place or the file is rewritten through a temporary copy.

#include <cstdint>

// The padding a tag of framesSize bytes of frames gets: a share of the frames that
// shrinks as tags grow, plus 1 byte in 33.
uint32_t ID3v2Padding(uint32_t framesSize);

// What the file holds now.
struct TID3v2FileLayout {
  int64_t FileLength = 0;
  bool HasTag = false;       // starts with an ID3v2 tag
  uint32_t OldTagSize = 0;   // its size field: the bytes behind its header
  bool OldFooter = false;    // a footer follows it
  bool HasID3v1 = false;     // ends in an ID3v1 tag
  // The bytes of the ID3v2 tags that other writers stacked directly behind the first;
  // counted in the audio, which they precede.
  int64_t StackedTagsLength = 0;

  // The bytes the old tag takes at the start: header, body and footer.
  int64_t OldTagExtent() const;
  // The bytes between the old tag and the ID3v1 tag.
  int64_t AudioLength() const;
  // Whether the old tag and the ID3v1 tag fit the file side by side.
  bool IsConsistent() const { return AudioLength() >= 0; }
};

struct TID3v2WritePlan {
  uint32_t Padding = 0;
  uint32_t Total = 0;  // the new tag's size field: frames and padding
  bool InPlace = false;
};

// Chooses padding and path for framesSize bytes of frames. The padding comes from the
// formula; when the frames shrank and what they left over is more than 0.7 of that
// padding, the leftover becomes the padding, so that the new tag takes exactly the old
// space. The tag is written in place only then: into an old tag without a footer, with
// frames to write and no ID3v1 tag to remove. Everything else rewrites the file (as
// does removing the ID3v2 tag, which writes no new one).
TID3v2WritePlan PlanTagWrite(const TID3v2FileLayout& layout, uint32_t framesSize,
                             bool frameListEmpty, bool removeID3v1);
