#include "FormMessageDialog.h"

#include "FormPlacement.h"
#include "SkinnedWindowClasses.h"

#include "skin/boxes/SkinMemo.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"
#include "skin/form/DynamicSkinForm.h"

#include "classlib/Application.h"
#include "classlib/ClassRegistry.h"
#include "classlib/FormReader.h"
#include "classlib/Screen.h"

#include <algorithm>

namespace {

// The memo of a list: a bordered box of its own colour with a lowered outer bevel, from
// the top of the window.
constexpr int kListMemoLeft = 6;
constexpr int kListMemoTop = 8;
constexpr int kListMemoHeight = 45;

int ClampToExtent(int64_t size, int extent) { return static_cast<int>(std::min<int64_t>(size, extent)); }

// A skin data of the window's owner that holds skin loaded already and draws as own would
// (same effects, same frame), or nullptr. The owner outlives the window, so the window may
// draw with it instead of inflating and decoding the same skin once more.
TspSkinData* LoadedSkinData(const TComponent* owner, const TspCompressedStoredSkin* skin, const TspSkinData& own) {
  if (owner == nullptr) return nullptr;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    auto* data = dynamic_cast<TspSkinData*>(owner->Components(i));
    if (data != nullptr && data->CompressedStoredSkin() == skin && !data->Empty() && !data->SkinChanging() &&
        data->EnableSkinEffects() == own.EnableSkinEffects() && data->SkinnableForm() == own.SkinnableForm())
      return data;
  }
  return nullptr;
}

// Points the window's frame and every skinned control that draws with from at to. The
// frame takes it once the controls have it, then the controls look their entries up
// again, in the order a skin change tells them. As with a load, which messages the
// window, the window has its handle first, so that the skin's frame keeps the client size.
void DrawWith(TForm& window, TspSkinData* from, TspSkinData* to) {
  window.HandleNeeded();
  TspDynamicSkinForm* frame = nullptr;
  for (int i = 0; i < window.ComponentCount(); ++i) {
    TComponent* component = window.Components(i);
    if (auto* f = dynamic_cast<TspDynamicSkinForm*>(component)) {
      if (f->SkinData() == from) frame = f;
    } else if (auto* control = dynamic_cast<TspSkinControl*>(component)) {
      if (control->SkinData() == from) control->SetSkinData(to);
    } else if (auto* memo = dynamic_cast<TspSkinMemo*>(component)) {
      if (memo->SkinData() == from) memo->SetSkinData(to);
    } else if (auto* bevel = dynamic_cast<TspSkinBevel*>(component)) {
      if (bevel->SkinData() == from) bevel->SetSkinData(to);
    }
  }
  if (frame == nullptr) return;
  frame->SetSkinData(to);
  ChangeChildrenSkinData(to, &window);
}

}  // namespace

TFormMessageDialog::TFormMessageDialog(TComponent* AOwner, TMessageDialog& dialog)
    : TForm(AOwner), FDialog(dialog) {
  RegisterSkinnedWindowClasses();
  ReadFormResource(*this, Bindings());
}

void TFormMessageDialog::BeforeDestruction() {
  if (SkinData != nullptr) SkinData->SetCompressedStoredSkin(nullptr);
  TForm::BeforeDestruction();
}

void TFormMessageDialog::FormCreate(TObject*) {
  TspCompressedStoredSkin* skin = FDialog.Skin();
  SkinData->SetSkinnableForm(skin != nullptr);
  if (skin == nullptr) return;
  if (TspSkinData* loaded = LoadedSkinData(Owner(), skin, *SkinData))
    DrawWith(*this, SkinData, loaded);
  else
    SkinData->LoadCompressedStoredSkin(skin);
}

const TFormBindings& TFormMessageDialog::Bindings() {
  static const TFormBindings bindings =
      TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
          .Handler("FormCreate", &TFormMessageDialog::FormCreate)
          .Handler("FormShow", &TFormMessageDialog::FormShow)
          .Handler("ButtonOkClick", &TFormMessageDialog::ButtonOkClick)
          .Handler("ButtonYesClick", &TFormMessageDialog::ButtonYesClick)
          .Handler("ButtonNoClick", &TFormMessageDialog::ButtonNoClick)
          .Handler("ButtonCancelClick", &TFormMessageDialog::ButtonCancelClick)
          .Field("SkinData", &TFormMessageDialog::SkinData)
          .Field("Memo", &TFormMessageDialog::Memo)
          .Field("MemoScrollBar", &TFormMessageDialog::MemoScrollBar)
          .Field("Bevel", &TFormMessageDialog::Bevel)
          .Field("ButtonOk", &TFormMessageDialog::ButtonOk)
          .Field("ButtonYes", &TFormMessageDialog::ButtonYes)
          .Field("ButtonNo", &TFormMessageDialog::ButtonNo)
          .Field("ButtonCancel", &TFormMessageDialog::ButtonCancel);
  return bindings;
}

TspSkinButton* TFormMessageDialog::Button(TDialogButton which) const {
  switch (which) {
    case dbOk: return ButtonOk;
    case dbYes: return ButtonYes;
    case dbNo: return ButtonNo;
    case dbCancel: return ButtonCancel;
  }
  return ButtonOk;
}

void TFormMessageDialog::PrepareLayout() {
  if (FDialog.AsList()) ShowAsList();
  const TMessageLayout& layout = FDialog.Layout();
  SetCaption(FDialog.Caption());
  const int64_t width = layout.Width != 0 ? layout.Width : Width();
  const int64_t height = int64_t{Height()} + layout.ExtraHeight;
  SetSizeWithinWorkArea(width, height);
  // The memo has room for every line unless the work area cut the window down.
  if (Width() < width || Height() < height) ShowScrollBar();
  Memo->SetText(layout.Text);
}

void TFormMessageDialog::ShowScrollBar() {
  const int width = MemoScrollBar->Width();
  MemoScrollBar->SetBounds(Memo->Left() + Memo->Width() - width, Memo->Top(), width, Memo->Height());
  Memo->SetWidth(Memo->Width() - width);
  MemoScrollBar->SetVisible(true);
}

void TFormMessageDialog::ShowAsList() {
  Memo->SetBounds(kListMemoLeft, kListMemoTop, Memo->Width(), kListMemoHeight);
  Memo->SetAlignment(taLeftJustify);
  Memo->SetBorderStyle(bsSingle);
  Memo->SetBevelOuter(TBevelCut::bvLowered);
  Memo->SetColor(clWindow);
  Memo->SetTransparent(false);  // a box of its own, the skin's memo background
}

void TFormMessageDialog::SetSizeWithinWorkArea(int64_t width, int64_t height) {
  const TRect workArea = Screen->WorkAreaRect();
  SetBounds(Left(), Top(), ClampToExtent(width, workArea.Width()), ClampToExtent(height, workArea.Height()));
}

void TFormMessageDialog::KeepOnWorkArea() {
  const TRect workArea = Screen->WorkAreaRect();
  const int left = std::max(workArea.Left, std::min(Left(), workArea.Right - Width()));
  const int top = std::max(workArea.Top, std::min(Top(), workArea.Bottom - Height()));
  SetBounds(left, top, Width(), Height());
}

void TFormMessageDialog::FormShow(TObject*) {
  const TMessageButtons layout = FDialog.Buttons();
  if (layout.WindowWidth != 0) SetSizeWithinWorkArea(layout.WindowWidth, Height());
  for (TDialogButton which : {dbOk, dbYes, dbNo, dbCancel}) {
    const TMessageButtonPlace& place = layout.Buttons[which];
    if (!place.Visible) continue;
    TspSkinButton* button = Button(which);
    button->SetCaption(FDialog.ButtonCaption(which));
    button->SetBounds(place.Left.value_or(button->Left()), button->Top(), place.Width.value_or(button->Width()),
                      button->Height());
    button->SetVisible(true);
  }
  SetActiveControl(Button(layout.Focused));
  if (layout.EscapeButton) Button(*layout.EscapeButton)->SetCancel(true);
  CenterFormOnForm(Owner() != nullptr ? Application->MainForm() : nullptr, this);
  KeepOnWorkArea();
}

void TFormMessageDialog::Answer(TDialogButton pressed) {
  FDialog.ButtonClick(pressed);
  Close();
}

void TFormMessageDialog::ButtonOkClick(TObject*) { Answer(dbOk); }
void TFormMessageDialog::ButtonYesClick(TObject*) { Answer(dbYes); }
void TFormMessageDialog::ButtonNoClick(TObject*) { Answer(dbNo); }
void TFormMessageDialog::ButtonCancelClick(TObject*) { Answer(dbCancel); }

void TMessageWindowPresenter::ShowModal(TMessageDialog& dialog) {
  auto* window = new TFormMessageDialog(Application->MainForm(), dialog);
  struct TFreeOnExit {
    TFormMessageDialog* Window;
    ~TFreeOnExit() { Window->Free(); }
  } freeOnExit{window};
  window->PrepareLayout();
  window->ShowModal();
}
