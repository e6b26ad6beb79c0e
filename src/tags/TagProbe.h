#pragma once
// Finding out which tags a listed file carries.

#include <cstdint>

class TTagInfo;

// Sets the record's HasID3v1 when the file ends in "TAG" and HasID3v2 when it starts
// with "ID3"; clears ReadOk for an ID3v2 tag other than version 2.2, 2.3 or 2.4.
// Returns the size of the whole ID3v2 tag with its 10-byte header, 0 without one. What it
// reads (the size, the first bytes and the last 128) stays in the record's Probed for the
// MPEG scan and the tag objects that follow.
int64_t ProbeTags(TTagInfo& tagInfo);
