#pragma once
// Fixtures of the tag tests: MPEG frames and tags synthesised in code, listed files opened
// as the folder scan opens them.

#include "TempFolder.h"

#include "tags/FileInfo.h"
#include "tags/TagInfo.h"

#include <cstdint>
#include <string>

// MPEG audio frames.
struct TFrameFields {
  uint8_t Version;  // header's version index: 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
  uint8_t Layer;    // header's layer index: 1 Layer III, 2 Layer II, 3 Layer I
  uint8_t BitrateIndex, SampleRateIndex, ChannelMode = 0;
  bool Crc = false, Padding = false;
};
uint32_t HeaderWord(const TFrameFields& fields);
// One frame of frameSize bytes: the header, body at the start of the payload, zeros.
std::string Frame(const TFrameFields& fields, uint32_t frameSize, const std::string& body = "");
std::string Frames(const TFrameFields& fields, uint32_t frameSize, int count);
// The body of a Xing or Info frame: zeros up to the tag at xingOffset (from the frame
// start), the tag, the flags and the announced fields (a table of 100 bytes for flag 4).
std::string XingBody(uint32_t xingOffset, const std::string& tag, uint32_t flags,
                     uint32_t frames, uint32_t bytes, uint32_t quality = 0);
std::string BigEndian(uint32_t value);
// Bytes that hold no 0xFF.
inline std::string Junk(size_t size) {
  std::string junk;
  while (junk.size() < size) junk += static_cast<char>('a' + junk.size() % 26);
  return junk;
}

// --- tags

// A 128-byte ID3v1 tag; track 0 makes it ID3v1.0 with a 30-byte comment.
std::string ID3v1Tag(const std::string& title, const std::string& artist,
                     const std::string& album, const std::string& year,
                     const std::string& comment, uint8_t track, uint8_t genre);

// An ID3v2 frame: ID, size as the major version writes it, status and format flags, body.
std::string ID3v2FrameBytes(uint8_t majorVersion, const std::string& id, const std::string& body,
                            uint8_t status = 0, uint8_t format = 0);
// An ID3v2.2 frame: three-letter ID, big-endian 3-byte size, body.
std::string ID3v22FrameBytes(const std::string& id, const std::string& body);
// A text frame body in encoding 0.
inline std::string TextBody(const std::string& text) { return '\0' + text; }
// An ID3v2 tag header (major version, flags, the syncsafe size of body), then body.
std::string ID3v2TagBytes(uint8_t majorVersion, uint8_t flags, const std::string& body);
// An ID3v2 header announcing a tag body of size bytes (syncsafe), then that many zeros.
inline std::string ID3v2Tag(uint8_t majorVersion, uint32_t size) {
  return ID3v2TagBytes(majorVersion, 0, std::string(size, '\0'));
}

// The i-th of a set of files tagged as tag editors tag them: an ID3v2 tag of the seven
// fields the editor shows, a user text and, in every third file, a 4 KB picture (ID3v2.3
// and 2.4 alternately, with padding), the audio, an ID3v1 tag.
std::string TypicalTaggedFile(int i, const std::string& audio);

// --- listed files

// A file in a temporary folder that becomes the listed folder, opened as the folder scan
// opens it (unless openMode says otherwise), with its entry and a tag record on it.
class TListedFile {
public:
  explicit TListedFile(const std::string& bytes, uint32_t openMode = 34,
                       const std::string& name = "Song");
  ~TListedFile();
  TListedFile(const TListedFile&) = delete;
  TListedFile& operator=(const TListedFile&) = delete;

  std::string Path() const;
  // Read through a fresh handle: an entry opened in mode 0 (exclusive) must be closed first.
  std::string Contents() const;
  void Close();
  std::string Folder() const { return FFolder.Path(); }

  TFileInfo Entry;
  TTagInfo Info;

private:
  TempFolder FFolder;
};
