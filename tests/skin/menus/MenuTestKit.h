#pragma once
// What the skin menu tests share: a window with a menu engine and a popup menu, controls
// that log what the engine tells them, a pointer the tests move themselves, and the
// menu's timers ticked by WM_TIMER.

#include "TestControls.h"
#include "UiTest.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include "classlib/SystemSeams.h"

#include "RuntimePath.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace menutest {

using TLog = std::vector<std::string>;
inline TLog* gLog = nullptr;
inline void Log(const std::string& Entry) { gLog->push_back(Entry); }

// A control that opens menus and logs what it hears of them under its name.
class TRecorder : public TCustomControl {
public:
  TRecorder(TWinControl* Parent, std::string AName) : TCustomControl(Parent), FName(std::move(AName)) {
    SetParent(Parent);
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == SP_MENU_CLOSED) Log(FName + " closed");
    if (Message.Msg == SP_MENU_ITEM_EXECUTED) Log(FName + " executed");
    TCustomControl::Dispatch(Message);
  }

private:
  std::string FName;
};

// The pointer as the levels poll it; tests and PostMouse move it, never the real one.
inline TPoint gPointer;
inline void Tick(TTimer* Timer) { SendMessageA(Timer->Handle(), WM_TIMER, 1, 0); }

inline TMenuItem* Item(TMenuItem* Parent, const std::string& Caption, bool Enabled = true) {
  auto* item = new TMenuItem(Parent);
  item->SetCaption(Caption);
  item->SetEnabled(Enabled);
  Parent->Add(item);
  return item;
}

class TMenuTest : public ::testing::Test {
protected:
  TMenuTest() {
    gLog = &log;
    workArea = {0, 0, 800, 600};
    form->Show();
    menu->SubmenuTimer()->SetInterval(600000);  // only the tests' WM_TIMER opens submenus
  }
  ~TMenuTest() override {
    form.reset();
    data->Free();
  }

  void LoadSkin(const std::string& Name, bool Effects = true) {
    stored.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"));
    data->LoadCompressedStoredSkin(&stored);
    data->SetEnableSkinEffects(Effects);
  }
  TspSkinPopupWindow* Level(size_t Index) const { return menu->PopupWindows().at(Index); }
  size_t Levels() const { return menu->PopupWindows().size(); }
  // Opens the popup menu's items under Anchor.
  bool Open(TControl* Opener = nullptr, TspSkinData* Skin = nullptr) {
    return menu->Popup(Opener, Skin, 0, Anchor, popupMenu->Items(), false);
  }

  // The centre of item Index of a level, on the screen.
  static TPoint ItemPoint(TspSkinPopupWindow* Level, int Index) {
    const TRect& r = Level->Items(Index)->ItemRect;
    return Level->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  // The pointer rests on a screen point and the level polls it.
  static void PointAt(TspSkinPopupWindow* Level, TPoint Screen) {
    gPointer = Screen;
    Tick(Level->MouseTimer());
  }
  static void Hover(TspSkinPopupWindow* Level, int Index) { PointAt(Level, ItemPoint(Level, Index)); }
  static void ClickItem(TspSkinPopupWindow* Level, int Index) {
    const TPoint at = Level->ScreenToClient(ItemPoint(Level, Index));
    PostMouse(Level, WM_LBUTTONUP, at.X, at.Y);
    Application->ProcessMessages();
  }

  // Level Index painted now, and whether any pixel of R shows Colour in it.
  void Paint(size_t Index = 0) {
    TspSkinPopupWindow* level = Level(Index);
    dc = std::make_unique<TPixelDC>(level->Width(), level->Height());
    SendMessageA(level->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->DC()), 0);
  }
  bool Shows(const TRect& R, TColor Colour) const {
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (dc->Pixel(x, y) == Colour) return true;
    return false;
  }

  static constexpr TRect Anchor{100, 100, 160, 120};
  static inline TRect workArea{0, 0, 800, 600};
  TLog log;
  TSeamOverride<TPoint()> cursor{Seams::CursorPos, [] { return gPointer; }};
  TSeamOverride<void(TPoint)> setCursor{Seams::SetCursorPos, [](TPoint P) { gPointer = P; }};
  TSeamOverride<TRect()> area{Seams::WorkArea, [] { return workArea; }};
  TOwned<TForm> form{MakeForm(300, 300, 200, 100)};
  TspSkinMenu* menu = new TspSkinMenu(form.get(), form.get());
  TPopupMenu* popupMenu = new TPopupMenu(form.get());
  TspCompressedStoredSkin stored{nullptr};
  TspSkinData* data = new TspSkinData(nullptr);
  std::unique_ptr<TPixelDC> dc;
};

}  // namespace menutest
