#pragma once
// The per-file tag records of the tag editor: the file entry it works on, the decoded
// MPEG header, the tag objects and the flags of pending work.

#include "FileInfo.h"
#include "Mpeg.h"

#include "base/Object.h"

#include <cstdint>
#include <utility>

class TMp3ID3v1;
class TMp3ID3v2;

// Owns one tag object. How to free it is taken where the object is handed over, so the
// record needs only a declaration of the tag class.
template <class T>
class TOwnedTag {
public:
  TOwnedTag() = default;
  ~TOwnedTag() { Free(); }
  TOwnedTag(const TOwnedTag&) = delete;
  TOwnedTag& operator=(const TOwnedTag&) = delete;

  // Takes ownership of tag, freeing the object held before.
  void Assign(T* tag) {
    if (tag == FTag) return;
    Free();
    FTag = tag;
    FFree = [](T* owned) { delete owned; };
  }
  void Free() {
    if (T* tag = std::exchange(FTag, nullptr)) FFree(tag);
  }
  T* Get() const { return FTag; }
  T* operator->() const { return FTag; }
  explicit operator bool() const { return FTag != nullptr; }

private:
  T* FTag = nullptr;
  void (*FFree)(T*) = nullptr;
};

class TCustomTagInfo : public TObject {
public:
  TCustomTagInfo() = default;
  TCustomTagInfo(const TCustomTagInfo&) = delete;
  TCustomTagInfo& operator=(const TCustomTagInfo&) = delete;

  // Attaches the entry (not owned) and takes over its larger-than-128-bytes flag.
  void SetFileInfo(TFileInfo* fileInfo);
  TFileInfo*& GetFileInfoRef() { return FileInfo; }

  TFileInfo* FileInfo = nullptr;
  int32_t RowIndex = 0;  // the file's data row in the tag editor
  bool IsValid = true;   // usable: larger than 128 bytes and an MPEG frame found
  bool ReadOk = true;    // the tags are supported and the last read succeeded
};

class TTagInfo : public TCustomTagInfo {
public:
  TTagInfo() = default;
  ~TTagInfo() override;

  TMpegHeader MpegHeader;
  TOwnedTag<TMp3ID3v1> ID3v1;
  TOwnedTag<TMp3ID3v2> ID3v2;
  bool HasID3v1 = false;  // the file ends in an ID3v1 tag
  bool HasID3v2 = false;  // the file starts with an ID3v2 tag
  bool NewID3v1 = false;  // the editor made a tag object for a file without the tag
  bool NewID3v2 = false;
  bool ChangedID3v1 = false;  // a write is pending
  bool ChangedID3v2 = false;
  bool RemoveID3v1 = false;  // the tag is to be removed on save
  bool RemoveID3v2 = false;
};
