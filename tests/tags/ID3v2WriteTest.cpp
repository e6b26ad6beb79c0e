// Writing ID3v2.4 tags: padding and the choice of path, what a save writes back of the
// tag it read, removal, and failures that leave the file whole.
#include "FrameFixtures.h"
#include "TagFixtures.h"

#include "tags/FileAccess.h"
#include "tags/ID3Codecs.h"
#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/ID3v2WritePlan.h"
#include "tags/TagProbe.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::string_literals;

// MPEG frames whose bytes include 0xFF 0x00 and 0xFF 0xE0, then junk.
const std::string kAudio = "\xFF\xFB\x90\x64"s + Junk(200) + "\xFF\x00\xFF\xE0\xFF"s + Junk(100);
const std::string kID3v1 = ID3v1Tag("v1 title", "v1 artist", "", "2001", "", 3, 17);

std::string Text(const std::string& id, const std::string& text) {
  return ID3v2FrameBytes(4, id, TextBody(text));
}
// A tag of frames and their padding as we write it.
std::string Padded(const std::string& frames) {
  return ID3v2TagBytes(4, 0, frames + std::string(ID3v2Padding(uint32_t(frames.size())), '\0'));
}

TEST(ID3v2WritePlan, PaddingAndPath) {
  for (auto [frames, padding] : {std::pair{0, 0}, {3, 1}, {100, 50}, {1000, 360}, {20000, 1962}})
    EXPECT_EQ(ID3v2Padding(frames), padding) << frames;
  // Frames that all encode to nothing, on a file without a tag: nothing is written over
  // the start of the audio.
  TID3v2WritePlan plan = PlanTagWrite({1000, false}, 0, false, false);
  EXPECT_EQ(plan.Total, 0u);
  EXPECT_FALSE(plan.InPlace);
}

class ID3v2Write : public ::testing::Test {
protected:
  // A listed file of the bytes with its ID3v2 tag read, or a new one where it has none.
  static std::unique_ptr<TListedFile> Open(const std::string& bytes, uint32_t openMode = 34) {
    auto file = std::make_unique<TListedFile>(bytes, openMode);
    ProbeTags(file->Info);
    bool isNew = !file->Info.HasID3v2;
    file->Info.ID3v2 = std::make_unique<TMp3ID3v2>(file->Info, isNew);
    EXPECT_TRUE(isNew || file->Info.ID3v2->ReadTag());
    return file;
  }
  // The category object of the first frame of the kind, made when there is none.
  static TMp3ID3v2FrameCatBase& Frame(TListedFile& file, uint8_t kind) {
    TFrameListManager& frames = file.Info.ID3v2->GetFrameList();
    TFrameSubListManager& subList =
        IsPrimaryFrameKind(kind) ? frames.GetPrimarySubList() : frames.GetOtherSubList();
    int32_t index = subList.IndexOfKind(kind, 1);
    return subList.GetFrameCategory(index < 0 ? frames.NewFrame(kind) : index);
  }
  // Saves the tag of the file, expecting success, and returns the file's bytes.
  static std::string Save(TListedFile& file) {
    EXPECT_TRUE(file.Info.ID3v2->WriteTag(file.Info));
    return file.Contents();
  }
  // Saves twice, expecting the second save to write the same bytes.
  static std::string SaveTwice(TListedFile& file) {
    std::string written = Save(file);
    file.Info.RemoveID3v1 = false;
    EXPECT_EQ(Save(file), written) << "second save";
    return written;
  }
  // The frames behind the tag header of written, as they stand: ID, flags and body.
  static std::vector<std::string> RawFrames(const std::string& written) {
    std::vector<std::string> frames;
    size_t end = 10 + ReadSyncsafe(FourBytesAt(Bytes(written), 6));
    for (size_t at = 10; at + 10 <= end && written[at] != '\0';) {
      uint32_t size = ReadSyncsafe(FourBytesAt(Bytes(written), at + 4));
      frames.push_back(written.substr(at, 4) + "|" + written.substr(at + 8, 2) + "|" +
                       written.substr(at + 10, size));
      at += 10 + size;
    }
    return frames;
  }

  const std::string FOurTag = ID3v2TagBytes(
      4, 0, Text("TIT2", "Title") + Text("TPE1", "Artist") + Text("TALB", "Album") +
                std::string(40, '\0'));
};

TEST_F(ID3v2Write, TheNewTagsSizeChoosesThePath) {
  // No tag yet: the file is rewritten with fresh padding, its ID3v1 tag kept.
  auto file = Open(kAudio + kID3v1);
  Frame(*file, fiTIT2).SetText(Bytes("Title"));
  Frame(*file, fiTXXX).SetDescriptionString("mood");
  Frame(*file, fiTXXX).SetText(Bytes("calm"));
  EXPECT_EQ(SaveTwice(*file),
            Padded(Text("TIT2", "Title") + ID3v2FrameBytes(4, "TXXX", "\0mood\0calm"s)) + kAudio +
                kID3v1);
  EXPECT_FALSE(FileExists(file->Folder() + "Song.tmp"));
  // Shrunk: in place, in the old tag's space exactly.
  auto shrunk = Open(FOurTag + kAudio + kID3v1);
  ASSERT_TRUE(shrunk->Info.ID3v2->GetFrameList().DeleteFrame(fiTPE1));
  std::string written = SaveTwice(*shrunk);
  EXPECT_EQ(written.substr(0, 10), FOurTag.substr(0, 10));
  EXPECT_EQ(written.substr(FOurTag.size()), kAudio + kID3v1);
  EXPECT_EQ(RawFrames(written),
            (std::vector<std::string>{"TIT2|\0\0|\0Title"s, "TALB|\0\0|\0Album"s}));
  // Grown: rewritten with fresh padding.
  auto grown = Open(FOurTag + kAudio);
  Frame(*grown, fiTIT3).SetText(Bytes(std::string(500, 's')));
  EXPECT_EQ(SaveTwice(*grown), Padded(Text("TIT2", "Title") + Text("TPE1", "Artist") +
                                      Text("TALB", "Album") + Text("TIT3", std::string(500, 's'))) +
                                   kAudio);
}

TEST_F(ID3v2Write, ID3v23TagIsSavedAsID3v24WithItsWholeDate) {
  const std::string longText(200, 'l');
  auto file = Open(ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TDAT", TextBody("0506")) +
                                           ID3v2FrameBytes(3, "TYER", TextBody("1999")) +
                                           ID3v2FrameBytes(3, "TIT2", TextBody(longText), 0xE0) +
                                           ID3v2FrameBytes(3, "TIME", TextBody("0708"))) +
                   kAudio + kID3v1);
  EXPECT_EQ(file->Info.ID3v2->GetVersion(), tvID3v23);
  EXPECT_EQ(SaveTwice(*file), Padded(Text("TDRC", "1999-06-05T07:08") +
                                     ID3v2FrameBytes(4, "TIT2", TextBody(longText), 0x70)) +
                                  kAudio + kID3v1);
  EXPECT_EQ(file->Info.ID3v2->GetVersion(), tvID3v24);
}

TEST_F(ID3v2Write, ID3v22TagIsSavedAsID3v24KeepingEveryFrameWithAnID3v24Form) {
  auto file = Open(ID3v2TagBytes(2, 0, ID3v22FrameBytes("TT2", TextBody("Title")) +
                                           ID3v22FrameBytes("TYE", TextBody("1999")) +
                                           ID3v22FrameBytes("CRM", "me\0x\0secret"s) +
                                           ID3v22FrameBytes("PIC", "\0JPG\x03\0jpeg"s) +
                                           ID3v22FrameBytes("UFI", "owner\0id"s)) +
                   kAudio + kID3v1);
  Frame(*file, fiTALB).SetText(Bytes("New"));
  EXPECT_EQ(file->Info.ID3v2->GetDroppedFrames(), std::vector<std::string>{"CRM"});
  EXPECT_EQ(SaveTwice(*file),
            Padded(Text("TIT2", "Title") + Text("TDRC", "1999") + Text("TALB", "New") +
                   ID3v2FrameBytes(4, "APIC", "\0image/jpeg\0\x03\0jpeg"s) +
                   ID3v2FrameBytes(4, "UFID", "owner\0id"s)) +
                kAudio + kID3v1);
  EXPECT_EQ(file->Info.ID3v2->GetVersion(), tvID3v24);
  EXPECT_TRUE(file->Info.ID3v2->GetDroppedFrames().empty());  // the save left it out
}

TEST_F(ID3v2Write, ID3v22TextsAreSavedWithoutTheirTerminators) {
  // ID3v2.2 ignores what follows a text's terminator; in ID3v2.4 a zero byte starts one
  // more value. The terminator goes with what follows it, in 8-bit text and UTF-16,
  // behind a description too.
  auto file = Open(ID3v2TagBytes(2, 0, ID3v22FrameBytes("TT2", TextBody("Title\0"s)) +
                                           ID3v22FrameBytes("TP1", "\x01\xFF\xFE" "A\0\0\0"s) +
                                           ID3v22FrameBytes("TCO", TextBody("(17)\0Rock"s)) +
                                           ID3v22FrameBytes("COM", "\0eng\0" "1\0"s) +
                                           ID3v22FrameBytes("ULT", "\x01XXX\0\0\xFF\xFE" "a\0\0\0"s) +
                                           ID3v22FrameBytes("TXX", "\0mood\0calm\0"s)) +
                   kAudio);
  Frame(*file, fiTALB).SetText(Bytes("New"));
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\0|\0Title"s,  // the marks unsynchronised:
                                      "TPE1|\0\x02|\x01\xFF\0\xFE" "A\0"s,
                                      "TCON|\0\0|\0(17)"s, "COMM|\0\0|\0eng\0" "1"s,
                                      "TALB|\0\0|\0New"s, "USLT|\0\x02|\x01XXX\0\0\xFF\0\xFE" "a\0"s,
                                      "TXXX|\0\0|\0mood\0calm"s}));
}

TEST_F(ID3v2Write, UnsynchronisedFramesCarryTheirOwnFlag) {
  auto file = Open(kAudio);
  Frame(*file, fiTIT2).SetText(Bytes("plain"));
  TMp3ID3v2FrameCatBase& picture = Frame(*file, fiAPIC);
  picture.SetText(Bytes("image/png"));
  picture.SetPictureData(Bytes("\xFF\xD8\xFF\xE0\x00\xFF\x00\xFF"s));
  std::string written = SaveTwice(*file);
  EXPECT_EQ(static_cast<uint8_t>(written[5]), 0x80);  // the tag's flag
  // Stuffed: 0xFF before 0xE0 and before 0x00, and a final 0xFF.
  EXPECT_EQ(RawFrames(written)[1],
            "APIC|\0\x02|\0image/png\0\0\0\xFF\xD8\xFF\0\xE0\0\xFF\0\0\xFF\0"s);
}

TEST_F(ID3v2Write, PrimaryFramesGoFirstAndEmptyOnesAreLeftOut) {
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TXXX", "\0d\0v"s) +
                                           Text("TCON", "Rock") + Text("TIT2", "Title")) +
                   kAudio);
  Frame(*file, fiTCON).SetGenreIndex(GenreNone);
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\0|\0Title"s, "TXXX|\0\0|\0d\0v"s}));
}

TEST_F(ID3v2Write, Removal) {
  const std::string tagged = FOurTag + kAudio + kID3v1;
  // Removing ID3v2, both, or ID3v1 in the same rewrite as the ID3v2 save: what stays
  // behind the ID3v2 tag, when one is written.
  for (auto [removeV2, removeV1, expected] : {std::tuple{true, false, kAudio + kID3v1},
                                              {true, true, kAudio}, {false, true, kAudio}}) {
    auto file = Open(tagged);
    file->Info.RemoveID3v2 = removeV2;
    file->Info.RemoveID3v1 = removeV1;
    std::string written = Save(*file);
    EXPECT_EQ(removeV2 ? written : written.substr(FOurTag.size()), expected);
    EXPECT_EQ(file->Info.HasID3v2, !removeV2);
    EXPECT_EQ(file->Info.HasID3v1, !removeV1);
  }
  // The ID3v2 save goes through the handle the ID3v1 tag's removal reopened.
  auto file = Open(tagged);
  ASSERT_TRUE(TMp3ID3v1(file->Info, false).RemoveTag(file->Info));
  Frame(*file, fiTIT3).SetText(Bytes(std::string(500, 's')));
  EXPECT_TRUE(Save(*file).ends_with(kAudio));
}

TEST_F(ID3v2Write, RemovalTakesEveryTagStackedAtTheStart) {
  // Writers that add a tag in front of an old one leave two or more; a footer counts.
  const std::string second = ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TIT2", TextBody("Old")));
  const std::string footed = ID3v2TagBytes(4, 0x10, Text("TALB", "Older"));
  const std::string third = footed + "3DI" + footed.substr(3, 7);
  auto file = Open(FOurTag + second + third + kAudio + kID3v1);
  file->Info.RemoveID3v2 = true;
  EXPECT_EQ(Save(*file), kAudio + kID3v1);
  // A header whose tag would reach past the file is no tag: the bytes stay.
  std::string broken = ID3v2TagBytes(4, 0, "") + kAudio;
  broken[6] = 0x7F;
  auto stray = Open(FOurTag + broken + kID3v1);
  stray->Info.RemoveID3v2 = true;
  EXPECT_EQ(Save(*stray), broken + kID3v1);
}

TEST_F(ID3v2Write, TagWithAFooterIsRewrittenKeepingTheAudioBehindIt) {
  const std::string body = Text("TIT2", "Title");
  std::string footer = ID3v2TagBytes(4, 0x10, body).substr(0, 10).replace(0, 3, "3DI");
  // The same frames would fit the old space exactly; the footer still forces a rewrite.
  auto file = Open(ID3v2TagBytes(4, 0x10, body) + footer + kAudio + kID3v1);
  EXPECT_EQ(SaveTwice(*file), Padded(body) + kAudio + kID3v1);
  // A footer flag without a footer behind the tag costs no audio.
  auto stray = Open(ID3v2TagBytes(4, 0x10, body) + kAudio);
  EXPECT_EQ(Save(*stray), Padded(body) + kAudio);
}

TEST_F(ID3v2Write, FailuresLeaveTheFileWhole) {
  auto readOnly = Open(FOurTag + kAudio, fmOpenRead);  // in place
  readOnly->Info.ID3v2->GetFrameList().DeleteFrame(fiTALB);
  EXPECT_FALSE(readOnly->Info.ID3v2->WriteTag(readOnly->Info));
  auto readOnlyNew = Open(kAudio, fmOpenRead);  // through a copy
  Frame(*readOnlyNew, fiTIT2).SetText(Bytes("Title"));
  EXPECT_FALSE(readOnlyNew->Info.ID3v2->WriteTag(readOnlyNew->Info));
  for (auto* file : {readOnly.get(), readOnlyNew.get()}) file->Close();  // held exclusively
  EXPECT_EQ(readOnly->Contents(), FOurTag + kAudio);
  EXPECT_EQ(readOnlyNew->Contents(), kAudio);

  auto noCopy = Open(FOurTag + kAudio);
  Frame(*noCopy, fiTIT3).SetText(Bytes(std::string(500, 's')));
  SetListedFolder(noCopy->Folder() + "missing\\");
  EXPECT_FALSE(noCopy->Info.ID3v2->WriteTag(noCopy->Info));
  EXPECT_EQ(noCopy->Contents(), FOurTag + kAudio);
  EXPECT_EQ(FileSizeOf(noCopy->Entry.Handle), static_cast<int64_t>((FOurTag + kAudio).size()));

  std::string broken = FOurTag + kAudio;
  broken[7] = 0x7F;  // an old tag larger than the file
  auto file = Open(broken);
  EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
  file->Info.RemoveID3v2 = true;
  EXPECT_FALSE(file->Info.ID3v2->WriteTag(file->Info));
  EXPECT_EQ(file->Contents(), broken);
}

TEST_F(ID3v2Write, TagsOtherWritersMalformKeepEveryFrame) {
  // Frames of size 0, as players write empty ones, and the extended-header flag without
  // an extended header: every frame is read, and a changed album keeps the others.
  for (uint8_t major : {3, 4}) {
    auto text = [major](const char* id, const std::string& value) {
      return ID3v2FrameBytes(major, id, TextBody(value));
    };
    const std::string empty = ID3v2FrameBytes(major, "TENC", ""), title = text("TIT2", "Title");
    const std::string rest = text("TALB", "Album") + text("TPE2", "Band") + text("TCOP", "(c)");
    for (const std::string& tag : {ID3v2TagBytes(major, 0, empty + title + rest + empty),
                                   ID3v2TagBytes(major, 0, title + empty + empty + rest),
                                   ID3v2TagBytes(major, 0x40, title + rest)}) {
      SCOPED_TRACE(std::to_string(major) + ": " + Printable(Bytes(tag.substr(0, 24))));
      auto file = Open(tag + kAudio);
      EXPECT_EQ(FrameList(file->Info.ID3v2->GetFrameList()),
                "TIT2{text=Title} TALB{text=Album} TPE2{text=Band} TCOP{text=(c)}");
      Frame(*file, fiTALB).SetText(Bytes("New"));
      std::string written = SaveTwice(*file);
      EXPECT_EQ(RawFrames(written),
                (std::vector<std::string>{"TIT2|\0\0|\0Title"s, "TALB|\0\0|\0New"s,
                                          "TPE2|\0\0|\0Band"s, "TCOP|\0\0|\0(c)"s}));
      EXPECT_TRUE(written.ends_with(kAudio));
    }
  }
}

TEST_F(ID3v2Write, FramesTheUserDidNotChangeAreWrittenAsTheyWereRead) {
  // Text beyond 8-bit text, several values, a genre reference, an empty description,
  // CR LF line breaks: nothing of it is rebuilt from the fields the program holds.
  const std::string title = "\x02\0a\x26\x3A"s, artists = "\x03" "A\0B"s,
                    genre = "\0(17)Rock"s, comment = "\x03" "eng\0hi"s, user = "\0\0one\r\ntwo"s;
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", title) +
                                           ID3v2FrameBytes(4, "TPE1", artists) +
                                           Text("TALB", "Old") + ID3v2FrameBytes(4, "TCON", genre) +
                                           ID3v2FrameBytes(4, "COMM", comment) +
                                           ID3v2FrameBytes(4, "TXXX", user)) +
                   kAudio);
  Frame(*file, fiTALB).SetText(Bytes("New"));
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\0|"s + title, "TPE1|\0\0|"s + artists,
                                      "TALB|\0\0|\0New"s, "TCON|\0\0|"s + genre,
                                      "COMM|\0\0|"s + comment, "TXXX|\0\0|"s + user}));
  // A frame changed in one field keeps the others as they were read.
  Frame(*file, fiCOMM).SetText(Bytes("new"));
  Frame(*file, fiTXXX).SetDescriptionString("d");
  std::vector<std::string> written = RawFrames(SaveTwice(*file));
  ASSERT_EQ(written.size(), 6u);
  EXPECT_EQ(written[4], "COMM|\0\0|\0eng\0new"s);
  EXPECT_EQ(written[5], "TXXX|\0\0|\0d\0one\r\ntwo"s);
}

TEST_F(ID3v2Write, ACommentShownWithCRLFLineBreaksIsWrittenAsItWasRead) {
  // GetText gives multi-line text with CR LF and the frame keeps it so; handed back as
  // it was shown, in 8-bit text or UTF-16, the frames keep their bytes through a save of
  // another field.
  const std::string comment = "\0eng\0a\nb"s, lyrics = "\x02" "eng\0\0\0x\0\n\0y"s;
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "COMM", comment) +
                                           ID3v2FrameBytes(4, "USLT", lyrics) + Text("TALB", "Old")) +
                   kAudio);
  TMp3ID3v2FrameCatBase &shown = Frame(*file, fiCOMM), &words = Frame(*file, fiUSLT);
  EXPECT_EQ(shown.GetText(), Bytes("a\r\nb"));
  EXPECT_EQ(words.GetText(), Bytes("x\r\ny"));
  shown.SetTextString(shown.GetTextString());
  Frame(*file, fiTALB).SetText(Bytes("New"));
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"COMM|\0\0|"s + comment, "TALB|\0\0|\0New"s,
                                      "USLT|\0\0|"s + lyrics}));
}

TEST_F(ID3v2Write, ATextThatDoesNotDecodeIsReportedOnReadingOnly) {
  // One byte of UTF-16 text: reading tells the user once; saves keep the frame's bytes
  // without reading its body again.
  TShownErrors errors;
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", "\x01" "A"s) +
                                           Text("TALB", "Old")) +
                   kAudio);
  EXPECT_EQ(errors.Texts, std::vector<std::string>{"Negative length not allowed!"});
  Frame(*file, fiTALB).SetText(Bytes("New"));
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\0|\x01" "A"s, "TALB|\0\0|\0New"s}));
  EXPECT_EQ(errors.Texts.size(), 1u);
}

TEST_F(ID3v2Write, ADateThatIsNoYearKeepsItsTextWhenAnotherFieldIsSaved) {
  // Too short for a year, and letters: the frames keep their bytes, and after the saves
  // still read as they were read, not as the "1900" an empty year is written as.
  for (const std::string date : {"abc", "Unknown", "2004-05-06T07:08"}) {
    SCOPED_TRACE(date);
    auto file = Open(ID3v2TagBytes(4, 0, Text("TDRC", date) + Text("TALB", "Old")) + kAudio);
    TMp3ID3v2FrameCatBase& year = Frame(*file, fiTDRC);
    const std::string fields = Summary(year);
    Frame(*file, fiTALB).SetText(Bytes("New"));
    EXPECT_EQ(RawFrames(SaveTwice(*file)),
              (std::vector<std::string>{"TDRC|\0\0|\0"s + date, "TALB|\0\0|\0New"s}));
    EXPECT_EQ(Summary(year), fields);
  }
}

TEST_F(ID3v2Write, FramesTheProgramDoesNotEditAreWrittenBack) {
  const std::string priv = "owner@example\0\x01\x02\xFF\xE0"s, ufid = "http://ids\0" "1234"s;
  auto file = Open(ID3v2TagBytes(
                       4, 0, Text("TIT2", "Old") + ID3v2FrameBytes(4, "PRIV", priv) +
                                 Text("XSOP", "Sort") +
                                 ID3v2FrameBytes(4, "UFID", ufid, 0x20) +  // file alter: kept
                                 ID3v2FrameBytes(4, "XDRP", TextBody("x"), 0x40) +  // tag alter
                                 ID3v2FrameBytes(4, "PCNT", "\0\0\0\x2A"s) +  // kind without class
                                 ID3v2FrameBytes(4, "TPE2", "\x01"s)) +       // no field
                   kAudio);
  Frame(*file, fiTIT2).SetText(Bytes("New"));
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\0|\0New"s,
                                      "PRIV|\0\x02|owner@example\0\x01\x02\xFF\0\xE0"s,
                                      "XSOP|\0\0|\0Sort"s, "UFID|\x20\0|"s + ufid,
                                      "PCNT|\0\0|\0\0\0\x2A"s, "TPE2|\0\0|\x01"s}));
  // ID3v2.3 frames whose layout ID3v2.4 changed, or that it dropped, are not carried over.
  auto old = Open(ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TIT2", TextBody("Title")) +
                                          ID3v2FrameBytes(3, "TDAT", TextBody("0101")) +
                                          ID3v2FrameBytes(3, "RVAD", "\x03\x10\0\x01\0\x01"s) +
                                          ID3v2FrameBytes(3, "PRIV", "me\0data"s)) +
                  kAudio);
  EXPECT_EQ(RawFrames(Save(*old)),
            (std::vector<std::string>{"TIT2|\0\0|\0Title"s, "PRIV|\0\0|me\0data"s}));
}

TEST_F(ID3v2Write, AnAlmostEmptyFrameGivesWayToTheFrameOfItsKindTheSaveWrites) {
  // Bodies too short for a field stay out of the frame list, so a title and a comment
  // set are frames of their own: the almost empty title and comment go, the almost
  // empty TPE2, of a kind the save does not write, stays.
  auto file = Open(ID3v2TagBytes(4, 0, ID3v2FrameBytes(4, "TIT2", "\x01"s) +
                                           ID3v2FrameBytes(4, "COMM", "\0eng\0"s) +
                                           ID3v2FrameBytes(4, "TPE2", "\0"s) + Text("TALB", "Old")) +
                   kAudio);
  Frame(*file, fiTIT2).SetText(Bytes("New"));
  Frame(*file, fiCOMM).SetText(Bytes("c"));
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TALB|\0\0|\0Old"s, "TIT2|\0\0|\0New"s,
                                      "COMM|\0\0|\0\0\0\0\0" "c"s, "TPE2|\0\0|\0"s}));
}

TEST_F(ID3v2Write, FramesThatDoNotDecodeAreWrittenBackAsTheyLie) {
  // ID3v2.3: encrypted (method 0x81) in group 7, and compressed data that is not zlib.
  // Their extra bytes take their ID3v2.4 order, the inflated size becomes the data length.
  auto file = Open(ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TIT2", "\x81\x07secret"s, 0, 0x60) +
                                           ID3v2FrameBytes(3, "TPE1", BigEndian(200) + "junk",
                                                           0, 0x80)) +
                   kAudio);
  EXPECT_EQ(RawFrames(SaveTwice(*file)),
            (std::vector<std::string>{"TIT2|\0\x44|\x07\x81secret"s,
                                      "TPE1|\0\x09|\0\0\x01\x48junk"s}));
  // ID3v2.4: encrypted with a data length, unsynchronised, as it came.
  const std::string frame = ID3v2FrameBytes(4, "TALB", "\x81\0\0\0\x05" "ab\xFF\0\xE0"s, 0, 0x07);
  EXPECT_EQ(Save(*Open(ID3v2TagBytes(4, 0x80, frame) + kAudio)).substr(10, frame.size()), frame);
}

TEST_F(ID3v2Write, AnInflatedSizeNoDataLengthCanGiveStaysPastEveryBound) {
  // An ID3v2.3 inflated size of 29 bits or more becomes the largest data length, not its
  // low bits: 0 (no size given) or 9, the size the zlib data behind group 7 inflates to,
  // either of which would make the frame that did not decode read as an artist on the
  // next open. (Sizes below 2^28 keep their value, as above.)
  const std::string artist =
      "\x78\x9c\x63\x70\x2c\x2a\xc9\x2c\x2e\x51\x54\x04\x00\x0d\x7f\x02\xba"s;
  for (const uint32_t inflatedSize : {0x10000000u, 0x30000009u}) {
    SCOPED_TRACE(inflatedSize);
    const std::string data = BigEndian(inflatedSize) + "\x07" + artist;
    auto file = Open(ID3v2TagBytes(3, 0, ID3v2FrameBytes(3, "TPE1", data, 0, 0xA0)) + kAudio);
    EXPECT_EQ(RawFrames(SaveTwice(*file)),
              (std::vector<std::string>{"TPE1|\0\x49|\x07\x7f\x7f\x7f\x7f"s + artist}));
  }
}

TEST_F(ID3v2Write, BytesThatCannotBeReadAreKeptBehindTheFrames) {
  // A malformed frame header, and a frame running past the tag's end: behind the frames,
  // set apart by a zero byte as padding would be, so that no reader takes them for a
  // part of the last frame.
  for (const std::string& unread : {"\x01junk\xFF"s, "TPE2\0\0\x01\0\0\0\0cut"s}) {
    SCOPED_TRACE(Printable(Bytes(unread)));
    auto file = Open(ID3v2TagBytes(4, 0, Text("TIT2", "Title") + unread) + kAudio);
    Frame(*file, fiTALB).SetText(Bytes("New"));
    EXPECT_EQ(SaveTwice(*file),
              Padded(Text("TIT2", "Title") + Text("TALB", "New") + '\0' + unread) + kAudio);
  }
}

}  // namespace
