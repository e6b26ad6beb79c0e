#pragma once
// ID3v2.2 frames (three-letter IDs, 6-byte headers) as the ID3v2.3 frames they stand for,
// so that the ID3v2.3 reader reads them into their ID3v2.4 kinds.

#include "base/StrUtils.h"

#include <string>
#include <vector>

// The frames of an ID3v2.2 tag body (freed of its unsynchronisation) as the ID3v2.3
// frames they stand for: ID3v2.3 IDs, 10-byte headers with plain sizes and no flags, a
// picture's image format as its MIME type ("JPG" as "image/jpeg"), the text of a text,
// comment or lyrics frame without its terminator and what follows it. A frame that has no
// ID3v2.4 kind to go to is left out and its ID added to dropped; frames of size 0 are
// passed over. The frames end where a header is not one (padding) or a frame would run
// past the body's end; framesSize tells how many bytes of body they took.
TBytes ID3v22FramesAsID3v23(const TBytes& body, std::vector<std::string>& dropped,
                            size_t& framesSize);
