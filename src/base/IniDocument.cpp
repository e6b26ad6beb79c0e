#include "IniDocument.h"

#include "StrUtils.h"

#include <utility>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimView(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

TIniDocument::Line TIniDocument::ParseLine(std::string text) {
  Line line{std::move(text), {}, {}};
  const std::string_view trimmed = TrimView(line.Text);
  if (trimmed.empty() || trimmed[0] == ';') return line;
  const size_t eq = trimmed.find('=');
  if (eq == std::string_view::npos) return line;
  line.Key = TrimView(trimmed.substr(0, eq));
  line.Value = TrimView(trimmed.substr(eq + 1));
  return line;
}

void TIniDocument::Clear() {
  FSections.clear();
  FSectionIndex.Clear();
  FLastSection = NoSection;
}

void TIniDocument::SetText(const std::string& text) { SetLines(SplitLines(text)); }

namespace {

bool IsHeader(std::string_view trimmed) { return !trimmed.empty() && trimmed[0] == '['; }

}  // namespace

void TIniDocument::SetLines(std::vector<std::string> lines) {
  Clear();
  // Where the headers are, first: each section's lines are then allocated once.
  std::vector<size_t> headers;
  for (size_t l = 0; l < lines.size(); ++l)
    if (IsHeader(TrimView(lines[l]))) headers.push_back(l);
  headers.push_back(lines.size());
  FSections.reserve(headers.size());
  if (headers.front() > 0) {
    FSections.emplace_back();
    FSections.back().HasHeader = false;
    FSections.back().Lines.reserve(headers.front());
  }
  size_t next = 0;  // the next header
  for (size_t l = 0; l < lines.size(); ++l) {
    std::string& text = lines[l];
    if (l == headers[next]) {
      const std::string_view trimmed = TrimView(text);
      const size_t close = trimmed.find(']');
      Section section;
      section.Name = TrimView(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos
                                                                             : close - 1));
      section.Lines.reserve(headers[next + 1] - l);
      section.Lines.push_back(Line{std::move(text), {}, {}});  // the header keeps its own spelling
      FSections.push_back(std::move(section));
      ++next;
      continue;
    }
    FSections.back().Lines.push_back(ParseLine(std::move(text)));
  }
  Reindex();
}

void TIniDocument::Reindex() {
  FLastSection = NoSection;
  FSectionIndex.Build(FSections.size(), [this](size_t s) -> std::optional<std::string_view> {
    if (!FSections[s].HasHeader) return std::nullopt;  // the lines before the first header
    return FSections[s].Name;
  });
  for (Section& section : FSections) ReindexKeys(section);
}

void TIniDocument::ReindexKeys(Section& section) {
  section.KeyIndex.Build(section.Lines.size(), [&](size_t l) -> std::optional<std::string_view> {
    if (section.Lines[l].Key.empty()) return std::nullopt;  // a line that holds no key
    return section.Lines[l].Key;
  });
}

const TIniDocument::Line* TIniDocument::FindLine(const Section& section, std::string_view key) {
  const auto l = section.KeyIndex.Find(
      TrimView(key), [&](size_t at) -> std::string_view { return section.Lines[at].Key; });
  return l ? &section.Lines[*l] : nullptr;
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

const TIniDocument::Section* TIniDocument::FindSection(std::string_view name) const {
  const std::string_view trimmed = TrimView(name);
  if (FLastSection != NoSection && TFoldedNameIndex::Equal(FSections[FLastSection].Name, trimmed))
    return &FSections[FLastSection];
  const auto s = FSectionIndex.Find(
      trimmed, [this](size_t at) -> std::string_view { return FSections[at].Name; });
  if (!s) return nullptr;
  FLastSection = *s;
  return &FSections[*s];
}

TIniDocument::Section* TIniDocument::FindSection(std::string_view name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool TIniDocument::ReadValue(std::string_view section, std::string_view key,
                             std::string& value) const {
  const Section* s = FindSection(section);
  if (!s) return false;
  const Line* line = FindLine(*s, key);
  if (!line) return false;
  value = StripQuotes(line->Value);
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
    FSectionIndex.Add(added.Name, FSections.size());
    FSections.push_back(std::move(added));
    ReindexKeys(FSections.back());
    return;
  }
  if (const Line* found = FindLine(*s, name)) {
    Line& existing = s->Lines[static_cast<size_t>(found - s->Lines.data())];
    existing = Line{existing.Key + "=" + value, existing.Key, Trim(value)};
    return;
  }
  // After the section's last line that is not blank (comments included), so that the
  // blank lines separating sections stay where they are.
  const size_t first = s->HasHeader ? 1 : 0;
  size_t at = s->Lines.size();
  while (at > first && TrimView(s->Lines[at - 1].Text).empty()) --at;
  s->KeyIndex.ShiftFrom(at);
  s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(at), line);
  if (!name.empty()) s->KeyIndex.Add(name, at);
}

bool TIniDocument::DeleteKey(const std::string& section, const std::string& key) {
  Section* s = FindSection(section);
  if (!s) return false;
  const Line* line = FindLine(*s, key);
  if (!line) return false;
  s->Lines.erase(s->Lines.begin() + (line - s->Lines.data()));
  ReindexKeys(*s);
  return true;
}

void TIniDocument::EraseSection(const std::string& section) {
  const std::string_view name = TrimView(section);
  std::erase_if(FSections,
                [&](const Section& s) { return s.HasHeader && TFoldedNameIndex::Equal(s.Name, name); });
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
      if (!line.Key.empty()) values.push_back(line.Key + "=" + std::string(StripQuotes(line.Value)));
  return values;
}
