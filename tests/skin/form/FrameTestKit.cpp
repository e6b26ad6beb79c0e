#include "FrameTestKit.h"

#include "skin/form/FrameMessages.h"
#include "skin/form/SkinFormClasses.h"

#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

#include "skin/controls/SkinControlClasses.h"
#include "skin/data/win32/SkinDataClasses.h"

#include "classlib/ClassRegistry.h"

#include "RuntimePath.h"

#include <gtest/gtest.h>

#include <mutex>

void RegisterSkinFormTestClasses() {
  static std::once_flag registration;
  std::call_once(registration, [] {
    TClassRegistry& registry = TClassRegistry::Instance();
    RegisterSkinDataClasses(registry);
    RegisterSkinControlClasses(registry);
    RegisterSkinPopupMenuClass(registry);
    RegisterSkinFormClasses(registry);
  });
}

void LoadTestSkin(TspCompressedStoredSkin& Stored, const std::string& Name) {
  Stored.LoadFromCompressedFile(RuntimePath(VQ_SKIN_FOLDER + Name + ".skn"));
}

namespace {

// Where the frame's mouse timer finds the pointer once input was posted.
TPoint PostedPointer;

TForm* NewForm(bool MainForm) {
  if (!MainForm) return new TForm(Application);
  TForm* form = nullptr;
  Application->CreateForm(form);
  return form;
}

}  // namespace

TFrameWindow::TFrameWindow(const TRect& Bounds, bool MainForm)
    : FForm(NewForm(MainForm)), FData(new TspSkinData(FForm)), FFrame(new TspDynamicSkinForm(FForm)) {
  FForm->SetBoundsRect(Bounds);
  FForm->SetCaption("Frame");
}

TFrameWindow::~TFrameWindow() { FForm->Free(); }

void TFrameWindow::Load(const std::string& Name, const TSkinEdit& Edit) {
  LoadTestSkin(FStored, Name);
  if (Edit) EditStoredSkin(FStored, Edit);
  FData->LoadCompressedStoredSkin(&FStored);
  if (FFrame->SkinData() != FData) FFrame->SetSkinData(FData);
}

void TFrameWindow::Show() {
  FForm->Show();
  SetActiveWindow(FForm->Handle());
  PumpFor(20);
}

void TFrameWindow::SetActive(bool Active) {
  SendMessageA(FForm->Handle(), WM_NCACTIVATE, Active, 0);
  SendMessageA(FForm->Handle(), WM_ACTIVATE, Active ? WA_ACTIVE : WA_INACTIVE, 0);
}

std::unique_ptr<TPixelDC> TFrameWindow::PaintedFrame(TColor Background) {
  auto dc = std::make_unique<TPixelDC>(FForm->Width(), FForm->Height());
  dc->Fill(Background);
  const LRESULT answer = SendMessageA(FForm->Handle(), SP_PAINT_TO_DC_CHECKED, reinterpret_cast<WPARAM>(dc->DC()),
                                      SP_PAINT_TO_DC_CHECK);
  EXPECT_EQ(answer, SP_PAINT_TO_DC_CHECK);
  return dc;
}

TPoint TFrameWindow::ScreenPoint(TPoint P) const {
  RECT r{};
  GetWindowRect(FForm->Handle(), &r);
  return {r.left + P.X, r.top + P.Y};
}

LRESULT TFrameWindow::HitTest(TPoint P) const {
  return SendMessageA(FForm->Handle(), WM_NCHITTEST, 0, PointToLParam(ScreenPoint(P)));
}

void TFrameWindow::PostMouse(UINT Msg, TPoint P) {
  const TPoint screen = ScreenPoint(P);
  PostedPointer = screen;
  if (!FPointer) FPointer.emplace(Seams::CursorPos, [] { return PostedPointer; });
  const bool nonClient = Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK;
  const WPARAM keys = Msg == WM_MOUSEMOVE ? MK_LBUTTON : 0;
  PostMessageA(FForm->Handle(), Msg, nonClient ? HTOBJECT : keys,
               PointToLParam(nonClient ? screen : FForm->ScreenToClient(screen)));
  PumpFor(0);
}

namespace {

// The drag that the system's loop is running.
struct TFrameDrag {
  HWND Window = nullptr;
  TPoint Target;
  bool Travelled = false;
};
TFrameDrag Drag;
constexpr UINT_PTR DragGuardTimer = 0x7E57;

// Inside the system's move or size loop (the one modal loop while the press is handled).
// The first pointer move, posted, finds the loop holding the mouse: the pointer goes to
// the target, and that move reaches the loop whatever window lies there. Once the loop has
// taken it (or when the guard timer comes), the button comes up.
LRESULT CALLBACK DriveDragLoop(int Code, WPARAM WParam, LPARAM LParam) {
  if (Code < 0) return CallNextHookEx(nullptr, Code, WParam, LParam);
  const MSG& msg = *reinterpret_cast<const MSG*>(LParam);
  const bool guard = msg.message == WM_TIMER && msg.wParam == DragGuardTimer;
  if (msg.message == WM_MOUSEMOVE && !Drag.Travelled) {
    Drag.Travelled = true;
    SetCursorPos(Drag.Target.X, Drag.Target.Y);
  } else if (msg.message == WM_MOUSEMOVE || guard) {
    PostMessageA(Drag.Window, WM_LBUTTONUP, 0, 0);
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}

}  // namespace

void DragByFrame(HWND Window, TPoint Press, WPARAM Hit, TPoint Travel) {
  POINT was{};
  GetCursorPos(&was);
  // The loop starts where the pointer was at the last message taken from the queue.
  SetCursorPos(Press.X, Press.Y);
  PostMessageA(Window, WM_NULL, 0, 0);
  PumpFor(0);
  Drag = {Window, {Press.X + Travel.X, Press.Y + Travel.Y}, false};
  PostMessageA(Window, WM_MOUSEMOVE, MK_LBUTTON, 0);
  HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, DriveDragLoop, nullptr, GetCurrentThreadId());
  SetTimer(Window, DragGuardTimer, 2000, nullptr);
  SendMessageA(Window, WM_NCLBUTTONDOWN, Hit, PointToLParam(Press));
  KillTimer(Window, DragGuardTimer);
  UnhookWindowsHookEx(hook);
  SetCursorPos(was.x, was.y);
  PumpFor(0);
}

TspActiveSkinObject* AnyFrameObject(TspDynamicSkinForm* Frame, const std::string& IDName) {
  for (int i = 0; i < Frame->ObjectCount(); ++i)
    if (Frame->Objects(i)->IDName == IDName) return Frame->Objects(i);
  ADD_FAILURE() << "no object " << IDName;
  return nullptr;
}

TColor FramePixel(const TspSkinData& Data, int X, int Y) { return Data.Picture.Pixel(X, Y); }

TColor ActivePixel(const TspSkinData& Data, int Index, int X, int Y) {
  return Data.ActivePictures.at(static_cast<size_t>(Index)).Pixel(X, Y);
}

const TspDataSkinObject& ObjectEntry(const TspSkinData& Data, const std::string& Name) {
  const int index = Data.GetIndex(Name);
  EXPECT_GE(index, 0) << Name;
  return *Data.ObjectList.at(static_cast<size_t>(index));
}

TColor ObjectColour(const TspSkinData& Data, const std::string& Name, const TRect& R) {
  return ActivePixel(Data, ObjectEntry(Data, Name).ActivePictureIndex, (R.Left + R.Right) / 2,
                     (R.Top + R.Bottom) / 2);
}

TColor Inverted(TColor Color) { return (~Color) & 0xFFFFFF; }

TTestMainMenu::TTestMainMenu(TCustomForm* Form) : Menu(new TMainMenu(Form)) {
  File = Add(Menu->Items(), "File", "&File");
  Add(File, "FileOpen", "&Open");
  Add(File, "FileSave", "&Save");
  Edit = Add(Menu->Items(), "Edit", "&Edit");
  Add(Edit, "EditCut", "Cu&t");
  Edit->SetEnabled(false);
  View = Add(Menu->Items(), "View", "&View");
  Add(View, "ViewZoom", "&Zoom");
  Help = Add(Menu->Items(), "Help", "&Help");
}

TMenuItem* TTestMainMenu::Add(TMenuItem* Parent, const std::string& Name, const std::string& Caption) {
  auto* item = new TMenuItem(Menu);
  item->SetName(Name);
  item->SetCaption(Caption);
  item->OnClick = [this, Name](TObject*) { Clicks.push_back(Name); };
  Parent->Add(item);
  return item;
}

void PostKeyStrokes(const std::vector<int>& Keys) {
  bool altDown = false;
  for (int stroke : Keys) {
    const auto key = static_cast<uint16_t>(stroke < 0 ? -stroke : stroke);
    if (key == VK_MENU) altDown = stroke > 0;
    const LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC) << 16) |
                        (altDown ? 0x20000000 : 0) | (stroke < 0 ? static_cast<LPARAM>(0xC0000000) : 0);
    const UINT message = stroke > 0 ? (altDown ? WM_SYSKEYDOWN : WM_KEYDOWN) : (altDown ? WM_SYSKEYUP : WM_KEYUP);
    PostMessageA(GetFocus(), message, key, data);
    Application->ProcessMessages();
  }
}

void ExpectAcceleratorsKeepTheirMenusOpen(const TFrameWindow& Window, const TTestMainMenu& Menu,
                                          const TApplication::TMessageEvent& Before) {
  // The open menu's captions, then "mode" in main-menu mode and "hooked" while the menu
  // keys hold the application's message handler.
  auto state = [&] {
    std::string text;
    for (const std::string& caption : OpenMenuCaptions(*Window.Frame()->SkinMenu())) text += caption + " ";
    if (Window.Frame()->MainMenuMode()) text += "mode ";
    if (!(Application->OnMessage == Before)) text += "hooked";
    return text;
  };
  const std::pair<std::vector<int>, const char*> steps[] = {
      {{VK_MENU, 'F', -VK_MENU, -'F'}, "&Open &Save mode hooked"},
      {{VK_RIGHT, -VK_RIGHT}, "&Zoom mode hooked"},  // past the disabled Edit
      {{VK_MENU, -VK_MENU}, ""},
      {{VK_MENU, 'V', -'V', -VK_MENU}, "&Zoom mode hooked"},
      {{VK_LEFT, -VK_LEFT}, "&Open &Save mode hooked"},
      {{VK_MENU, -VK_MENU}, ""},
      {{VK_MENU, -VK_MENU}, "mode hooked"},
      {{VK_ESCAPE, -VK_ESCAPE}, ""},
      {{VK_MENU, 'H', -VK_MENU, -'H'}, ""}};
  int step = 0;
  for (const auto& [strokes, expected] : steps) {
    PostKeyStrokes(strokes);
    EXPECT_EQ(state(), expected) << "step " << step++;
  }
  EXPECT_EQ(Menu.Clicks, (std::vector<std::string>{"Help"}));
}

std::vector<std::string> OpenMenuCaptions(const TspSkinMenu& Engine) {
  std::vector<std::string> captions;
  if (Engine.PopupWindows().empty()) return captions;
  const TspSkinPopupWindow* level = Engine.PopupWindows().front();
  for (int i = 0; i < level->ItemCount(); ++i) captions.push_back(level->Items(i)->MenuItem->Caption());
  return captions;
}
