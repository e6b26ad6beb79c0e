#include "ID3v2Fixtures.h"

#include "FrameFixtures.h"

#include "tags/ID3Codecs.h"

#include <gtest/gtest.h>
#include <zlib.h>

std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (std::string_view part : parts) joined += part;
  return joined;
}

std::string ID3v2FrameBytes(uint8_t majorVersion, const std::string& id, const std::string& body,
                            uint8_t status, uint8_t format) {
  uint32_t size = static_cast<uint32_t>(body.size());
  T4Bytes sizeBytes = majorVersion == 4 ? WriteSyncsafe(size) : WriteBigEndian32(size);
  return id + std::string(sizeBytes.begin(), sizeBytes.end()) + static_cast<char>(status) +
         static_cast<char>(format) + body;
}

std::string TextBody(const std::string& text) { return std::string(1, '\0') + text; }

std::string ID3v2TagBytes(uint8_t majorVersion, uint8_t flags, const std::string& body) {
  T4Bytes size = WriteSyncsafe(static_cast<uint32_t>(body.size()));
  return std::string("ID3") + static_cast<char>(majorVersion) + '\0' + static_cast<char>(flags) +
         std::string(size.begin(), size.end()) + body;
}

std::string Deflated(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  EXPECT_EQ(compress(reinterpret_cast<Bytef*>(out.data()), &size,
                     reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size())),
            Z_OK);
  out.resize(size);
  return out;
}

std::string FrameList(const TFrameListManager& frames) {
  std::string list;
  for (int32_t i = 0; i < frames.GetCount(); ++i) {
    const TMp3ID3v2Frame& frame = frames.GetFrame(i);
    if (i) list += ' ';
    list += frame.GetID() + "{" + Summary(frame.GetCategoryObject()) + "}";
  }
  return list;
}

std::string FramesInFile(TTagInfo& info) {
  TMp3ID3v2 tag(info, false);
  EXPECT_TRUE(tag.ReadTag());
  return FrameList(tag.GetFrameList());
}
