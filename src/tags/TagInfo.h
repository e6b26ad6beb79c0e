#pragma once
// The per-file tag records of the tag editor: the file entry it works on, the decoded
// MPEG header, the tag objects and the flags of pending work.

#include "FileInfo.h"
#include "Mpeg.h"
#include "ProbedBytes.h"

#include "base/Object.h"

#include <cstdint>
#include <memory>

class TMp3ID3v1;
class TMp3ID3v2;

class TCustomTagInfo : public TObject {
public:
  TCustomTagInfo() = default;
  TCustomTagInfo(const TCustomTagInfo&) = delete;
  TCustomTagInfo& operator=(const TCustomTagInfo&) = delete;

  // Attaches the entry (not owned) and takes over its larger-than-128-bytes flag.
  void SetFileInfo(TFileInfo* fileInfo);
  TFileInfo*& GetFileInfoRef() { return FileInfo; }
  // The attached entry; EInvalidOperation when there is none.
  TFileInfo& GetEntry() const;

  TFileInfo* FileInfo = nullptr;
  int32_t RowIndex = 0;  // the file's data row in the tag editor
  bool IsValid = true;   // usable: larger than 128 bytes and an MPEG frame found
  bool ReadOk = true;    // the tags are supported and the last read succeeded
};

class TTagInfo : public TCustomTagInfo {
public:
  TTagInfo();
  ~TTagInfo() override;

  TMpegHeader MpegHeader;
  TProbedBytes Probed;  // what ProbeTags read, for the readers made right after it
  std::unique_ptr<TMp3ID3v1> ID3v1;
  std::unique_ptr<TMp3ID3v2> ID3v2;
  bool HasID3v1 = false;  // the file ends in an ID3v1 tag
  bool HasID3v2 = false;  // the file starts with an ID3v2 tag
  bool NewID3v1 = false;  // the editor made a tag object for a file without the tag
  bool NewID3v2 = false;
  bool ChangedID3v1 = false;  // a write is pending
  bool ChangedID3v2 = false;
  bool RemoveID3v1 = false;  // the tag is to be removed on save
  bool RemoveID3v2 = false;
};
