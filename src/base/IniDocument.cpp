#include "IniDocument.h"

#include "StrUtils.h"

#include <algorithm>
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

// Where part, a view into text, begins in it.
size_t OffsetIn(std::string_view text, std::string_view part) {
  return static_cast<size_t>(part.data() - text.data());
}

}  // namespace

std::string_view TIniDocument::TextOf(const Line& line) const {
  if (!line.Own.empty()) return line.Own;
  return std::string_view(FRead).substr(line.Start, line.Length);
}

namespace {

// Where a trimmed line's key ends: its first "=", unless it is blank or a comment.
size_t KeyEnd(std::string_view trimmed) {
  if (trimmed.empty() || trimmed[0] == ';') return std::string_view::npos;
  return trimmed.find('=');
}

bool IsHeader(std::string_view trimmed) { return !trimmed.empty() && trimmed[0] == '['; }

// The name a trimmed header line gives its section: what stands between "[" and the first
// "]" (or the line's end), trimmed.
std::string_view SectionNameOf(std::string_view trimmed) {
  const size_t close = trimmed.find(']');
  return TrimView(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

}  // namespace

void TIniDocument::ParseKey(Line& line, std::string_view text) {
  const std::string_view trimmed = TrimView(text);
  const size_t eq = KeyEnd(trimmed);
  if (eq == std::string_view::npos) return;
  const std::string_view key = TrimView(trimmed.substr(0, eq));
  const std::string_view value = TrimView(trimmed.substr(eq + 1));
  line.KeyStart = OffsetIn(text, key);
  line.KeyLength = key.size();
  line.ValueStart = OffsetIn(text, value);
  line.ValueLength = value.size();
}

// "key=value" as written: the key as given, the value read back trimmed.
TIniDocument::Line TIniDocument::KeyValueLine(std::string_view key, const std::string& value) {
  Line line{std::string(key) + "=" + value};
  const std::string_view trimmed = TrimView(std::string_view(line.Own).substr(key.size() + 1));
  line.KeyLength = key.size();
  line.ValueStart = OffsetIn(line.Own, trimmed);
  line.ValueLength = trimmed.size();
  return line;
}

void TIniDocument::Clear() {
  FRead.clear();
  FSections.clear();
  FSectionIndex.Clear();
  FLastSection = NoSection;
}

namespace {

// Calls visit with each line of text, without its end: lines end with CR, LF or CRLF, as
// SplitLines reads them.
template <class TVisit>
void ForEachLine(std::string_view text, TVisit visit) {
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    visit(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
}

}  // namespace

TIniDocument::TExtent TIniDocument::ExtentOf(std::string_view text) {
  TExtent extent;
  ForEachLine(text, [&](std::string_view line) {
    ++extent.Lines;
    const std::string_view trimmed = TrimView(line);
    const bool header = IsHeader(trimmed);
    if (header) {
      ++extent.Sections;
      extent.SectionNameBytes += SectionNameOf(trimmed).size();
    }
    if (header || KeyEnd(trimmed) != std::string_view::npos)
      extent.LongestEntryLine = std::max(extent.LongestEntryLine, line.size());
  });
  return extent;
}

// The lines go into their sections in two passes: the first counts each section's lines,
// so that the second puts each line record straight into a list of the right size.
void TIniDocument::CountLine(std::string_view text, std::vector<size_t>& sizes) {
  if (sizes.empty() || IsHeader(TrimView(text))) sizes.push_back(0);
  ++sizes.back();
}

void TIniDocument::AddLine(Line line, const std::vector<size_t>& sizes) {
  const std::string_view text = TextOf(line);
  const std::string_view trimmed = TrimView(text);
  const bool header = IsHeader(trimmed);
  if (header || FSections.empty()) {
    Section& section = FSections.emplace_back();
    section.Lines.reserve(sizes[FSections.size() - 1]);
    section.HasHeader = header;  // false for the lines before the first header
    if (header) section.Name = SectionNameOf(trimmed);
  }
  if (!header) ParseKey(line, text);  // a header holds no key
  FSections.back().Lines.push_back(std::move(line));
}

void TIniDocument::SetText(std::string_view text) {
  Clear();
  FRead.assign(text);
  std::vector<size_t> sizes;
  ForEachLine(FRead, [&](std::string_view line) { CountLine(line, sizes); });
  FSections.reserve(sizes.size());
  ForEachLine(FRead, [&](std::string_view part) {
    Line line;
    line.Start = OffsetIn(FRead, part);
    line.Length = part.size();
    AddLine(std::move(line), sizes);
  });
  Reindex();
}

void TIniDocument::SetLines(std::vector<std::string> lines) {
  Clear();
  std::vector<size_t> sizes;
  for (const std::string& line : lines) CountLine(line, sizes);
  FSections.reserve(sizes.size());
  for (std::string& line : lines) AddLine(Line{std::move(line)}, sizes);
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

void TIniDocument::ReindexKeys(Section& section) const {
  section.KeyIndex.Build(section.Lines.size(), [&](size_t l) -> std::optional<std::string_view> {
    if (section.Lines[l].KeyLength == 0) return std::nullopt;  // a line that holds no key
    return KeyOf(section.Lines[l]);
  });
}

const TIniDocument::Line* TIniDocument::FindLine(const Section& section, std::string_view key) const {
  const auto l = section.KeyIndex.Find(
      TrimView(key), [&](size_t at) -> std::string_view { return KeyOf(section.Lines[at]); });
  return l ? &section.Lines[*l] : nullptr;
}

std::vector<std::string> TIniDocument::Lines() const {
  std::vector<std::string> lines;
  for (const Section& section : FSections)
    for (const Line& line : section.Lines) lines.emplace_back(TextOf(line));
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
  value = StripQuotes(ValueOf(*line));
  return true;
}

void TIniDocument::WriteValue(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string name = Trim(key);
  Line line = KeyValueLine(name, value);
  Section* s = FindSection(section);
  if (!s) {
    Section added;
    added.Name = Trim(section);
    added.Lines.push_back(Line{"[" + added.Name + "]"});
    added.Lines.push_back(line);
    FSectionIndex.Add(added.Name, FSections.size(),
                      [this](size_t at) -> std::string_view { return FSections[at].Name; });
    FSections.push_back(std::move(added));
    ReindexKeys(FSections.back());
    return;
  }
  if (const Line* found = FindLine(*s, name)) {
    Line& existing = s->Lines[static_cast<size_t>(found - s->Lines.data())];
    existing = KeyValueLine(std::string(KeyOf(existing)), value);
    return;
  }
  // After the section's last line that is not blank (comments included), so that the
  // blank lines separating sections stay where they are.
  const size_t first = s->HasHeader ? 1 : 0;
  size_t at = s->Lines.size();
  while (at > first && TrimView(TextOf(s->Lines[at - 1])).empty()) --at;
  s->KeyIndex.ShiftFrom(at);
  s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(at), line);
  if (!name.empty())
    s->KeyIndex.Add(name, at, [&](size_t l) -> std::string_view { return KeyOf(s->Lines[l]); });
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
      if (line.KeyLength != 0) keys.emplace_back(KeyOf(line));
  return keys;
}

std::vector<std::string> TIniDocument::SectionValues(const std::string& section) const {
  std::vector<std::string> values;
  if (const Section* s = FindSection(section))
    for (const Line& line : s->Lines)
      if (line.KeyLength != 0)
        values.push_back(std::string(KeyOf(line)) + "=" + std::string(StripQuotes(ValueOf(line))));
  return values;
}
