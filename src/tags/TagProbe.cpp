#include "TagProbe.h"

#include "FileAccess.h"
#include "ID3Codecs.h"
#include "ID3TagsUtils.h"
#include "ID3v1.h"
#include "TagInfo.h"

#include <algorithm>
#include <array>

namespace {

constexpr int32_t kID3v2HeaderSize = 10;
constexpr size_t kMajorVersion = 3, kSizeField = 6;
const std::array<uint8_t, 3> kID3v2Marker = {'I', 'D', '3'};

}  // namespace

int64_t ProbeTags(TTagInfo& tagInfo) {
  THandle handle = tagInfo.FileInfo ? tagInfo.FileInfo->Handle : InvalidHandle;
  tagInfo.ReadOk = true;
  tagInfo.HasID3v1 = EndsInID3v1Tag(handle);

  std::array<uint8_t, kID3v2HeaderSize> header{};
  ReadAt(handle, 0, soBeginning, header.data(), kID3v2HeaderSize);
  tagInfo.HasID3v2 = std::equal(kID3v2Marker.begin(), kID3v2Marker.end(), header.begin());
  if (!tagInfo.HasID3v2) return 0;
  if (ID3v2VersionKind(header[kMajorVersion]) < tvID3v23) tagInfo.ReadOk = false;
  T4Bytes size = {header[kSizeField], header[kSizeField + 1], header[kSizeField + 2],
                  header[kSizeField + 3]};
  return static_cast<int64_t>(ReadSyncsafe(size)) + kID3v2HeaderSize;
}
