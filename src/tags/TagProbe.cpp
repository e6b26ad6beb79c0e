#include "TagProbe.h"

#include "FileAccess.h"
#include "ID3v1.h"
#include "ID3v2HeaderEx.h"
#include "TagInfo.h"

#include <algorithm>

namespace {

constexpr size_t kMajorVersion = 3;
// The first read takes the ID3v2 header and, behind a tag of ordinary size without a
// picture, the whole tag and the first MPEG frame with its Xing data.
constexpr int32_t kHeadRead = 2048;

// The file's size, first bytes and last 128 bytes, one read for each end.
void ReadProbedBytes(THandle handle, TProbedBytes& probed) {
  probed = {};
  if (handle == InvalidHandle) return;
  probed.Handle = handle;
  probed.FileSize = FileSizeOf(handle);
  if (probed.FileSize >= ID3v1TagSize) {
    probed.Tail.resize(ID3v1TagSize);
    probed.Tail.resize(static_cast<size_t>(ReadAt(handle, probed.FileSize - ID3v1TagSize,
                                                  soBeginning, probed.Tail.data(), ID3v1TagSize)));
  }
  probed.Head.resize(kHeadRead);
  probed.Head.resize(static_cast<size_t>(ReadAt(handle, 0, soBeginning, probed.Head.data(), kHeadRead)));
}

}  // namespace

int64_t ProbeTags(TTagInfo& tagInfo) {
  THandle handle = tagInfo.FileInfo ? tagInfo.FileInfo->Handle : InvalidHandle;
  TProbedBytes& probed = tagInfo.Probed;
  ReadProbedBytes(handle, probed);
  tagInfo.ReadOk = true;
  tagInfo.HasID3v1 = IsID3v1Tag(probed.Tail);

  TID3v2HeaderBytes header{};
  std::copy_n(probed.Head.begin(), std::min(probed.Head.size(), header.size()), header.begin());
  tagInfo.HasID3v2 = IsID3v2Header(header);
  if (!tagInfo.HasID3v2) return 0;
  const uint8_t version = ID3v2VersionKind(header[kMajorVersion]);
  if (version < tvID3v22 || version > tvID3v24) tagInfo.ReadOk = false;
  return static_cast<int64_t>(ID3v2TagSize(header)) + ID3v2HeaderSize;
}
