#include "TextFileWriter.h"

#include "Exceptions.h"

#include <algorithm>

TTextFileWriter::TTextFileWriter(const std::string& fileName)
    : FFileName(fileName), FHandle(FileCreate(fileName)) {
  if (FHandle == InvalidHandle) Fail();
}

TTextFileWriter::~TTextFileWriter() {
  if (FHandle != InvalidHandle) FileClose(FHandle);
}

void TTextFileWriter::Write(const std::string& text) {
  if (FHandle == InvalidHandle) throw EInOutError("File not open: " + FFileName);
  size_t done = 0;
  while (done < text.size()) {
    int32_t n = FileWrite(FHandle, text.data() + done,
                          static_cast<int32_t>(std::min<size_t>(text.size() - done, 1 << 20)));
    if (n <= 0) Fail();
    done += static_cast<size_t>(n);
  }
}

void TTextFileWriter::Close() {
  if (FHandle == InvalidHandle) return;
  FileClose(FHandle);
  FHandle = InvalidHandle;
}

void TTextFileWriter::Fail() const {
  throw EInOutError(SysErrorMessage(GetLastOSError()) + ": " + FFileName);
}
