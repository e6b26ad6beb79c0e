// Fuzz target: the ID3v2 reader. The input is the start of a file, followed by a short
// stream of MPEG frames. Whatever the tag holds, reading stays inside the tag and the
// file, and every frame it keeps answers for its fields.
#include "FuzzFile.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2.h"
#include "tags/MpegScanner.h"
#include "tags/TagProbe.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// MPEG 1 Layer III frames at 128 kbit/s, 44.1 kHz: 417 bytes each.
std::vector<uint8_t> Audio() {
  std::vector<uint8_t> audio;
  for (int frame = 0; frame < 4; ++frame) {
    std::vector<uint8_t> bytes(417, 0);
    bytes[0] = 0xFF, bytes[1] = 0xFB, bytes[2] = 0x90, bytes[3] = 0x64;
    bytes[100] = 0xFF;  // a byte that needs unsynchronisation in a tag, not in audio
    audio.insert(audio.end(), bytes.begin(), bytes.end());
  }
  return audio;
}

// Reads every field the frame's category has.
void TouchFields(const TMp3ID3v2FrameCatBase& frame) {
  switch (frame.GetCategory()) {
    case fcCdIdentifier:
      frame.GetBodyString();
      return;
    case fcDate:
      frame.GetYear(), frame.GetMonth(), frame.GetDay();
      break;
    case fcTrack:
      frame.GetTrackNumber(), frame.GetTrackTotal();
      break;
    case fcGenre:
      if (frame.GetGenreIndex() > GenreNone) __builtin_trap();
      break;
    case fcComment:
      frame.GetLanguageIndex();
      [[fallthrough]];
    case fcUserText:
    case fcUserUrl:
      frame.GetDescriptionString();
      break;
    case fcPicture:
    case fcObject:
      frame.GetDescriptionString(), frame.GetPictureData();
      break;
    case fcPopularimeter:
      frame.GetRating(), frame.GetCounter();
      break;
    default:
      break;
  }
  frame.GetTextString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<uint8_t> audio = Audio();
  std::vector<uint8_t> bytes(data, data + size);
  bytes.insert(bytes.end(), audio.begin(), audio.end());
  TFuzzFile file(bytes.data(), bytes.size());
  int64_t id3v2Size = ProbeTags(file.Info);
  FindMpegHeader(file.Info, id3v2Size);
  if (!file.Info.HasID3v2) return 0;

  TMp3ID3v2 tag(file.Info, false);
  if (!tag.ReadTag()) {
    if (tag.GetFrameList().GetCount() != 0) __builtin_trap();
    return 0;
  }
  const TMp3ID3v2HeaderEx& header = tag.GetHeaderEx();
  uint64_t taken = uint64_t{header.ExtendedHeaderSize} + header.TagSize + header.PaddingSize;
  if (taken > bytes.size() - 10) __builtin_trap();
  TFrameListManager& frames = tag.GetFrameList();
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    const TMp3ID3v2Frame& frame = frames.GetFrame(i);
    if (frame.GetFlags()[1] != 0 || (frame.GetFlags()[0] & ~0x70) != 0) __builtin_trap();
    TouchFields(frame.GetCategoryObject());
  }
  return 0;
}
