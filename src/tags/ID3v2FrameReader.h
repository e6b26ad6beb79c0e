#pragma once
// Reading the frames of an ID3v2.3 or ID3v2.4 tag body into a frame list.

#include "base/StrUtils.h"

class TFrameListManager;
class TMp3ID3v2HeaderEx;

// Reads the frames of body (the bytes behind the tag header, an ID3v2.3 tag already
// freed of its unsynchronisation), starting behind the extended header, and adds those
// the program handles to frames in tag order. A frame ID that is well formed (four of
// 'A'..'Z' and '0'..'9') but has no kind, or whose kind the program does not handle, is
// passed over, as are encrypted frames, frames whose body does not decode and frames
// with almost no body. Anything else ends the list: padding or a malformed ID, a frame
// of size 0 and a frame that runs past the end of the body. Afterwards the header's tag
// size holds the bytes the frames took and its padding size the bytes behind them.
void ReadFrames(const TBytes& body, TMp3ID3v2HeaderEx& header, TFrameListManager& frames);
