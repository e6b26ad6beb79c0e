// Fuzz target: BMP bytes through the reader, both from memory and from a stream of
// records, and whatever it accepts through the writer and back.
#include "base/BmpCodec.h"
#include "base/Exceptions.h"
#include "base/Streams.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TPixelImage image = ReadBmp(data, size);
    TMemoryStream out;
    WriteBmp(image, out);
    const TPixelImage back = ReadBmp(out.Bytes().data(), out.Bytes().size());
    if (back.Width() != image.Width() || back.Height() != image.Height()) __builtin_trap();
    if (back.Pixel(image.Width() - 1, image.Height() - 1) !=
        image.Pixel(image.Width() - 1, image.Height() - 1))
      __builtin_trap();
  } catch (const EInvalidGraphic&) {
  }
  TMemoryStream records;
  records.WriteBuffer(data, static_cast<int32_t>(size));
  records.SetPosition(0);
  try {
    while (records.Position() < records.Size()) ReadBmp(records);
  } catch (const EInvalidGraphic&) {
  } catch (const EReadError&) {
  }
  return 0;
}
