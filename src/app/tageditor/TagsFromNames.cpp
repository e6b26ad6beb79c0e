#include "TagsFromNames.h"

#include "app/settings/Config.h"

#include "base/SharedRoutines.h"
#include "base/StrUtils.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagInfo.h"

#include <cstring>

namespace {

const char kFakeFileName[] = "FakeFileName";
const char kUpDir[] = "UpDir";
// What a file name cannot hold; control characters neither.
const char kNameForbidden[] = "\\/:*?\"<>|";

TLevels SplitLevels(const std::string& text) {
  TLevels levels(1);
  for (char c : text) {
    if (c == '\\')
      levels.emplace_back();
    else
      levels.back() += c;
  }
  return levels;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The level's next section: up to the next "-" or its end, trimmed; the point moves past
// the "-".
std::string NextSection(const std::string& text, size_t& point) {
  if (point >= text.size()) return "";
  const size_t dash = text.find('-', point);
  std::string section = text.substr(point, dash == std::string::npos ? std::string::npos : dash - point);
  point = dash == std::string::npos ? text.size() : dash + 1;
  return Trim(section);
}

std::string ID3v2Section(TMp3ID3v2& tag, uint8_t kind) {
  const TFrameSubListManager& primary = tag.GetFrameList().GetPrimarySubList();
  const int32_t index = primary.IndexOfKind(kind, 1);
  if (index < 0) return "";
  const TMp3ID3v2FrameCatBase& frame = primary.GetFrameCategory(index);
  switch (kind) {
    case fiTRCK: return frame.GetTrackNumber();
    case fiTDRC: return frame.GetYear();
    case fiTCON: {
      const uint8_t genre = frame.GetGenreIndex();
      return genre <= GenreBlank ? Genres[genre] : "";
    }
    default: return frame.GetTextString();
  }
}

std::string ID3v1Section(const TMp3ID3v1& tag, uint8_t kind) {
  switch (kind) {
    case fiTIT2: return tag.GetTitle();
    case fiTPE1: return tag.GetArtist();
    case fiTALB: return tag.GetAlbum();
    case fiTRCK: return tag.GetTrack() > 0 ? IntToStr(tag.GetTrack()) : "";
    case fiTCON: return GenreColumnText(static_cast<uint8_t>(tag.GetGenre()));
    case fiTDRC: return tag.GetYear();
    default: return "";
  }
}

std::string NameSafe(std::string section) {
  for (char& c : section)
    if (static_cast<unsigned char>(c) < ' ' || std::strchr(kNameForbidden, c)) c = '_';
  return section;
}

}  // namespace

TLevels PathLevels(const std::string& workingFolder) {
  return SplitLevels(ExcludeTrailingBackslash(workingFolder) + "\\" + kFakeFileName);
}

TLevels FormatLevels(const std::string& format) { return SplitLevels(kUpDir + format); }

bool IsTagFormat(const std::string& format) { return !format.empty() && format[0] == '\\'; }

void TFormatLevelReader::ReadFormatLevel(int32_t fromLevel, int32_t toLevel, bool folderMode,
                                         const TLevels& pathList, const std::string& format,
                                         size_t& rememberedPosition) {
  int32_t level = fromLevel;
  std::string text;
  size_t point = 0;
  for (size_t at = folderMode ? 0 : rememberedPosition; at < format.size(); ++at) {
    if (format[at] == '\\') {
      ++level;
      text = level >= 0 && level <= LevelDepth(pathList) ? pathList[static_cast<size_t>(level)] : "";
      point = 0;
      rememberedPosition = at;
    } else if (format[at] == '<' && at + 1 < format.size() && IsLetter(format[at + 1])) {
      ReadPlaceholder(format[++at], NextSection(text, point));
      if (at + 1 < format.size() && format[at + 1] == '>') ++at;
    }
    if (level == toLevel) return;
  }
}

void TFormatLevelReader::ReadPlaceholder(char letter, const std::string& section) {
  switch (letter) {
    case 'A':
      FFields.Artist = section;
      Take(tfArtist, fiTPE1);
      break;
    case 'T':
      FFields.Title = section;
      Take(tfTitle, fiTIT2);
      break;
    case 'L':
      FFields.Album = section;
      Take(tfAlbum, fiTALB);
      break;
    case 'N':
      FFields.TrackNr.clear();
      if (!IsDigits(section)) break;
      FFields.TrackNr = section;
      StripChar(FFields.TrackNr, '0', smLeading);
      Take(tfTrack, fiTRCK);
      break;
    case 'Y':
      FFields.Year.clear();
      if (!IsDigits(section)) break;
      FFields.Year = section;
      Take(tfDate, fiTDRC);
      break;
    case 'G': {
      const uint8_t genre = GenreOfSection(section);
      if (genre >= GenreBlank) break;
      FFields.Genre = genre;
      Take(tfGenre, fiTCON);
      break;
    }
    default: break;  // "X" and unknown letters skip their section
  }
}

void TFormatLevelReader::Take(TTagField field, uint8_t frameKind) {
  FMarks.SetFieldMark(field, true);
  FSettings.SetFormatFrameID(FSettings.GetFormatFrameIDCount(), frameKind);
}

uint8_t GenreOfSection(const std::string& section) {
  if (IsDigits(section)) return ByteOfDigits(section).value_or(GenreNone);
  const int32_t index = GenreIndexOf(section);
  return index < 0 ? GenreNone : static_cast<uint8_t>(index);
}

bool NameSectionOf(const TTagInfo& info, uint8_t frameKind, std::string& section) {
  if (info.HasID3v2 && info.ID3v2)
    section = ID3v2Section(*info.ID3v2, frameKind);
  else if (info.HasID3v1 && info.ID3v1)
    section = ID3v1Section(*info.ID3v1, frameKind);
  else
    return false;
  if (frameKind == fiTRCK && section.size() == 1) section = "0" + section;
  return true;
}

std::string NameOfSections(const std::vector<std::string>& sections) {
  std::string name;
  for (const std::string& section : sections)
    name = name.empty() ? NameSafe(section) : name + " - " + NameSafe(section);
  return name;
}
