#pragma once
// Finding the first MPEG audio frame of a listed file.

#include <cstdint>

class TTagInfo;

// Looks for the first valid frame header behind the ID3v2 tag (id3v2Size bytes, from
// ProbeTags) and decodes it, with its Xing/Info data, into the record's MpegHeader. On
// success id3v2Size becomes the frame's offset in the file. Frames are looked for in the
// first 35000 bytes behind the tag, no further than the file's end, and only what the
// scan looks at is read, beyond what ProbeTags read already.
bool FindMpegHeader(TTagInfo& tagInfo, int64_t& id3v2Size);
