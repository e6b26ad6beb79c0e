#pragma once
// The root of the ID3v2 frame category classes. A category object owns one frame's
// body (its raw data) and the fields that body splits into; the frame reader fills the
// fields, the tag editor reads and changes them, and the tag writer has them encoded
// back into the body. Callers hold every category object as this class and use only
// its virtual operations; an operation the object's class does not implement raises
// EAbstractError.
//
// Strings are 8-bit text (see ID3TextCodec.h); byte-array setters take their bytes as
// they come, the string forms copy the characters one to one. What the setters make of
// a value the user hands in ('-' for an empty text, "XXX" for a missing language,
// carriage returns dropped, ...) is left out while a body is being read, so that a frame
// the user changes in one field keeps the others as they were.

#include "base/Object.h"
#include "base/StrUtils.h"

#include <cstdint>
#include <string>

class TMp3ID3v2FrameCatBase : public TObject {
public:
  TMp3ID3v2FrameCatBase() = default;
  TMp3ID3v2FrameCatBase(const TMp3ID3v2FrameCatBase&) = delete;
  TMp3ID3v2FrameCatBase& operator=(const TMp3ID3v2FrameCatBase&) = delete;

  // --- the raw body and what the object is
  virtual TBytes GetData() const { Abstract(); }
  // An empty array stores the single byte '-'.
  virtual void SetData(TBytes) { Abstract(); }
  virtual TBytes& GetDataAddress() { Abstract(); }
  // Takes the bytes over as the body, as they are.
  virtual void AssignData(TBytes&&) { Abstract(); }
  virtual int32_t GetDataSize() const { Abstract(); }
  virtual uint8_t GetCategory() const { Abstract(); }  // a TFrameCategoryCode
  virtual uint8_t GetFrameKind() const { Abstract(); }  // a TFrameIDlibrary value

  // --- text encoding (the ID3v2 encoding byte) and string terminator of the text handed
  // in as bytes; a body built from the fields takes the encoding its texts need (see
  // EncodingToWrite), and a frame reads its body into 8-bit text and encoding 0.
  // Encoding 0 when the user's locale works in 8-bit text, else 1.
  virtual void SelectEncoding() { Abstract(); }
  virtual void UpdateTerminator() { Abstract(); }
  virtual TBytes GetTerminator() const { Abstract(); }
  virtual void SetTerminator(TBytes) { Abstract(); }
  // Turns text in the frame's encoding into 8-bit text, where the locale works in 8-bit
  // text; complains when it does not and the frame is 8-bit.
  virtual void ConvertTextEncoding(TBytes&) { Abstract(); }
  virtual uint8_t GetEncoding() const { Abstract(); }
  virtual void SetEncoding(uint8_t) { Abstract(); }

  // --- the frame's text
  virtual TBytes GetText() { Abstract(); }
  virtual void SetText(TBytes) { Abstract(); }
  virtual std::string GetTextString() const { Abstract(); }
  virtual void SetTextString(const std::string&) { Abstract(); }
  // Flag 1: text handed in is in a 16-bit or UTF-8 encoding and must be converted.
  virtual uint8_t GetTextFlag1() const { Abstract(); }
  virtual void SetTextFlag1(uint8_t) { Abstract(); }
  // Flag 2: multi-line text; line breaks are LF in the frame and CR LF for the user.
  virtual uint8_t GetTextFlag2() const { Abstract(); }
  virtual void SetTextFlag2(uint8_t) { Abstract(); }

  // --- recording date (TDRC)
  virtual std::string GetYear() const { Abstract(); }
  virtual void SetYear(const std::string&) { Abstract(); }
  virtual std::string GetMonth() const { Abstract(); }
  virtual void SetMonth(const std::string&) { Abstract(); }
  virtual std::string GetDay() const { Abstract(); }
  virtual void SetDay(const std::string&) { Abstract(); }

  // --- track (TRCK)
  virtual std::string GetTrackNumber() const { Abstract(); }
  virtual void SetTrackNumber(const std::string&) { Abstract(); }
  virtual std::string GetTrackTotal() const { Abstract(); }
  virtual void SetTrackTotal(const std::string&) { Abstract(); }

  // --- genre (TCON): an index into the genre names, 255 for none
  virtual uint8_t GetGenreIndex() const { Abstract(); }
  virtual void SetGenreIndex(uint8_t) { Abstract(); }

  // --- description (TXXX, WXXX, COMM, USLT, APIC, GEOB)
  virtual TBytes GetDescription() const { Abstract(); }
  virtual void SetDescription(TBytes) { Abstract(); }
  virtual std::string GetDescriptionString() const { Abstract(); }
  virtual void SetDescriptionString(const std::string&) { Abstract(); }
  // Empties the description, which the setters would store as '-': players take a comment
  // without a description for the file's comment.
  virtual void ClearDescription() { Abstract(); }

  // --- characters that 8-bit text has no form for (it shows them as "?"s), of the text
  // and the description of the plain text frames, TXXX, COMM and USLT
  // The characters that the field holds now stands for, handed over after the field: by
  // the frame reader, those of the body; by the tag editor, those of a value that another
  // frame was read with. While the field still says that, a body built from the fields
  // holds them (in UTF-16). Zero characters at either end are dropped, as from the field.
  virtual void KeepTextCharacters(std::u16string) { Abstract(); }
  virtual void KeepDescriptionCharacters(std::u16string) { Abstract(); }
  // The characters kept for the field while it still says what it said then; none (empty)
  // where 8-bit text holds them all.
  virtual std::u16string GetTextCharacters() const { Abstract(); }
  virtual std::u16string GetDescriptionCharacters() const { Abstract(); }

  // --- language (COMM, USLT): a 3-letter ISO 639-2 code
  virtual TBytes GetLanguage() const { Abstract(); }
  virtual void SetLanguage(TBytes) { Abstract(); }
  virtual std::string GetLanguageString() const { Abstract(); }
  virtual void SetLanguageString(const std::string&) { Abstract(); }
  // The code's row in the language table; 0 ("XXX") when it has none.
  virtual int32_t GetLanguageIndex() const { Abstract(); }
  virtual void SetLanguageIndex(int32_t) { Abstract(); }

  // --- the whole body as a string (MCDI)
  virtual std::string GetBodyString() const { Abstract(); }
  virtual void SetBodyString(const std::string&) { Abstract(); }

  // --- attached picture (APIC) and encapsulated object (GEOB)
  virtual uint8_t GetPictureType() const { Abstract(); }
  virtual void SetPictureType(uint8_t) { Abstract(); }
  virtual TBytes GetPictureTypeData() const { Abstract(); }
  virtual void SetPictureTypeData(TBytes) { Abstract(); }
  virtual TBytes GetPictureData() const { Abstract(); }
  virtual void SetPictureData(TBytes) { Abstract(); }
  virtual std::string GetFileNameString() const { Abstract(); }
  virtual void SetFileNameString(const std::string&) { Abstract(); }

  // --- play counter and popularimeter (POPM)
  virtual TBytes GetCounterData() const { Abstract(); }
  virtual void SetCounterData(TBytes) { Abstract(); }
  virtual uint32_t GetCounter() const { Abstract(); }
  virtual void SetCounter(uint32_t) { Abstract(); }
  virtual TBytes GetRatingData() const { Abstract(); }
  virtual void SetRatingData(TBytes) { Abstract(); }
  virtual uint8_t GetRating() const { Abstract(); }
  virtual void SetRating(uint8_t) { Abstract(); }

  // --- the body as a whole
  // Rebuilds the raw body from the fields, changing nothing else; a frame whose fields
  // are not set keeps the body it has.
  virtual void Encode() { Abstract(); }
  // Empties the raw body. The frame reader calls it after splitting a body into fields,
  // the tag writer after writing the body out, each only for frames whose fields can
  // rebuild the body (see FieldsRebuildBody).
  virtual void Clear() { Abstract(); }

  // Set by the frame reader while it hands a body's fields over (see above).
  void SetReadingBody(bool reading) { FReadingBody = reading; }

protected:
  bool ReadingBody() const { return FReadingBody; }

private:
  [[noreturn]] static void Abstract();

  bool FReadingBody = false;
};
