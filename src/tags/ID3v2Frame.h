#pragma once
// One ID3v2 frame as the tag holds it: the frame header and the category object that
// owns the body and its fields. Also the mapping of frame IDs read from a file to frame
// kinds, and the choice of category class.

#include "ID3Codecs.h"
#include "ID3v2FrameCatBase.h"

#include "base/Object.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// A frame header as it lies in the file: 4 ID characters, 4 size bytes (big-endian in
// ID3v2.3, syncsafe in ID3v2.4), the status and format flag bytes.
using TFrameHeaderBytes = std::array<uint8_t, 10>;

class TMp3ID3v2Frame : public TObject {
public:
  // A new frame of a kind (a TFrameIDlibrary value; ERangeError outside the table): its
  // table ID, size and flags zero.
  explicit TMp3ID3v2Frame(uint8_t frameKind);
  // A frame read from a file. ok tells whether the kind's category has a class; a frame
  // without one holds a placeholder object and is not to be kept.
  TMp3ID3v2Frame(uint8_t frameKind, bool& ok, const TFrameHeaderBytes& header);
  TMp3ID3v2Frame(const TMp3ID3v2Frame&) = delete;
  TMp3ID3v2Frame& operator=(const TMp3ID3v2Frame&) = delete;

  std::string GetID() const { return {FID.begin(), FID.end()}; }
  const T4Bytes& GetSize() const { return FSize; }
  void SetSize(const T4Bytes& size) { FSize = size; }
  const std::array<uint8_t, 2>& GetFlags() const { return FFlags; }
  TMp3ID3v2FrameCatBase& GetCategoryObject() const { return *FCategory; }
  // Hands a body read from a file to the category object, splits it into fields and
  // releases it where the fields can rebuild it. The frame keeps the body as read, and
  // what the fields encode to where that differs from it.
  void ReadBody(TBytes body);
  const TBytes& GetBodyAsRead() const { return FBodyAsRead; }
  // Appends the frame as ID3v2.4 writes it (see AppendFrameBytes) with the body to
  // write. Returns the bytes appended: 0 for an empty body, which is not written.
  int32_t AppendTo(TBytes& buffer, bool& unsynchronised);

private:
  // The body as read while the fields still encode to what they encoded to then, else
  // the body the category object encodes from them (empty when it has nothing to say).
  // The category object then releases its body.
  TBytes BodyToWrite();

  std::array<char, 4> FID;
  T4Bytes FSize{};
  std::array<uint8_t, 2> FFlags{};
  std::unique_ptr<TMp3ID3v2FrameCatBase> FCategory;
  TBytes FBodyAsRead;  // empty for a frame made new
  // What the fields encoded to when read; none where that was the body as read, as for
  // most bodies, which are then not held twice. Kept so that a save compares without
  // reading the body again, which would show its errors again.
  std::optional<TBytes> FEncodedAsRead;
};

// The category object for a category code (a TFrameCategoryCode) and a frame kind.
// Codes without a class give ok false and a raw-body object.
std::unique_ptr<TMp3ID3v2FrameCatBase> CreateFrameCategory(uint8_t category, uint8_t frameKind,
                                                           bool& ok);

// The frame kind of a header's ID, compared exactly; false for an ID that has none (the
// reader keeps such a frame as it lies and reads on). The ID3v2.3 IDs EQUA, IPLS, RVAD,
// TORY and TYER give the kinds of their ID3v2.4 successors and the header takes the new
// ID; TDAT, TIME, TRDA and TSIZ give the obsolete kind, whose frames are skipped. ETCO
// is not recognised.
bool MapFrameID(TFrameHeaderBytes& header, uint8_t& frameKind);

// Appends one ID3v2.4 frame to buffer: ID, syncsafe size, status flags, the format
// flags that still apply to the body (those of a frame kept compressed or encrypted, see
// KeepFrameData) and the body. A body that needs unsynchronising gets it, with the
// frame's own flag, and sets unsynchronised; an unsynchronised body never ends in 0xFF.
// Returns the bytes appended; raises ERangeError for a body too large for a frame.
int32_t AppendFrameBytes(TBytes& buffer, const std::array<char, 4>& id, uint8_t status,
                         uint8_t format, TBytes body, bool& unsynchronised);
