#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/TagEnvironment.h"

#include "base/Streams.h"
#include "base/StrUtils.h"

std::string BigEndian(uint32_t value) {
  T4Bytes bytes = WriteBigEndian32(value);
  return std::string(bytes.begin(), bytes.end());
}

uint32_t HeaderWord(const TFrameFields& fields) {
  return 0xFFE00000u | (uint32_t{fields.Version} << 19) | (uint32_t{fields.Layer} << 17) |
         (fields.Crc ? 0u : 1u) << 16 | (uint32_t{fields.BitrateIndex} << 12) |
         (uint32_t{fields.SampleRateIndex} << 10) | (fields.Padding ? 1u : 0u) << 9 |
         (uint32_t{fields.ChannelMode} << 6);
}

std::string Frame(const TFrameFields& fields, uint32_t frameSize, const std::string& body) {
  std::string frame = BigEndian(HeaderWord(fields)) + body;
  frame.resize(frameSize, '\0');
  return frame;
}

std::string Frames(const TFrameFields& fields, uint32_t frameSize, int count) {
  std::string frames;
  for (int i = 0; i < count; ++i) frames += Frame(fields, frameSize);
  return frames;
}

std::string XingBody(uint32_t xingOffset, const std::string& tag, uint32_t flags,
                     uint32_t frames, uint32_t bytes, uint32_t quality) {
  std::string body(xingOffset - 4, '\0');
  body += tag + BigEndian(flags);
  if (flags & 1) body += BigEndian(frames);
  if (flags & 2) body += BigEndian(bytes);
  if (flags & 4) body += std::string(100, '\x7F');
  if (flags & 8) body += BigEndian(quality);
  return body;
}


std::string ID3v1Tag(const std::string& title, const std::string& artist,
                     const std::string& album, const std::string& year,
                     const std::string& comment, uint8_t track, uint8_t genre) {
  auto field = [](std::string text, size_t width) {
    text.resize(width, '\0');
    return text;
  };
  std::string tag = "TAG" + field(title, 30) + field(artist, 30) + field(album, 30) +
                    field(year, 4);
  if (track == 0) return tag + field(comment, 30) + static_cast<char>(genre);
  return tag + field(comment, 28) + '\0' + static_cast<char>(track) + static_cast<char>(genre);
}

std::string ID3v2FrameBytes(uint8_t majorVersion, const std::string& id, const std::string& body,
                            uint8_t status, uint8_t format) {
  uint32_t size = static_cast<uint32_t>(body.size());
  T4Bytes sizeBytes = majorVersion == 4 ? WriteSyncsafe(size) : WriteBigEndian32(size);
  return id + std::string(sizeBytes.begin(), sizeBytes.end()) + static_cast<char>(status) +
         static_cast<char>(format) + body;
}

std::string ID3v22FrameBytes(const std::string& id, const std::string& body) {
  const auto size = static_cast<uint32_t>(body.size());
  return id + static_cast<char>(size >> 16) + static_cast<char>(size >> 8) +
         static_cast<char>(size) + body;
}

std::string ID3v2TagBytes(uint8_t majorVersion, uint8_t flags, const std::string& body) {
  T4Bytes size = WriteSyncsafe(static_cast<uint32_t>(body.size()));
  return std::string("ID3") + static_cast<char>(majorVersion) + '\0' + static_cast<char>(flags) +
         std::string(size.begin(), size.end()) + body;
}

std::string TypicalTaggedFile(int i, const std::string& audio) {
  using namespace std::string_literals;
  const uint8_t major = i % 2 ? 3 : 4;
  const std::string track = IntToStr(i % 20 + 1);
  auto text = [&](const char* id, const std::string& value) {
    return ID3v2FrameBytes(major, id, TextBody(value));
  };
  std::string frames = text("TIT2", "Title of song " + IntToStr(i)) + text("TPE1", "Some Artist") +
                       text("TALB", "An Album") + text("TRCK", track + "/20") +
                       text("TCON", "Rock") + text(major == 3 ? "TYER" : "TDRC", "2004") +
                       ID3v2FrameBytes(major, "COMM", "\0eng\0A comment"s) +
                       ID3v2FrameBytes(major, "TXXX", "\0MOOD\0calm"s);
  if (i % 3 == 0)
    frames += ID3v2FrameBytes(major, "APIC", "\0image/jpeg\0\x03\0"s + Junk(4096));
  return ID3v2TagBytes(major, 0, frames + std::string(512, '\0')) + audio +
         ID3v1Tag("Title of song", "Some Artist", "An Album", "2004", "A comment",
                  static_cast<uint8_t>(StrToInt(track)), 17);
}

TListedFile::TListedFile(const std::string& bytes, uint32_t openMode, const std::string& name) {
  SetListedFolder(FFolder.Path());
  FFolder.WriteFile(name + ".mp3", bytes);
  Entry.Name = name;
  Entry.NewName = name;
  Entry.OpenMode = openMode;
  Entry.Opened = true;
  Entry.LargerThan128 = bytes.size() > 128;
  Entry.Handle = FileOpen(Path(), openMode);
  Info.SetFileInfo(&Entry);
}

TListedFile::~TListedFile() {
  Close();
  SetListedFolder("");
}

void TListedFile::Close() {
  if (Entry.Handle != InvalidHandle) FileClose(Entry.Handle);
  Entry.Handle = InvalidHandle;
}

std::string TListedFile::Path() const { return FFolder.Path() + Entry.Name + ".mp3"; }

std::string TListedFile::Contents() const {
  // Shared for writing too: the entry's own handle may be open for writing.
  TFileStream stream(Path(), fmOpenRead | fmShareDenyNone);
  std::string bytes(static_cast<size_t>(stream.Size()), '\0');
  stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}
