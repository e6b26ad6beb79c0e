#include "AcceleratorKeys.h"

namespace {

constexpr uint16_t kNumpad0 = 0x60, kNumpad9 = 0x69;  // VK_NUMPAD0, VK_NUMPAD9

}  // namespace

char AcceleratorCharOfKey(uint16_t Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return static_cast<char>(Key);
  if (Key >= kNumpad0 && Key <= kNumpad9) return static_cast<char>('0' + (Key - kNumpad0));
  return '\0';
}
