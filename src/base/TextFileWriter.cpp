#include "TextFileWriter.h"

#include "Exceptions.h"

#include <algorithm>
#include <utility>

namespace {

TFileWriteCall WriteCall = FileWrite;

// Enough names for the copies that killed writers may have left behind.
constexpr int kNewFileNames = 100;

}  // namespace

TFileWriteCall SetTextFileWriteCall(TFileWriteCall write) {
  return std::exchange(WriteCall, write ? write : FileWrite);
}

TTextFileWriter::TTextFileWriter(const std::string& fileName)
    : FFileName(fileName), FHandle(InvalidHandle) {
  for (int attempt = 1; attempt <= kNewFileNames; ++attempt) {
    FNewFileName = ExtractFilePath(fileName) + StandInName(ExtractFileName(fileName), attempt);
    FHandle = CreateNewFile(FNewFileName);
    if (FHandle != InvalidHandle) return;
    const uint32_t error = GetLastOSError();
    if (FileGetAttr(FNewFileName) == -1) {  // not a name clash: the folder refuses
      FNewFileName.clear();
      throw EInOutError(SysErrorMessage(error) + ": " + fileName);
    }
  }
  FNewFileName.clear();
  throw EInOutError(std::string("No free name beside ").append(fileName));
}

TTextFileWriter::~TTextFileWriter() { Abandon(); }

void TTextFileWriter::Write(const std::string& text) {
  if (FHandle == InvalidHandle) throw EInOutError("File not open: " + FFileName);
  size_t done = 0;
  while (done < text.size()) {
    int32_t n = WriteCall(FHandle, text.data() + done,
                          static_cast<int32_t>(std::min<size_t>(text.size() - done, 1 << 20)));
    if (n <= 0) Fail(FFileName);
    done += static_cast<size_t>(n);
  }
}

void TTextFileWriter::Close() {
  if (FHandle == InvalidHandle) return;
  FileClose(FHandle);
  FHandle = InvalidHandle;
  if (!MoveFileReplacing(FNewFileName, FFileName)) Fail(FFileName);
  FNewFileName.clear();
}

void TTextFileWriter::Fail(const std::string& fileName) {
  const uint32_t error = GetLastOSError();
  Abandon();
  throw EInOutError(SysErrorMessage(error) + ": " + fileName);
}

void TTextFileWriter::Abandon() {
  if (FHandle != InvalidHandle) FileClose(FHandle);
  FHandle = InvalidHandle;
  if (!FNewFileName.empty()) DeleteFile(FNewFileName);
  FNewFileName.clear();
}

void WriteTextFile(const std::string& fileName, const std::string& text) {
  TTextFileWriter writer(fileName);
  writer.Write(text);
  writer.Close();
}
