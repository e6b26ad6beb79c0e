// The skinned edit and memo freed by their own handlers, reached as a user reaches them
// (typing, Enter, clicks, the pointer, the focus, the edit's button) or as the program
// sets their text: once freed, an edit touches nothing of itself. The edits are made under
// a freed-memory guard, so any use of one after it was freed stops the test program.
#include "SkinEditInputKit.h"

#include "FreedMemory.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class SkinEditsFreed : public SkinEditInput {
protected:
  SkinEditsFreed() { Window.Show(); }
  // A handler of any event's signature that frees Control.
  template <class... Args>
  static TDelegate<void(TObject*, Args...)> Freeing(TControl* Control) {
    return [Control](TObject*, Args...) { Control->Free(); };
  }
  // A control of kind T, made while the guard watches and given its handler by Prepare,
  // is freed when Drive reaches it.
  template <class T>
  void ExpectFreed(const std::function<void(T*)>& Prepare, const std::function<void(T*)>& Drive) {
    auto* control = Add<T>(Bounds(10, 10, 150, 60));
    Prepare(control);
    Drive(control);
    EXPECT_TRUE(TFreedMemoryGuard::Freed(control));
  }
  // Freed by OnChange of a typed character or of text the program sets, by OnEnter as a
  // click gives it the focus, by its mouse events and by the pointer coming.
  template <class T>
  void ExpectFreedEveryWay() {
    const auto click = [](T* c) { PostClick(c, {5, 5}); };
    const auto move = [](T* c) {
      PostMouse(c, WM_MOUSEMOVE, 5, 5);
      Application->ProcessMessages();
    };
    ExpectFreed<T>(
        [this](T* c) {
          Focus(c);
          c->OnChange = Freeing(c);
        },
        [](T*) { PostChar('a'); });
    ExpectFreed<T>([](T* c) { c->OnChange = Freeing(c); }, [](T* c) { c->SetText("set by the program"); });
    ExpectFreed<T>([](T* c) { c->OnEnter = Freeing(c); }, click);
    ExpectFreed<T>([](T* c) { c->OnMouseDown = Freeing<TMouseButton, TShiftState, int, int>(c); }, click);
    ExpectFreed<T>([](T* c) { c->OnMouseUp = Freeing<TMouseButton, TShiftState, int, int>(c); }, click);
    ExpectFreed<T>([](T* c) { c->OnMouseMove = Freeing<TShiftState, int, int>(c); }, move);
    ExpectFreed<T>([](T* c) { c->OnMouseEnter = Freeing(c); }, move);
  }

  const TFreedMemoryGuard Guard;
};

TEST_F(SkinEditsFreed, AnEditFreedByItsHandlersIsNotTouchedAgain) {
  ExpectFreedEveryWay<TspSkinEdit>();
  // Enter reaches OnKeyPress before the form's buttons.
  ExpectFreed<TspSkinEdit>(
      [this](TspSkinEdit* c) {
        Focus(c);
        c->OnKeyPress = Freeing<char&>(c);
      },
      [](TspSkinEdit*) { PressKey(VK_RETURN); });
}

TEST_F(SkinEditsFreed, AMemoFreedByItsHandlersIsNotTouchedAgain) { ExpectFreedEveryWay<TspSkinMemo>(); }

TEST_F(SkinEditsFreed, AnEditOrMemoFreedAsTheFocusLeavesItDisabledIsNotTouchedAgain) {
  // A click on a windowless box, which takes no focus, disables the focused edit.
  auto* box = Window.Add<TColorBox>(Bounds(200, 200, 30, 30));
  const auto disabledByTheBox = [this, box](TWinControl* c) {
    Focus(c);
    c->OnExit = Freeing(c);
    box->OnClick = [c](TObject*) { c->SetEnabled(false); };
  };
  const auto clickTheBox = [box](TWinControl*) { PostClick(box); };
  ExpectFreed<TspSkinEdit>(disabledByTheBox, clickTheBox);
  ExpectFreed<TspSkinMemo>(disabledByTheBox, clickTheBox);
}

TEST_F(SkinEditsFreed, AnEditWhoseButtonGivesItTheFocusAndOnEnterFreesItGetsNoButtonClick) {
  ExpectFreed<TspSkinEdit>(
      [](TspSkinEdit* c) {
        c->SetButtonMode(true);
        c->OnEnter = Freeing(c);
        c->OnButtonClick = [](TObject*) { ADD_FAILURE() << "a button click after the edit was freed"; };
      },
      [](TspSkinEdit* c) {
        RECT window{};
        GetWindowRect(c->Handle(), &window);
        const TRect button = c->Layout().ButtonRect;
        const LPARAM at = PointToLParam({window.left + button.Left + 2, window.top + button.Top + 2});
        HWND handle = c->Handle();
        const auto hit = static_cast<WPARAM>(SendMessageA(handle, WM_NCHITTEST, 0, at));
        PostMessageA(handle, WM_NCLBUTTONDOWN, hit, at);
        PostMessageA(handle, WM_NCLBUTTONUP, hit, at);
        Application->ProcessMessages();
      });
}

}  // namespace
