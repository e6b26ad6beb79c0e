#include "ID3v22Frames.h"

#include "ID3Codecs.h"
#include "ID3TextCodec.h"
#include "ID3v2HeaderEx.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kHeaderSize = 6, kIDLength = 3;

// The ID3v2.3 IDs of the ID3v2.2 frames that have an ID3v2.4 kind to go to (through the
// ID3v2.3 reader, which also joins TDA and TIM into the year's TDRC). Left out, and so
// dropped: CRM (encrypted meta frames), LNK (its IDs have three letters), EQU and RVA
// (ID3v2.4 replaced them by frames of another layout), TRD and TSI (ID3v2.4 dropped them).
struct TFrameID22 {
  const char* ID22;
  const char* ID23;
};

constexpr TFrameID22 kFrameIDs[] = {
    {"BUF", "RBUF"}, {"CNT", "PCNT"}, {"COM", "COMM"}, {"CRA", "AENC"}, {"ETC", "ETCO"},
    {"GEO", "GEOB"}, {"IPL", "IPLS"}, {"MCI", "MCDI"}, {"MLL", "MLLT"}, {"PIC", "APIC"},
    {"POP", "POPM"}, {"REV", "RVRB"}, {"SLT", "SYLT"}, {"STC", "SYTC"}, {"TAL", "TALB"},
    {"TBP", "TBPM"}, {"TCM", "TCOM"}, {"TCO", "TCON"}, {"TCR", "TCOP"}, {"TDA", "TDAT"},
    {"TDY", "TDLY"}, {"TEN", "TENC"}, {"TFT", "TFLT"}, {"TIM", "TIME"}, {"TKE", "TKEY"},
    {"TLA", "TLAN"}, {"TLE", "TLEN"}, {"TMT", "TMED"}, {"TOA", "TOPE"}, {"TOF", "TOFN"},
    {"TOL", "TOLY"}, {"TOR", "TORY"}, {"TOT", "TOAL"}, {"TP1", "TPE1"}, {"TP2", "TPE2"},
    {"TP3", "TPE3"}, {"TP4", "TPE4"}, {"TPA", "TPOS"}, {"TPB", "TPUB"}, {"TRC", "TSRC"},
    {"TRK", "TRCK"}, {"TSS", "TSSE"}, {"TT1", "TIT1"}, {"TT2", "TIT2"}, {"TT3", "TIT3"},
    {"TXT", "TEXT"}, {"TXX", "TXXX"}, {"TYE", "TYER"}, {"UFI", "UFID"}, {"ULT", "USLT"},
    {"WAF", "WOAF"}, {"WAR", "WOAR"}, {"WAS", "WOAS"}, {"WCM", "WCOM"}, {"WCP", "WCOP"},
    {"WPB", "WPUB"}, {"WXX", "WXXX"},
    // Sort orders that ID3v2.4 took over from what ID3v2.2 writers added.
    {"TSA", "TSOA"}, {"TSP", "TSOP"}, {"TST", "TSOT"},
};

const char* ID23Of(const uint8_t* id) {
  for (const TFrameID22& row : kFrameIDs)
    if (std::memcmp(row.ID22, id, kIDLength) == 0) return row.ID23;
  return nullptr;
}

// The MIME type of a picture's image format: the two common ones by name, a link ("-->")
// as it is, any other as "image/" and the format in lower case.
std::string MimeTypeOf(std::string format) {
  format.erase(std::find(format.begin(), format.end(), '\0'), format.end());
  if (format == "JPG") return "image/jpeg";
  if (format == "PNG") return "image/png";
  if (format == "-->") return format;
  std::transform(format.begin(), format.end(), format.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return "image/" + format;
}

// A picture body: encoding, image format (3 bytes), picture type, description, data; as
// ID3v2.3 holds it: encoding, MIME type and its zero byte, then the rest as it was.
TBytes PictureBody(const uint8_t* body, size_t size) {
  constexpr size_t kFormatAt = 1, kTypeAt = 4;
  const std::string format(reinterpret_cast<const char*>(body + kFormatAt), kIDLength);
  const std::string mime = MimeTypeOf(format);
  TBytes converted = {body[0]};
  converted.insert(converted.end(), mime.begin(), mime.end());
  converted.push_back(0);
  converted.insert(converted.end(), body + kTypeAt, body + size);
  return converted;
}

// Where the string from start ends in a body of size bytes: its terminator in the
// encoding, at an even distance for UTF-16; size when it has none.
size_t StringEnd(const uint8_t* body, size_t size, size_t start, bool wide) {
  const size_t step = wide ? 2 : 1;
  for (size_t at = start; at + step <= size; at += step)
    if (body[at] == 0 && (!wide || body[at + 1] == 0)) return at;
  return size;
}

bool IsID(const char* id23, const char* id) { return std::memcmp(id23, id, 4) == 0; }

// Frames whose body ends in a text: the text frames, comments and lyrics.
bool EndsInText(const char* id23) {
  return id23[0] == 'T' || IsID(id23, "COMM") || IsID(id23, "USLT");
}

// The body of a frame that ends in a text, that text ending where its terminator stands
// (after the description's, where the frame has one). ID3v2.2 ignores what follows it;
// ID3v2.4 would read the terminator as the start of one more value, of a text "1" and a
// zero byte as "1" and "". A description without its terminator leaves the body whole.
TBytes TextFrameBody(const char* id23, const uint8_t* body, size_t size) {
  const bool wide = IsUtf16Encoding(body[0]);
  const bool comment = IsID(id23, "COMM") || IsID(id23, "USLT");
  size_t textStart = comment ? 4 : 1;  // behind the encoding (and the language)
  if (comment || IsID(id23, "TXXX")) {
    const size_t descriptionEnd = StringEnd(body, size, textStart, wide);
    if (descriptionEnd == size) return TBytes(body, body + size);
    textStart = descriptionEnd + (wide ? 2 : 1);
  }
  return TBytes(body, body + StringEnd(body, size, textStart, wide));
}

void AppendFrame(TBytes& out, const char* id23, const TBytes& body) {
  out.insert(out.end(), id23, id23 + 4);
  T4Bytes size = WriteBigEndian32(static_cast<uint32_t>(body.size()));
  out.insert(out.end(), size.begin(), size.end());
  out.insert(out.end(), {0, 0});
  out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

TBytes ID3v22FramesAsID3v23(const TBytes& body, std::vector<std::string>& dropped,
                            size_t& framesSize) {
  constexpr size_t kShortestPicture = 5;  // encoding, format, type
  TBytes out;
  size_t position = 0;
  while (body.size() - position >= kHeaderSize && IsWellFormedFrameID(&body[position], kIDLength)) {
    const uint8_t* header = &body[position];
    const uint32_t size = (uint32_t{header[3]} << 16) | (uint32_t{header[4]} << 8) | header[5];
    if (size > body.size() - position - kHeaderSize) break;
    const uint8_t* data = header + kHeaderSize;
    position += kHeaderSize + size;
    if (size == 0) continue;
    const char* id23 = ID23Of(header);
    const bool picture = id23 && std::memcmp(id23, "APIC", 4) == 0;
    if (!id23 || (picture && size < kShortestPicture)) {
      dropped.emplace_back(reinterpret_cast<const char*>(header), kIDLength);
      continue;
    }
    AppendFrame(out, id23,
                picture           ? PictureBody(data, size)
                : EndsInText(id23) ? TextFrameBody(id23, data, size)
                                   : TBytes(data, data + size));
  }
  framesSize = position;
  return out;
}
