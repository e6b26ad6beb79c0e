#pragma once
// What the skin menu tests share: a window with a menu engine, menus built from short
// descriptions, controls that record what the engine tells them, a pointer the tests
// move themselves, and the menu's timers ticked by WM_TIMER.

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

inline std::vector<std::string>* gLog = nullptr;
inline void Log(const std::string& Entry) {
  if (gLog != nullptr) gLog->push_back(Entry);
}

// A control that opens menus and logs what it hears of them under its name.
class TRecorder : public TCustomControl {
public:
  TRecorder(TWinControl* Parent, std::string AName) : TCustomControl(Parent), FName(std::move(AName)) {
    SetParent(Parent);
    SetBounds(10, 10, 40, 20);
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == SP_MENU_CLOSED) Log(FName + " closed");
    if (Message.Msg == SP_MENU_ITEM_EXECUTED) Log(FName + " executed");
    TCustomControl::Dispatch(Message);
  }

private:
  std::string FName;
};

// Logs Entry when Target is freed.
class TFreeLogger : public TComponent {
public:
  TFreeLogger(TComponent* Target, std::string Entry) : TComponent(nullptr), FEntry(std::move(Entry)) {
    Target->FreeNotification(this);
  }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) Log(FEntry);
  }

private:
  std::string FEntry;
};

// The pointer as the levels poll it; tests and PostMouse move it without the real one.
inline TPoint gPointer{-1000, -1000};
inline TPoint PointerPos() { return gPointer; }
inline void MovePointer(TPoint P) { gPointer = P; }

inline void Tick(TTimer* Timer) { SendMessageA(Timer->Handle(), WM_TIMER, 1, 0); }

// A new item with that caption ("&" marks the accelerator) at the end of Parent.
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
    gPointer = {-1000, -1000};
    form->Show();
    menu->SubmenuTimer()->SetInterval(600000);  // only the tests' WM_TIMER opens submenus
  }
  ~TMenuTest() override {
    gLog = nullptr;
    form.reset();
    data->Free();
  }

  void LoadSkin(const std::string& Name) {
    stored.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"));
    data->LoadCompressedStoredSkin(&stored);
  }

  TspSkinPopupWindow* Level(size_t Index) const {
    const auto& levels = menu->PopupWindows();
    return Index < levels.size() ? levels[Index] : nullptr;
  }
  size_t Levels() const { return menu->PopupWindows().size(); }

  // Opens the popup menu's items under a rectangle below the form.
  bool Open(TControl* Opener = nullptr, TspSkinData* Skin = nullptr) {
    return menu->Popup(Opener, Skin, 0, Anchor, popupMenu->Items(), false);
  }

  // The centre of item Index of a level, on the screen.
  static TPoint ItemPoint(TspSkinPopupWindow* Level, int Index) {
    const TRect& r = Level->Items(Index)->ItemRect;
    return Level->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  // The pointer rests on the point and the level polls it.
  static void PointAt(TspSkinPopupWindow* Level, TPoint Screen) {
    MovePointer(Screen);
    Tick(Level->MouseTimer());
  }
  static void Hover(TspSkinPopupWindow* Level, int Index) { PointAt(Level, ItemPoint(Level, Index)); }
  // A left button release on item Index.
  static void ClickItem(TspSkinPopupWindow* Level, int Index) {
    const TPoint at = Level->ScreenToClient(ItemPoint(Level, Index));
    PostMouse(Level, WM_LBUTTONUP, at.X, at.Y);
    Application->ProcessMessages();
  }

  static TRect WorkAreaRect() { return {0, 0, 800, 600}; }

  static constexpr TRect Anchor{100, 100, 160, 120};
  std::vector<std::string> log;
  TSeamOverride<TPoint()> cursor{Seams::CursorPos, PointerPos};
  TSeamOverride<void(TPoint)> setCursor{Seams::SetCursorPos, MovePointer};
  TSeamOverride<TRect()> workArea{Seams::WorkArea, WorkAreaRect};
  TOwned<TForm> form{MakeForm(300, 300, 200, 100)};
  TspSkinMenu* menu = new TspSkinMenu(form.get(), form.get());
  TPopupMenu* popupMenu = new TPopupMenu(form.get());
  TspCompressedStoredSkin stored{nullptr};
  TspSkinData* data = new TspSkinData(nullptr);
};

}  // namespace menutest
