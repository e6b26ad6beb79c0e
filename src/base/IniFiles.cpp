#include "IniFiles.h"

#include "Exceptions.h"
#include "FileUtils.h"
#include "UpdateScope.h"
#include "Streams.h"
#include "StrUtils.h"
#include "Strings.h"
#include "TextFileWriter.h"

#include <utility>

namespace {

void Fill(TStrings& target, const std::vector<std::string>& items) {
  WithUpdate(target, [&] {
    target.Clear();
    for (const std::string& item : items) target.Add(item);
  });
}

enum class TReadResult { Read, Missing, Unreadable };

// Unreadable covers a file that is locked against reading, not a plain file, larger
// than maxSize, or not text at all (a NUL byte). Other programs may go on reading and
// writing the file meanwhile.
TReadResult ReadWholeFile(const std::string& fileName, int64_t maxSize, std::string& text) {
  if (!FileExists(fileName)) return TReadResult::Missing;
  try {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
    const int64_t size = stream.Size();
    if (size > maxSize) return TReadResult::Unreadable;
    text.assign(static_cast<size_t>(CheckedInt32(size)), '\0');
    if (!text.empty()) stream.ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
  } catch (const Exception&) {
    return TReadResult::Unreadable;
  }
  return text.find('\0') == std::string::npos ? TReadResult::Read : TReadResult::Unreadable;
}

// The file's document; empty when it is missing or unreadable.
TIniDocument ReadDocument(const std::string& fileName, int64_t maxSize, TReadResult& result) {
  TIniDocument document;
  std::string text;
  result = ReadWholeFile(fileName, maxSize, text);
  if (result == TReadResult::Read) document.SetText(text);
  return document;
}

void WriteWholeFile(const std::string& fileName, const std::string& text) {
  try {
    WriteTextFile(fileName, text);
  } catch (const Exception& e) {
    throw EIniFileException("Unable to write to " + fileName + ": " + e.Message());
  }
}

}  // namespace

// --- TCustomIniFile ------------------------------------------------------------------

int32_t TCustomIniFile::ReadInteger(std::string_view section, std::string_view key,
                                    int32_t def) {
  return StrToIntDef(ReadString(section, key, ""), def);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& key,
                                  int32_t value) {
  WriteString(section, key, IntToStr(value));
}

bool TCustomIniFile::ReadBool(std::string_view section, std::string_view key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& key) {
  TStringList keys;
  ReadSection(section, keys);
  return keys.IndexOf(key) >= 0;
}

// --- TIniFile ------------------------------------------------------------------------

TIniDocument TIniFile::Load() const {
  TReadResult result;
  return ReadDocument(FFileName, INT32_MAX, result);
}

// A file that is there but cannot be read is never replaced by the one changed key.
TIniDocument TIniFile::LoadForUpdate() const {
  TReadResult result;
  TIniDocument document = ReadDocument(FFileName, INT32_MAX, result);
  if (result == TReadResult::Unreadable)
    throw EIniFileException("Unable to read " + FFileName + " to change it");
  return document;
}

void TIniFile::Save(const TIniDocument& document) const {
  WriteWholeFile(FFileName, document.Text());
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) {
  std::string value;
  if (!Load().ReadValue(section, key, value)) return std::string(def);
  return value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  TIniDocument document = LoadForUpdate();
  document.WriteValue(section, key, value);
  Save(document);
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys) {
  Fill(keys, Load().SectionKeys(section));
}

void TIniFile::ReadSections(TStrings& sections) { Fill(sections, Load().Sections()); }

void TIniFile::ReadSectionValues(const std::string& section, TStrings& values) {
  Fill(values, Load().SectionValues(section));
}

void TIniFile::EraseSection(const std::string& section) {
  TIniDocument document = LoadForUpdate();
  if (!document.SectionExists(section)) return;
  document.EraseSection(section);
  Save(document);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  TIniDocument document = LoadForUpdate();
  if (document.DeleteKey(section, key)) Save(document);
}

bool TIniFile::SectionExists(const std::string& section) {
  return Load().SectionExists(section);
}

// --- TMemIniFile ---------------------------------------------------------------------

TMemIniFile::TMemIniFile(std::string fileName, int64_t maxSize)
    : TCustomIniFile(std::move(fileName)) {
  if (FFileName.empty()) return;
  TReadResult result;
  FDocument = ReadDocument(FFileName, maxSize, result);
  FUnreadable = result == TReadResult::Unreadable;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) {
  std::string value;
  if (!FDocument.ReadValue(section, key, value)) return std::string(def);
  return value;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  FDocument.WriteValue(section, key, value);
}

void TMemIniFile::ReadSection(const std::string& section, TStrings& keys) {
  Fill(keys, FDocument.SectionKeys(section));
}

void TMemIniFile::ReadSections(TStrings& sections) { Fill(sections, FDocument.Sections()); }

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings& values) {
  Fill(values, FDocument.SectionValues(section));
}

void TMemIniFile::EraseSection(const std::string& section) { FDocument.EraseSection(section); }

void TMemIniFile::DeleteKey(const std::string& section, const std::string& key) {
  FDocument.DeleteKey(section, key);
}

bool TMemIniFile::SectionExists(const std::string& section) {
  return FDocument.SectionExists(section);
}

void TMemIniFile::UpdateFile() { WriteWholeFile(FFileName, FDocument.Text()); }

void TMemIniFile::SetStrings(const TStrings& strings) {
  std::vector<std::string> lines;
  lines.reserve(strings.Count());
  for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings.Get(i));
  FDocument.SetLines(std::move(lines));
}

void TMemIniFile::GetStrings(TStrings& strings) const { Fill(strings, FDocument.Lines()); }
