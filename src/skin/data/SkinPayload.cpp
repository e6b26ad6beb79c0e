#include "SkinPayload.h"

#include "SkinIniBudget.h"

#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/Streams.h"

namespace {

// A picture record, the payload versions that carry it, and how it is written.
struct TPictureRecord {
  TPixelImage TspSkinPictures::*Picture;
  bool (*CarriedBy)(int32_t Version);
  bool IsMask;
};

constexpr bool EveryVersion(int32_t) { return true; }
constexpr bool InActiveVersions(int32_t v) { return v == 2 || v == 3; }
constexpr bool RollUpVersions(int32_t v) { return v == 1 || v == 2; }

// In payload order.
constexpr TPictureRecord PictureRecords[] = {
    {&TspSkinPayload::Picture, EveryVersion, false},
    {&TspSkinPayload::InActivePicture, InActiveVersions, false},
    {&TspSkinPayload::Mask, EveryVersion, true},
    {&TspSkinPayload::RollUpPicture, RollUpVersions, false},
    {&TspSkinPayload::RollUpMask, RollUpVersions, true},
};

constexpr uint8_t PictureFollows = 0;
constexpr uint8_t PictureEmpty = 1;

// Reads one BMP file, keeping the skin's pictures within their pixel bound.
class TPictureReader {
public:
  explicit TPictureReader(TStream& S) : FStream(S) {}

  TPixelImage Read() {
    // Refused before it is decoded.
    const TBmpSides sides = BmpHeaderSides(FStream);
    if (sides.Width > MaxSkinPictureSide || sides.Height > MaxSkinPictureSide)
      throw ESkinTooLarge("A picture of the skin is wider or higher than a skin's picture may be");
    FPixels += sides.Pixels();
    if (FPixels > MaxSkinPixels) throw ESkinTooLarge("The skin's pictures hold more pixels than a skin may");
    return ReadBmp(FStream);
  }

private:
  TStream& FStream;
  int64_t FPixels = 0;
};

// At the depth it was read: a 32-bit picture keeps its alpha bytes.
void WriteColourPicture(const TPixelImage& Picture, TStream& S) {
  WriteBmp(Picture, S, Picture.BitsPerPixel());
}

}  // namespace

int32_t ReadStoredSkinInt32(TStream& S) {
  uint8_t b[4];
  S.ReadBuffer(b, sizeof b);
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) |
                              (static_cast<uint32_t>(b[3]) << 24));
}

void WriteStoredSkinInt32(TStream& S, int32_t Value) {
  const uint32_t v = static_cast<uint32_t>(Value);
  const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                        static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
  S.WriteBuffer(b, sizeof b);
}

bool ReadSkinPayload(TStream& S, TspSkinPayload& Payload) {
  if (!ReadSkinPictures(S, Payload)) return false;
  Payload.IniText.LoadFromStream(S);
  return true;
}

bool ReadDecodedSkin(TMemoryStream& S, TspDecodedSkin& Skin) {
  if (!ReadSkinPictures(S, Skin.Pictures)) return false;
  // Read from where it lies in the payload: the INI document keeps one copy of the whole
  // text and parses its lines in that copy, without a string of their own.
  const auto start = static_cast<size_t>(S.Position());
  const std::string_view text(reinterpret_cast<const char*>(S.Memory()) + start,
                              static_cast<size_t>(S.Size()) - start);
  Skin.IniCharge = SkinIniTextCharge(text);
  Skin.Ini.SetText(text);
  return true;
}

bool ReadSkinPictures(TStream& S, TspSkinPictures& Pictures) {
  const int32_t version = ReadStoredSkinInt32(S);
  if (version > MaxStoredSkinVersion) return false;
  TPictureReader pictures(S);
  for (const TPictureRecord& record : PictureRecords) {
    if (!record.CarriedBy(version)) continue;
    uint8_t flag;
    S.ReadBuffer(&flag, 1);
    Pictures.*record.Picture = flag == PictureFollows ? pictures.Read() : TPixelImage{};
  }
  // A count of 0 or less means none.
  const int32_t count = ReadStoredSkinInt32(S);
  if (count > MaxSkinActivePictures) throw ESkinTooLarge("The skin has more pictures than a skin may");
  for (int32_t i = 0; i < count; ++i) Pictures.ActivePictures.push_back(pictures.Read());
  return true;
}

void WriteSkinPayload(TStream& S, const TspSkinPayload& Payload) {
  static_assert(EveryVersion(StoredSkinVersion) && InActiveVersions(StoredSkinVersion) &&
                RollUpVersions(StoredSkinVersion));
  WriteStoredSkinInt32(S, StoredSkinVersion);
  for (const TPictureRecord& record : PictureRecords) {
    const TPixelImage& picture = Payload.*record.Picture;
    const uint8_t flag = picture.Empty() ? PictureEmpty : PictureFollows;
    S.WriteBuffer(&flag, 1);
    if (picture.Empty()) continue;
    if (record.IsMask)
      WriteMaskBmp(picture, S);
    else
      WriteColourPicture(picture, S);
  }
  WriteStoredSkinInt32(S, CheckedInt32(static_cast<int64_t>(Payload.ActivePictures.size())));
  for (const TPixelImage& picture : Payload.ActivePictures) WriteColourPicture(picture, S);
  Payload.IniText.SaveToStream(S);
}
