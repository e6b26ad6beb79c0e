#pragma once
// One file's ID3v2 tag: its header, extended header and frames. Versions 2.2, 2.3 and
// 2.4 are read, into the frame kinds of ID3v2.4; every tag is written as ID3v2.4.0.

#include "FrameListManager.h"
#include "ID3v2FrameReader.h"
#include "ID3v2HeaderEx.h"

#include "base/FileUtils.h"
#include "base/Object.h"

#include <cstdint>
#include <string>
#include <vector>

class TTagInfo;
struct TID3v2FileLayout;

class TMp3ID3v2 : public TObject {
public:
  // Works on the handle of the record's file entry. Not isNew: reads the tag header and
  // the extended header from the start of the file, taking the bytes the probe read. isNew:
  // an empty ID3v2.4 tag.
  TMp3ID3v2(TTagInfo& tagInfo, bool isNew);
  TMp3ID3v2(const TMp3ID3v2&) = delete;
  TMp3ID3v2& operator=(const TMp3ID3v2&) = delete;

  // Reads the frames into the frame list, replacing what it held; the first read after
  // creation takes the bytes the probe read, any later one reads the file. False for a header
  // that is not "ID3", a version other than 2.2, 2.3 and 2.4, and a compressed ID3v2.2
  // tag.
  bool ReadTag();
  // Writes the frame list as an ID3v2.4 tag (each frame whose fields did not change with
  // the body it was read with, then what the tag held besides them), or removes the tag
  // when the record's RemoveID3v2 is set; its RemoveID3v1 drops the ID3v1 tag in the same
  // rewrite. The
  // tag goes over the old one when it takes exactly its space, else the file is
  // rewritten through a temporary copy (see RewriteThroughTempCopy). True when the file
  // then has exactly the expected length; the record's HasID3v1 and HasID3v2 follow the
  // file. False, changing nothing, when the old tag does not fit the file.
  bool WriteTag(TTagInfo& tagInfo);

  uint8_t GetVersion() const { return FHeaderEx.GetVersion(); }  // a tag-version kind
  void SetVersion(uint8_t version) { FHeaderEx.SetVersion(version); }
  const TID3v2HeaderBytes& GetRawHeader() const { return FRawHeader; }
  const TMp3ID3v2HeaderEx& GetHeaderEx() const { return FHeaderEx; }
  TFrameListManager& GetFrameList() { return FFrames; }
  // What the tag held besides its frame list; written back after the list's frames.
  const TKeptTagData& GetKeptData() const { return FKept; }
  // The IDs of the frames of an ID3v2.2 tag that have no ID3v2.4 form, in tag order: the
  // tag lost them when it was read, and a save leaves them out (afterwards the list is
  // empty).
  const std::vector<std::string>& GetDroppedFrames() const { return FDroppedFrames; }

private:
  // The bytes behind the header as far as the tag and the file reach (taking what head,
  // the file's first bytes, holds), an ID3v2.3 tag freed of its unsynchronisation; the
  // header fields are read again from the raw header and the extended header from the body.
  void ReadBody(TBytes head, TBytes& body);
  // Reads the frames of an ID3v2.2 tag as the ID3v2.3 frames they stand for.
  bool ReadID3v22Frames(TBytes head);
  // The new tag: header, frames of the primary and then the other sub-list, the kept
  // frames (an almost empty one only where no frame of its ID was written before it) and
  // unread bytes, padding; inPlace tells whether it takes exactly the old tag's space.
  // False when the frames are more than a tag can hold.
  bool BuildTag(const TID3v2FileLayout& layout, bool removeID3v1, TBytes& tag,
                bool& inPlace);

  THandle* FHandle;  // the file entry's, so a reopened handle is seen here
  TBytes FHeadAsCreated;  // the file's first bytes as the probe read them, until the first read
  TID3v2HeaderBytes FRawHeader{};
  TMp3ID3v2HeaderEx FHeaderEx;
  TFrameListManager FFrames;
  TKeptTagData FKept;
  std::vector<std::string> FDroppedFrames;
};
