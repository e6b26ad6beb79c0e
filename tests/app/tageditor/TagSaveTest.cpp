// The tag editor's changes and saves of one file at a time, on files made in code: what
// the fields change in a tag, what a save writes and what its report says.
#include "TagFixtures.h"

#include "app/tageditor/TagChanges.h"
#include "app/tageditor/TagFields.h"
#include "app/tageditor/TagSave.h"

#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagProbe.h"

#include "base/FileUtils.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::string_literals;

const std::string kAudio = Frames({3, 1, 9, 0}, 417, 20);

// The file's tags as the tag editor reads them.
void ReadTags(TListedFile& file) {
  ProbeTags(file.Info);
  if (file.Info.HasID3v1) {
    file.Info.ID3v1 = std::make_unique<TMp3ID3v1>(file.Info, false);
    file.Info.ID3v1->ReadTag();
  }
  if (file.Info.HasID3v2) {
    file.Info.ID3v2 = std::make_unique<TMp3ID3v2>(file.Info, false);
    file.Info.ReadOk = file.Info.ID3v2->ReadTag();
  }
}

// Applies fields with the given marks to the ID3v2 tag only and saves the file.
void ApplyAndSave(TListedFile& file, const TTagFields& fields,
                  std::initializer_list<TTagField> marked, TTagSaveReport& report) {
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

TEST(TagSave, AnID3v22TagKeepsItsFramesWhenAFieldChangesAndTheSaveNamesWhatItLeftOut) {
  auto frame = ID3v22FrameBytes;
  const std::string jpeg = "jpegdata";
  TListedFile file(ID3v2TagBytes(2, 0, frame("TT2", TextBody("Title")) +
                                           frame("TP1", TextBody("Artist")) +
                                           frame("TAL", TextBody("Album")) +
                                           frame("TRK", TextBody("3/9")) +
                                           frame("COM", "\0eng\0Nice"s) +
                                           frame("CRM", "me\0x\0secret"s) +
                                           frame("PIC", "\0JPG\x03\0"s + jpeg)) +
                   kAudio);
  ReadTags(file);
  TTagFields fields = RecordFields(file.Info, EnglishLanguage);  // what the editor shows
  EXPECT_EQ(fields.Title + "|" + fields.Artist + "|" + fields.Album + "|" + fields.TrackNr + "/" +
                fields.TrackTotal + "|" + fields.Comment,
            "Title|Artist|Album|3/9|Nice");
  fields.Title = "New";
  TTagSaveReport report("mp3");
  ApplyAndSave(file, fields, {tfTitle}, report);
  EXPECT_EQ(report.Text(),
            "These ID3v2.2 frames have no ID3v2.4 form and have not been saved:\r\n \r\n"
            "Song.mp3: CRM\r\n");
  EXPECT_EQ(report.Saved(), 1);
  // Read again: an ID3v2.4 tag holding everything but the frame named.
  ReadTags(file);
  EXPECT_EQ(file.Info.ID3v2->GetVersion(), tvID3v24);
  fields = RecordFields(file.Info, EnglishLanguage);
  EXPECT_EQ(fields.Title + "|" + fields.Artist + "|" + fields.Album + "|" + fields.TrackNr + "/" +
                fields.TrackTotal + "|" + fields.Comment,
            "New|Artist|Album|3/9|Nice");
  EXPECT_NE(file.Contents().find("APIC\0\0\0\x16\0\0\0image/jpeg\0\x03\0"s + jpeg),
            std::string::npos);
  EXPECT_TRUE(file.Contents().ends_with(kAudio));
  // The next save has nothing more to leave out.
  TTagSaveReport again("mp3");
  fields.Title = "Newer";
  ApplyAndSave(file, fields, {tfTitle}, again);
  EXPECT_EQ(again.Text(), "");
}

TEST(TagSave, WhenOnlyOneOfTheTagsIsWrittenTheReportSaysWhichOne) {
  // The ID3v2 tag claims more bytes than the file has, so it cannot be written; the
  // ID3v1 tag is written before it.
  std::string broken = ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", TextBody("Title")));
  broken[6] = 0x7F;
  const std::string id3v1 = ID3v1Tag("Title", "", "", "", "", 0, 255);
  TListedFile file(broken + kAudio + id3v1);
  ReadTags(file);
  TTagFields fields = RecordFields(file.Info, EnglishLanguage);
  fields.Title = "New";
  TTagMarks marks;
  marks.SetFieldMark(tfTitle, true);
  ApplyFields(file.Info, fields, marks, {});
  TTagSaveReport report("mp3");
  SaveRecord(file.Info, report);
  EXPECT_EQ(report.Errors(), 1);
  EXPECT_EQ(report.Saved(), 1);  // the file changed: no "No files have been changed."
  EXPECT_EQ(report.Text(),
            "An error occurred with the following files:\r\n \r\nID3v2: Song.mp3\r\n\r\n\r\n"
            "Only these Tags of the files above have been saved:\r\n \r\nID3v1: Song.mp3\r\n");
  EXPECT_EQ(file.Contents(), broken + kAudio + ID3v1Tag("New", "", "", "", "", 0, 255));
  // Both failing: nothing was saved, so there is nothing more to say.
  TListedFile readOnly(broken + kAudio + id3v1, fmOpenRead);
  ReadTags(readOnly);
  ApplyFields(readOnly.Info, fields, marks, {});
  TTagSaveReport failed("mp3");
  SaveRecord(readOnly.Info, failed);
  EXPECT_EQ(failed.Saved(), 0);
  EXPECT_EQ(failed.Text(), "An error occurred with the following files:\r\n \r\n"
                           "ID3v1: Song.mp3\r\nID3v2: Song.mp3\r\n");
}

// An ID3v1 removal that fails (another program took the tag away meanwhile) leaves the
// ID3v2.3 tag the user did not touch as it was: no rewrite as ID3v2.4 follows it.
TEST(TagSave, AFailedID3v1RemovalLeavesTheUntouchedID3v2TagAsItWas) {
  const std::string id3v23 =
      ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TIT2", TextBody("Title")) + ID3v2FrameBytes(3, "TYER", TextBody("1999")) +
                              std::string(64, '\0'));
  TListedFile file(id3v23 + kAudio + ID3v1Tag("Title", "", "", "1999", "", 0, 255));
  ReadTags(file);
  ApplyFields(file.Info, RecordFields(file.Info, EnglishLanguage), TTagMarks(), {.ID3v1Wanted = false});
  ASSERT_TRUE(file.Info.ChangedID3v1 && file.Info.RemoveID3v1 && !file.Info.ChangedID3v2);
  ASSERT_EQ(FileSeek64(file.Entry.Handle, -128, soEnd), static_cast<int64_t>(id3v23.size() + kAudio.size()));
  ASSERT_TRUE(FileTruncate(file.Entry.Handle));
  TTagSaveReport report("mp3");
  SaveRecord(file.Info, report);
  EXPECT_EQ(report.Text(), "An error occurred with the following files:\r\n \r\nID3v1: Song.mp3\r\n");
  EXPECT_EQ(report.Saved(), 0);
  const std::string contents = file.Contents();
  EXPECT_EQ(contents.substr(0, id3v23.size()), id3v23);  // still ID3v2.3, with its TYER
  EXPECT_EQ(contents.size(), id3v23.size() + kAudio.size());
}

}  // namespace
