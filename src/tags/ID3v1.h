#pragma once
// One file's ID3v1 tag: the 128 bytes at the end of the file that begin with "TAG".
// Read as ID3v1.0 or ID3v1.1, written as ID3v1.1 unless an ID3v1.0 comment the user
// left alone needs all of its 30 characters.

#include "base/FileUtils.h"
#include "base/Object.h"
#include "base/StrUtils.h"

#include <array>
#include <cstdint>
#include <string>

class TTagInfo;

inline constexpr int32_t ID3v1TagSize = 128;

// Whether the file's last 128 bytes begin with "TAG".
bool EndsInID3v1Tag(THandle handle);
// Whether the bytes (the file's last 128) begin with "TAG".
bool IsID3v1Tag(const TBytes& tail);

class TMp3ID3v1 : public TObject {
public:
  // Works on the handle of the record's file entry. Not isNew: notes whether
  // the file has a tag and which version it is, from the bytes the probe read where it
  // holds them. isNew: an empty ID3v1.1 tag.
  TMp3ID3v1(TTagInfo& tagInfo, bool isNew);
  TMp3ID3v1(const TMp3ID3v1&) = delete;
  TMp3ID3v1& operator=(const TMp3ID3v1&) = delete;

  // False, changing nothing, when the file had no tag at creation. The first read after
  // creation takes the tag's bytes read then; any later one reads the file again.
  bool ReadTag();
  // Writes the fields as an ID3v1.1 tag (ID3v1.0 for a comment of 29 or 30 characters
  // as read, while there is no track number) over the tag the file ends in, or appends one;
  // a failed append leaves the file as it was. Sets the record's HasID3v1 on success.
  bool WriteTag(TTagInfo& tagInfo);
  void Clear();
  // Cuts the tag off through a temporary copy; false, changing nothing, when the file
  // does not end in a tag. Clears the record's HasID3v1 on success.
  bool RemoveTag(TTagInfo& tagInfo);

  uint8_t GetVersion() const { return FVersion; }  // a tag-version kind: 1 or 2
  void SetVersion(uint8_t version) { FVersion = version; }
  const std::string& GetTitle() const { return FTitle; }
  const std::string& GetArtist() const { return FArtist; }
  const std::string& GetAlbum() const { return FAlbum; }
  const std::string& GetYear() const { return FYear; }
  const std::string& GetComment() const { return FComment; }
  int32_t GetTrack() const { return FTrack; }
  int32_t GetGenre() const { return FGenre; }  // 255: none
  // Text longer than its field (30 characters, the year 4) is cut.
  void SetTitle(const std::string& title);
  void SetArtist(const std::string& artist);
  void SetAlbum(const std::string& album);
  void SetYear(const std::string& year);
  void SetComment(const std::string& comment);
  void SetTrack(uint8_t track) { FTrack = track; }
  void SetGenre(uint8_t genre) { FGenre = genre; }

private:
  bool HadTag() const;

  THandle* FHandle;  // the file entry's, so a reopened handle is seen here
  uint8_t FVersion;
  std::array<uint8_t, 3> FRawHeader{};
  TBytes FTagAsCreated;  // the whole tag, read at creation, until the first ReadTag
  std::string FArtist, FTitle, FAlbum, FYear;
  int32_t FTrack = 0;
  int32_t FGenre;
  std::string FComment;
  std::string FCommentAsRead;
};
