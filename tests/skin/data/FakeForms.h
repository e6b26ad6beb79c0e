#pragma once
// Open forms for the skin messages without a window system: each form is a plain
// component, and every message sent is logged with the sender's flags at that moment.

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

class TFakeForms : public TspSkinMessageTargets {
public:
  struct TSent {
    TComponent* Form;
    uint32_t Msg;
    bool Empty;
    bool SkinChanging;
    friend bool operator==(const TSent&, const TSent&) = default;
  };

  // Installs itself as the targets of the skin messages until it goes.
  explicit TFakeForms(int Count) {
    for (int i = 0; i < Count; ++i) FForms.push_back(std::make_unique<TComponent>(nullptr));
    FInstalledBefore = SetSkinMessageTargets(this);
  }
  ~TFakeForms() override { SetSkinMessageTargets(FInstalledBefore); }

  TComponent* Form(int Index) const { return FForms[Index].get(); }

  TComponent* OwnerForm(TComponent* Owner) override {
    auto found =
        std::find_if(FForms.begin(), FForms.end(), [&](const auto& f) { return f.get() == Owner; });
    return found != FForms.end() ? Owner : nullptr;
  }
  int FormCount() override { return static_cast<int>(FForms.size()); }
  TComponent* Forms(int Index) override { return FForms[Index].get(); }
  void Send(TComponent* Form, uint32_t Msg, intptr_t WParam, intptr_t LParam) override {
    auto* sender = reinterpret_cast<TspSkinData*>(WParam);
    Sent.push_back({Form, Msg, sender->Empty(), sender->SkinChanging()});
    BadLParam = BadLParam || LParam != 1000;
    if (OnSend) OnSend(*sender, Msg);
  }

  std::vector<TSent> Sent;
  bool BadLParam = false;
  // Runs inside each send, as a window's handler would.
  std::function<void(TspSkinData&, uint32_t)> OnSend;

private:
  std::vector<std::unique_ptr<TComponent>> FForms;
  TspSkinMessageTargets* FInstalledBefore;
};
