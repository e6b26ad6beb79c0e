#pragma once
// What the skinned-control tests share: the test skins the build paints, a window whose
// frame hands skin changes to its controls as the skinned frame does, the colour of a
// skin rectangle, and a control's pixels as its own paint draws them.

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include "classlib/Form.h"

#include "HostileBounds.h"
#include "SkinEdits.h"
#include "TestControls.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// Reads test skin Name ("slate", "flatcolour", "sparse") from the build's skins folder.
void LoadTestSkin(TspCompressedStoredSkin& Stored, const std::string& Name);
// The inflated payload of test skin Name, read: what hostile skins are made of.
TspSkinPayload TestSkinPayload(const std::string& Name);

// A window whose frame hands the skin changes its skin data announces to its controls.
class TSkinnedForm : public TForm {
public:
  TSkinnedForm() : TForm(Application) {}
  void Dispatch(TMessage& Message) override;
};

// A shown borderless test window with one skin data component: Load gives it a test
// skin (the controls hear of it as from the frame), Clear takes the skin away.
class TSkinTestWindow {
public:
  TSkinTestWindow(int Width = 320, int Height = 240);
  ~TSkinTestWindow();
  TSkinTestWindow(const TSkinTestWindow&) = delete;
  TSkinTestWindow& operator=(const TSkinTestWindow&) = delete;

  TSkinnedForm* Form() const { return FForm; }
  TspSkinData* Data() const { return FData; }
  void Load(const std::string& Skin);
  void Load(const std::string& Skin, const TSkinEdit& Edit);  // the skin edited
  void Clear();
  // Shows the window and handles what that brings.
  void Show();

  template <class T>
  T* Add(const TRect& Bounds, TWinControl* Parent = nullptr) {
    auto* control = new T(FForm);
    control->SetParent(Parent != nullptr ? Parent : FForm);
    control->SetBoundsRect(Bounds);
    return control;
  }

private:
  TSkinnedForm* FForm;
  TspSkinData* FData;
  TspCompressedStoredSkin FStored{nullptr};
};

// The one colour of rectangle R (of its picture) of Data's control entry Name.
TColor EntryColour(const TspSkinData& Data, const std::string& Name, const TRect& R);

// A plain form read from the form resource of form class FormClass (with the skinned
// classes registered for the form reader first), its skin data component "SkinData"
// loaded and the new skin handed to its controls as the window's frame does.
TOwned<TForm> ReadSkinnedTestForm(const std::string& FormClass);
// The component Name of Form as a T; a failure when there is none.
template <class T>
T* Found(TComponent* Form, const char* Name) {
  auto* component = dynamic_cast<T*>(Form->FindComponent(Name));
  EXPECT_NE(component, nullptr) << Name;
  return component;
}

// Control as its WM_PAINT draws it into a memory DC of its size that showed Background.
std::unique_ptr<TPixelDC> Painted(TWinControl* Control, TColor Background = RGBColor(1, 2, 3));
// Whether Control paints the same with every text drawn unclipped: no box it draws a
// text in cuts the text.
bool PaintsTextsWhole(TWinControl* Control);
