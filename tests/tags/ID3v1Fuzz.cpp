// Fuzz target: the tag probe and the ID3v1 reader on any file; a tag written back reads
// back the same (an ID3v1.0 comment whole while there is no track number).
#include "FuzzFile.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v1.h"
#include "tags/TagProbe.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFuzzFile file(data, size);
  ProbeTags(file.Info);
  TMp3ID3v1 tag(file.Info, false);
  if (!tag.ReadTag()) return 0;
  if (tag.GetTitle().size() > 30 || tag.GetComment().size() > 30 || tag.GetYear().size() > 4)
    __builtin_trap();
  GenreIndexOf(tag.GetTitle());

  if (!tag.WriteTag(file.Info)) __builtin_trap();
  TMp3ID3v1 reread(file.Info, false);
  // Written as ID3v1.1, or ID3v1.0 keeping a long comment as read; without a track
  // number either reads as ID3v1.0.
  uint8_t version = tag.GetTrack() != 0 ? tvID3v11 : tvID3v10;
  if (!reread.ReadTag() || reread.GetVersion() != version) __builtin_trap();
  if (reread.GetTitle() != tag.GetTitle() || reread.GetArtist() != tag.GetArtist() ||
      reread.GetAlbum() != tag.GetAlbum() || reread.GetYear() != tag.GetYear() ||
      reread.GetGenre() != tag.GetGenre() ||
      reread.GetComment() !=
          (tag.GetTrack() != 0 ? tag.GetComment().substr(0, 28) : tag.GetComment()))
    __builtin_trap();
  return 0;
}
