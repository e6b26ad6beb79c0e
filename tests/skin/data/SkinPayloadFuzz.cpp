// Fuzz target: arbitrary bytes as the inflated payload of a stored skin, loaded into a
// skin data component. The input is stored without compression so that the fuzzer
// works on the payload itself. Whatever the input, the load ends either with a skin or
// with an error and an empty skin, never with the load still marked as running.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/ZlibStreams.h"

#include "base/Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream payload, zlib;
  if (size > 0) payload.WriteBuffer(data, static_cast<int32_t>(size));
  {
    TCompressionStream stored(TCompressionLevel::clNone, zlib);
    payload.SetPosition(0);
    stored.CopyFrom(payload, payload.Size());
  }
  TspCompressedStoredSkin skin(nullptr);
  skin.ReadData(zlib);
  TspSkinData skinData(nullptr);
  try {
    skinData.LoadCompressedStoredSkin(&skin);
  } catch (const Exception&) {
    if (!skinData.Empty() || !skinData.CtrlList.empty()) std::abort();
  }
  if (skinData.SkinChanging()) std::abort();
  skinData.GetControlIndex("button");
  return 0;
}
