#pragma once
// What the skinned hint shows of the control under the pointer besides its Hint: a
// title and an image of an image list. Windowed and windowless skinned controls give
// it; the hint component finds it on whichever control it shows the hint for.

#include <cstdint>
#include <string>

class TCustomImageList;

class TspSkinHintSource {
public:
  virtual const std::string& HintTitle() const = 0;
  virtual int32_t HintImageIndex() const = 0;
  // Not owned; nullptr for no image.
  virtual TCustomImageList* HintImageList() const = 0;

protected:
  ~TspSkinHintSource() = default;
};
