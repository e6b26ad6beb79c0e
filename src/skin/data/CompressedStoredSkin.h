#pragma once
// TspCompressedStoredSkin: one skin carried as zlib data in a form resource. At run time
// it holds the bytes and, once a skin data loads it, their decoding; a host tool builds
// the bytes from a skin folder (an INI file and the BMP files it names) or takes them
// from a compressed skin container file.

#include "base/Component.h"
#include "base/Streams.h"

#include <memory>
#include <string>

struct TspDecodedSkin;

class TspCompressedStoredSkin : public TComponent {
public:
  // The form-resource property that carries the zlib data.
  static constexpr const char* CompressedDataProperty = "CompressedData";

  explicit TspCompressedStoredSkin(TComponent* AOwner);

  // The INI file's name without its folder. While designing (and not loading) the
  // setter builds the skin from the full name it is given.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value);
  // The same for a compressed skin container file.
  const std::string& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const std::string& Value);
  const std::string& Description() const { return FDescription; }
  void SetDescription(const std::string& Value) { FDescription = Value; }

  // The zlib data of the skin; empty when the component holds no skin.
  const TMemoryStream& CompressedStream() const { return FCompressedStream; }
  bool IsEmpty() const { return FCompressedStream.Bytes().empty(); }

  // The "CompressedData" property, read and written whole (also when empty).
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream) const;
  void DefineProperties(TFiler& Filer) override;

  // Inflates the zlib data into S from S's position. Raises EDecompressionError for
  // corrupt data, ESkinTooLarge for a payload larger than MaxSkinPayloadSize.
  void DeCompressToStream(TMemoryStream& S);
  // The payload inflated and decoded, made on the first call and kept, unchanged, until
  // the zlib data changes: every skin data loading this skin copies from one decoding.
  // nullptr (nothing kept) for a payload version above MaxStoredSkinVersion; a payload
  // that cannot be read, or is over a bound, raises as DeCompressToStream and
  // ReadDecodedSkin do, and nothing is kept.
  std::shared_ptr<const TspDecodedSkin> Decoded();
  // Lets the decoding go: a load of it failed (a skin over a bound is refused the same way
  // by every load), so keeping it would only hold memory. The next Decoded inflates anew.
  void DropDecoding() { FDecoded.reset(); }
  // How many times Decoded set about inflating the zlib data.
  int Decodings() const { return FDecodings; }

  // The skin builder: the payload of the skin folder's INI file and the pictures its
  // PICTURES section names, compressed at the maximum level. An INI file that lacks a
  // required section changes nothing; a missing or malformed file raises, leaving the
  // component empty.
  void LoadFromIniFile(const std::string& AFileName);
  // Reads a compressed skin container file.
  void LoadFromCompressedFile(const std::string& AFileName);
  // The container on a stream: the loader reads from position 0 whatever S's position.
  // A version above 3 or a negative byte count leaves the component empty; a count past
  // the end of S raises EReadError and leaves it empty too.
  void SaveToCompressStream(TStream& S) const;
  void LoadFromCompressStream(TStream& S);

private:
  bool Designing() const;
  void ReadContainer(TStream& S);
  // Empties the zlib data, and with it the decoding made of it.
  void ClearData();

  std::string FFileName;
  std::string FCompressedFileName;
  std::string FDescription;
  TMemoryStream FCompressedStream;
  std::shared_ptr<const TspDecodedSkin> FDecoded;
  int FDecodings = 0;
};
