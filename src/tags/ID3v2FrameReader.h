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
  TBytes Body;         // plain: no unsynchronisation, compression or extra bytes
};

// Reads the frames of body (the bytes behind the tag header, an ID3v2.3 tag already
// freed of its unsynchronisation), starting behind the extended header, and adds those
// the program handles to frames in tag order. A frame ID that is well formed (four of
// 'A'..'Z' and '0'..'9') but has no kind, or whose kind the program does not handle,
// goes to preserved instead, unless its meaning changed in ID3v2.4 (an ID3v2.3 ID that
// ID3v2.4 renamed or dropped) or it asks to be dropped when the tag is altered.
// Encrypted frames, frames whose body does not decode and frames with almost no body
// are passed over, and so are frames of size 0. Anything else ends the list: padding
// or a malformed ID, and a frame that runs past the end of the body. Afterwards the
// header's tag size holds the bytes the frames took and its padding size the bytes
// behind them.
void ReadFrames(const TBytes& body, TMp3ID3v2HeaderEx& header, TFrameListManager& frames,
                std::vector<TPreservedFrame>& preserved);
