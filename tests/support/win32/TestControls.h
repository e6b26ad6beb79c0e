#pragma once
// Small controls the tests build forms from.

#include "classlib/Application.h"
#include "classlib/CustomControls.h"
#include "classlib/Form.h"
#include "classlib/Menus.h"

#include "base/Exceptions.h"

#include <memory>
#include <string>
#include <vector>

// Frees a component with Free() when the test's pointer goes.
struct TFreeComponent {
  void operator()(TComponent* c) const {
    if (c != nullptr) c->Free();
  }
};
template <class T>
using TOwned = std::unique_ptr<T, TFreeComponent>;

// A windowless control that fills itself with its Color.
class TColorBox : public TGraphicControl {
public:
  explicit TColorBox(TComponent* AOwner) : TGraphicControl(AOwner) {}
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

// A windowed control that holds children and fills itself with its Color. It records,
// while it paints, whether the point just inside each child's top-left corner is in the
// clip region.
class TPanelControl : public TCustomControl {
public:
  explicit TPanelControl(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }
  int Paints = 0;
  std::vector<bool> ChildCornersVisible;

protected:
  void Paint() override {
    ++Paints;
    HDC dc = Canvas()->Handle();
    ChildCornersVisible.clear();
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      ChildCornersVisible.push_back(PtVisible(dc, c->Left() + 1, c->Top() + 1));
    }
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

// A panel with the system's one-pixel border around its client area: once it has a
// window, its client area is smaller than its bounds.
class TBorderedPanel : public TPanelControl {
public:
  using TPanelControl::TPanelControl;

protected:
  void CreateParams(TCreateParams& Params) override {
    TPanelControl::CreateParams(Params);
    Params.Style |= WS_BORDER;
  }
};

// A borderless form at a fixed place, built in code.
inline TForm* MakeForm(int Left, int Top, int Width, int Height) {
  auto* form = new TForm(Application);
  form->SetBorderStyle(bsNone);
  form->SetBounds(Left, Top, Width, Height);
  return form;
}

template <class T>
T* AddChild(TWinControl* Parent, const TRect& Bounds) {
  auto* control = new T(GetParentForm(Parent) != nullptr ? static_cast<TComponent*>(GetParentForm(Parent))
                                                         : static_cast<TComponent*>(Parent));
  control->SetParent(Parent);
  control->SetBoundsRect(Bounds);
  return control;
}

// Records the numbers of the messages a control's WindowProc sees, then passes them on.
class TMessageLog {
public:
  explicit TMessageLog(TControl* Control) : FControl(Control), FOld(Control->WindowProc) {
    Control->WindowProc = Event(this, &TMessageLog::Proc);
  }
  ~TMessageLog() { FControl->WindowProc = FOld; }
  TMessageLog(const TMessageLog&) = delete;
  TMessageLog& operator=(const TMessageLog&) = delete;
  int Count(UINT Msg) const {
    int n = 0;
    for (UINT m : Messages)
      if (m == Msg) ++n;
    return n;
  }
  std::vector<UINT> Messages;

private:
  void Proc(TMessage& Message) {
    Messages.push_back(Message.Msg);
    FOld(Message);
  }
  TControl* FControl;
  TWndMethod FOld;
};

// A popup menu that records where it was asked to open.
class TRecordingPopupMenu : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override {
    Points.push_back({X, Y});
    TPopupMenu::Popup(X, Y);
  }
  std::vector<TPoint> Points;
};
