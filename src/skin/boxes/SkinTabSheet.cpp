#include "SkinTabSheet.h"

#include "SkinAreaFill.h"
#include "SkinPageControl.h"

#include "skin/controls/SkinControlMessages.h"

#include "classlib/DeviceContexts.h"

TspSkinCustomTabSheet::TspSkinCustomTabSheet(TComponent* AOwner) : TTabSheet(AOwner) {}

TspSkinPageControl* TspSkinCustomTabSheet::SkinPageControl() const {
  return dynamic_cast<TspSkinPageControl*>(Parent());
}

void TspSkinCustomTabSheet::CreateParams(TCreateParams& Params) {
  TTabSheet::CreateParams(Params);
  // The background fills from the sheet's own corner: a resize need not redraw it all.
  Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinCustomTabSheet::PaintSheetBackground(HDC DC) {
  if (Width() <= 0 || Height() <= 0 || Parent() == nullptr) return;
  TspSkinPageControl* control = SkinPageControl();
  TCanvas canvas;
  canvas.SetHandle(DC);
  if (!FWallPaper.Empty())
    FillAreaFromPicture(canvas, &FWallPaper, {0, 0, FWallPaper.Width(), FWallPaper.Height()}, Width(), Height(), {});
  else if (control != nullptr)
    control->PaintPageBackground(canvas, Width(), Height());
  else
    FillAreaWithColor(canvas, {0, 0, Width(), Height()}, clBtnFace);
  canvas.SetHandle(nullptr);
}

void TspSkinCustomTabSheet::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      PaintSheetBackground(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    case WM_SIZE: {
      TTabSheet::Dispatch(Message);
      Invalidate();
      // A stretched body changes under children that show their parent's background.
      TspSkinPageControl* control = SkinPageControl();
      if (control == nullptr || !control->BodyStretched()) return;
      for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child != nullptr && child->HandleAllocated())
          SendMessageA(child->Handle(), SP_PARENT_BACKGROUND_CHANGED, 0, 0);
      return;
    }
    case SP_PAINT_TO_DC: Message.Result = SP_PAINT_TO_DC_ANSWER; return;
    default: TTabSheet::Dispatch(Message);
  }
}
