#include "SkinMessages.h"

namespace {

TspSkinMessageTargets* CurrentTargets = nullptr;

}  // namespace

TspSkinMessageTargets& SkinMessageTargets() {
  return CurrentTargets != nullptr ? *CurrentTargets : PlatformSkinMessageTargets();
}

void SetSkinMessageTargets(TspSkinMessageTargets* Targets) { CurrentTargets = Targets; }
