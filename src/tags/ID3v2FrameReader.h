#pragma once
// Reading the frames of an ID3v2.3 or ID3v2.4 tag body into a frame list.

#include "base/StrUtils.h"

#include <array>
#include <vector>

class TFrameListManager;
class TMp3ID3v2HeaderEx;

// A frame the program does not edit, kept to be written back as it was read, so that a
// save never loses what other programs stored in the tag.
struct TPreservedFrame {
  std::array<char, 4> ID{};
  uint8_t Status = 0;  // ID3v2.4 status flags
  uint8_t Format = 0;  // ID3v2.4 format flags of a body kept encoded (see KeepFrameData)
  TBytes Body;         // no unsynchronisation; without Format plain
  // A body too short for a field, of a kind the program edits: it gives way to a frame
  // of its kind that a save writes from the frame list, so that no tag ends up with two.
  bool AlmostEmpty = false;
};

// What a tag holds besides the frames of its frame list, written back as it was read.
struct TKeptTagData {
  std::vector<TPreservedFrame> Frames;
  // The tag's bytes from where its frames could no longer be read (a malformed frame
  // header, or a frame running past the tag's end) to its last byte that is not zero.
  // Empty when the frames end in padding.
  TBytes Unread;
};

// Reads the frames of body (the bytes behind the tag header, an ID3v2.3 tag already
// freed of its unsynchronisation), starting behind the extended header, and adds those
// the program edits to frames in tag order. Every other frame goes to kept: a well-formed
// ID (four of 'A'..'Z' and '0'..'9') without a kind, a kind the program does not edit,
// an almost empty body, a body that does not decode (kept as it lies, see
// KeepFrameData; so is a compressed body past the bounds of what frames may inflate
// to). Left out are frames of size 0, frames that ask to be dropped when the
// tag is altered, and ID3v2.3 frames that ID3v2.4 replaced by frames of another layout
// or dropped; the day and time of an ID3v2.3 date (TDAT, TIME) join the year in its
// TDRC frame. A malformed ID or a frame running past the end of the body ends the list.
// Afterwards the header's tag size holds the bytes the frames took and its padding size
// the bytes behind them.
void ReadFrames(const TBytes& body, TMp3ID3v2HeaderEx& header, TFrameListManager& frames,
                TKeptTagData& kept);
