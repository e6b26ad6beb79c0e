#pragma once
// Fixtures of the ID3v2 tag tests: compressed frame data, and the frames a tag object
// holds written as text. Tags and frames as bytes are in TagFixtures.h.

#include "tags/ID3v2.h"

#include <cstdint>
#include <string>

// The bytes zlib makes of data.
std::string Deflated(const std::string& data);

// The frames of the list in list order, each as "ID{fields}" (see Summary), separated
// by blanks.
std::string FrameList(const TFrameListManager& frames);
// The frames of the tag in the file, read by a new tag object on the record.
std::string FramesInFile(TTagInfo& info);
