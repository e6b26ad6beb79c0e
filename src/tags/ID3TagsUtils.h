#pragma once
// The constant tables of the ID3 code: the frame-ID library, the genre names, the
// language codes of comment and lyrics frames, and the names of the tag versions.

#include <array>
#include <cstdint>
#include <string>

// Frame kinds: the rows of the frame-ID library.
enum TFrameIDlibrary : uint8_t {
  fiAENC = 0, fiAPIC, fiASPI, fiCOMM, fiCOMR, fiENCR,
  fiEQU2, fiETCO, fiGEOB, fiGRID, fiLINK, fiMCDI,
  fiMLLT, fiOWNE, fiPCNT, fiPRIV, fiPOPM, fiPOSS,
  fiRBUF, fiRVA2, fiRVRB, fiSEEK, fiSIGN, fiSYLT,
  fiSYTC, fiTALB, fiTBPM, fiTCOM, fiTCON, fiTCOP,
  fiTDEN, fiTDLY, fiTDOR, fiTDRC, fiTDRL, fiTDTG,
  fiTENC, fiTEXT, fiTFLT, fiTIPL, fiTIT1, fiTIT2,
  fiTIT3, fiTKEY, fiTLAN, fiTLEN, fiTMCL, fiTMED,
  fiTMOO, fiTOAL, fiTOFN, fiTOLY, fiTOPE, fiTOWN,
  fiTPE1, fiTPE2, fiTPE3, fiTPE4, fiTPOS, fiTPRO,
  fiTPUB, fiTRCK, fiTRSN, fiTRSO, fiTSOA, fiTSOP,
  fiTSOT, fiTSRC, fiTSSE, fiTSST, fiTXXX, fiUFID,
  fiUSER, fiUSLT, fiWCOM, fiWCOP, fiWOAF, fiWOAR,
  fiWOAS, fiWORS, fiWPAY, fiWPUB, fiWXXX, fiObsolete,
};
inline constexpr int FrameIDCount = 84;

// The category codes of the frame-ID library: how a frame's body is laid out, and so
// which class holds it. Codes without a name here have no class.
enum TFrameCategoryCode : uint8_t {
  fcNone = 0,           // the program neither reads nor writes the frame
  fcRawBody = 1,        // held as the raw body (no row uses it)
  fcText = 2,           // text frames
  fcDate = 3,           // TDRC
  fcTrack = 4,          // TRCK
  fcGenre = 5,          // TCON
  fcUserText = 6,       // TXXX
  fcUrl = 7,            // URL frames: the whole body is the URL
  fcUserUrl = 8,        // WXXX
  fcComment = 9,        // COMM, USLT
  fcCdIdentifier = 10,  // MCDI
  fcPicture = 11,       // APIC
  fcObject = 12,        // GEOB
  fcPlayCounter = 27,   // PCNT
  fcPopularimeter = 28,  // POPM
};

struct TFrameIDinfo {
  const char* FrameID;  // 4 characters
  const char* Description;
  uint8_t Category;  // a TFrameCategoryCode
};

struct TID3Language {
  const char* Code;  // ISO 639-2, 3 characters
  const char* Name;
};

inline constexpr int GenreCount = 149;  // 148 genres, then a single blank
inline constexpr int GenreNone = 255;   // the ID3v1 genre byte of "no genre"
inline constexpr int LanguageCount = 429;
inline constexpr int TagVersionCount = 8;

// Tag-version kinds (indexes into the tag-version names).
enum TTagVersionKind : uint8_t {
  tvNone = 0,  // also the choice that marks a tag for removal
  tvID3v10 = 1,
  tvID3v11 = 2,
  tvID3v20 = 3,
  tvID3v21 = 4,
  tvID3v22 = 5,
  tvID3v23 = 6,
  tvID3v24 = 7,
};

// The frame kinds the tag editor shows as fields of their own, in the order it fills
// them.
inline constexpr std::array<TFrameIDlibrary, 7> PrimaryFrameKinds = {
    fiTIT2, fiTPE1, fiTALB, fiTRCK, fiTCON, fiTDRC, fiCOMM};

// The tables themselves, for iteration.
extern const std::array<TFrameIDinfo, FrameIDCount> FrameIDs;
extern const std::array<const char*, GenreCount> Genres;
extern const std::array<TID3Language, LanguageCount> Languages;
extern const std::array<const char*, TagVersionCount> TagVersionNames;

// Checked lookups: an index outside its table raises ERangeError.
const TFrameIDinfo& FrameIDInfo(int kind);
std::string GenreName(int index);
std::string LanguageCode(int index);
std::string LanguageName(int index);
std::string TagVersionName(int kind);

// The tag-version kind of an ID3v2 major version (0..4 give 3..7); tvNone above 4.
TTagVersionKind ID3v2VersionKind(uint8_t majorVersion);

// Index 0..147 of a genre name, compared without regard to case by the user's locale;
// -1 when none matches.
int32_t GenreIndexOf(const std::string& name);
