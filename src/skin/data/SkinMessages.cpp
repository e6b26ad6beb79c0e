#include "SkinMessages.h"

#include <utility>

namespace {

// Without a window system there are no open windows to tell.
class TNoWindows : public TspSkinMessageTargets {
public:
  TComponent* OwnerForm(TComponent*) override { return nullptr; }
  int FormCount() override { return 0; }
  TComponent* Forms(int) override { return nullptr; }
  void Send(TComponent*, uint32_t, intptr_t, intptr_t) override {}
};

TspSkinMessageTargets* CurrentTargets = nullptr;

}  // namespace

TspSkinMessageTargets& SkinMessageTargets() {
  static TNoWindows none;
  return CurrentTargets != nullptr ? *CurrentTargets : none;
}

TspSkinMessageTargets* SetSkinMessageTargets(TspSkinMessageTargets* Targets) {
  return std::exchange(CurrentTargets, Targets);
}
