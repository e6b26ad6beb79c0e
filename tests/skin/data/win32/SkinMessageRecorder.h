#pragma once
// A form that records the skin messages it handles, with the sending skin data
// component's flags at that moment, for tests of who is told what and when.
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"

#include "classlib/Application.h"
#include "classlib/Form.h"

#include <vector>

struct TReceived {
  TComponent* Form;
  UINT Msg;
  bool Empty;
  bool SkinChanging;
  friend bool operator==(const TReceived&, const TReceived&) = default;
};

class TSkinMessageRecorder : public TForm {
public:
  explicit TSkinMessageRecorder(std::vector<TReceived>& Log) : TForm(Application), FLog(Log) {}

  void Dispatch(TMessage& Message) override {
    switch (Message.Msg) {
      case SP_BEFORE_CHANGE_SKIN_DATA:
      case SP_CHANGE_SKIN_DATA:
      case SP_AFTER_CHANGE_SKIN_DATA:
      case SP_RESOURCE_STRINGS_CHANGED:
      case SP_SKINNABLE_FORM_CHANGED: {
        const auto* sender = reinterpret_cast<TspSkinData*>(Message.WParam);
        FLog.push_back({this, Message.Msg, sender->Empty(), sender->SkinChanging()});
        BadLParam = BadLParam || Message.LParam != SkinMessageLParam;
        return;
      }
      default:
        TForm::Dispatch(Message);
    }
  }

  // Set when a message arrived without the agreed LParam.
  bool BadLParam = false;

private:
  std::vector<TReceived>& FLog;
};
