#include "CompressedStoredSkin.h"

#include "SkinIniCodecs.h"
#include "SkinPayload.h"
#include "ZlibStreams.h"

#include "base/BmpCodec.h"
#include "base/Filer.h"
#include "base/FileUtils.h"
#include "base/IniFiles.h"
#include "base/ScopeExit.h"

#include <algorithm>

namespace {

const char* const PicturesSection = "PICTURES";

// The PICTURES keys that name the payload's picture records.
struct TPictureKey {
  const char* Key;
  TPixelImage TspSkinPayload::*Picture;
};

constexpr TPictureKey PictureKeys[] = {
    {"picture", &TspSkinPayload::Picture},
    {"inactivepicture", &TspSkinPayload::InActivePicture},
    {"mask", &TspSkinPayload::Mask},
    {"rolluppicture", &TspSkinPayload::RollUpPicture},
    {"rollupmask", &TspSkinPayload::RollUpMask},
};

TPixelImage LoadBmpFile(const std::string& FileName) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  return ReadBmp(file);
}

}  // namespace

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

bool TspCompressedStoredSkin::Designing() const {
  return ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}

void TspCompressedStoredSkin::SetFileName(const std::string& Value) {
  if (!Designing()) {
    FFileName = Value;
    return;
  }
  FFileName = ExtractFileName(Value);
  LoadFromIniFile(Value);
}

void TspCompressedStoredSkin::SetCompressedFileName(const std::string& Value) {
  if (!Designing()) {
    FCompressedFileName = Value;
    return;
  }
  FCompressedFileName = ExtractFileName(Value);
  LoadFromCompressedFile(Value);
}

void TspCompressedStoredSkin::ClearData() {
  FCompressedStream.Clear();
  FDecoded.reset();
}

void TspCompressedStoredSkin::ReadData(TStream& Stream) {
  FDecoded.reset();
  FCompressedStream.LoadFromStream(Stream);
}

void TspCompressedStoredSkin::WriteData(TStream& Stream) const {
  FCompressedStream.SaveToStream(Stream);
}

void TspCompressedStoredSkin::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      CompressedDataProperty, [this](TStream& Stream) { ReadData(Stream); },
      [this](TStream& Stream) { WriteData(Stream); }, true);
}

void TspCompressedStoredSkin::DeCompressToStream(TMemoryStream& S) {
  try {
    DecompressStream(S, FCompressedStream, MaxSkinPayloadSize);
  } catch (const EDecompressedTooLarge&) {
    throw ESkinTooLarge("The skin inflates to more than a skin may");
  }
}

std::shared_ptr<const TspDecodedSkin> TspCompressedStoredSkin::Decoded() {
  if (FDecoded != nullptr) return FDecoded;
  auto skin = std::make_shared<TspDecodedSkin>();
  {
    TMemoryStream payload;
    ++FDecodings;
    // Room for a payload of skin-like inflation set aside at once: a buffer that grows
    // by moving faults in fresh pages each time. Room not written costs no memory.
    payload.Reserve(std::min(MaxSkinPayloadSize, FCompressedStream.Size() * ExpectedSkinInflation));
    DeCompressToStream(payload);
    payload.SetPosition(0);
    if (!ReadDecodedSkin(payload, *skin)) return nullptr;
  }
  FDecoded = std::move(skin);
  return FDecoded;
}

void TspCompressedStoredSkin::LoadFromIniFile(const std::string& AFileName) {
  TspSkinPayload payload;
  payload.IniText.LoadFromFile(AFileName);
  TMemIniFile ini;
  ini.SetStrings(payload.IniText);
  if (!CheckSkinIniFile(ini)) return;

  const std::string folder = ExtractFilePath(AFileName);
  ClearData();
  for (const TPictureKey& key : PictureKeys) {
    const std::string name = ini.ReadString(PicturesSection, key.Key, "");
    if (!name.empty()) payload.*key.Picture = LoadBmpFile(folder + name);
  }
  TStringList activeNames;
  ReadStrings(ini, PicturesSection, "activepictures", activeNames);
  for (int i = 0; i < activeNames.Count(); ++i)
    payload.ActivePictures.push_back(LoadBmpFile(folder + activeNames.Strings(i)));

  TMemoryStream stream;
  WriteSkinPayload(stream, payload);
  CompressStream(stream, FCompressedStream);
}

void TspCompressedStoredSkin::LoadFromCompressedFile(const std::string& AFileName) {
  ClearData();
  TFileStream file(AFileName, fmOpenRead | fmShareDenyWrite);
  ReadContainer(file);
}

void TspCompressedStoredSkin::LoadFromCompressStream(TStream& S) {
  S.SetPosition(0);
  ReadContainer(S);
}

void TspCompressedStoredSkin::ReadContainer(TStream& S) {
  ClearData();
  if (ReadStoredSkinInt32(S) > MaxStoredSkinVersion) return;
  // A negative count is as unreadable as an unknown version.
  const int32_t count = ReadStoredSkinInt32(S);
  if (count <= 0) return;
  {
    TScopeFail dropCutOff([&] { FCompressedStream.Clear(); });  // never keep a cut-off skin
    FCompressedStream.CopyFrom(S, count);
  }
  FCompressedStream.SetPosition(0);
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream& S) const {
  WriteStoredSkinInt32(S, StoredSkinVersion);
  WriteStoredSkinInt32(S, CheckedInt32(static_cast<int64_t>(FCompressedStream.Bytes().size())));
  FCompressedStream.SaveToStream(S);
}
