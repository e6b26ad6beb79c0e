// The tag editor's window-free rules in tables: field editors, sizes and playing times,
// the MPEG panel's looks, reading fields from folders and names, names built from tags.
#include "app/settings/Config.h"
#include "app/tageditor/MpegInfoText.h"
#include "app/tageditor/TagFieldEditors.h"
#include "app/tageditor/TagsFromNames.h"

#include "base/Locale.h"

#include <gtest/gtest.h>

namespace {

std::string Decimal(const std::string& whole, const std::string& fraction) {
  return whole + DecimalSeparator() + fraction;
}

TEST(TagEditorRules, SizesReachGigabytesFrom1024CubedAndPlayingTimesCountWholeSeconds) {
  const std::pair<uint64_t, std::string> sizes[] = {
      {0, ""},
      {500, Decimal("500", "00") + " Bytes, "},
      {1536, Decimal("1", "50") + " KB, "},
      {1073741823, Decimal("1024", "00") + " MB, "},
      {1073741824, Decimal("1", "00") + " GB, "},
      {1610612736, Decimal("1", "50") + " GB, "},
      {uint64_t{5} << 30, Decimal("5", "00") + " GB, "},  // 2 GiB and more: no 32-bit wrap
      {uint64_t{3} << 40, Decimal("3072", "00") + " GB, "}};
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(FormatFileSize(bytes), text) << bytes;
  const std::pair<uint32_t, std::string> durations[] = {
      {3725, "1:02:05 hr."}, {3609, "1:00:09 hr."}, {3600, "1:00:00 hr."},
      {3660, "1:01:00 hr."}, {7199, "1:59:59 hr."}, {65, "1:05 min."},
      {60, "1:00 min."},     {42, "42 sec."},       {0, "0 sec."}};
  for (const auto& [seconds, text] : durations) EXPECT_EQ(FormatDuration(seconds), text) << seconds;
}

TEST(TagEditorRules, MpegPanelShowsDashesForSeveralRowsAndTheErrorLookWithoutARow) {
  TMpegPanelView several = ShowMpegInfo(nullptr, {.Valid = true, .Relabel = true});
  ASSERT_TRUE(several.Look);
  EXPECT_EQ(several.Look->Captions[mvPrivate], "Private");
  EXPECT_EQ(several.Look->Captions[mvOriginal], "Original");
  for (const auto& value : several.Values) EXPECT_EQ(value, " -");
  TMpegPanelView unread = ShowMpegInfo(nullptr, {.NoRow = true, .Valid = true, .Relabel = true});
  EXPECT_EQ(unread.Look->Captions[mvType], "Error");
  EXPECT_EQ(unread.Look->Captions[mvBitrate], "");
  EXPECT_FALSE(unread.Look->BevelShown || unread.Look->ColonsShown);
  EXPECT_EQ(unread.Values[mvType], "No valid ID3Tag !");
  EXPECT_EQ(unread.Values[mvSize], "");
  EXPECT_EQ(ShowMpegInfo(nullptr, {.NoRow = true, .ReadOk = true, .Relabel = true}).Values[mvType],
            "No valid file !");
  EXPECT_FALSE(ShowMpegInfo(nullptr, {.NoRow = true, .ReadOk = true}).Values[mvType]);  // kept
}

TEST(TagEditorRules, TrackAndDateEditorsKeepTheirBounds) {
  EXPECT_EQ(CheckTrack({"", "9", true}).TrackTotal, "");
  EXPECT_FALSE(CheckTrack({"", "9", true}).TotalEnabled);
  EXPECT_EQ(TakeTrackTotal({"12", "9", false}).TrackTotal, "12");
  EXPECT_EQ(TakeTrackTotal({"3", "12", false}).TrackTotal, "12");
  const TDateEditors clamped = CheckDate({"2004", "13", "45"});
  EXPECT_EQ(clamped.Month + "-" + clamped.Day, "12-31");
  EXPECT_TRUE(clamped.MonthEnabled && clamped.DayEnabled);
  const TDateEditors shortYear = CheckDate({"200", "05", "06"});
  EXPECT_FALSE(shortYear.MonthEnabled || shortYear.DayEnabled);
  EXPECT_EQ(shortYear.Month + shortYear.Day, "");
  EXPECT_EQ(CheckDate({"2004", "", "06"}).Day, "");
  EXPECT_EQ(CheckDate({"2004", "99999999999", ""}).Month, "12");

  EXPECT_EQ(DigitKeyResult("", TDigitKey::Up), "1");
  EXPECT_EQ(DigitKeyResult("1", TDigitKey::Down), "");
  EXPECT_EQ(DigitKeyResult("10", TDigitKey::Down), "9");
  EXPECT_EQ(DigitKeyResult("12", TDigitKey::Delete), "");
  EXPECT_TRUE(DigitCharAccepted('7') && DigitCharAccepted('\b'));
  EXPECT_FALSE(DigitCharAccepted('a') || DigitCharAccepted('-'));
  for (auto [text, byte] : {std::pair{"", 0}, {"7", 7}, {"007", 7}, {"255", 255}, {"256", 0},
                            {"99999999999999999999", 0}, {"A1", 0}})
    EXPECT_EQ(ID3v1TrackByte(text), byte) << text;
}

TEST(TagEditorRules, EditorsMarkWhatDiffersFromTheFieldsTheyShow) {
  TTagFields fields;
  fields.Comment = "text";
  fields.Language = 0;
  TFieldEditorValues editors = EditorValuesOf(fields, 5);
  EXPECT_EQ(editors.Description + "/" + IntToStr(editors.Language), "-/108");
  EXPECT_EQ(fields.Description, "-");  // compared with what the editor shows
  TTagMarks marks;
  editors.Description = "-x";
  EXPECT_TRUE(MarkEditedField(feDescription, editors, fields, marks));
  editors.Comment = "other";
  MarkEditedField(feComment, editors, fields, marks);
  editors.Description = "-";
  EXPECT_TRUE(MarkEditedField(feDescription, editors, fields, marks));  // the text still differs
  editors.Comment = "text";
  EXPECT_FALSE(MarkEditedField(feComment, editors, fields, marks));
  EXPECT_EQ(marks.MarkedCount(), 0);
  TTagFields none;
  EXPECT_EQ(EditorValuesOf(none, 5).Language, 5);
  // Each editor belongs to one field: the parts' editors to theirs.
  std::string owners;
  for (TFieldEditor editor : {feTitle, feArtist, feAlbum, feTrackNr, feTrackTotal, feGenre, feYear, feMonth, feDay,
                              feLanguage, feDescription, feComment})
    owners += IntToStr(FieldOf(editor));
  EXPECT_EQ(owners, "012334555666");
}

// While the user types a total beside track 3, "1" stays "1", so that "2" follows it;
// once the total is taken, one below the number is raised to it, and one at or above it
// stays. Without a number there is no total, typed or taken.
TEST(TagEditorRules, ATrackTotalBelowTheNumberIsRaisedOnlyOnceItIsTaken) {
  std::string total;
  for (char typed : std::string("12")) total = CheckTrack({"3", total + typed}).TrackTotal;
  EXPECT_EQ(total, "12");
  for (auto [typed, taken] : {std::pair{"", ""}, {"1", "3"}, {"2", "3"}, {"3", "3"}, {"4", "4"}, {"12", "12"}})
    EXPECT_EQ(TakeTrackTotal({"3", typed}).TrackTotal, taken) << typed;
  for (const TTrackEditors& noNumber : {CheckTrack({"", "9"}), TakeTrackTotal({"", "9"})})
    EXPECT_EQ(noNumber.TrackTotal + (noNumber.TotalEnabled ? "on" : "off"), "off");
}

// The language list marks the comment as its description and text do, while its index
// differs from the comment's language shown: English stands for a comment without a
// description.
TEST(TagEditorRules, AnotherLanguageAloneMarksTheComment) {
  TTagFields fields;
  fields.Comment = "text";
  fields.Language = 0;
  TFieldEditorValues editors = EditorValuesOf(fields, 5);
  TTagMarks marks;
  editors.Language = EnglishLanguage + 1;
  EXPECT_TRUE(MarkEditedField(feLanguage, editors, fields, marks));
  EXPECT_TRUE(marks.Part(tpLanguage) && marks.Field(tfComment));
  EXPECT_FALSE(marks.Part(tpDescription) || marks.Part(tpCommentText));
  editors.Comment = "other";
  MarkEditedField(feComment, editors, fields, marks);
  editors.Comment = "text";
  EXPECT_TRUE(MarkEditedField(feComment, editors, fields, marks));  // the language still differs
  editors.Language = EnglishLanguage;
  EXPECT_FALSE(MarkEditedField(feLanguage, editors, fields, marks));
  EXPECT_EQ(marks.MarkedCount(), 0);
}

class FormatReading : public ::testing::Test {
protected:
  // Reads a name (and the folders "Artist\Album") by a format, as FilenameToTag does.
  void Read(const std::string& format, const std::string& name, const TTagFields& start = {}) {
    Fields = start;
    Marks.SetAllMarks(false);
    Config.ClearFormatFrameIDs();
    TLevels path = PathLevels("C:\\Music\\Artist\\Album\\");
    const int32_t depth = LevelDepth(path), offset = depth - LevelDepth(FormatLevels(format));
    TFormatLevelReader reader(Fields, Marks, Config);
    size_t remembered = 0;
    if (offset < depth - 1) reader.ReadFormatLevel(offset, depth, true, path, format, remembered);
    path.back() = name;
    reader.ReadFormatLevel(depth - 1, depth + 1, false, path, format, remembered);
  }
  std::string Kinds() const {
    std::string kinds;
    for (int i = 0; i < Config.GetFormatFrameIDCount(); ++i)
      kinds += FrameIDInfo(Config.GetFormatFrameID(i)).FrameID + std::string(" ");
    return kinds;
  }

  TConfigBase Config{TProgramPlace{"C:\\", "C:\\"}};
  TTagFields Fields;
  TTagMarks Marks;
};

TEST_F(FormatReading, FoldersAndNameSectionsFillAndMarkTheirFields) {
  Read("\\ <A>\\ <L>\\ <N> - <T>", "03 - Song");
  EXPECT_EQ(Fields.Artist + "|" + Fields.Album + "|" + Fields.TrackNr + "|" + Fields.Title,
            "Artist|Album|3|Song");
  EXPECT_EQ(Marks.MarkedCount(), 4);
  EXPECT_EQ(Kinds(), "TPE1 TALB TRCK TIT2 ");

  Read("\\ <N> - <X> - <G> - <Y>", "A1 - skipped - 17 - 1999");
  EXPECT_FALSE(Marks.Field(tfTrack));  // "A1" is no number
  EXPECT_EQ(Fields.TrackNr, "");
  EXPECT_EQ(Fields.Genre, 17);
  EXPECT_EQ(Fields.Year, "1999");
  EXPECT_EQ(Kinds(), "TCON TDRC ");

  TTagFields earlier;
  earlier.TrackNr = "7";
  earlier.Year = "1990";
  Read("\\ <N> - <Y>", "A1 - 19x9", earlier);
  EXPECT_EQ(Fields.TrackNr + "|" + Fields.Year, "|");  // no number: emptied, not kept
  EXPECT_EQ(Marks.MarkedCount(), 0);

  for (const char* genre : {"no such genre", "148", "99999999999"}) {
    Read("\\ <G>", genre);
    EXPECT_FALSE(Marks.Field(tfGenre)) << genre;
    EXPECT_EQ(Fields.Genre, GenreNone) << genre;
  }
  Read("\\ <G> - <T>", "rock - ");  // names compare without case; an empty last section
  EXPECT_EQ(Fields.Genre, 17);
  EXPECT_TRUE(Marks.Field(tfTitle));
  EXPECT_EQ(Fields.Title, "");
}

TEST(TagEditorRules, NamesFromTagsJoinSectionsAFileSystemCanHoldAsTheTagsHoldThem) {
  EXPECT_EQ(NameOfSections({"03", "AC/DC", "Back:In*Black?"}), "03 - AC_DC - Back_In_Black_");
  EXPECT_EQ(NameOfSections({"", "Title"}), "Title");
  EXPECT_EQ(NameOfSections({"Artist", ""}), "Artist - ");  // "Artist - .mp3"
  EXPECT_EQ(NameOfSections({" Band ", "Title "}), " Band  - Title ");  // the tags' blanks kept
  EXPECT_EQ(NameOfSections({" ", "A\tB\"<>|\\"}), "  - A_B_____");
  EXPECT_EQ(NameOfSections({}), "");
}

}  // namespace
