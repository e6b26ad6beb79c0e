#pragma once
// What the skinned edits' input tests share: a test window whose controls take its skin
// data, and the keyboard focus given to one of them (the programs run alone for it).

#include "SkinControlTestKit.h"

#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"

#include <gtest/gtest.h>

#include <type_traits>

class SkinEditInput : public ::testing::Test {
protected:
  SkinEditInput() { ParkPointer(); }

  template <class T>
  T* Add(const TRect& Bounds) {
    auto* control = Window.Add<T>(Bounds);
    if constexpr (std::is_base_of_v<TspSkinChangeParticipant, T>) control->SetSkinData(Window.Data());
    return control;
  }
  void Focus(TWinControl* Control) {
    Window.Show();
    Control->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Control->Focused(); }));
  }

  TSkinTestWindow Window{400, 300};
};
