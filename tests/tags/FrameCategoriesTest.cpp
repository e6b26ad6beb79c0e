// The ID3v2 frame category classes: bodies other tools write split into fields as they
// hold them and built again, and what each class makes of the values the user hands it.
#include "Deadline.h"
#include "FrameFixtures.h"

#include "tags/ID3TagsUtils.h"
#include "tags/ID3v2Frame.h"
#include "tags/ID3v2FrameBody.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

using namespace std::string_literals;

// A locale that works in 8-bit text unless a test says otherwise.
class FrameCategories : public ::testing::Test {
protected:
  std::unique_ptr<TMp3ID3v2FrameCatBase> Make(uint8_t category, uint8_t kind) {
    bool ok = false;
    return CreateFrameCategory(category, kind, ok);
  }

  TCharsetScope FAnsiLocale{0};
};

// Bodies mutagen does not write (the interoperability tests read those): other byte
// orders, missing terminators and marks, almost empty fields.
TEST_F(FrameCategories, UnusualBodiesReadAsTheyStandAndBuildAgain) {
  struct TRoundTrip {
    uint8_t Category, Kind;
    std::string Body, Fields, Encoded;  // as read, its fields, the body built from them
  } trips[] = {
      {fcText, fiTIT2, "\x01T\0i\0"s, "text=Ti", "\0Ti"s},  // UTF-16 without a mark
      {fcGenre, fiTCON, "\0" "17\0" "20"s, "genre=17 | text=17", "\0" "17"s},  // a list
      {fcUserText, fiTXXX, "\0calm"s, "desc= | text=calm", "\0\0calm"s},  // no terminator
      {fcUserText, fiTXXX, "\0d\0" "a\nb\r\nc"s, "desc=d | text=a\\x0Ab\\x0D\\x0Ac",
       "\0d\0" "a\nb\r\nc"s},
      {fcComment, fiCOMM, "\0\0\0\0\0hi"s, "lang=\\x00\\x00\\x00 | desc= | text=hi",
       "\0\0\0\0\0hi"s},  // no language
      {fcObject, fiGEOB, "\0x/y\0\0d\0\x01"s, "mime=x/y | file= | desc=d | data=\\x01",
       "\0x/y\0\0d\0\x01"s},
      // The counter is every byte after the rating, zero bytes included.
      {fcPopularimeter, fiPOPM, "a@b\0\xC8\0\0\x01\0"s,
       "email=a@b | rating=200 | counter=\\x00\\x00\\x01\\x00", "a@b\0\xC8\0\0\x01\0"s},
  };
  for (const TRoundTrip& trip : trips) {
    SCOPED_TRACE(Printable(Bytes(trip.Body)));
    auto first = ReadCategory(trip.Category, trip.Kind, Bytes(trip.Body));
    EXPECT_EQ(Summary(*first), trip.Fields);
    TBytes encoded = EncodedBody(*first);
    EXPECT_EQ(Printable(encoded), Printable(Bytes(trip.Encoded)));
    auto second = ReadCategory(trip.Category, trip.Kind, encoded);
    EXPECT_EQ(Printable(EncodedBody(*second)), Printable(encoded));
  }
}

TEST_F(FrameCategories, ValuesTheUserHandsInGetTheirStandIns) {
  auto text = Make(fcText, fiTIT2), date = Make(fcDate, fiTDRC), track = Make(fcTrack, fiTRCK);
  auto genre = Make(fcGenre, fiTCON), comment = Make(fcComment, fiCOMM);
  for (auto* frame : {text.get(), date.get(), track.get(), genre.get(), comment.get()})
    frame->SetTextString("old");
  for (auto* frame : {text.get(), date.get(), track.get(), genre.get()}) frame->SetText({});
  EXPECT_EQ(text->GetTextString() + date->GetTextString() + track->GetTextString(), "-19001");
  EXPECT_EQ(genre->GetTextString(), "old");  // only the index changes
  EXPECT_EQ(genre->GetGenreIndex(), GenreNone);
  comment->SetTextString("");  // a comment ignores an empty string...
  EXPECT_EQ(comment->GetTextString(), "old");
  comment->SetText({});  // ...but not empty bytes
  comment->SetDescriptionString("");
  comment->SetLanguage(Bytes("\0en"s));
  EXPECT_EQ(Summary(*comment), "lang=XXX | desc=- | text=-");
}

TEST_F(FrameCategories, DatesTracksAndGenres) {
  auto date = Make(fcDate, fiTDRC);
  date->SetText(Bytes("1999-12-31"));
  date->SetText(Bytes("2004-05\0" "2005-06-07"s));  // replaces all of it; the first value
  EXPECT_EQ(date->GetYear() + "|" + date->GetMonth() + "|" + date->GetDay(), "2004|05|");
  date->SetMonth("");
  date->SetDay("06");  // a day without a month is not written
  EXPECT_EQ(EncodedBody(*date), Bytes("\0" "2004"s));
  date->SetText(Bytes("2010-01-02"));
  date->SetText(Bytes("2011"));  // a year alone clears the month too
  EXPECT_EQ(date->GetYear() + "|" + date->GetMonth() + "|" + date->GetDay(), "2011||");
  auto track = Make(fcTrack, fiTRCK);
  track->SetTrackNumber("03");
  track->SetTrackTotal("012");
  EXPECT_EQ(EncodedBody(*track), Bytes("\0" "3/12"s));
  track->SetText(Bytes("07"));  // a number alone keeps the total
  EXPECT_EQ(track->GetTrackNumber() + "|" + track->GetTrackTotal(), "07|12");
  EXPECT_EQ(EncodedBody(*track), Bytes("\0" "07/12"s));
  track->SetText(Bytes("4/"));  // a "/" always sets the total, also to nothing
  EXPECT_EQ(track->GetTrackNumber() + "|" + track->GetTrackTotal(), "4|");

  const std::tuple<std::string, int, std::string> genres[] = {
      {"(17)Rock", 17, "17"}, {"rock", 17, "rock"}, {"(999)", 255, "999"},
      {"99999999999", 255, "99999999999"}, {"00254", 254, "00254"}, {"((x)", 255, "x"},
      // Only a text that begins with "(" is a reference; others are kept whole.
      {"Rock (Live)", 255, "Rock (Live)"}, {"Pop(13)", 255, "Pop(13)"}};
  for (const auto& [given, index, kept] : genres) {
    auto genre = Make(fcGenre, fiTCON);
    genre->SetText(Bytes(given));
    EXPECT_EQ(genre->GetGenreIndex(), index) << given;
    EXPECT_EQ(genre->GetTextString(), kept) << given;
  }
  auto genre = Make(fcGenre, fiTCON);
  genre->SetGenreIndex(17);
  EXPECT_EQ(EncodedBody(*genre), Bytes("\0Rock"s));
  genre->SetGenreIndex(148);  // the blank after the last genre is none
  EXPECT_EQ(genre->GetTextString(), "");
}

TEST_F(FrameCategories, BodiesBuiltFromWhatTheUserSetsStayWellFormed) {
  // A language is three bytes: any other length would shift the fields behind it.
  auto comment = Make(fcComment, fiCOMM);
  comment->SetText(Bytes("c"));
  for (const std::string language : {"en", "engl"}) {
    comment->SetLanguage(Bytes(language));
    EXPECT_EQ(EncodedBody(*comment), Bytes("\0XXX\0c"s)) << language;
  }
  // A new object has no file name until one is set: no byte stands before its terminator.
  auto object = Make(fcObject, fiGEOB);
  object->SetText(Bytes("text/plain"));
  object->SetDescriptionString("d");
  object->SetPictureData(Bytes("o"));
  EXPECT_EQ(EncodedBody(*object), Bytes("\0text/plain\0\0d\0o"s));
  // A popularimeter without a counter is built from its address and its rating.
  auto rating = ReadCategory(fcPopularimeter, fiPOPM, Bytes("a@b\0\x10"s));
  rating->SetRating(200);
  EXPECT_EQ(EncodedBody(*rating), Bytes("a@b\0\xC8"s));
}

// Clear empties the body of every class. The reader and the writer release it only where
// the fields build it again; a body that is the frame's only field stays.
TEST_F(FrameCategories, ClearEmptiesTheBodyWhichReadAndWriteKeepWhereItIsTheOnlyField) {
  const std::tuple<uint8_t, uint8_t, std::string> wholeBodies[] = {
      {fcUrl, fiWCOM, "http://shop.example/"},
      {fcCdIdentifier, fiMCDI, "\x01\0\x02\0"s},
      {fcNone, fiPRIV, "owner\0\x09"s},
      {fcRawBody, fiPRIV, "raw"}};
  for (const auto& [category, kind, body] : wholeBodies) {
    SCOPED_TRACE(int{category});
    auto frame = ReadCategory(category, kind, Bytes(body));
    EXPECT_EQ(frame->GetData(), Bytes(body));
    EXPECT_EQ(WriteFrameBody(*frame), Bytes(body));
    EXPECT_EQ(WriteFrameBody(*frame), Bytes(body));  // a second save writes it again
    frame->Clear();
    EXPECT_EQ(frame->GetDataSize(), 0);
  }
  // A text frame's body goes once split and once written; its text builds it again.
  auto title = ReadCategory(fcText, fiTIT2, Bytes("\0Song"s));
  EXPECT_EQ(title->GetDataSize(), 0);
  EXPECT_EQ(WriteFrameBody(*title), Bytes("\0Song"s));
  EXPECT_EQ(title->GetDataSize(), 0);
  title->SetData(Bytes("x"));
  title->Clear();
  EXPECT_EQ(title->GetDataSize(), 0);
}

TEST_F(FrameCategories, LineBreaks) {
  // Multi-line text: CR LF for the user, LF in the frame; other text keeps what it gets.
  auto txxx = ReadCategory(fcUserText, fiTXXX, Bytes("\0d\0a\nb"s));
  EXPECT_EQ(txxx->GetText(), Bytes("a\r\nb"));
  txxx->SetText(txxx->GetText());
  EXPECT_EQ(EncodedBody(*txxx), Bytes("\0d\0a\nb"s));
}

TEST_F(FrameCategories, TextWhoseLineBreaksWereWidenedForTheUserKeepsThemInTheBody) {
  // GetText widens the text the frame holds, which GetTextString then gives too; the body
  // keeps the line breaks read, LF, CR LF or both, also when another field changes, and
  // while the text handed back is what GetText gave.
  const std::pair<std::string, std::string> texts[] = {
      {"a\nb", "a\r\nb"}, {"a\r\nb\nc\n", "a\r\nb\r\nc\r\n"}, {"\nx", "\r\nx"}};
  for (const auto& [read, widened] : texts) {
    SCOPED_TRACE(Printable(Bytes(read)));
    auto comment = ReadCategory(fcComment, fiCOMM, Bytes("\0engd\0"s + read));
    EXPECT_EQ(comment->GetText(), Bytes(widened));
    EXPECT_EQ(comment->GetTextString(), widened);
    EXPECT_EQ(comment->GetText(), Bytes(widened));  // a second look changes nothing
    EXPECT_EQ(EncodedBody(*comment), Bytes("\0engd\0"s + read));
    comment->SetDescriptionString("e");
    comment->SetTextString(comment->GetTextString());
    EXPECT_EQ(EncodedBody(*comment), Bytes("\0enge\0"s + read));
  }
  // A text set anew is written as it is set; a text looked at again is widened again.
  auto lyrics = ReadCategory(fcComment, fiUSLT, Bytes("\0eng\0a\nb"s));
  lyrics->GetText();
  lyrics->SetTextString("x\r\ny\nz");
  EXPECT_EQ(EncodedBody(*lyrics), Bytes("\0eng\0x\r\ny\nz"s));
  EXPECT_EQ(lyrics->GetText(), Bytes("x\r\ny\r\nz"));
  EXPECT_EQ(EncodedBody(*lyrics), Bytes("\0eng\0x\r\ny\nz"s));
}

TEST_F(FrameCategories, LyricsOfAMegabyteOfLineFeedsAreWidenedInOnePass) {
  // One insertion after another moved the rest of the text each time: minutes.
  const TDeadline deadline(std::chrono::seconds(20), "lyrics of a megabyte of line feeds");
  const std::string lineFeeds(1 << 20, '\n');
  auto lyrics = ReadCategory(fcComment, fiUSLT, Bytes("\0eng\0"s + lineFeeds));
  TBytes widened = lyrics->GetText();
  ASSERT_EQ(widened.size(), 2u << 20);
  EXPECT_EQ(widened[0], '\r');
  EXPECT_EQ(widened.back(), '\n');
  EXPECT_EQ(EncodedBody(*lyrics), Bytes("\0eng\0"s + lineFeeds));
}

TEST_F(FrameCategories, ChangedTextIsWrittenIn8BitWhereItIsISO88591AndElseInUTF16) {
  // The euro sign, curly quotes and the ellipsis of code page 1252 are none of ISO-8859-1:
  // as 8-bit text other programs would read the control characters of their numbers.
  const std::string typed = "\x80 \x93q\x94\x85";
  const TBytes utf16 = Hex("01 FFFE AC20 2000 1C20 7100 1D20 2620");
  auto made = Make(fcText, fiTIT2), read = ReadCategory(fcText, fiTIT2, Bytes("\0Old"s));
  for (auto* title : {made.get(), read.get()}) {
    title->SetTextString(typed);
    EXPECT_EQ(EncodedBody(*title), utf16);
    title->SetTextString("Caf\xE9");
    EXPECT_EQ(EncodedBody(*title), Bytes("\0Caf\xE9"s));
  }
  EXPECT_EQ(ReadCategory(fcText, fiTIT2, utf16)->GetTextString(), typed);
  // A description and a text share the frame's one encoding byte.
  auto comment = ReadCategory(fcComment, fiCOMM, Bytes("\0engd\0old"s));
  comment->SetDescriptionString("\x80");
  EXPECT_EQ(EncodedBody(*comment), Hex("01 656E67 FFFE AC20 0000 FFFE 6F00 6C00 6400"));
  auto picture = Make(fcPicture, fiAPIC);
  picture->SetText(Bytes("image/png"));
  picture->SetDescriptionString("\x85");
  picture->SetPictureData(Bytes("png"));
  EXPECT_EQ(EncodedBody(*picture), Bytes("\x01image/png\0\0\xFF\xFE\x26\x20\0\0png"s));
}

TEST_F(FrameCategories, OnACyrillicSystemEveryFieldTheEditorSetsTakesTheEncodingItsTextNeeds) {
  // Letters as UTF-16, whatever the encoding the frame was read or made with; digits and
  // other ISO-8859-1 text as 8-bit text, whatever the locale's character set.
  TCyrillicCodePage cyrillic;
  TCharsetScope russian(204);
  const std::string letters = "\xCF\xF0\xE8";  // three Cyrillic letters
  const std::string lettersInUtf16 = "FFFE 1F04 4004 3804";
  for (bool fromFile : {false, true}) {
    SCOPED_TRACE(fromFile ? "read from a file" : "made new");
    auto frame = [fromFile, this](uint8_t category, uint8_t kind, const std::string& body) {
      return fromFile ? ReadCategory(category, kind, Bytes(body)) : Make(category, kind);
    };
    auto title = frame(fcText, fiTIT2, "\0Old"s), album = frame(fcText, fiTALB, "\0Old"s);
    title->SetTextString(letters);
    album->SetTextString("Album");
    EXPECT_EQ(EncodedBody(*title), Hex("01" + lettersInUtf16));
    EXPECT_EQ(EncodedBody(*album), Bytes("\0Album"s));
    auto track = frame(fcTrack, fiTRCK, "\0" "1"s);
    track->SetTrackNumber("3");
    track->SetTrackTotal("12");
    EXPECT_EQ(EncodedBody(*track), Bytes("\0" "3/12"s));
    auto date = frame(fcDate, fiTDRC, "\0" "1999"s);
    date->SetYear("2004");
    date->SetMonth("05");
    EXPECT_EQ(EncodedBody(*date), Bytes("\0" "2004-05"s));
    auto genre = frame(fcGenre, fiTCON, "\0Pop"s);
    genre->SetGenreIndex(17);
    EXPECT_EQ(EncodedBody(*genre), Bytes("\0Rock"s));
    auto comment = frame(fcComment, fiCOMM, "\0rusd\0old"s);
    comment->SetLanguageString("rus");
    comment->SetDescriptionString("d");
    comment->SetTextString(letters);
    const TBytes body = EncodedBody(*comment);
    EXPECT_EQ(body, Hex("01 727573 FFFE 6400 0000" + lettersInUtf16));
    EXPECT_EQ(ReadCategory(fcComment, fiCOMM, body)->GetTextString(), letters);  // read back
  }
}

TEST_F(FrameCategories, AFieldLeftAloneKeepsTheCharactersThat8BitTextHasNoFormFor) {
  // Code page 1252 has no form for Japanese or Cyrillic: they read as "?"s, and a body
  // built after another field changed holds them as read, in UTF-16 with the field changed.
  const std::string japanese = "FFFE E565 2C67";            // U+65E5 U+672C
  const std::string cyrillic = "FFFE 3F04 0A00 4004 3804";  // U+043F LF U+0440 U+0438
  auto comment = ReadCategory(fcComment, fiCOMM, Hex("01 656E67" + japanese + "0000 FFFE 6F00 6C00 6400"));
  EXPECT_EQ(comment->GetDescriptionString(), "??");
  comment->SetTextString("new");
  EXPECT_EQ(EncodedBody(*comment), Hex("01 656E67" + japanese + "0000 FFFE 6E00 6500 7700"));
  // The same from UTF-16 big-endian with a closing zero, and from UTF-8; the text's line
  // feed as read, though the user was shown CR LF.
  auto lyrics = ReadCategory(fcComment, fiUSLT, Hex("02 656E67 0000 043F 000A 0440 0438 0000"));
  EXPECT_EQ(lyrics->GetText(), Bytes("?\r\n??"));
  lyrics->SetLanguageString("rus");
  EXPECT_EQ(EncodedBody(*lyrics), Hex("01 727573 FFFE 0000" + cyrillic));
  auto userText = ReadCategory(fcUserText, fiTXXX, Hex("03 E697A5 E69CAC 00 78"));
  userText->SetTextString("y");
  EXPECT_EQ(EncodedBody(*userText), Hex("01" + japanese + "0000 FFFE 7900"));
  // A field changed is written from what it says now: no "?" is taken for a character.
  comment->SetDescriptionString("d");
  EXPECT_EQ(EncodedBody(*comment), Bytes("\0engd\0new"s));
}

TEST_F(FrameCategories, CharactersOneFrameWasReadWithAreWrittenByAnotherWhileItsFieldSaysTheSame) {
  // A title read in Cyrillic gives its characters, which an album made new holds while
  // its text is the "?"s they read as; a text typed over them is written as typed.
  const std::string cyrillic = "FFFE 1A04 3804 3D04 3E04";  // U+041A U+0438 U+043D U+043E
  auto title = ReadCategory(fcText, fiTIT2, Hex("01" + cyrillic + "0000"));
  EXPECT_EQ(title->GetTextString(), "????");
  EXPECT_EQ(title->GetTextCharacters(), u"\u041A\u0438\u043D\u043E");
  EXPECT_EQ(EncodedBody(*title), Hex("01" + cyrillic));
  auto album = Make(fcText, fiTALB);
  album->SetTextString(title->GetTextString());
  album->KeepTextCharacters(title->GetTextCharacters());
  EXPECT_EQ(EncodedBody(*album), Hex("01" + cyrillic));
  album->SetTextString("????x");
  EXPECT_EQ(album->GetTextCharacters(), u"");
  EXPECT_EQ(EncodedBody(*album), Bytes("\0????x"s));
  // A comment's description the same way, beside a text of its own; characters that 8-bit
  // text holds all of are not kept.
  auto comment = Make(fcComment, fiCOMM);
  comment->SetLanguageString("eng");
  comment->SetDescriptionString("??");
  comment->KeepDescriptionCharacters(u"\u65E5\u672C");
  comment->SetTextString("x");
  comment->KeepTextCharacters(u"x");
  EXPECT_EQ(comment->GetTextCharacters(), u"");
  EXPECT_EQ(EncodedBody(*comment), Hex("01 656E67 FFFE E565 2C67 0000 FFFE 7800"));
  // An emptied description is empty, not the setters' '-'.
  comment->ClearDescription();
  EXPECT_EQ(comment->GetDescriptionCharacters(), u"");
  EXPECT_EQ(EncodedBody(*comment), Bytes("\0eng\0x"s));
}

TEST_F(FrameCategories, EncodingFollowsTheLocale) {
  TShownErrors errors;
  TCharsetScope russian(204);
  EXPECT_EQ(Make(fcComment, fiCOMM)->GetTerminator(), TBytes(2, 0));  // UTF-16
  // An 8-bit frame is not converted on a Unicode locale, and the user is told.
  auto title = Make(fcText, fiTIT2);
  title->SetEncoding(0);
  title->SetTextFlag1(1);
  TBytes text = Bytes("abc");
  title->ConvertTextEncoding(text);
  EXPECT_EQ(text, Bytes("abc"));
  EXPECT_EQ(errors.Texts, std::vector<std::string>{"Encoding in Unicode not yet implemented!"});
  // Under "Error" as it stands, whatever the user's language.
  EXPECT_EQ(errors.Captions, std::vector<TTagErrorCaption>{TTagErrorCaption::Fixed});
}

}  // namespace
