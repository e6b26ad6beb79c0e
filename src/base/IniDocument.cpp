#include "IniDocument.h"

#include "StrUtils.h"

#include <utility>

namespace {

std::string StripQuotes(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::string TIniDocument::Fold(const std::string& name) { return LowerCase(name); }

TIniDocument::Line TIniDocument::ParseLine(const std::string& text) {
  Line line{text, {}, {}};
  std::string trimmed = TrimLeft(text);
  if (trimmed.empty() || trimmed[0] == ';') return line;
  size_t eq = trimmed.find('=');
  if (eq == std::string::npos) return line;
  line.Key = Trim(trimmed.substr(0, eq));
  line.Value = Trim(trimmed.substr(eq + 1));
  return line;
}

void TIniDocument::Clear() {
  FSections.clear();
  FSectionIndex.clear();
}

void TIniDocument::SetText(const std::string& text) { SetLines(SplitLines(text)); }

void TIniDocument::SetLines(const std::vector<std::string>& lines) {
  Clear();
  for (const std::string& text : lines) {
    std::string trimmed = Trim(text);
    if (!trimmed.empty() && trimmed[0] == '[') {
      size_t close = trimmed.find(']');
      Section section;
      section.Name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos
                                                                       : close - 1));
      section.Lines.push_back(Line{text, {}, {}});  // the header keeps its own spelling
      FSections.push_back(std::move(section));
      continue;
    }
    if (FSections.empty()) {
      FSections.emplace_back();
      FSections.back().HasHeader = false;
    }
    FSections.back().Lines.push_back(ParseLine(text));
  }
  Reindex();
}

void TIniDocument::Reindex() {
  FSectionIndex.clear();
  for (size_t s = 0; s < FSections.size(); ++s) {
    if (FSections[s].HasHeader) FSectionIndex.emplace(Fold(FSections[s].Name), s);
    ReindexKeys(FSections[s]);
  }
}

void TIniDocument::ReindexKeys(Section& section) {
  section.KeyIndex.clear();
  for (size_t l = 0; l < section.Lines.size(); ++l)
    if (!section.Lines[l].Key.empty()) section.KeyIndex.emplace(Fold(section.Lines[l].Key), l);
}

std::vector<std::string> TIniDocument::Lines() const {
  std::vector<std::string> lines;
  for (const Section& section : FSections)
    for (const Line& line : section.Lines) lines.push_back(line.Text);
  return lines;
}

std::string TIniDocument::Text() const {
  std::string text;
  for (const std::string& line : Lines()) {
    text += line;
    text += "\r\n";
  }
  return text;
}

const TIniDocument::Section* TIniDocument::FindSection(const std::string& name) const {
  auto it = FSectionIndex.find(Fold(Trim(name)));
  return it == FSectionIndex.end() ? nullptr : &FSections[it->second];
}

TIniDocument::Section* TIniDocument::FindSection(const std::string& name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool TIniDocument::ReadValue(const std::string& section, const std::string& key,
                             std::string& value) const {
  const Section* s = FindSection(section);
  if (!s) return false;
  auto it = s->KeyIndex.find(Fold(Trim(key)));
  if (it == s->KeyIndex.end()) return false;
  value = StripQuotes(s->Lines[it->second].Value);
  return true;
}

void TIniDocument::WriteValue(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string name = Trim(key);
  Line line{name + "=" + value, name, Trim(value)};
  Section* s = FindSection(section);
  if (!s) {
    Section added;
    added.Name = Trim(section);
    added.Lines.push_back(Line{"[" + added.Name + "]", {}, {}});
    added.Lines.push_back(line);
    FSectionIndex.emplace(Fold(added.Name), FSections.size());
    FSections.push_back(std::move(added));
    ReindexKeys(FSections.back());
    return;
  }
  auto it = s->KeyIndex.find(Fold(name));
  if (it != s->KeyIndex.end()) {
    Line& existing = s->Lines[it->second];
    existing = Line{existing.Key + "=" + value, existing.Key, Trim(value)};
    return;
  }
  // After the section's last line that is not blank (comments included), so that the
  // blank lines separating sections stay where they are.
  const size_t first = s->HasHeader ? 1 : 0;
  size_t at = s->Lines.size();
  while (at > first && Trim(s->Lines[at - 1].Text).empty()) --at;
  if (at < s->Lines.size())
    for (auto& entry : s->KeyIndex)
      if (entry.second >= at) ++entry.second;
  s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(at), line);
  if (!name.empty()) s->KeyIndex.emplace(Fold(name), at);
}

bool TIniDocument::DeleteKey(const std::string& section, const std::string& key) {
  Section* s = FindSection(section);
  if (!s) return false;
  auto it = s->KeyIndex.find(Fold(Trim(key)));
  if (it == s->KeyIndex.end()) return false;
  s->Lines.erase(s->Lines.begin() + it->second);
  ReindexKeys(*s);
  return true;
}

void TIniDocument::EraseSection(const std::string& section) {
  const std::string folded = Fold(Trim(section));
  std::erase_if(FSections, [&](const Section& s) { return s.HasHeader && Fold(s.Name) == folded; });
  Reindex();
}

bool TIniDocument::SectionExists(const std::string& section) const {
  return FindSection(section) != nullptr;
}

std::vector<std::string> TIniDocument::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : FSections)
    if (s.HasHeader) names.push_back(s.Name);
  return names;
}

std::vector<std::string> TIniDocument::SectionKeys(const std::string& section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Line& line : s->Lines)
      if (!line.Key.empty()) keys.push_back(line.Key);
  return keys;
}

std::vector<std::string> TIniDocument::SectionValues(const std::string& section) const {
  std::vector<std::string> values;
  if (const Section* s = FindSection(section))
    for (const Line& line : s->Lines)
      if (!line.Key.empty()) values.push_back(line.Key + "=" + StripQuotes(line.Value));
  return values;
}
