#pragma once
// The text of an INI file with Windows profile semantics: section and key names match
// without regard to case, the first occurrence wins, values are trimmed and lose
// surrounding quotes on reading. Lines the reader does not use (comments, blank lines)
// are kept as they are.

#include "FoldedNameIndex.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TIniDocument {
public:
  void SetText(std::string_view text);
  // How many lines SetText makes of text, how many of them are section headers and how
  // long their names are together (each kept as a copy), and the longest line that names
  // a section or holds a key (those a reader finds and reads): what parsing it will keep
  // and what reading it may take, known before anything is kept.
  struct TExtent {
    size_t Lines = 0;
    size_t Sections = 0;
    size_t SectionNameBytes = 0;
    size_t LongestEntryLine = 0;
  };
  static TExtent ExtentOf(std::string_view text);
  void SetLines(std::vector<std::string> lines);
  std::string Text() const;  // every line followed by CRLF
  std::vector<std::string> Lines() const;
  void Clear();

  bool ReadValue(std::string_view section, std::string_view key, std::string& value) const;
  // Replaces the first occurrence; a new key goes after the last non-blank line of its
  // section, a new section at the end of the text.
  void WriteValue(const std::string& section, const std::string& key, const std::string& value);
  bool DeleteKey(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);

  bool SectionExists(const std::string& section) const;
  std::vector<std::string> Sections() const;
  std::vector<std::string> SectionKeys(const std::string& section) const;
  std::vector<std::string> SectionValues(const std::string& section) const;  // "key=value"

private:
  // A line SetText read is a place in the text it keeps (FRead), not a copy; a line
  // SetLines set or WriteValue wrote holds its own text. Key and value are places in the
  // line's text.
  struct Line {
    std::string Own;
    size_t Start = 0;  // in FRead, while Own is empty
    size_t Length = 0;
    size_t KeyStart = 0;
    size_t KeyLength = 0;  // 0 for lines that hold no key
    size_t ValueStart = 0;
    size_t ValueLength = 0;
  };
  struct Section {
    std::string Name;
    bool HasHeader = true;  // false for the lines before the first header
    std::vector<Line> Lines;
    TFoldedNameIndex KeyIndex;  // the lines' keys
  };

  std::string_view TextOf(const Line& line) const;
  std::string_view KeyOf(const Line& line) const { return TextOf(line).substr(line.KeyStart, line.KeyLength); }
  std::string_view ValueOf(const Line& line) const {
    return TextOf(line).substr(line.ValueStart, line.ValueLength);
  }
  static void ParseKey(Line& line, std::string_view text);  // text: the line's
  static Line KeyValueLine(std::string_view key, const std::string& value);
  static void CountLine(std::string_view text, std::vector<size_t>& sizes);
  void AddLine(Line line, const std::vector<size_t>& sizes);
  void Reindex();
  void ReindexKeys(Section& section) const;
  const Line* FindLine(const Section& section, std::string_view key) const;
  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);

  std::string FRead;  // the text SetText read
  std::vector<Section> FSections;
  TFoldedNameIndex FSectionIndex;  // the names of the sections with a header
  // The section found last: readers ask for many keys of one section in a row.
  mutable size_t FLastSection = NoSection;
  static constexpr size_t NoSection = static_cast<size_t>(-1);
};
