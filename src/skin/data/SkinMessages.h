#pragma once
// The window messages of the skin data component and the windows they go to. Each
// message carries the sending skin data component in WParam and 1000 in LParam.

#include <cstdint>

class TComponent;

inline constexpr uint32_t SP_BEFORE_CHANGE_SKIN_DATA = 0x4C9;   // 1225, a load starts
inline constexpr uint32_t SP_CHANGE_SKIN_DATA = 0x4CA;          // 1226, the skin changed
inline constexpr uint32_t SP_AFTER_CHANGE_SKIN_DATA = 0x4CB;    // 1227, right after
inline constexpr uint32_t SP_RESOURCE_STRINGS_CHANGED = 0x4FA;  // 1274
inline constexpr uint32_t SP_SKINNABLE_FORM_CHANGED = 0x50E;    // 1294
inline constexpr intptr_t SkinMessageLParam = 1000;

// The open windows: the application's forms, each a component with a window.
class TspSkinMessageTargets {
public:
  virtual ~TspSkinMessageTargets() = default;
  // Owner itself when it is a form, else nullptr.
  virtual TComponent* OwnerForm(TComponent* Owner) = 0;
  // The open forms, in creation order.
  virtual int FormCount() = 0;
  virtual TComponent* Forms(int Index) = 0;
  // Sends to the form's window and returns once its handler has run; a form without a
  // window gets one first.
  virtual void Send(TComponent* Form, uint32_t Msg, intptr_t WParam, intptr_t LParam) = 0;
};

// The targets in use: none until a window system's half installs its forms (the Windows
// half installs the screen's forms when a program that links it starts).
TspSkinMessageTargets& SkinMessageTargets();
// Installs Targets (nullptr: none) and returns the targets installed before.
TspSkinMessageTargets* SetSkinMessageTargets(TspSkinMessageTargets* Targets);
