#pragma once
// Tag fields read from a file's folders and name by a tag-from-path format, and file
// names built from tags. A format such as "\ <A>\ <L>\ <N> - <T>" has one level per "\":
// the folder levels, then the file-name part; each level's placeholders read the "-"
// separated sections of the folder or name it meets.

#include "TagFields.h"

#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TTagInfo;

using TLevels = std::vector<std::string>;

// The listed folder's path split at "\" with a last level "FakeFileName", which a file's
// name or a template replaces in turn.
TLevels PathLevels(const std::string& workingFolder);
// The format behind "UpDir" split at "\": level 0 what stands before the first "\", the
// folder levels, the file-name part last.
TLevels FormatLevels(const std::string& format);
// The number of "\" a path or format holds.
inline int32_t LevelDepth(const TLevels& levels) { return static_cast<int32_t>(levels.size()) - 1; }
// A format the readers can walk: one that begins with "\".
bool IsTagFormat(const std::string& format);

// Reads placeholders into fields, marking each field that a section gave a value and
// recording its frame kind in the settings' frame-kind list.
class TFormatLevelReader {
public:
  TFormatLevelReader(TTagFields& fields, TTagMarks& marks, TConfigBase& settings)
      : FFields(fields), FMarks(marks), FSettings(settings) {}

  // Walks the format, in folder mode from its start, else from the remembered "\".
  // Every "\" moves to the next path level and is remembered; every placeholder takes
  // the level's next section (up to a "-", trimmed). The walk ends at the end of the
  // format or at the "\" that reaches toLevel. A track or year section that is no
  // number empties its field, a genre section that names no genre leaves it as it was;
  // neither is marked.
  void ReadFormatLevel(int32_t fromLevel, int32_t toLevel, bool folderMode,
                       const TLevels& pathList, const std::string& format,
                       size_t& rememberedPosition);

private:
  void ReadPlaceholder(char letter, const std::string& section);
  void Take(TTagField field, uint8_t frameKind);

  TTagFields& FFields;
  TTagMarks& FMarks;
  TConfigBase& FSettings;
};

// The genre index of a section: its number or its name; GenreNone when it names no
// genre.
uint8_t GenreOfSection(const std::string& section);

// One section of a name built from a file's tags for a frame kind: the first frame of
// the kind in an ID3v2 tag the file holds, else its ID3v1 field; a one-digit track gets
// a leading "0". False when the file holds neither tag.
bool NameSectionOf(const TTagInfo& info, uint8_t frameKind, std::string& section);
// Sections joined by " - " (an empty first section starts nothing, an empty later one
// leaves its " - "), each freed of what file names cannot hold ("\ / : * ? " < > |" and
// control characters become "_") and kept with its blanks: the name is always followed by
// ".mp3", so Windows drops none of them.
std::string NameOfSections(const std::vector<std::string>& sections);
