#pragma once
// What the frame tests share: a window with a skinned-window component and a skin data
// component of its own, the test skins the build paints, the whole frame as the frame
// paints it into a memory DC, the work area the tests set, and the pixels of a skin's
// pictures that a painted frame is compared with.

#include "skin/form/ActiveSkinObject.h"
#include "skin/form/DynamicSkinForm.h"

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include "classlib/SystemSeams.h"

#include "SkinEdits.h"
#include "TestControls.h"
#include "UiTest.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Puts the skin data, skinned control, popup menu and frame classes in the form reader's
// registry (once), for the tests that read forms from their resources.
void RegisterSkinFormTestClasses();

// Reads test skin Name ("slate", "flatcolour", "sparse", "flatframe") into Stored.
void LoadTestSkin(TspCompressedStoredSkin& Stored, const std::string& Name);

// The work area every frame test sees: smaller than the 1280 x 1024 screen.
inline TRect TestWorkArea() { return {0, 0, 1000, 700}; }

class TFrameWindow {
public:
  // A sizeable form at Bounds with a frame component and a skin data component; the
  // frame has no skin until Load. With MainForm the form is made as the application's
  // first form, its main form while there is none.
  explicit TFrameWindow(const TRect& Bounds = {100, 100, 400, 300}, bool MainForm = false);
  ~TFrameWindow();
  TFrameWindow(const TFrameWindow&) = delete;
  TFrameWindow& operator=(const TFrameWindow&) = delete;

  TForm* Form() const { return FForm; }
  TspDynamicSkinForm* Frame() const { return FFrame; }
  TspSkinData* Data() const { return FData; }
  // Loads test skin Name (edited by Edit) and gives it to the frame.
  void Load(const std::string& Name, const TSkinEdit& Edit = {});
  // Shows the window and activates it.
  void Show();
  // Tells the window it was deactivated (or activated again), as the system would.
  void SetActive(bool Active);

  // The whole window's frame, painted by SP_PAINT_TO_DC_CHECKED into a memory DC that
  // showed Background.
  std::unique_ptr<TPixelDC> PaintedFrame(TColor Background = RGBColor(1, 2, 3));
  // A screen point of the window at frame coordinates P.
  TPoint ScreenPoint(TPoint P) const;
  LRESULT HitTest(TPoint P) const;
  // Posts a mouse message at frame point P, as the system sends it: a non-client one on
  // an object in screen coordinates, a client one (the form has the mouse captured) in
  // client coordinates; then handles it. From then on the window's cursor seam says the
  // pointer is there; the real one stays where it is, under no test window.
  void PostMouse(UINT Msg, TPoint P);

private:
  TSeamOverride<TRect()> FWorkArea{Seams::WorkArea, TestWorkArea};
  TForm* FForm;
  TspSkinData* FData;
  TspDynamicSkinForm* FFrame;
  TspCompressedStoredSkin FStored{nullptr};
  std::optional<TSeamOverride<TPoint()>> FPointer;
};

// A left press on Window's frame at screen point Press with hit code Hit, as the system
// sends it; the move or size loop that the system runs for it takes the pointer's travel
// by Travel, then the button's release. The real pointer goes there (the frame tests run
// alone) and comes back after.
void DragByFrame(HWND Window, TPoint Press, WPARAM Hit, TPoint Travel);

// The frame's object named IDName, as class O; a test failure when there is none.
TspActiveSkinObject* AnyFrameObject(TspDynamicSkinForm* Frame, const std::string& IDName);
template <class O = TspActiveSkinObject>
O* FrameObject(TspDynamicSkinForm* Frame, const std::string& IDName) {
  return dynamic_cast<O*>(AnyFrameObject(Frame, IDName));
}
inline TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

// Pixel (X, Y) of Data's frame picture, or of its active picture Index.
TColor FramePixel(const TspSkinData& Data, int X, int Y);
TColor ActivePixel(const TspSkinData& Data, int Index, int X, int Y);
// The one colour of R in the active picture of Data's object entry Name.
TColor ObjectColour(const TspSkinData& Data, const std::string& Name, const TRect& R);
const TspDataSkinObject& ObjectEntry(const TspSkinData& Data, const std::string& Name);
// The colour an inverting inactive effect gives Color.
TColor Inverted(TColor Color);

// A main menu on a form: "&File" (Open, Save), a disabled "&Edit" (Cut), "&View" (Zoom)
// and "&Help" without a submenu. Every item's click is logged by its name.
class TTestMainMenu {
public:
  explicit TTestMainMenu(TCustomForm* Form);

  TMainMenu* Menu;
  TMenuItem* File;
  TMenuItem* Edit;
  TMenuItem* View;
  TMenuItem* Help;
  std::vector<std::string> Clicks;

private:
  TMenuItem* Add(TMenuItem* Parent, const std::string& Name, const std::string& Caption);
};

// Key messages to the focus in the order of Keys, each handled before the next: a
// positive code goes down (with Alt held while Alt is down), a negative one comes up. The
// system's own handling of them (the release of Alt alone asks for the keyboard menu)
// sees them as it sees typing.
void PostKeyStrokes(const std::vector<int>& Keys);

// Alt with an accelerator typed at speed, the letter's release before Alt's or after it,
// on Window showing Menu (in its frame or on its menu bar): the accelerator's menu stays
// open and the keys go on driving it, Alt alone leaves and enters main-menu mode as
// before, and a plain item's accelerator runs its command and leaves no mode on. Before
// is the application's message handler before the menu keys took it.
void ExpectAcceleratorsKeepTheirMenusOpen(const TFrameWindow& Window, const TTestMainMenu& Menu,
                                          const TApplication::TMessageEvent& Before);

// The captions of the first level of Engine's open menu; empty when none is open.
std::vector<std::string> OpenMenuCaptions(const TspSkinMenu& Engine);
