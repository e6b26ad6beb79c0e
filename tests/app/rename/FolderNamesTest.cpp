// The folder's names as one rename run numbers against them: the first free number,
// the numbers already found taken skipped, and a name freed meanwhile found again.
#include "app/rename/FolderNames.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr size_t kMaxPath = 260;

struct Numbered {
  std::string Name;
  std::string LastTaken;
  int64_t Next;
  bool operator==(const Numbered&) const = default;
};
void PrintTo(const Numbered& n, std::ostream* os) { *os << n.Name << " after " << n.LastTaken << ", next " << n.Next; }

Numbered Free(TFolderNames& names, const std::string& base, int64_t number, const std::string& own = "") {
  std::string lastTaken;
  std::string name = names.FreeNumberedName(base, number, own, lastTaken);
  return {name, lastTaken, number};
}

TEST(FolderNames, TheFirstFreeNumberAsTheRunLeavesTheFolder) {
  TempFolder folder;
  for (const char* name : {"Song.mp3", "Song1.mp3", "SONG2.MP3", "Song11.mp3", "Song12.mp3", "Song5.txt"})
    folder.WriteFile(name, "");
  TFolderNames names(folder.Path(), "mp3", kMaxPath);
  EXPECT_EQ(Free(names, "Song", 1), (Numbered{"Song3", "Song2", 4}));
  names.Added("Song3.mp3");
  EXPECT_EQ(Free(names, "Song", 1), (Numbered{"Song4", "Song3", 5}));  // past what is known taken
  EXPECT_EQ(Free(names, "Song", 3), (Numbered{"Song4", "Song3", 5}));
  EXPECT_EQ(Free(names, "Song", 1, "song2.mp3"), (Numbered{"Song2", "Song1", 3}));  // its own name
  names.Removed("Song1.mp3");
  EXPECT_EQ(Free(names, "Song", 1), (Numbered{"Song1", "", 2}));
  // "Song12" also numbers the base "Song1".
  EXPECT_EQ(Free(names, "Song1", 1), (Numbered{"Song13", "Song12", 4}));
  names.Removed("Song12.mp3");
  EXPECT_EQ(Free(names, "Song1", 1), (Numbered{"Song12", "Song11", 3}));
}

TEST(FolderNames, ANameTooLongForThePathEndsTheSearch) {
  TempFolder folder;
  const std::string base(kMaxPath - folder.Path().size() - 5, 'n');  // base + "1.mp3" reaches the limit
  folder.WriteFile(base.substr(1) + "1.mp3", "");
  TFolderNames names(folder.Path(), "mp3", kMaxPath);
  EXPECT_EQ(Free(names, base, 1).Name, base + "1");
  EXPECT_EQ(Free(names, base.substr(1), 1).Name, base.substr(1) + "2");
}

}  // namespace
