#pragma once
// Fixtures of the tag tests: MP3 bytes synthesised in code and listed files opened the
// way the folder scan opens them.

#include "TempFolder.h"

#include "tags/FileInfo.h"
#include "tags/TagInfo.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// --- MPEG audio ----------------------------------------------------------------------

struct TFrameFields {
  uint8_t Version;  // header's version index: 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
  uint8_t Layer;    // header's layer index: 1 Layer III, 2 Layer II, 3 Layer I
  uint8_t BitrateIndex;
  uint8_t SampleRateIndex;
  uint8_t ChannelMode = 0;
  bool Crc = false;
  bool Padding = false;
};

uint32_t HeaderWord(const TFrameFields& fields);
std::string BigEndian(uint32_t value);
// One frame of frameSize bytes: the header, body at the start of the payload, zeros.
std::string Frame(const TFrameFields& fields, uint32_t frameSize, const std::string& body = "");
std::string Frames(const TFrameFields& fields, uint32_t frameSize, int count);
// The body of a Xing or Info frame: zeros up to the tag at xingOffset (from the frame
// start), the tag, the flags and the announced fields (a table of 100 bytes for flag 4).
std::string XingBody(uint32_t xingOffset, const std::string& tag, uint32_t flags,
                     uint32_t frames, uint32_t bytes, uint32_t quality = 0);
// Bytes that hold no 0xFF.
std::string Junk(size_t size);

// --- tags ----------------------------------------------------------------------------

// An ID3v2 header announcing a tag body of size bytes (syncsafe), then that many zeros.
std::string ID3v2Tag(uint8_t majorVersion, uint32_t size);
// A 128-byte ID3v1 tag; track 0 makes it ID3v1.0 with a 30-byte comment.
std::string ID3v1Tag(const std::string& title, const std::string& artist,
                     const std::string& album, const std::string& year,
                     const std::string& comment, uint8_t track, uint8_t genre);

// The parts one after the other.
std::string Cat(std::initializer_list<std::string_view> parts);
// An ID3v2 frame header (ID, size as the major version writes it, status and format
// flags), then the body.
std::string ID3v2FrameBytes(uint8_t majorVersion, const std::string& id, const std::string& body,
                            uint8_t status = 0, uint8_t format = 0);
// A text frame body in encoding 0.
std::string TextBody(const std::string& text);
// An ID3v2 tag header (major version, flags, the syncsafe size of body), then body.
std::string ID3v2TagBytes(uint8_t majorVersion, uint8_t flags, const std::string& body);

// --- listed files --------------------------------------------------------------------

// A file in its own temporary folder, which becomes the listed folder, opened like the
// folder scan opens it (read-write, denying writes to others, unless openMode says
// otherwise), with its entry and a tag record on it.
class TListedFile {
public:
  explicit TListedFile(const std::string& bytes, uint32_t openMode = 34,
                       const std::string& name = "Song");
  ~TListedFile();
  TListedFile(const TListedFile&) = delete;
  TListedFile& operator=(const TListedFile&) = delete;

  std::string Path() const;
  // Read through a fresh handle, which an entry opened in mode 0 (exclusive) prevents:
  // close it first.
  std::string Contents() const;
  void Close();
  std::string Folder() const { return FFolder.Path(); }

  TFileInfo Entry;
  TTagInfo Info;

private:
  TempFolder FFolder;
};
