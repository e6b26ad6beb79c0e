#pragma once
// Text frames with a description, whose text may run over several lines.
// - TMp3ID3v2FrameCat2: user-defined text (TXXX).
// - TMp3ID3v2FrameCat4: user-defined URL (WXXX); the URL is 8-bit whatever the encoding.
// - TMp3ID3v2FrameCat5: comments and unsynchronised lyrics (COMM, USLT), with a language.

#include "ID3v2TextFrames.h"

class TMp3ID3v2FrameCat2 : public TMp3ID3v2FrameCat1 {
public:
  TMp3ID3v2FrameCat2(uint8_t category, uint8_t frameKind);

  TBytes GetDescription() const override { return Description; }
  // Taken like text (converted, zero bytes trimmed, empty as '-'), carriage returns kept.
  void SetDescription(TBytes bytes) override;
  std::string GetDescriptionString() const override;
  // A non-empty string is stored as it is; an empty one is stored as '-'.
  void SetDescriptionString(const std::string& text) override;
  void ClearDescription() override { Description.clear(); }
  void KeepDescriptionCharacters(std::u16string characters) override;
  std::u16string GetDescriptionCharacters() const override;
  // Body: encoding byte, description, terminator, text.
  void Encode() override;

protected:
  // Whether there is a body to build: a text or a description (a frame read with an
  // empty text keeps it empty).
  bool HasFields() const { return !Text.empty() || !Description.empty(); }

  // The description and text as a body built now holds them, in their one encoding: a
  // field that still says what characters kept for it read as in those characters, which
  // takes UTF-16, so that changing one field never turns the other into "?"s; otherwise
  // as TWrittenTexts builds them.
  struct TDescribedTexts {
    TBytes Encoding, Description, Terminator, Text;
  };
  TDescribedTexts DescribedTexts() const;

  TBytes Description;

private:
  std::optional<TKeptCharacters> FDescriptionKept;
};

class TMp3ID3v2FrameCat4 : public TMp3ID3v2FrameCat2 {
public:
  using TMp3ID3v2FrameCat2::TMp3ID3v2FrameCat2;

  // Non-empty bytes are stored as they are; empty ones change nothing.
  void SetText(TBytes bytes) override;
  // Body: encoding byte, description, terminator, the URL in 8-bit text.
  void Encode() override;
};

class TMp3ID3v2FrameCat5 : public TMp3ID3v2FrameCat2 {
public:
  TMp3ID3v2FrameCat5(uint8_t category, uint8_t frameKind);

  // An empty string changes nothing.
  void SetTextString(const std::string& text) override;
  TBytes GetLanguage() const override { return Language; }
  // Anything but three bytes that do not start with a zero byte stores "XXX" (a body's
  // three bytes are taken as they are).
  void SetLanguage(TBytes bytes) override;
  std::string GetLanguageString() const override { return {Language.begin(), Language.end()}; }
  void SetLanguageString(const std::string& code) override;
  int32_t GetLanguageIndex() const override;
  // The code of a row of the language table (0..428).
  void SetLanguageIndex(int32_t index) override;
  // Body: encoding byte, language, description, terminator, text.
  void Encode() override;

private:
  TBytes Language;
};
