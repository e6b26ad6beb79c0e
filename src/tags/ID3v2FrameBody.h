#pragma once
// Splitting a frame body into the fields of its category object.

#include "base/StrUtils.h"

class TMp3ID3v2FrameCatBase;

// Whether the fields of the category's class rebuild the body when encoded. Only then
// is the body released after it was split or written: a URL, a CD identifier and a
// frame kept whole have the body as their only field and would lose it.
bool FieldsRebuildBody(uint8_t category);

// Splits a body read from a file into the fields of the category object,
// by the layout of its category (see TFrameCategoryCode), each field as the body holds
// it; then releases the body where the fields can rebuild it. The object is left
// holding 8-bit text: text read in another encoding is converted and the encoding byte
// becomes 0. A string ends at its terminator (two zero bytes at an even distance in
// UTF-16); without one it is empty and the rest of the body goes to the fields after
// it. A field the body is too short for gets what there is; a single-byte field the body
// lacks keeps its default. An empty body, and the categories without fields of their
// own, leave the object as it is. Only where the fields cannot rebuild the body does
// the object get a copy of it; every other field is copied from the body as it is.
void ReadFrameBody(TMp3ID3v2FrameCatBase& frame, const TBytes& body);

// The body the category object encodes from its fields (empty when they say nothing);
// the object then releases it where the fields can rebuild it.
TBytes WriteFrameBody(TMp3ID3v2FrameCatBase& frame);
