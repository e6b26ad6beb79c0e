#include "ID3v2Fixtures.h"

#include "FrameFixtures.h"

#include <gtest/gtest.h>
#include <zlib.h>

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
