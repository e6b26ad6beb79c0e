// Which pairs of names the file system may take for one file: a rename between two
// names it cannot must never be asked about first, and one between names it may must.
#include "app/rename/FileNameRules.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameRules, NamesInOtherLetterCaseOrShortNamesMayNameOneFile) {
  struct TCase {
    const char* A;
    const char* B;
    bool Maybe;
  };
  const TCase cases[] = {
      {"song.mp3", "Song.mp3", true},
      {"song.mp3", "song.mp3", true},
      {"\xE9t\xE9.mp3", "\xC9T\xC9.mp3", true},  // é and É: a pair in code page 1252
      {"\xFDz.mp3", "Iz.mp3", true},             // beyond ASCII the pairs vary by code page
      {"A rather long name.mp3", "ARATHE~1.MP3", true},
      {"a.mp3", "B~1.mp3", true},
      {"song.mp3", "song1.mp3", false},
      {"song.mp3", "sung.mp3", false},
      {"song.mp3", "song.mp4", false},
      {"@.mp3", "`.mp3", false},  // they differ by the bit that tells letter case apart
      {"", "", true},
  };
  for (const TCase& c : cases) EXPECT_EQ(MayNameOneFile(c.A, c.B), c.Maybe) << c.A << " / " << c.B;
}

}  // namespace
