// The tag editor's changes and saves of one file at a time, on files made in code: what
// the fields change in a tag, what a save writes and what its report says.
#include "TagFixtures.h"

#include "app/TagChanges.h"
#include "app/TagFields.h"
#include "app/TagSave.h"

#include "tags/ID3v2.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::string_literals;

const std::string kAudio = Frames({3, 1, 9, 0}, 417, 20);

// The file's tags as the tag editor reads them.
void ReadTags(TListedFile& file) {
  ProbeTags(file.Info);
  if (file.Info.HasID3v2) {
    file.Info.ID3v2 = std::make_unique<TMp3ID3v2>(file.Info, false);
    file.Info.ReadOk = file.Info.ID3v2->ReadTag();
  }
}

// Applies fields with the given marks to the ID3v2 tag only and saves the file.
void ApplyAndSave(TListedFile& file, const TTagFields& fields, std::initializer_list<TTagField> marked,
                  TTagSaveReport& report) {
  TTagMarks marks;
  for (TTagField field : marked) marks.SetFieldMark(field, true);
  ApplyFields(file.Info, fields, marks, {false, true});
  SaveRecord(file.Info, report);
}

TEST(TagSave, ACommentDescriptionAndLanguageTheUserLeftAloneKeepTheirBytes) {
  // An empty description and a language code outside the language table, as other
  // programs write them; only the comment text changes.
  TListedFile file(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "COMM", "\0ENG\0old"s) +
                                           std::string(100, '\0')) + kAudio);
  ReadTags(file);
  TTagFields fields = RecordFields(file.Info, EnglishLanguage);
  ASSERT_EQ(fields.Comment, "old");
  fields.Comment = "new";
  TTagSaveReport report("mp3");
  ApplyAndSave(file, fields, {tfComment}, report);
  EXPECT_EQ(report.Errors(), 0);
  EXPECT_NE(file.Contents().find("COMM\0\0\0\x08\0\0\0ENG\0new"s), std::string::npos);
  // A description the user typed is written as typed.
  ReadTags(file);
  fields = RecordFields(file.Info, EnglishLanguage);
  fields.Description = "Mood";
  ApplyAndSave(file, fields, {tfComment}, report);
  EXPECT_NE(file.Contents().find("ENGMood\0new"s), std::string::npos);
}

}  // namespace
