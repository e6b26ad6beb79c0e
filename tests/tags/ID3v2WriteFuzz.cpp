// Fuzz target: read, write, read again. The first input byte chooses what happens (bit 0:
// the file ends in an ID3v1 tag; bit 1: remove it; bit 2: remove the ID3v2 tag; bit 3:
// give the title a text of (byte >> 4) * 40 characters); the rest is the start of the
// file, followed by a stream of MPEG frames. A write that fails leaves the file as it
// was; one that succeeds keeps the audio and the ID3v1 tag byte for byte (a removal also
// takes the ID3v2 tags stacked behind the first), writes frames
// that read back to the same bodies, and saving again writes the same bytes, also once
// every text was looked at as the user sees it (multi-line text with CR LF).
#include "tags/FileAccess.h"
#include "tags/ID3Codecs.h"
#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2.h"
#include "tags/ID3v2FrameBody.h"
#include "tags/TagEnvironment.h"
#include "tags/TagInfo.h"
#include "tags/TagProbe.h"

#include "base/FileUtils.h"
#include "base/Streams.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using TFileBytes = std::vector<uint8_t>;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A folder of its own for the file and its temporary copies, made once.
const std::string& Folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/tags-write-fuzz-XXXXXX";
    Check(mkdtemp(pattern) != nullptr);
    return std::string(pattern) + "\\";
  }();
  return folder;
}

TFileBytes Audio() {
  TFileBytes audio;
  for (int frame = 0; frame < 3; ++frame) {
    TFileBytes bytes(417, 0x55);
    bytes[0] = 0xFF, bytes[1] = 0xFB, bytes[2] = 0x90, bytes[3] = 0x64;
    bytes[200] = 0xFF, bytes[201] = 0x00;
    audio.insert(audio.end(), bytes.begin(), bytes.end());
  }
  return audio;
}

TFileBytes ID3v1Tag() {
  TFileBytes tag(128, 0);
  tag[0] = 'T', tag[1] = 'A', tag[2] = 'G', tag[3] = 'x', tag[127] = 17;
  return tag;
}

TFileBytes Contents(const std::string& path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  return stream.Bytes();
}

// The bytes a tag at offset at takes, header and footer included; 0 where none starts.
size_t OldTagExtent(const TFileBytes& file, size_t at = 0) {
  if (file.size() < at + 10 || file[at] != 'I' || file[at + 1] != 'D' || file[at + 2] != '3')
    return 0;
  const uint8_t* size = &file[at + 6];
  uint64_t end = at + 10 + uint64_t{ReadSyncsafe({size[0], size[1], size[2], size[3]})};
  bool footer = (file[at + 5] & 0x10) && end + 3 <= file.size() && file[end] == '3' &&
                file[end + 1] == 'D' && file[end + 2] == 'I';
  return static_cast<size_t>(std::min<uint64_t>(end + (footer ? 10 : 0), file.size() + 1) - at);
}

// Where the tags stacked directly behind the first one end, as far as they fit before
// limit: a removal takes them all.
size_t StackedTagsEnd(const TFileBytes& file, size_t start, size_t limit) {
  for (size_t extent; (extent = OldTagExtent(file, start)) > 0 && start + extent <= limit;)
    start += extent;
  return start;
}

// The ID and the encoded body of each frame that has one, in the order they are written.
std::vector<std::pair<std::string, TBytes>> Written(TMp3ID3v2& tag) {
  std::vector<std::pair<std::string, TBytes>> written;
  TFrameListManager& frames = tag.GetFrameList();
  for (TFrameSubListManager* subList : {&frames.GetPrimarySubList(), &frames.GetOtherSubList()}) {
    for (int32_t i = 0; i < subList->GetCount(); ++i) {
      TBytes body = WriteFrameBody(subList->GetFrameCategory(i));
      if (!body.empty()) written.push_back({subList->GetFrame(i).GetID(), std::move(body)});
    }
  }
  return written;
}

struct TListed {
  explicit TListed(uint32_t openMode = fmOpenReadWrite | fmShareDenyWrite) {
    Entry.Name = "fuzz";
    Entry.OpenMode = openMode;
    Entry.Handle = FileOpen(ListedFilePath(Entry.Name, Mp3Extension), openMode);
    Check(Entry.Handle != InvalidHandle);
    Info.SetFileInfo(&Entry);
    ProbeTags(Info);
  }
  ~TListed() { FileClose(Entry.Handle); }
  TFileInfo Entry;
  TTagInfo Info;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const TFileBytes audio = Audio(), id3v1 = ID3v1Tag();
  const uint8_t mode = data[0];
  SetListedFolder(Folder());
  const std::string path = ListedFilePath("fuzz", Mp3Extension);

  TFileBytes original(data + 1, data + size);
  original.insert(original.end(), audio.begin(), audio.end());
  if (mode & 1) original.insert(original.end(), id3v1.begin(), id3v1.end());
  {
    TFileStream file(path, fmCreate);
    file.WriteBuffer(original.data(), static_cast<int32_t>(original.size()));
  }
  const size_t oldExtent = OldTagExtent(original);
  const bool hasID3v1 = (mode & 1) != 0 && original.size() >= oldExtent + 128;
  const bool keepID3v1 = hasID3v1 && !(mode & 2);

  TListed listed;
  TTagInfo& info = listed.Info;
  bool readable = info.HasID3v2 && info.ReadOk;
  TMp3ID3v2 tag(info, !readable);
  if (readable && !tag.ReadTag()) return 0;
  info.RemoveID3v1 = (mode & 2) != 0;
  info.RemoveID3v2 = (mode & 4) != 0;
  if (mode & 8) {
    TFrameListManager& frames = tag.GetFrameList();
    int32_t index = frames.GetPrimarySubList().IndexOfKind(fiTIT2, 1);
    if (index < 0) index = frames.NewFrame(fiTIT2);
    std::string title((mode >> 4) * 40 + 1, 't');
    frames.GetPrimarySubList().GetFrameCategory(index).SetTextString(title);
  }

  if (!tag.WriteTag(info)) {
    Check(Contents(path) == original);
    return 0;
  }
  Check(oldExtent <= original.size());
  const TFileBytes written = Contents(path);
  const size_t removedTo =
      info.RemoveID3v2 && oldExtent > 0
          ? StackedTagsEnd(original, oldExtent, original.size() - (hasID3v1 ? 128 : 0))
          : oldExtent;
  TFileBytes kept(original.begin() + static_cast<std::ptrdiff_t>(removedTo),
                  original.end() - (hasID3v1 && !keepID3v1 ? 128 : 0));
  Check(written.size() >= kept.size());
  const size_t newExtent = written.size() - kept.size();
  Check(std::equal(kept.begin(), kept.end(),
                   written.begin() + static_cast<std::ptrdiff_t>(newExtent)));
  Check(info.HasID3v1 == keepID3v1);
  if (info.RemoveID3v2) {
    Check(newExtent == 0 && !info.HasID3v2);
    return 0;
  }
  Check(newExtent == OldTagExtent(written) && written[3] == 4);

  std::vector<std::pair<std::string, TBytes>> expected = Written(tag);
  {
    TListed again;
    TMp3ID3v2 reread(again.Info, false);
    Check(reread.ReadTag());
    std::vector<std::pair<std::string, TBytes>> found = Written(reread);
    Check(found == expected);
  }
  TFrameListManager& frames = tag.GetFrameList();
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    TMp3ID3v2FrameCatBase& frame = frames.GetFrameCategory(i);
    if (frame.GetCategory() != fcUrl) frame.GetText();  // URL frames give their text as a string only
  }
  info.RemoveID3v1 = false;
  Check(tag.WriteTag(info));
  Check(Contents(path) == written);
  return 0;
}
