#include "TagInfo.h"

void TCustomTagInfo::SetFileInfo(TFileInfo* fileInfo) {
  FileInfo = fileInfo;
  IsValid = fileInfo != nullptr && fileInfo->LargerThan128;
}

TTagInfo::~TTagInfo() {
  ID3v1.Free();
  ID3v2.Free();
  FileInfo = nullptr;
}
