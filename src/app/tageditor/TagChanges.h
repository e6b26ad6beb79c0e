#pragma once
// Turning field values into pending changes of one file's tag objects. Nothing is
// written here: the record's flags tell the save what to do.

#include "TagFields.h"

class TTagInfo;

struct TTagApply {
  bool ID3v1Wanted = true;  // the file keeps or gets the tag; else it is removed
  bool ID3v2Wanted = true;
  bool Replace = false;  // the tags' fields are dropped before the new ones are written
  // Values read from a file name: no comment, only the number of a track and the year
  // of a date, no frame deleted, and a new ID3v2 tag takes only the marked fields.
  bool FromNames = false;
};

// Applies the marked fields (every field, to a new tag) to the record's tags: a wanted
// tag the file lacks is made new; an unwanted one is cleared and marked for removal, or
// dropped when it was only pending. An existing ID3v1 tag takes only the fields marked in
// what it holds (TTagMarks::ID3v1Field), and is not written when there is none. An
// existing ID3v2 tag keeps every frame but the primary frames of the marked fields (an
// ID3v2.2 tag too, whose frames were read into their ID3v2.4 kinds): a field is written
// into the frame its row shows (ShownFrameIndex). Other comments keep their bytes; other
// frames of a text field's ID go, as a tag holds that ID once. Replace drops the primary
// frames first.
// A tag that was marked for removal and is wanted again is read from the file again, so
// that nothing of it is lost.
void ApplyFields(TTagInfo& info, const TTagFields& fields, const TTagMarks& marks,
                 const TTagApply& apply);
