#pragma once
// A text file written from the start, line by line, as the class library's text files
// are: every failure raises EInOutError with the system's error text.

#include "FileUtils.h"
#include "StrUtils.h"

#include <string>

class TTextFileWriter {
public:
  // Creates the file, replacing one that exists.
  explicit TTextFileWriter(const std::string& fileName);
  ~TTextFileWriter();
  TTextFileWriter(const TTextFileWriter&) = delete;
  TTextFileWriter& operator=(const TTextFileWriter&) = delete;

  void Write(const std::string& text);
  void WriteLine(const std::string& line) { Write(line + CRLF); }
  // Closes the file; later writes raise.
  void Close();

private:
  [[noreturn]] void Fail() const;

  std::string FFileName;
  THandle FHandle;
};
