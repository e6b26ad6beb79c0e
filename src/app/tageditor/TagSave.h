#pragma once
// Saving one file's pending tag changes, and the report of the tags a save left alone
// or could not write.

#include <array>
#include <optional>
#include <string>
#include <vector>

class TConfigBase;
class TTagInfo;

class TTagSaveReport {
public:
  enum TGroup {
    rgRemovedBefore,  // a new tag was pending for a tag marked for removal
    rgNotChanged,     // removal was asked for a tag the file does not hold
    rgFailed,         // a write or removal failed
    rgSavedInPart,    // saved while the file's other tag failed
    rgDroppedFrames,  // ID3v2.2 frames without an ID3v2.4 form that a save left out
  };
  enum TTagKind { tkID3v1, tkID3v2 };

  explicit TTagSaveReport(const std::string& extension) : FExtension(extension) {}

  // "ID3v1: " or "ID3v2: ", the file name, "." and the extension; a failure counts as
  // an error.
  void Add(TGroup group, TTagKind tag, const std::string& fileName);
  // The file name, "." and the extension, ": " and the frame IDs, separated by ", ".
  void AddDroppedFrames(const std::string& fileName, const std::vector<std::string>& ids);
  void CountSaved() { ++FSaved; }
  int Saved() const { return FSaved; }
  int Errors() const { return FErrors; }
  // The groups with entries in group order, each its heading, a line holding one blank
  // and its entries, every line ended by CR LF, two empty lines between groups; empty
  // when no group has entries.
  std::string Text() const;

private:
  std::string FExtension;
  std::array<std::vector<std::string>, 5> FEntries;
  int FSaved = 0;
  int FErrors = 0;
};

// Writes or removes the record's pending tags, ID3v1 first, and clears its pending
// flags; a tag object that has gone from the file is freed. A write that fails or
// raises leaves the file as it was and the record not valid; it is reported with
// everything the save left alone, and so is the other tag when it was saved (the two
// then disagree), and the ID3v2.2 frames a written tag left out.
void SaveRecord(TTagInfo& info, TTagSaveReport& report);

// Writes a report to "Log.txt" in the working folder (replacing it, the text and one
// line break), then shows it with the note that it went there, as a list or as a plain
// message. Returns why the log could not be written (the system's text and the path),
// for the caller to tell once; none when it was.
std::optional<std::string> LogAndShowReport(const TConfigBase& settings, const std::string& report,
                                            bool asList);
