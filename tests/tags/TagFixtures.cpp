#include "TagFixtures.h"

#include "tags/ID3Codecs.h"
#include "tags/TagEnvironment.h"

#include "base/Streams.h"

std::string BigEndian(uint32_t value) {
  T4Bytes bytes = WriteBigEndian32(value);
  return std::string(bytes.begin(), bytes.end());
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

std::string ID3v2TagBytes(uint8_t majorVersion, uint8_t flags, const std::string& body) {
  T4Bytes size = WriteSyncsafe(static_cast<uint32_t>(body.size()));
  return std::string("ID3") + static_cast<char>(majorVersion) + '\0' + static_cast<char>(flags) +
         std::string(size.begin(), size.end()) + body;
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
