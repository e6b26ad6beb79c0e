#pragma once
// The text of an INI file with Windows profile semantics: section and key names match
// without regard to case, the first occurrence wins, values are trimmed and lose
// surrounding quotes on reading. Lines the reader does not use (comments, blank lines)
// are kept as they are.

#include <string>
#include <unordered_map>
#include <vector>

class TIniDocument {
public:
  void SetText(const std::string& text);
  void SetLines(const std::vector<std::string>& lines);
  std::string Text() const;  // every line followed by CRLF
  std::vector<std::string> Lines() const;
  void Clear();

  bool ReadValue(const std::string& section, const std::string& key, std::string& value) const;
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
  struct Line {
    std::string Text;  // as read, or as written by WriteValue
    std::string Key;   // empty for lines that hold no key
    std::string Value;
  };
  struct Section {
    std::string Name;
    bool HasHeader = true;  // false for the lines before the first header
    std::vector<Line> Lines;
    std::unordered_map<std::string, size_t> KeyIndex;  // folded key -> first line
  };

  static std::string Fold(const std::string& name);
  static Line ParseLine(const std::string& text);
  void Reindex();
  static void ReindexKeys(Section& section);
  const Section* FindSection(const std::string& name) const;
  Section* FindSection(const std::string& name);

  std::vector<Section> FSections;
  std::unordered_map<std::string, size_t> FSectionIndex;  // folded name -> first section
};
