#include "TagChanges.h"

#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagInfo.h"

#include <memory>

namespace {

constexpr TFrameIDlibrary kFieldKinds[TagFieldCount] = {fiTIT2, fiTPE1, fiTALB, fiTRCK,
                                                        fiTCON, fiTDRC, fiCOMM};

// --- ID3v1 ------------------------------------------------------------------------------

void DropID3v1(TTagInfo& info) {
  if (info.HasID3v1 && info.ID3v1) {
    info.ID3v1->Clear();
    info.ChangedID3v1 = info.RemoveID3v1 = true;
  } else if (info.NewID3v1) {
    info.ID3v1.reset();
    info.NewID3v1 = info.ChangedID3v1 = false;
  }
}

void ApplyID3v1(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                const TTagApply& apply) {
  if (!info.HasID3v1 && !info.NewID3v1) {
    info.ID3v1 = std::make_unique<TMp3ID3v1>(info, true);
    info.NewID3v1 = true;
  } else {
    if (info.RemoveID3v1 && info.HasID3v1) {
      // The removal cleared the tag; it stays as the file holds it.
      info.ID3v1->ReadTag();
      info.ChangedID3v1 = false;
    }
    info.RemoveID3v1 = false;
    if (apply.Replace) info.ID3v1->Clear();
  }
  TMp3ID3v1& tag = *info.ID3v1;
  tag.SetVersion(tvID3v11);
  if (!info.NewID3v1 && !marks.AnyMarked()) return;
  // Setters only for what is to change: a tag keeps its other fields byte for byte.
  auto set = [&](TTagField field) { return info.NewID3v1 || marks.Field(field); };
  if (set(tfArtist)) tag.SetArtist(fields.Artist);
  if (set(tfTitle)) tag.SetTitle(fields.Title);
  if (set(tfAlbum)) tag.SetAlbum(fields.Album);
  if (set(tfTrack)) tag.SetTrack(ID3v1TrackByte(fields.TrackNr));
  if (set(tfGenre)) tag.SetGenre(fields.Genre < GenreBlank ? fields.Genre : GenreNone);
  if (set(tfDate)) tag.SetYear(fields.Year);
  if (set(tfComment) && !apply.FromNames) tag.SetComment(fields.Comment);
  info.ChangedID3v1 = true;
}

// --- ID3v2 ------------------------------------------------------------------------------

void DropID3v2(TTagInfo& info) {
  if (info.HasID3v2 && info.ID3v2) {
    info.ID3v2->GetFrameList().DeletePrimaryFrames();
    info.ChangedID3v2 = info.RemoveID3v2 = true;
  } else if (info.NewID3v2) {
    info.ID3v2.reset();
    info.NewID3v2 = info.ChangedID3v2 = false;
  }
}

void SetFrame(TMp3ID3v2FrameCatBase& frame, TTagField field, const TTagFields& fields,
              bool fromNames) {
  switch (field) {
    case tfTitle: frame.SetTextString(fields.Title); break;
    case tfArtist: frame.SetTextString(fields.Artist); break;
    case tfAlbum: frame.SetTextString(fields.Album); break;
    case tfTrack:
      frame.SetTrackNumber(fields.TrackNr);
      if (!fromNames) frame.SetTrackTotal(fields.TrackTotal);
      break;
    case tfGenre: frame.SetGenreIndex(fields.Genre); break;
    case tfDate:
      frame.SetYear(fields.Year);
      if (fromNames) break;
      frame.SetMonth(fields.Month);
      frame.SetDay(fields.Day);
      break;
    case tfComment:
      frame.SetLanguageString(LanguageCode(fields.Language));
      frame.SetDescriptionString(fields.Description);
      frame.SetTextString(fields.Comment);
      break;
  }
}

// The first frame of the kind, or a new one; always a new one when fresh.
TMp3ID3v2FrameCatBase& FrameOf(TFrameListManager& frames, uint8_t kind, bool fresh) {
  TFrameSubListManager& primary = frames.GetPrimarySubList();
  int32_t index = fresh ? -1 : primary.IndexOfKind(kind, 1);
  if (index < 0) index = frames.NewFrame(kind);
  return primary.GetFrameCategory(index);
}

bool IsOlderThanID3v23(uint8_t version) { return version >= tvID3v20 && version <= tvID3v22; }

void ApplyID3v2(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                const TTagApply& apply) {
  if (!info.HasID3v2 && !info.NewID3v2) {
    info.ID3v2 = std::make_unique<TMp3ID3v2>(info, true);
    info.NewID3v2 = true;
  } else {
    if (info.RemoveID3v2 && info.HasID3v2) {
      // The removal dropped the primary frames; the tag stays as the file holds it.
      info.ID3v2->ReadTag();
      info.ChangedID3v2 = false;
    }
    info.RemoveID3v2 = false;
    if (apply.Replace || IsOlderThanID3v23(info.ID3v2->GetVersion()))
      info.ID3v2->GetFrameList().DeletePrimaryFrames();
  }
  info.ID3v2->SetVersion(tvID3v24);
  if (!info.NewID3v2 && !marks.AnyMarked()) return;
  TFrameListManager& frames = info.ID3v2->GetFrameList();
  const bool fresh = info.NewID3v2 || apply.Replace;
  for (int f = 0; f < TagFieldCount; ++f) {
    const auto field = static_cast<TTagField>(f);
    const bool marked = marks.Field(field);
    if (apply.FromNames ? !marked || field == tfComment : !marked && !info.NewID3v2) continue;
    if (fields.HasValue(field))
      SetFrame(FrameOf(frames, kFieldKinds[f], fresh), field, fields, apply.FromNames);
    else if (!fresh && !apply.FromNames)
      frames.DeleteFrame(kFieldKinds[f]);  // a marked empty field
  }
  info.ChangedID3v2 = true;
}

}  // namespace

void ApplyFields(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                 const TTagApply& apply) {
  if (apply.ID3v1Wanted)
    ApplyID3v1(info, fields, marks, apply);
  else
    DropID3v1(info);
  if (apply.ID3v2Wanted)
    ApplyID3v2(info, fields, marks, apply);
  else
    DropID3v2(info);
}
