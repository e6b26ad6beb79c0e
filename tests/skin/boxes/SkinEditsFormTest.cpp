// A form of skinned edits read from its text with the program's skin: an edit with its
// button, a numeric edit and a bordered memo with a skinned bar each way. Every class and
// property arrives, the controls take the skin, and the window is saved as
// build/screenshots/boxes-edits.png for a person to look at.
#include "SkinControlTestKit.h"

#include "skin/boxes/SkinBoxClasses.h"
#include "skin/boxes/SkinEdit.h"
#include "skin/boxes/SkinMemo.h"
#include "skin/boxes/SkinNumEdit.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"

#include "Screenshot.h"
#include "TestControls.h"

#include <gtest/gtest.h>

#include <mutex>

// The window of the form text, with its handler.
class TEditsForm : public TSkinnedForm {
public:
  void EditButtonClick(TObject*) { ++ButtonClicks; }
  int ButtonClicks = 0;
};

namespace {

const char* const kFormText = R"(object EditsForm: TEditsForm
  Left = 40
  Top = 40
  Width = 360
  Height = 220
  BorderStyle = bsNone
  Color = clBtnFace
  object SkinData: TspSkinData
  end
  object Panel_EditFile: TspSkinEdit
    Left = 10
    Top = 10
    Width = 240
    ButtonMode = True
    SkinDataName = 'buttonedit'
    SkinData = SkinData
    Text = 'Artist - Title.mp3'
    Alignment = taCenter
    ReadOnly = True
    OnButtonClick = EditButtonClick
  end
  object Panel_EditTrack: TspSkinNumEdit
    Left = 270
    Top = 12
    Width = 60
    Height = 18
    Text = '42'
  end
  object Panel_MemoComment: TspSkinMemo
    Left = 10
    Top = 40
    Width = 300
    Height = 150
    BorderStyle = bsSingle
    WordWrap = False
    Lines.Strings = (
      'A comment line that is wider than the memo, so that the memo scrolls across it'
      '2' '3' '4' '5' '6' '7' '8' '9' '10' '11' '12' '13' '14' '15')
    VScrollBar = Panel_MemoBarDown
    HScrollBar = Panel_MemoBarAcross
    SkinData = SkinData
    ReadOnly = True
  end
  object Panel_MemoBarDown: TspSkinScrollBar
    Left = 310
    Top = 40
    Width = 16
    Height = 150
    Kind = sbVertical
    SkinDataName = 'vscrollbar'
    SkinData = SkinData
  end
  object Panel_MemoBarAcross: TspSkinScrollBar
    Left = 10
    Top = 190
    Width = 300
    Height = 16
    SkinDataName = 'hscrollbar'
    SkinData = SkinData
  end
end
)";

template <class T>
T* Find(TComponent& Form, const std::string& Name) {
  auto* component = dynamic_cast<T*>(Form.FindComponent(Name));
  if (component == nullptr) ADD_FAILURE() << "no " << Name;
  return component;
}

TEST(SkinEditsForm, AFormOfEditsAndAMemoReadsAndTakesTheProgramsSkin) {
  static std::once_flag registration;
  std::call_once(registration, [] {
    RegisterSkinDataClasses(TClassRegistry::Instance());
    RegisterSkinControlClasses(TClassRegistry::Instance());
    RegisterSkinBoxClasses(TClassRegistry::Instance());
  });
  TOwned<TEditsForm> form(new TEditsForm);
  ReadForm(*form, kFormText,
           TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
               .Handler("EditButtonClick", &TEditsForm::EditButtonClick),
           "The edits form");
  TspCompressedStoredSkin stored(nullptr);
  LoadTestSkin(stored, "slate");
  Find<TspSkinData>(*form, "SkinData")->LoadCompressedStoredSkin(&stored);
  form->Show();
  PumpFor(50);
  auto* file = Find<TspSkinEdit>(*form, "Panel_EditFile");
  auto* memo = Find<TspSkinMemo>(*form, "Panel_MemoComment");
  ASSERT_TRUE(file && memo && Find<TspSkinNumEdit>(*form, "Panel_EditTrack"));
  EXPECT_TRUE(file->ReadOnly());
  EXPECT_EQ(GetWindowLongA(file->Handle(), GWL_STYLE) & ES_READONLY, 0);  // the native control stays writable
  EXPECT_NE(file->SkinIndex(), -1);
  EXPECT_NE(memo->SkinIndex(), -1);
  EXPECT_TRUE(memo->ReadOnly());
  EXPECT_TRUE(memo->VScrollBar()->Enabled());  // 15 lines do not fit
  EXPECT_EQ(memo->VScrollBar()->Max(), SendMessageA(memo->Handle(), EM_GETLINECOUNT, 0, 0) - 1);
  EXPECT_TRUE(memo->HScrollBar()->Enabled());  // nor does the long line
  file->OnButtonClick(file);
  EXPECT_EQ(form->ButtonClicks, 1);
  SaveWindowScreenshot(form->Handle(), "boxes-edits");
}

}  // namespace
