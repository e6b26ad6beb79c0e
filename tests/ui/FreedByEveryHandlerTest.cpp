// Every control class the class registry makes, freed by each of its published events:
// the handler frees the control (or, in a second pass, the panel it lies on) while the
// events are driven by messages through the loop (the mouse, the keys, the focus, the
// wheel, a new size, disabling and hiding). The controls are made under the freed-memory
// guard, so a use of one after it was freed stops the test program; what a case made is
// all gone after it, and nothing waits to be freed.
#include "ui/ProgramClasses.h"

#include "grid/SkinDrawGrid.h"
#include "skin/boxes/CustomEdit.h"
#include "skin/boxes/ListBox.h"
#include "skin/boxes/SkinPageControl.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMDITabsBar.h"
#include "skin/form/SkinMainMenuBar.h"
#include "skin/form/TrayIcon.h"

#include "classlib/ClassRegistry.h"
#include "classlib/Menus.h"
#include "classlib/TabControl.h"

#include "base/DispatchScope.h"

#include "FreedMemory.h"
#include "SkinControlTestKit.h"

#include <gtest/gtest.h>

#include <any>
#include <cstdio>
#include <functional>
#include <optional>
#include <set>
#include <tuple>

namespace {

// The event types the library's controls publish: a handler of each is made the same way.
using TEventTypes = std::tuple<
    TNotifyEvent, TMouseEvent, TMouseMoveEvent, TMouseWheelEvent, TMouseWheelUpDownEvent, TKeyEvent, TKeyPressEvent,
    TStartDragEvent, TDragOverEvent, TDragDropEvent, TEndDragEvent, TStartDockEvent, TDockDropEvent, TDockOverEvent,
    TGetSiteInfoEvent, TUnDockEvent, TContextPopupEvent, TCloseEvent, TDrawCellEvent, TCloseQueryEvent,
    TMenuDrawItemEvent, TDrawTabEvent, TTabChangingEvent, TTabGetImageEvent, TDrawItemEvent, TGetEditEvent, TSetEditEvent, TMovedEvent, TSelectCellEvent,
    TspEditCancelModeEvent, TspDrawSkinItemEvent, TspCloseEvent, TspDrawSkinTabEvent, TspMDITabEvent,
    TspMDITabMouseEvent, TMainMenuItemClick, TspItemEnterEvent, TspItemLeaveEvent, TspPaintEvent,
    TspMouseEnterLeaveEvent, TspMouseMoveEvent, TspChangeValueEvent, TspSwitchChangeStateEvent,
    TspActivateCustomObjectEvent, TspChangeClientRectEvent, TspPaintCaptionEvent, TCycleEvent>;

// A delegate of type D whose every call runs Action, whatever its arguments.
template <class D>
struct THandlerOf;
template <class R, class... A>
struct THandlerOf<TDelegate<R(A...)>> {
  static TDelegate<R(A...)> Make(const std::function<void()>& Action) {
    return [Action](A...) -> R {
      Action();
      if constexpr (!std::is_void_v<R>) return R{};
    };
  }
};

// What a property entry asks of the form reader, taken instead of read: the handler an
// event binds, and the skin data a reference names.
class TPropertyProbe final : public TPropertyReader {
public:
  explicit TPropertyProbe(TComponent* SkinData) : FSkinData(SkinData) {}
  void Reference(const std::string& Name, TReferencePreparer Prepare) override {
    if (Name == "SkinData") Prepare(FSkinData)();
  }
  void Handler(const std::string&, THandlerPreparer Prepare) override { FPrepare = std::move(Prepare); }
  void ReadProperties(TPersistent&, const TPropertyTable&, const std::vector<TFormProperty>&) override {}
  // The event's binding to a handler running Action; none when no type fits.
  std::optional<TEventBinding> Bind(const std::function<void()>& Action) const {
    std::optional<TEventBinding> binding;
    std::apply(
        [&](auto... none) {
          ((binding ? void() : TryType<decltype(none)>(Action, binding)), ...);
        },
        TEventTypes{});
    return binding;
  }
  bool Event() const { return static_cast<bool>(FPrepare); }

private:
  template <class D>
  void TryType(const std::function<void()>& Action, std::optional<TEventBinding>& Binding) const {
    try {
      Binding = FPrepare(std::any(THandlerOf<D>::Make(Action)));
    } catch (const EConvertError&) {
    }
  }

  TComponent* FSkinData;
  THandlerPreparer FPrepare;
};

TFormValue Identifier(const std::string& Text) {
  TFormValue value;
  value.Kind = TFormValueKind::Ident;
  value.Text = Text;
  return value;
}

// The published events of a class, found by probing its entries on an instance of it.
// An event of a type the test cannot make a handler of fails the test.
std::vector<const TPropertyEntry*> EventsOf(const TClassRegistry::TClassEntry& Class, TComponent* Owner) {
  std::vector<const TPropertyEntry*> events;
  TComponent* probe = Class.Create(Owner);
  for (const TPropertyTable* table = Class.Table; table != nullptr; table = table->Parent())
    for (const TPropertyEntry& entry : table->Entries()) {
      if (!entry.Set) continue;
      TPropertyProbe reader(nullptr);
      try {
        entry.Set(*probe, Identifier("Handler"), reader);
      } catch (...) {  // a property that takes no identifier: not an event
      }
      if (!reader.Event()) continue;
      if (reader.Bind([] {}))
        events.push_back(&entry);
      else
        ADD_FAILURE() << Class.Name << "." << entry.Name << " has an event type the test does not know";
    }
  probe->Free();
  return events;
}

enum class TDoomed { Control, Parent };

void CALLBACK CloseSystemMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

class FreedByEveryHandler : public ::testing::Test {
protected:
  FreedByEveryHandler() {
    RegisterProgramClasses();
    ParkPointer();
    Window.Load("flatcolour");
    Window.Show();
    Other = Window.Add<TPanelControl>({300, 200, 340, 230});
    Other->SetTabStop(true);
  }

  // One control of Class, freed by the first of Events that fires: which one fired, or
  // "" when none did (then the test frees it).
  std::string FreedByFirstOf(const TClassRegistry::TClassEntry& Class,
                             const std::vector<const TPropertyEntry*>& Events, TDoomed Doomed) {
    const int components = Window.Form()->ComponentCount();
    const int controls = Window.Form()->ControlCount();
    std::string fired;
    TControl* control = nullptr;
    TComponent* doomed = nullptr;
    {
      // The objects, and what they make as they are made, under the guard: what the
      // messages make meanwhile would take more pages than a guard has.
      std::optional<TFreedMemoryGuard> guard;
      guard.emplace();
      TWinControl* parent = Window.Form();
      if (Doomed == TDoomed::Parent) {
        parent = new TPanelControl(Window.Form());
        doomed = parent;
      }
      control = dynamic_cast<TControl*>(Class.Create(Window.Form()));
      guard.reset();
      if (Doomed == TDoomed::Parent) {
        parent->SetParent(Window.Form());
        parent->SetBounds(10, 10, 290, 190);
      }
      control->SetParent(parent);
      control->SetBounds(20, 20, 200, 120);
      if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->SetTabStop(true);
      if (doomed == nullptr) doomed = control;
      TPropertyProbe skin(Window.Data());
      for (const TPropertyTable* table = Class.Table; table != nullptr; table = table->Parent())
        if (const TPropertyEntry* entry = table->Find("SkinData"); entry != nullptr && entry->Set)
          entry->Set(*control, Identifier("SkinData"), skin);
      Application->ProcessMessages();
      for (const TPropertyEntry* event : Events) {
        TPropertyProbe reader(nullptr);
        event->Set(*control, Identifier("Handler"), reader);
        reader.Bind([&fired, doomed, event] {
          if (!fired.empty()) return;  // an event without a sender is not silenced
          fired = event->Name;
          doomed->Free();
        })->Bind();
      }
      Drive(control, [&] { return !fired.empty(); });
      if (fired.empty()) doomed->Free();
    }
    EXPECT_TRUE(TFreedMemoryGuard::Freed(control)) << Class.Name << " freed by " << fired;
    EXPECT_TRUE(TFreedMemoryGuard::Freed(doomed)) << Class.Name << " freed by " << fired;
    EXPECT_EQ(DeferredFrees::PendingCount, 0) << Class.Name;
    EXPECT_EQ(Errors.Messages(), std::vector<std::string>{}) << Class.Name << " freed by " << fired;
    EXPECT_EQ(Window.Form()->ComponentCount(), components) << Class.Name << " freed by " << fired;
    EXPECT_EQ(Window.Form()->ControlCount(), controls) << Class.Name << " freed by " << fired;
    return fired;
  }

  // Drives Control's events by messages through the loop until Done.
  void Drive(TControl* Control, const std::function<bool()>& Done) {
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    const TPoint inside{Control->Width() / 2, Control->Height() / 2};
    const std::vector<std::function<void()>> steps = {
        [&] { PostMouse(Control, WM_MOUSEMOVE, inside.X, inside.Y); },
        [&] { PostMouse(Control, WM_MOUSEMOVE, inside.X + 3, inside.Y + 2); },
        [&] { PostMouse(Control, WM_LBUTTONDOWN, inside.X, inside.Y, MK_LBUTTON); },
        [&] { PostMouse(Control, WM_MOUSEMOVE, inside.X + 1, inside.Y + 1, MK_LBUTTON); },
        [&] { PostMouse(Control, WM_LBUTTONUP, inside.X, inside.Y); },
        [&] { PostMouse(Control, WM_LBUTTONDBLCLK, inside.X, inside.Y, MK_LBUTTON); },
        [&] { PostMouse(Control, WM_LBUTTONUP, inside.X, inside.Y); },
        [&] { PostMouse(Control, WM_RBUTTONDOWN, inside.X, inside.Y, MK_RBUTTON); },
        [&] {
          // A system edit opens the system's own menu, whose loop waits for the user:
          // it closes as soon as it runs.
          const UINT_PTR timer = SetTimer(nullptr, 0, 1, CloseSystemMenu);
          PostMouse(Control, WM_RBUTTONUP, inside.X, inside.Y);
          Application->ProcessMessages();
          KillTimer(nullptr, timer);
        },
        [&] { PostMouse(Control, WM_MBUTTONDOWN, inside.X, inside.Y, MK_MBUTTON); },
        [&] { PostMouse(Control, WM_MBUTTONUP, inside.X, inside.Y); },
        [&] { PostWheel(Control, -WHEEL_DELTA); },
        [&] { PostWheel(Control, WHEEL_DELTA); },
        [&] {
          if (windowed != nullptr && windowed->CanFocus()) windowed->SetFocus();
        },
        [&] { PressKey(VK_DOWN); },
        [&] { PressKey('A'); },
        [&] { PressKey(VK_SPACE); },
        [&] { PressKey(VK_RETURN); },
        [&] { PressKey(VK_ESCAPE); },
        [&] { PressKey(VK_TAB); },
        [&] {
          if (windowed != nullptr && windowed->CanFocus()) windowed->SetFocus();
        },
        [&] { Other->SetFocus(); },
        [&] { PostMouse(Window.Form(), WM_MOUSEMOVE, 310, 210); },
        [&] { Resize(Control, 240, 150); },
        [&] { Resize(Control, 180, 100); },
        [&] {
          if (windowed != nullptr && windowed->CanFocus()) windowed->SetFocus();
        },
        [&] { Control->SetEnabled(false); },
        [&] { Control->SetEnabled(true); },
        [&] {
          if (windowed != nullptr && windowed->CanFocus()) windowed->SetFocus();
        },
        [&] { Control->SetVisible(false); },
        [&] { Control->SetVisible(true); },
    };
    for (const auto& step : steps) {
      step();
      Application->ProcessMessages();
      if (Done()) return;
    }
  }

  // A wheel turn over Control, to its window or its parent's.
  static void PostWheel(TControl* Control, int Delta) {
    auto* window = dynamic_cast<TWinControl*>(Control);
    if (window == nullptr) window = Control->Parent();
    const TPoint at = Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2});
    PostMessageA(window->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), MAKELPARAM(at.X, at.Y));
  }

  // A new size through the window system for a windowed control, else its bounds.
  static void Resize(TControl* Control, int Width, int Height) {
    auto* window = dynamic_cast<TWinControl*>(Control);
    if (window != nullptr && window->HandleAllocated())
      SetWindowPos(window->Handle(), nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else
      Control->SetBounds(Control->Left(), Control->Top(), Width, Height);
  }

  const TReportedErrors Errors;
  TSkinTestWindow Window{360, 260};
  TPanelControl* Other;
};

TEST_F(FreedByEveryHandler, EveryControlClassFreedByEachEventOrWithItsParentTouchesNothingOfItAgain) {
  size_t classes = 0;
  for (const TClassRegistry::TClassEntry* entry : TClassRegistry::Instance().Classes()) {
    {
      TComponent* sample = entry->Create(Window.Form());
      const bool control = dynamic_cast<TControl*>(sample) != nullptr && dynamic_cast<TCustomForm*>(sample) == nullptr;
      sample->Free();
      if (!control) continue;
    }
    ++classes;
    std::vector<const TPropertyEntry*> events = EventsOf(*entry, Window.Form());
    for (const TDoomed doomed : {TDoomed::Control, TDoomed::Parent}) {
      // Each event that fired once is left out of the next control: every event the
      // messages reach frees one control in turn.
      std::vector<const TPropertyEntry*> waiting = events;
      std::set<std::string> fired;
      for (;;) {
        const std::string first = FreedByFirstOf(*entry, waiting, doomed);
        if (first.empty() || HasFatalFailure()) break;
        fired.insert(first);
        std::erase_if(waiting, [&](const TPropertyEntry* event) { return event->Name == first; });
      }
      EXPECT_FALSE(fired.empty()) << entry->Name << ": no event fired";
      std::string names;
      for (const std::string& name : fired) names += " " + name;
      std::printf("%s%s:%s\n", entry->Name.c_str(), doomed == TDoomed::Control ? "" : " (its parent)", names.c_str());
    }
  }
  EXPECT_GT(classes, 30u);
  EXPECT_FALSE(TFreedMemoryGuard::RanOut());
}

}  // namespace
