#pragma once
// The format builder: a name format put together from its elements one at a time,
// checked and added to the stored list of its mode, and the stored list's erasing and
// preferred format. Mode 0 works on the rename formats, mode 1 on the formats that read
// tags from folders and file names (those start with "\ " and may hold "\" and "<X>").

#include <cstdint>
#include <string>
#include <vector>

class TConfigBase;
class TStringList;

enum TFormatBuilderMode : int { fbRenameFormats = 0, fbTagFormats = 1 };

// What each element box appends: a folder level, an unused part, or a placeholder.
enum class TFormatElement { Folder, Unused, Artist, Title, Album, Year, Track, Genre };

// The example of a format as a file name: its example text, "." and the extension.
std::string FormatExampleFileName(const TConfigBase& settings, const std::string& format);
std::vector<std::string> FormatExampleFileNames(const TConfigBase& settings, const TStringList& formats);
// An index into a list of count formats brought into it: -1 for an empty list.
int32_t ClampedFormatIndex(int32_t index, int32_t count);

// A format the builder may store: not empty; "<X>" only beside a real placeholder and
// not alone in a folder level before the first one; a placeholder after the last "\".
bool FormatAcceptable(const std::string& format);

enum class TFormatAddResult { Added, Duplicate, Refused };

class TFormatBuilder {
public:
  // Any mode other than 1 works on the rename formats. A preferred index outside the
  // stored list is brought into it.
  TFormatBuilder(int mode, TConfigBase& settings);
  TFormatBuilder(const TFormatBuilder&) = delete;
  TFormatBuilder& operator=(const TFormatBuilder&) = delete;

  TFormatBuilderMode Mode() const { return FMode; }
  const std::string& Caption() const;
  // The folder and unused boxes show in the tag mode only.
  bool FolderElementsVisible() const { return FMode == fbTagFormats; }
  // The stored formats as example file names, and the item selected when the list shows.
  std::vector<std::string> StoredItems() const;
  int32_t InitialSelection() const;

  // --- The format being built -------------------------------------------------------
  const std::string& CurrentFormat() const { return FCurrent; }
  // What the edit shows: the example file name, never the raw format; empty with none.
  std::string CurrentExample() const;
  // A placeholder's box is disabled once it stands in the format.
  bool ElementEnabled(TFormatElement element) const;
  // The current format's Add and Erase buttons.
  bool CurrentButtonsEnabled() const { return !FCurrent.empty(); }
  void Append(TFormatElement element);
  // Adds an acceptable new format to the stored list (and clears the current one). A
  // listed one is reported and kept; one not acceptable is reported and cleared.
  TFormatAddResult Add();
  void ClearCurrent() { FCurrent.clear(); }

  // --- The stored formats -------------------------------------------------------------
  int32_t Preferred() const { return PreferredIndex(); }
  bool EraseEnabled(int32_t selected) const;
  bool PreferenceEnabled(int32_t selected) const;
  // Erases a stored format and writes the list; the preferred format stays the one it
  // was while it is there. Returns the item to select: the preferred one, -1 when the
  // list is empty.
  int32_t Erase(int32_t selected);
  // Makes the selected format the preferred one and writes the list.
  void Prefer(int32_t selected);
  // Ok: writes the list when a format was added.
  void Accept();

private:
  TStringList& Formats() const;
  int32_t& PreferredIndex() const;
  bool IsStored(int32_t index) const;
  void WriteFormats();

  TFormatBuilderMode FMode;
  TConfigBase& FSettings;
  std::string FCurrent;
  bool FFormatsChanged = false;
};
