// A form of skinned boxes read from its text with the program's skin: a page control in
// each tab position with close buttons, one too narrow for its tabs, and a horizontal and
// a vertical up-down control. Saved as build/screenshots/boxes-tabs.png.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinBoxClasses.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/boxes/SkinTabSheet.h"
#include "skin/boxes/SkinUpDown.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "Screenshot.h"
#include "TestControls.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <mutex>
#include <string>

namespace {

// A page control named Name at the given place with its tabs at Position and Count
// sheets; each sheet's name and caption tell its place.
std::string PageControlText(const std::string& Name, const std::string& Position, const TRect& Bounds, int Count) {
  std::string text = "  object " + Name + ": TspSkinPageControl\n    Left = " + std::to_string(Bounds.Left) +
                     "\n    Top = " + std::to_string(Bounds.Top) + "\n    Width = " + std::to_string(Bounds.Width()) +
                     "\n    Height = " + std::to_string(Bounds.Height()) + "\n    TabPosition = " + Position +
                     "\n    ShowCloseButtons = True\n    DragKind = dkDock\n    SkinData = SkinData\n";
  const char* captions[] = {"General", "Tags", "Files", "Options", "Rename", "Log"};
  for (int i = 0; i < Count; ++i)
    text += "    object " + Name + "_Sheet" + std::to_string(i + 1) + ": TspSkinTabSheet\n      Caption = '" +
            captions[i] + "'\n    end\n";
  return text + "  end\n";
}

std::string FormText() {
  // Out of the way of other test programs' windows (see OutOfTheWay.h).
  return "object BoxesForm: TSkinnedForm\n  Left = 480\n  Top = 560\n  Width = 760\n  Height = 440\n"
         "  BorderStyle = bsNone\n  Color = clBtnFace\n"
         "  object SkinData: TspSkinData\n  end\n" +
         PageControlText("PageTop", "tpTop", {10, 10, 310, 180}, 3) +
         PageControlText("PageBottom", "tpBottom", {320, 10, 620, 180}, 3) +
         PageControlText("PageLeft", "tpLeft", {10, 190, 310, 430}, 3) +
         PageControlText("PageRight", "tpRight", {320, 190, 620, 430}, 3) +
         PageControlText("PageNarrow", "tpTop", {630, 10, 750, 180}, 6) +
         "  object UpDownAcross: TspSkinUpDown\n    Left = 640\n    Top = 200\n    Max = 10\n"
         "    SkinData = SkinData\n  end\n"
         "  object UpDownUpright: TspSkinUpDown\n    Left = 700\n    Top = 200\n    Orientation = udVertical\n"
         "    SkinDataName = 'vupdown'\n    SkinData = SkinData\n  end\n"
         "end\n";
}

template <class T>
T* Find(TComponent& Form, const std::string& Name) {
  auto* component = dynamic_cast<T*>(Form.FindComponent(Name));
  if (component == nullptr) ADD_FAILURE() << "no " << Name;
  return component;
}

TEST(SkinBoxesForm, AFormOfBoxesReadsAndTakesTheProgramsSkin) {
  static std::once_flag registration;
  std::call_once(registration, [] {
    RegisterSkinDataClasses(TClassRegistry::Instance());
    RegisterSkinControlClasses(TClassRegistry::Instance());
    RegisterSkinBoxClasses(TClassRegistry::Instance());
  });
  TOwned<TSkinnedForm> form(new TSkinnedForm);
  ReadForm(*form, FormText(), TFormBindings(TClassRegistry::Instance().TableOf<TForm>()), "The boxes form");
  TspCompressedStoredSkin stored(nullptr);
  LoadTestSkin(stored, "slate");
  Find<TspSkinData>(*form, "SkinData")->LoadCompressedStoredSkin(&stored);
  form->Show();
  PumpFor(50);

  for (const char* name : {"PageTop", "PageBottom", "PageLeft", "PageRight"}) {
    auto* control = Find<TspSkinPageControl>(*form, name);
    ASSERT_NE(control, nullptr);
    EXPECT_NE(control->SkinIndex(), -1) << name;
    EXPECT_EQ(control->PageCount(), 3) << name;
    EXPECT_TRUE(control->ShowCloseButtons()) << name;
    EXPECT_EQ(control->TabScroller(), nullptr) << name;
    EXPECT_EQ(control->DragKind(), dkDock) << name;
  }
  auto* narrow = Find<TspSkinPageControl>(*form, "PageNarrow");
  ASSERT_NE(narrow, nullptr);
  ASSERT_NE(narrow->TabScroller(), nullptr);
  EXPECT_EQ(FindWindowExA(narrow->Handle(), nullptr, UPDOWN_CLASSA, nullptr), nullptr);
  EXPECT_EQ(narrow->TabScroller()->SkinDataName(), "hupdown");
  auto* across = Find<TspSkinUpDown>(*form, "UpDownAcross");
  auto* upright = Find<TspSkinUpDown>(*form, "UpDownUpright");
  ASSERT_NE(across, nullptr);
  ASSERT_NE(upright, nullptr);
  EXPECT_EQ(across->Max(), 10);
  EXPECT_EQ(upright->Orientation(), udVertical);
  EXPECT_EQ((TSize{across->Width(), across->Height()}), (TSize{34, 20}));  // the slate entries' sizes
  EXPECT_EQ((TSize{upright->Width(), upright->Height()}), (TSize{17, 30}));
  SaveWindowScreenshot(form->Handle(), "boxes-tabs");
}

}  // namespace
