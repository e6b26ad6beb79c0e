#include "TagInfo.h"

#include "ID3v1.h"
#include "ID3v2.h"

#include "base/Exceptions.h"

void TCustomTagInfo::SetFileInfo(TFileInfo* fileInfo) {
  FileInfo = fileInfo;
  IsValid = fileInfo != nullptr && fileInfo->LargerThan128;
}

TFileInfo& TCustomTagInfo::GetEntry() const {
  if (!FileInfo) throw EInvalidOperation("The tag record has no file entry");
  return *FileInfo;
}

TTagInfo::TTagInfo() = default;

// Here, where the tag classes are complete.
TTagInfo::~TTagInfo() = default;
