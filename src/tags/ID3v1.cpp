#include "ID3v1.h"

#include "FileAccess.h"
#include "ID3Codecs.h"
#include "ID3TagsUtils.h"
#include "TagInfo.h"
#include "TempCopy.h"

#include <algorithm>
#include <utility>

namespace {

const std::array<uint8_t, 3> kTagMarker = {'T', 'A', 'G'};

// Field positions (1-based) and widths in the 128-byte tag.
constexpr int kTitleAt = 4, kArtistAt = 34, kAlbumAt = 64, kYearAt = 94, kCommentAt = 98;
constexpr int kTextWidth = 30, kYearWidth = 4, kShortCommentWidth = 28;
// 0-based offsets of the ID3v1.1 track marker, the track and the genre.
constexpr size_t kTrackMarker = 125, kTrack = 126, kGenre = 127;

// ID3v1.0 unless byte 125 is zero and byte 126 holds a track number.
bool IsVersion10(uint8_t trackMarker, uint8_t track) { return trackMarker != 0 || track == 0; }

}  // namespace

bool EndsInID3v1Tag(THandle handle) {
  std::array<uint8_t, 3> marker{};
  return ReadAt(handle, -ID3v1TagSize, soEnd, marker.data(), 3) == 3 && marker == kTagMarker;
}

bool IsID3v1Tag(const TBytes& tail) {
  return tail.size() >= kTagMarker.size() &&
         std::equal(kTagMarker.begin(), kTagMarker.end(), tail.begin());
}

TMp3ID3v1::TMp3ID3v1(TTagInfo& tagInfo, bool isNew)
    : FHandle(tagInfo.GetEntry().GetHandleRef()),
      FVersion(tvID3v11),
      FGenre(GenreNone) {
  if (isNew) return;
  // The editor reads the tag right after making this object: one read serves both.
  TProbedBytes& probed = tagInfo.Probed;
  if (probed.HoldFor(*FHandle) && probed.Tail.size() == ID3v1TagSize) {
    FTagAsCreated = std::exchange(probed.Tail, {});
  } else {
    FTagAsCreated.assign(ID3v1TagSize, 0);
    ReadAt(*FHandle, -ID3v1TagSize, soEnd, FTagAsCreated.data(), ID3v1TagSize);
  }
  std::copy_n(FTagAsCreated.begin(), FRawHeader.size(), FRawHeader.begin());
  FVersion = IsVersion10(FTagAsCreated[kTrackMarker], FTagAsCreated[kTrack]) ? tvID3v10 : tvID3v11;
  if (!HadTag()) FTagAsCreated.clear();
}

bool TMp3ID3v1::HadTag() const { return FRawHeader == kTagMarker; }

bool TMp3ID3v1::ReadTag() {
  if (!HadTag()) return false;
  TBytes tag = std::exchange(FTagAsCreated, {});
  if (tag.empty()) {
    tag.assign(ID3v1TagSize, 0);
    ReadAt(*FHandle, -ID3v1TagSize, soEnd, tag.data(), ID3v1TagSize);
  }
  FTitle = BytesToString(tag, kTitleAt, kTextWidth);
  FArtist = BytesToString(tag, kArtistAt, kTextWidth);
  FAlbum = BytesToString(tag, kAlbumAt, kTextWidth);
  FYear = BytesToString(tag, kYearAt, kYearWidth);
  if (IsVersion10(tag[kTrackMarker], tag[kTrack])) {
    FComment = BytesToString(tag, kCommentAt, kTextWidth);
    FTrack = 0;
  } else {
    FComment = BytesToString(tag, kCommentAt, kShortCommentWidth);
    FTrack = tag[kTrack];
  }
  FCommentAsRead = FComment;
  FGenre = tag[kGenre];
  return true;
}

bool TMp3ID3v1::WriteTag(TTagInfo& tagInfo) {
  TBytes tag(ID3v1TagSize, 0);
  std::copy(kTagMarker.begin(), kTagMarker.end(), tag.begin());
  StringToBytes(tag, kTitleAt, kTextWidth, FTitle);
  StringToBytes(tag, kArtistAt, kTextWidth, FArtist);
  StringToBytes(tag, kAlbumAt, kTextWidth, FAlbum);
  StringToBytes(tag, kYearAt, kYearWidth, FYear);
  // An ID3v1.0 comment longer than ID3v1.1 holds stays whole while the user leaves it
  // alone and no track number needs its last two bytes.
  const bool longComment = FTrack == 0 && FComment.size() > kShortCommentWidth &&
                           FComment == FCommentAsRead;
  StringToBytes(tag, kCommentAt, longComment ? kTextWidth : kShortCommentWidth, FComment);
  if (!longComment) tag[kTrack] = static_cast<uint8_t>(FTrack);
  tag[kGenre] = static_cast<uint8_t>(FGenre);

  // Overwrite the tag the file ends in at the time of saving, never 128 bytes of audio:
  // another rewrite may have dropped the tag since this object was made.
  tagInfo.Probed = {};
  THandle handle = *FHandle;
  if (EndsInID3v1Tag(handle)) {
    if (WriteAt(handle, -ID3v1TagSize, soEnd, tag.data(), ID3v1TagSize) != ID3v1TagSize)
      return false;
  } else {
    int64_t oldSize = FileSizeOf(handle);
    if (oldSize < 0) return false;
    if (WriteAt(handle, oldSize, soBeginning, tag.data(), ID3v1TagSize) != ID3v1TagSize) {
      // Leave no partial tag behind.
      if (FileSeek64(handle, oldSize, soBeginning) == oldSize) FileTruncate(handle);
      return false;
    }
  }
  FRawHeader = kTagMarker;
  FTagAsCreated.clear();  // a later read reads what was written
  FVersion = longComment ? tvID3v10 : tvID3v11;
  tagInfo.HasID3v1 = true;
  return true;
}

void TMp3ID3v1::Clear() {
  FTitle.clear();
  FArtist.clear();
  FAlbum.clear();
  FYear.clear();
  FComment.clear();
  FTrack = 0;
  FGenre = GenreNone;
}

bool TMp3ID3v1::RemoveTag(TTagInfo& tagInfo) {
  TFileInfo& entry = tagInfo.GetEntry();
  tagInfo.Probed = {};
  if (!EndsInID3v1Tag(entry.Handle)) return false;
  bool removed = RewriteThroughTempCopy(entry, [](TStream& source, TStream& copy) {
    copy.CopyFrom(source, source.Size() - ID3v1TagSize);
  });
  if (removed) {
    FRawHeader = {};  // a later save appends a new tag
    FTagAsCreated.clear();
    tagInfo.HasID3v1 = false;
  }
  return removed;
}

void TMp3ID3v1::SetTitle(const std::string& title) { FTitle = title.substr(0, kTextWidth); }
void TMp3ID3v1::SetArtist(const std::string& artist) { FArtist = artist.substr(0, kTextWidth); }
void TMp3ID3v1::SetAlbum(const std::string& album) { FAlbum = album.substr(0, kTextWidth); }
void TMp3ID3v1::SetYear(const std::string& year) { FYear = year.substr(0, kYearWidth); }
void TMp3ID3v1::SetComment(const std::string& comment) {
  FComment = comment.substr(0, kTextWidth);
}
