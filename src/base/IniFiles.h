#pragma once
// INI files: TIniFile reads and writes its file on every call, as the Windows profile
// functions do; TMemIniFile works on its text in memory until UpdateFile. Files are read
// sharing them with every other program, and written whole to a new file that replaces
// the old one in one step. A file that is there but cannot be read as text (locked, a
// NUL byte in it) reads as empty and is never written over.

#include "IniDocument.h"
#include "Object.h"

#include <cstdint>
#include <string>
#include <string_view>

class TStrings;

class TCustomIniFile : public TObject {
public:
  explicit TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
  const std::string& FileName() const { return FFileName; }

  // Section and key names are views, so that a caller's literal names cost no copies.
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) = 0;
  virtual void WriteString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  virtual void ReadSection(const std::string& section, TStrings& keys) = 0;
  virtual void ReadSections(TStrings& sections) = 0;
  virtual void ReadSectionValues(const std::string& section, TStrings& values) = 0;
  virtual void EraseSection(const std::string& section) = 0;
  virtual void DeleteKey(const std::string& section, const std::string& key) = 0;
  virtual bool SectionExists(const std::string& section) = 0;
  virtual void UpdateFile() = 0;

  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  bool ReadBool(std::string_view section, std::string_view key, bool def);  // non-zero
  void WriteBool(const std::string& section, const std::string& key, bool value);  // "1"/"0"
  bool ValueExists(const std::string& section, const std::string& key);

protected:
  std::string FFileName;
};

class TIniFile : public TCustomIniFile {
public:
  using TCustomIniFile::TCustomIniFile;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) override;
  // Raises EIniFileException when the file cannot be written.
  void WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  void ReadSection(const std::string& section, TStrings& keys) override;
  void ReadSections(TStrings& sections) override;
  void ReadSectionValues(const std::string& section, TStrings& values) override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& key) override;
  bool SectionExists(const std::string& section) override;
  void UpdateFile() override {}

private:
  TIniDocument Load() const;  // an empty document when the file is missing or unreadable
  TIniDocument LoadForUpdate() const;  // raises EIniFileException when it is unreadable
  void Save(const TIniDocument& document) const;
};

class TMemIniFile : public TCustomIniFile {
public:
  // Reads fileName when it exists; an empty name gives an empty file in memory. A file
  // larger than maxSize counts as unreadable.
  explicit TMemIniFile(std::string fileName = {}, int64_t maxSize = INT32_MAX);
  // The file is there but could not be read: the text in memory is empty.
  bool Unreadable() const { return FUnreadable; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) override;
  void WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  void ReadSection(const std::string& section, TStrings& keys) override;
  void ReadSections(TStrings& sections) override;
  void ReadSectionValues(const std::string& section, TStrings& values) override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& key) override;
  bool SectionExists(const std::string& section) override;
  // Writes the text to FileName; raises EIniFileException on failure.
  void UpdateFile() override;

  void SetText(std::string_view text) { FDocument.SetText(text); }
  void SetStrings(const TStrings& strings);
  void GetStrings(TStrings& strings) const;
  void Clear() { FDocument.Clear(); }

private:
  TIniDocument FDocument;
  bool FUnreadable = false;
};
