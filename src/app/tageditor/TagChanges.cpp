#include "TagChanges.h"

#include "tags/ID3v1.h"
#include "tags/ID3v2.h"
#include "tags/TagInfo.h"

#include <memory>

namespace {

// The pending state of one of a record's two tags.
template <class TTag>
struct TTagSlot {
  std::unique_ptr<TTag>& Tag;
  bool &Has, &New, &Changed, &Remove;
};

TTagSlot<TMp3ID3v1> ID3v1Slot(TTagInfo& info) {
  return {info.ID3v1, info.HasID3v1, info.NewID3v1, info.ChangedID3v1, info.RemoveID3v1};
}
TTagSlot<TMp3ID3v2> ID3v2Slot(TTagInfo& info) {
  return {info.ID3v2, info.HasID3v2, info.NewID3v2, info.ChangedID3v2, info.RemoveID3v2};
}

// An unwanted tag: the file's is emptied and marked for removal, a pending new one dropped.
template <class TTag, class Empty>
void Drop(TTagSlot<TTag> slot, Empty empty) {
  if (slot.Has && slot.Tag) {
    empty(*slot.Tag);
    slot.Changed = slot.Remove = true;
  } else if (slot.New) {
    slot.Tag.reset();
    slot.New = slot.Changed = false;
  }
}

// A wanted tag: a new one for a file without it, else the file's, read again where a
// removal had emptied it, so that nothing of it is lost.
template <class TTag>
TTag& Keep(TTagInfo& info, TTagSlot<TTag> slot) {
  if (!slot.Has && !slot.New) {
    slot.Tag = std::make_unique<TTag>(info, true);
    slot.New = true;
  } else if (slot.Remove && slot.Has) {
    slot.Tag->ReadTag();
    slot.Changed = false;
  }
  slot.Remove = false;
  return *slot.Tag;
}

// --- ID3v1 ------------------------------------------------------------------------------

void ApplyID3v1(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                const TTagApply& apply) {
  TMp3ID3v1& tag = Keep(info, ID3v1Slot(info));
  if (apply.Replace) tag.Clear();
  tag.SetVersion(tvID3v11);
  // Setters only for what is to change: a tag keeps its other fields byte for byte. The
  // fields show the ID3v2 tag where the file has one, so a field changed only in a part
  // the ID3v1 tag lacks (a comment's language) must not carry the ID3v2 tag's values over.
  auto set = [&](TTagField field) {
    return info.NewID3v1 || (marks.ID3v1Field(field) && !(field == tfComment && apply.FromNames));
  };
  bool any = false;
  for (int field = 0; field < TagFieldCount; ++field) any = set(static_cast<TTagField>(field)) || any;
  if (!any) return;  // nothing of it changes: the tag is not written
  if (set(tfArtist)) tag.SetArtist(fields.Artist);
  if (set(tfTitle)) tag.SetTitle(fields.Title);
  if (set(tfAlbum)) tag.SetAlbum(fields.Album);
  if (set(tfTrack)) tag.SetTrack(ID3v1TrackByte(fields.TrackNr));
  if (set(tfGenre)) tag.SetGenre(fields.Genre < GenreBlank ? fields.Genre : GenreNone);
  if (set(tfDate)) tag.SetYear(fields.Year);
  if (set(tfComment)) tag.SetComment(fields.Comment);
  info.ChangedID3v1 = true;
}

// --- ID3v2 ------------------------------------------------------------------------------

// A value in the characters it was read with while it still says what it read as, so
// that a value shown with "?"s is written as the frame it came from held it; characters
// the frame kept for its own text give way to the value's.
void SetText(TMp3ID3v2FrameCatBase& frame, const TTagFields& fields, TFieldText text) {
  frame.SetTextString(fields.TextOf(text));
  frame.KeepTextCharacters(fields.CharactersOf(text));
}

// Whether the frame's description says what the value does, in the same characters.
bool HoldsDescription(const TMp3ID3v2FrameCatBase& frame, const TTagFields& fields) {
  return frame.GetDescriptionString() == fields.Description &&
         frame.GetDescriptionCharacters() == fields.CharactersOf(ftDescription);
}

// An empty description is written empty, for a new frame as for an old one: players take
// the comment without a description for the file's comment, and the setter would store '-'.
void SetDescription(TMp3ID3v2FrameCatBase& frame, const TTagFields& fields) {
  if (fields.Description.empty()) {
    frame.ClearDescription();
    return;
  }
  frame.SetDescriptionString(fields.Description);
  frame.KeepDescriptionCharacters(fields.CharactersOf(ftDescription));
}

// fresh: the frame was made new for the field.
void SetFrame(TMp3ID3v2FrameCatBase& frame, TTagField field, const TTagFields& fields,
              bool fromNames, bool fresh) {
  switch (field) {
    case tfTitle: SetText(frame, fields, ftTitle); break;
    case tfArtist: SetText(frame, fields, ftArtist); break;
    case tfAlbum: SetText(frame, fields, ftAlbum); break;
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
      // A language or description that still says what the frame holds stays as read:
      // the setter would turn a code outside the language table into "XXX".
      if (fresh || frame.GetLanguageIndex() != fields.Language)
        frame.SetLanguageString(LanguageCode(fields.Language));
      if (fresh || !HoldsDescription(frame, fields)) SetDescription(frame, fields);
      SetText(frame, fields, ftComment);
      break;
  }
}

// The entry of the frame of the kind that the row showed, or of a new one; always a new
// one when fresh, which then tells whether the frame is new.
int32_t FrameOf(TFrameListManager& frames, uint8_t kind, bool& fresh) {
  int32_t index = fresh ? -1 : ShownFrameIndex(frames.GetPrimarySubList(), kind);
  fresh = index < 0;
  return fresh ? frames.NewFrame(kind) : index;
}

void ApplyID3v2(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                const TTagApply& apply) {
  TMp3ID3v2& tag = Keep(info, ID3v2Slot(info));
  TFrameListManager& frames = tag.GetFrameList();
  // Replacing starts without primary frames. An ID3v2.2 tag keeps its frames: they were
  // read into their ID3v2.4 kinds.
  if (apply.Replace) frames.DeletePrimaryFrames();
  tag.SetVersion(tvID3v24);
  if (!info.NewID3v2 && !marks.AnyMarked()) return;
  const bool fresh = info.NewID3v2 || apply.Replace;
  for (int f = 0; f < TagFieldCount; ++f) {
    const auto field = static_cast<TTagField>(f);
    const uint8_t kind = PrimaryFrameKinds[f];
    const bool marked = marks.Field(field);
    if (apply.FromNames ? !marked || field == tfComment : !marked && !info.NewID3v2) continue;
    // A tag holds a text frame's ID once; other programs write more, and players read the
    // first. Comments may be many: the others keep their bytes.
    const bool oncePerTag = field != tfComment;
    if (fields.HasValue(field)) {
      bool newFrame = fresh;
      const int32_t index = FrameOf(frames, kind, newFrame);
      SetFrame(frames.GetPrimarySubList().GetFrameCategory(index), field, fields, apply.FromNames,
               newFrame);
      if (oncePerTag) frames.DeleteFramesOfKind(kind, index);
    } else if (!fresh && !apply.FromNames) {
      // A marked empty field: the frame the row showed goes, and a text frame's others.
      if (oncePerTag)
        frames.DeleteFramesOfKind(kind, -1);
      else if (const int32_t shown = ShownFrameIndex(frames.GetPrimarySubList(), kind); shown >= 0)
        frames.DeletePrimaryFrame(shown);
    }
  }
  info.ChangedID3v2 = true;
}

}  // namespace

void ApplyFields(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                 const TTagApply& apply) {
  if (apply.ID3v1Wanted)
    ApplyID3v1(info, fields, marks, apply);
  else
    Drop(ID3v1Slot(info), [](TMp3ID3v1& tag) { tag.Clear(); });
  if (apply.ID3v2Wanted)
    ApplyID3v2(info, fields, marks, apply);
  else
    Drop(ID3v2Slot(info), [](TMp3ID3v2& tag) { tag.GetFrameList().DeletePrimaryFrames(); });
}
