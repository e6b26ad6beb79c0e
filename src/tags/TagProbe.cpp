#include "TagProbe.h"

#include "FileAccess.h"
#include "ID3v1.h"
#include "ID3v2HeaderEx.h"
#include "TagInfo.h"

namespace {

constexpr size_t kMajorVersion = 3;

}  // namespace

int64_t ProbeTags(TTagInfo& tagInfo) {
  THandle handle = tagInfo.FileInfo ? tagInfo.FileInfo->Handle : InvalidHandle;
  tagInfo.ReadOk = true;
  tagInfo.HasID3v1 = EndsInID3v1Tag(handle);

  TID3v2HeaderBytes header{};
  ReadAt(handle, 0, soBeginning, header.data(), ID3v2HeaderSize);
  tagInfo.HasID3v2 = IsID3v2Header(header);
  if (!tagInfo.HasID3v2) return 0;
  const uint8_t version = ID3v2VersionKind(header[kMajorVersion]);
  if (version < tvID3v22 || version > tvID3v24) tagInfo.ReadOk = false;
  return static_cast<int64_t>(ID3v2TagSize(header)) + ID3v2HeaderSize;
}
