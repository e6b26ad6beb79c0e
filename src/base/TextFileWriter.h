#pragma once
// A text file written whole, then put in place: the text goes to a new file beside the
// target, which replaces the target in one step once complete. A write that fails or is
// cut short (a full disk, the program killed) leaves the target as it was; the stand-ins
// that killed writers left are removed by the next write of the target that succeeds. A
// read-only target is never replaced. Every failure raises EInOutError with the
// system's error text.

#include "FileUtils.h"
#include "StrUtils.h"

#include <cstdint>
#include <string>
#include <vector>

class TTextFileWriter {
public:
  // Creates the new file beside fileName under its first free stand-in name ("Log.t~1",
  // "Log.t~2", ...: no longer than the target's), found from one listing of the folder;
  // the target is not touched yet.
  explicit TTextFileWriter(const std::string& fileName);
  // Without Close the new file is deleted and the target stays as it was.
  ~TTextFileWriter();
  TTextFileWriter(const TTextFileWriter&) = delete;
  TTextFileWriter& operator=(const TTextFileWriter&) = delete;

  void Write(const std::string& text);
  void WriteLine(const std::string& line) { Write(line + CRLF); }
  // Puts the complete file in place of the target and removes the stand-ins found
  // beside it at the start; later writes raise.
  void Close();

private:
  void CreateStandIn();
  void RemoveLeftStandIns() const;
  // Abandons the new file and raises with the system's last error.
  [[noreturn]] void Fail(const std::string& fileName);
  void Abandon();

  std::string FFileName;
  std::string FNewFileName;
  THandle FHandle;
  std::vector<std::string> FLeftStandIns;  // paths of the target's stand-ins found at the start
};

// Replaces fileName with text through a TTextFileWriter.
void WriteTextFile(const std::string& fileName, const std::string& text);

// The call that writes the bytes (FileWrite); a test puts in one that fails part-way, as
// a full disk does. Returns the call it replaces.
using TFileWriteCall = int32_t (*)(THandle handle, const void* buffer, int32_t count);
TFileWriteCall SetTextFileWriteCall(TFileWriteCall write);
// The call that puts the complete file in place (MoveFileReplacing); a test puts in one
// that fails, as a locked target does. Returns the call it replaces.
using TFileReplaceCall = bool (*)(const std::string& source, const std::string& target);
TFileReplaceCall SetTextFileReplaceCall(TFileReplaceCall replace);
