#include "TextFileWriter.h"

#include "Exceptions.h"
#include "Locale.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

TFileWriteCall WriteCall = FileWrite;
TFileReplaceCall ReplaceCall = MoveFileReplacing;

}  // namespace

TFileWriteCall SetTextFileWriteCall(TFileWriteCall write) {
  return std::exchange(WriteCall, write ? write : FileWrite);
}

TFileReplaceCall SetTextFileReplaceCall(TFileReplaceCall replace) {
  return std::exchange(ReplaceCall, replace ? replace : MoveFileReplacing);
}

TTextFileWriter::TTextFileWriter(const std::string& fileName)
    : FFileName(fileName), FHandle(InvalidHandle) {
  CreateStandIn();
}

void TTextFileWriter::CreateStandIn() {
  // One listing tells the names taken, so that however many stand-ins killed writers
  // left, the first free number is found without trying each one. Every stand-in is as
  // long as the name, so the listing asks for names of that length only.
  const std::string folder = ExtractFilePath(FFileName), name = ExtractFileName(FFileName);
  std::set<std::string> taken;
  TSearchRec found;
  const std::string sameLength(name.size(), '?');
  for (int more = FindFirst(folder + sameLength, faAnyFile, found); more == 0; more = FindNext(found)) {
    taken.insert(AnsiLowerCase(found.Name));
    if (StandInNumber(found.Name, name) > 0) FLeftStandIns.push_back(folder + found.Name);
  }
  FindClose(found);
  // Among taken.size() + 1 numbers one is free, unless the name is so short that its
  // stand-ins repeat; a clash the listing missed only makes the set grow.
  for (int number = 1; number <= static_cast<int>(taken.size()) + 1; ++number) {
    const std::string standIn = StandInName(name, number);
    if (taken.count(AnsiLowerCase(standIn)) != 0) continue;
    FNewFileName = folder + standIn;
    FHandle = CreateNewFile(FNewFileName);
    if (FHandle != InvalidHandle) return;
    const uint32_t error = GetLastOSError();
    if (FileGetAttr(FNewFileName) == -1) {  // not a name clash: the folder refuses
      FNewFileName.clear();
      throw EInOutError(SysErrorMessage(error) + ": " + FFileName);
    }
    taken.insert(AnsiLowerCase(standIn));
  }
  FNewFileName.clear();
  throw EInOutError(std::string("No free name beside ").append(FFileName));
}

void TTextFileWriter::RemoveLeftStandIns() const {
  // A read-only file or a folder of that name is nobody's stand-in of ours.
  for (const std::string& standIn : FLeftStandIns) {
    const int32_t attributes = FileGetAttr(standIn);
    if (attributes != -1 && (attributes & (faReadOnly | faDirectory)) == 0) DeleteFile(standIn);
  }
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
  if (!ReplaceCall(FNewFileName, FFileName)) Fail(FFileName);
  FNewFileName.clear();
  RemoveLeftStandIns();
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
