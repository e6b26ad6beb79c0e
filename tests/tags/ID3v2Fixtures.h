#pragma once
// Fixtures of the ID3v2 tag tests: tags and frames written as bytes, and the frames a
// tag object holds written as text.

#include "tags/ID3v2.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The parts one after the other.
std::string Cat(std::initializer_list<std::string_view> parts);
// A frame header (ID, size as the major version writes it, status and format flags),
// then the body.
std::string ID3v2FrameBytes(uint8_t majorVersion, const std::string& id, const std::string& body,
                            uint8_t status = 0, uint8_t format = 0);
// A text frame body in encoding 0.
std::string TextBody(const std::string& text);
// A tag header (major version, flags, the syncsafe size of body), then body.
std::string ID3v2TagBytes(uint8_t majorVersion, uint8_t flags, const std::string& body);
// The bytes zlib makes of data.
std::string Deflated(const std::string& data);

// The frames of the list in list order, each as "ID{fields}" (see Summary), separated
// by blanks.
std::string FrameList(const TFrameListManager& frames);
// The frames of the tag in the file, read by a new tag object on the record.
std::string FramesInFile(TTagInfo& info);
