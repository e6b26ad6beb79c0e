// The portable half of the file routines: path strings, masks and the find filter.
#include "FileUtils.h"

#include "FindState.h"
#include "Locale.h"
#include "StrUtils.h"

namespace {

// The last character that stop accepts; a plain loop, as find_last_of calls the library
// once for each character it passes, and file names are taken apart at every rename.
template <typename TStop>
size_t FindLast(const std::string& text, TStop stop) {
  for (size_t at = text.size(); at-- > 0;)
    if (stop(text[at])) return at;
  return std::string::npos;
}

size_t LastDelimiter(const std::string& fileName) {
  return FindLast(fileName, [](char c) { return c == '\\' || c == ':'; });
}

// Where the extension starts, if it is a dot; else the delimiter before the name, or npos.
size_t LastDotOrDelimiter(const std::string& fileName) {
  return FindLast(fileName, [](char c) { return c == '.' || c == '\\' || c == ':'; });
}

bool MatchFrom(const std::string& name, size_t n, const std::string& mask, size_t m) {
  // Iterative wildcard match with one backtracking point for the last "*".
  size_t starMask = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

std::string ExtractFileName(const std::string& fileName) {
  size_t at = LastDelimiter(fileName);
  return at == std::string::npos ? fileName : fileName.substr(at + 1);
}

std::string ExtractFilePath(const std::string& fileName) {
  size_t at = LastDelimiter(fileName);
  return at == std::string::npos ? std::string() : fileName.substr(0, at + 1);
}

std::string ExtractFileExt(const std::string& fileName) {
  size_t at = LastDotOrDelimiter(fileName);
  return at == std::string::npos || fileName[at] != '.' ? std::string() : fileName.substr(at);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  size_t at = LastDotOrDelimiter(fileName);
  if (at == std::string::npos || fileName[at] != '.') return fileName + extension;
  return fileName.substr(0, at) + extension;
}

std::string IncludeTrailingBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path : path + "\\";
}

std::string ExcludeTrailingBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

std::string StandInName(const std::string& name, int number) {
  std::string mark = "~";
  mark += IntToStr(number);
  if (mark.size() > name.size()) return mark.substr(mark.size() - name.size());
  return name.substr(0, name.size() - mark.size()) + mark;
}

int StandInNumber(const std::string& candidate, const std::string& name) {
  const size_t mark = candidate.rfind('~');
  if (mark == std::string::npos) return 0;
  const std::string digits = candidate.substr(mark + 1);
  // Nine digits keep the number an int; StandInName writes no leading zero.
  if (digits.empty() || digits.size() > 9 || digits[0] == '0' ||
      digits.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  const int number = static_cast<int>(StrToIntDef(digits, 0));
  return SameText(StandInName(name, number), candidate) ? number : 0;
}

bool MatchesMask(const std::string& name, const std::string& mask) {
  if (mask == "*.*" || mask == "*") return true;
  return MatchFrom(AnsiLowerCase(name), 0, AnsiLowerCase(mask), 0);
}

bool TFindState::Accepts(const TSearchRec& rec) const {
  return (rec.Attr & rec.ExcludeAttr) == 0 && MatchesMask(rec.Name, Mask);
}

int FindFirst(const std::string& path, int32_t attr, TSearchRec& rec) {
  rec = TSearchRec();
  rec.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  auto state = std::make_shared<TFindState>();
  state->Mask = ExtractFileName(path);
  int error = state->Open(path, rec);
  if (error != 0) return error;
  rec.FindHandle = state;
  while (!state->Accepts(rec)) {
    error = state->Next(rec);
    if (error != 0) {
      FindClose(rec);
      return error;
    }
  }
  return 0;
}

int FindNext(TSearchRec& rec) {
  if (!rec.FindHandle) return TFindState::NoMoreFilesError();
  int error;
  do {
    error = rec.FindHandle->Next(rec);
  } while (error == 0 && !rec.FindHandle->Accepts(rec));
  return error;
}

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }
