#pragma once
// Text frames. Their text is held as 8-bit text whatever the frame's encoding; a body
// built from it takes the encoding its texts need (see TWrittenTexts), and the encoding
// byte the frame holds says how text handed in as bytes is to be read. An empty text the
// user hands in is stored as '-'.
// - TMp3ID3v2FrameCat1: the text frames (T***) without a class of their own.
// - TMp3ID3v2FrameCat1Date: TDRC, the text read as yyyy-MM-dd.
// - TMp3ID3v2FrameCat1Track: TRCK, "number" or "number/total".
// - TMp3ID3v2FrameCat1Genre: TCON, a genre name or a genre number.

#include "ID3v2RawBodyFrames.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>

class TMp3ID3v2FrameCat1 : public TMp3ID3v2FrameCat0 {
public:
  TMp3ID3v2FrameCat1(uint8_t category, uint8_t frameKind);

  void SelectEncoding() override;
  // A zero byte for encodings 0 and 3, two for the UTF-16 encodings 1 and 2.
  void UpdateTerminator() override;
  TBytes GetTerminator() const override { return Terminator; }
  void SetTerminator(TBytes bytes) override { Terminator = std::move(bytes); }
  void ConvertTextEncoding(TBytes& bytes) override;
  uint8_t GetEncoding() const override { return Encoding[0]; }
  void SetEncoding(uint8_t encoding) override;

  // Multi-line text comes with CR LF line breaks: a carriage return goes before every line
  // feed that has none, in the text the frame holds, which GetTextString then gives too.
  // A body built while the text still says that holds the line breaks the text had
  // before (see TextToWrite).
  TBytes GetText() override;
  // Converted from the encoding when flag 1 is set (empty after that: '-'), carriage
  // returns dropped when flag 2 is set, zero bytes trimmed at both ends.
  void SetText(TBytes bytes) override;
  std::string GetTextString() const override { return {Text.begin(), Text.end()}; }
  // A non-empty string is stored as it is; an empty one goes through SetText.
  void SetTextString(const std::string& text) override;
  uint8_t GetTextFlag1() const override { return TextFlag1; }
  void SetTextFlag1(uint8_t flag) override { TextFlag1 = flag; }
  uint8_t GetTextFlag2() const override { return TextFlag2; }
  void SetTextFlag2(uint8_t flag) override { TextFlag2 = flag; }
  void KeepTextCharacters(std::u16string characters) override;
  std::u16string GetTextCharacters() const override;

  // Body: encoding byte, then the text in that encoding (no terminator); in UTF-16 while
  // the text still says what characters kept for it read as.
  void Encode() override;

protected:
  // A field as it was when characters were kept for it, with those characters.
  struct TKeptCharacters {
    TBytes Field;
    std::u16string Characters;
  };
  // The characters of the field where 8-bit text has no form for some of them, else none.
  static std::optional<TKeptCharacters> CharactersLost(const TBytes& field, std::u16string characters);
  // The characters kept while the field still says what it said then, else null.
  static const std::u16string* StillKept(const std::optional<TKeptCharacters>& kept, const TBytes& field);
  // The same, none (empty) for null.
  static std::u16string StillKeptOrNone(const std::optional<TKeptCharacters>& kept, const TBytes& field);
  // The characters kept for the text, while it still says what it said then, else null.
  const std::u16string* TextCharacters() const { return StillKept(FTextKept, TextToWrite()); }

  // The text as a body built now holds it: the text the frame holds, or while that is
  // what GetText last made of it, the text before, so that a frame whose text was only
  // looked at keeps its line breaks, LF or CR LF, byte for byte.
  const TBytes& TextToWrite() const;

  // How a body built now holds its texts: in the one encoding they all take (see
  // EncodingToWrite), whatever the encoding the frame was read or made with, since the
  // frame holds 8-bit text. A body the fields did not change is written as it was read
  // (see TMp3ID3v2Frame).
  struct TWrittenTexts {
    explicit TWrittenTexts(std::initializer_list<std::span<const uint8_t>> texts);
    explicit TWrittenTexts(uint8_t encoding);
    // A text, or characters, as the body holds them.
    TBytes Of(const TBytes& text) const;
    TBytes Of(const std::u16string& characters) const;

    TBytes Encoding;    // the encoding byte
    TBytes Terminator;  // a zero byte, two for UTF-16
  };

  // The body of a text: encoding byte, then the text in that encoding.
  void EncodeText(const TBytes& text);
  // Bytes handed in as text, as the frame keeps them (see SetText).
  TBytes TakeText(TBytes bytes, bool dropCarriageReturns);
  // The parts one after the other.
  static TBytes Join(std::initializer_list<std::span<const uint8_t>> parts);

  TBytes Terminator;
  TBytes Encoding;
  TBytes Text;
  uint8_t TextFlag1 = 0;
  uint8_t TextFlag2 = 0;

private:
  // The text before and after GetText last added carriage returns to it.
  struct TLineBreaksWidened {
    TBytes Before, After;
  };
  std::optional<TLineBreaksWidened> FLineBreaksWidened;
  std::optional<TKeptCharacters> FTextKept;
};

class TMp3ID3v2FrameCat1Date : public TMp3ID3v2FrameCat1 {
public:
  using TMp3ID3v2FrameCat1::TMp3ID3v2FrameCat1;

  // Empty bytes the user hands in stand for "1900". The year is characters 1 to 4 of
  // the text's first value (up to a zero byte), the month 6 and 7, the day 9 and 10; a
  // shorter text leaves the later fields empty.
  void SetText(TBytes bytes) override;
  std::string GetYear() const override { return Year; }
  void SetYear(const std::string& year) override { Year = year; }
  std::string GetMonth() const override { return Month; }
  void SetMonth(const std::string& month) override { Month = month; }
  std::string GetDay() const override { return Day; }
  void SetDay(const std::string& day) override { Day = day; }
  // The body's text is year, "-" month (when set), "-" day (when month and day are set);
  // without a year "1900". The text the frame holds stays as it is.
  void Encode() override;

private:
  std::string Year, Month, Day;
};

class TMp3ID3v2FrameCat1Track : public TMp3ID3v2FrameCat1 {
public:
  using TMp3ID3v2FrameCat1::TMp3ID3v2FrameCat1;

  // Empty bytes the user hands in stand for "1". The text's first value (up to a zero
  // byte) splits into number and total at its first "/", both as they are; a text
  // without "/" is the number alone and keeps the total.
  void SetText(TBytes bytes) override;
  std::string GetTrackNumber() const override { return TrackNumber; }
  // Leading zeros are dropped.
  void SetTrackNumber(const std::string& number) override;
  std::string GetTrackTotal() const override { return TrackTotal; }
  void SetTrackTotal(const std::string& total) override;
  // The body's text is number, "/" total (when set); both empty write the text the frame
  // holds, which stays as it is.
  void Encode() override;

private:
  std::string TrackNumber, TrackTotal;
};

class TMp3ID3v2FrameCat1Genre : public TMp3ID3v2FrameCat1 {
public:
  using TMp3ID3v2FrameCat1::TMp3ID3v2FrameCat1;

  // Empty bytes only set the index to 255. Otherwise a text that begins with a genre
  // reference is reduced to it, "(17)Rock" to "17", and the index is that number
  // (0..254, else 255) or the index of the genre name (255 when unknown); an unknown
  // text, "Rock (Live)" for one, stays the text.
  void SetText(TBytes bytes) override;
  uint8_t GetGenreIndex() const override { return GenreIndex; }
  // Below 148 the genre's name becomes the text; anything else means no genre and
  // empties the text.
  void SetGenreIndex(uint8_t index) override;

private:
  uint8_t GenreIndex = 0;
};
