#include "TestControls.h"
#include "UiTest.h"

#include "DefinedProperties.h"

#include "classlib/Bevel.h"
#include "classlib/Button.h"
#include "classlib/ClassRegistry.h"
#include "classlib/Edit.h"
#include "classlib/FormReader.h"
#include "classlib/Label.h"
#include "classlib/ListBox.h"
#include "classlib/Memo.h"
#include "classlib/Menus.h"
#include "classlib/PageControl.h"
#include "classlib/Timer.h"

#include "base/Filer.h"
#include "base/Streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What components and handlers of the test forms did, in order.
std::vector<std::string> gReadLog;

// The form classes and test components live outside any namespace: the reader compares
// the class a resource names with the object's class name.

class TTestEntry : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  std::string Caption;
  int Value = 0;
  void SetCaption(const std::string& Text) { Caption = Text; }
  void SetValue(int Number) { Value = Number; }
};

// A component with a reference, an integer list, a collection, a binary property and an
// integer list it defines itself (as a grid defines its column widths).
class TTestHolder : public TComponent {
public:
  explicit TTestHolder(TComponent* AOwner) : TComponent(AOwner), FEntries(this, TCollection::ItemClass<TTestEntry>()) {}

  TComponent* Partner = nullptr;
  std::vector<int> Numbers;
  bool NumbersReadWhileLoading = false;
  bool FailLoaded = false;
  TMemoryStream Data;
  std::vector<int32_t> ColWidths;

  void SetPartner(TComponent* Value) { Partner = Value; }
  void SetNumbers(const std::vector<int>& Value) {
    Numbers = Value;
    NumbersReadWhileLoading = ComponentState().Contains(csLoading) && ComponentState().Contains(csReading);
  }
  void SetFailLoaded(bool Value) { FailLoaded = Value; }
  TOwnedCollection* Entries() { return &FEntries; }
  TTestEntry* Entry(int Index) { return static_cast<TTestEntry*>(FEntries.Items(Index)); }

  void DefineProperties(TFiler& Filer) override {
    TComponent::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "Data", [this](TStream& Stream) { Data.LoadFromStream(Stream); },
        [this](TStream& Stream) { Data.SaveToStream(Stream); }, Data.Size() > 0);
    Filer.DefineIntegerListProperty(
        "ColWidths", [this](const std::vector<int32_t>& Values) { ColWidths = Values; },
        [this] { return ColWidths; }, !ColWidths.empty());
  }
  void Loaded() override {
    gReadLog.push_back("Loaded " + Name());
    if (FailLoaded) throw EInvalidOperation("The holder refuses to load");
    TComponent::Loaded();
  }

private:
  TOwnedCollection FEntries;
};

void RegisterTestClasses() {
  static const bool registered = [] {
    TClassRegistry& registry = TClassRegistry::Instance();
    registry.DefinePersistent<TTestEntry>("TTestEntry")
        .String("Caption", &TTestEntry::SetCaption)
        .Integer("Value", &TTestEntry::SetValue);
    registry.DefineComponent<TTestHolder, TComponent>("TTestHolder")
        .Reference("Partner", &TTestHolder::SetPartner)
        .IntegerList("Numbers", &TTestHolder::SetNumbers)
        .Boolean("FailLoaded", &TTestHolder::SetFailLoaded)
        .Collection<TTestEntry>("Entries", &TTestHolder::Entries);
    return true;
  }();
  (void)registered;
}

class TReaderTestForm : public TForm {
public:
  explicit TReaderTestForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterTestClasses();
    ReadFormResource(*this, Bindings());
  }

  TMainMenu* MainMenu = nullptr;
  TMenuItem* Menu_File = nullptr;
  TMenuItem* Menu_Open = nullptr;
  TMenuItem* Menu_Line = nullptr;
  TMenuItem* Menu_Exit = nullptr;
  TPopupMenu* EditMenu = nullptr;
  TMenuItem* Menu_Clear = nullptr;
  TLabel* NameLabel = nullptr;
  TEdit* NameEdit = nullptr;
  TPageControl* Pages = nullptr;
  TTabSheet* FirstSheet = nullptr;
  TMemo* Notes = nullptr;
  TTabSheet* SecondSheet = nullptr;
  TListBox* Choices = nullptr;
  TButton* OkButton = nullptr;
  TTimer* Ticker = nullptr;
  TTestHolder* Holder = nullptr;
  TTestHolder* Holder2 = nullptr;
  TBevel* Separator = nullptr;

  void Loaded() override {
    gReadLog.push_back("Loaded " + Name());
    TForm::Loaded();
  }

  void FormCreate(TObject* Sender) { Log("FormCreate", Sender); }
  void FormClose(TObject* Sender, TCloseAction& Action) {
    Log("FormClose", Sender);
    Action = caNone;
  }
  void MenuOpenClick(TObject* Sender) { Log("MenuOpenClick", Sender); }
  void EditMenuPopup(TObject* Sender) { Log("EditMenuPopup", Sender); }
  void NameEditChange(TObject* Sender) { Log("NameEditChange", Sender); }
  void OkButtonClick(TObject* Sender) { Log("OkButtonClick", Sender); }
  void TickerTimer(TObject* Sender) { Log("TickerTimer", Sender); }
  void PagesStartDrag(TObject* Sender, TDragObject*&) { Log("PagesStartDrag", Sender); }
  void PagesDragOver(TObject* Sender, TObject*, int, int, TDragState, bool&) { Log("PagesDragOver", Sender); }
  void PagesDragDrop(TObject* Sender, TObject*, int, int) { Log("PagesDragDrop", Sender); }
  void PagesEndDrag(TObject* Sender, TObject*, int, int) { Log("PagesEndDrag", Sender); }
  void PagesGetImageIndex(TObject* Sender, int, int&) { Log("PagesGetImageIndex", Sender); }
  void PagesStartDock(TObject* Sender, TDragDockObject*&) { Log("PagesStartDock", Sender); }
  void PagesDockOver(TObject* Sender, TDragDockObject*, int, int, TDragState, bool&) { Log("PagesDockOver", Sender); }
  void PagesDockDrop(TObject* Sender, TDragDockObject*, int, int) { Log("PagesDockDrop", Sender); }
  void PagesGetSiteInfo(TObject* Sender, TControl*, TRect&, TPoint, bool&) { Log("PagesGetSiteInfo", Sender); }
  void PagesUnDock(TObject* Sender, TControl*, TWinControl*, bool&) { Log("PagesUnDock", Sender); }

private:
  static void Log(const std::string& Handler, TObject* Sender) {
    gReadLog.push_back(Handler + " " + dynamic_cast<TComponent*>(Sender)->Name());
  }

  static const TFormBindings& Bindings() {
    static const TFormBindings bindings =
        TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
            .Handler("FormCreate", &TReaderTestForm::FormCreate)
            .Handler("FormClose", &TReaderTestForm::FormClose)
            .Handler("MenuOpenClick", &TReaderTestForm::MenuOpenClick)
            .Handler("EditMenuPopup", &TReaderTestForm::EditMenuPopup)
            .Handler("NameEditChange", &TReaderTestForm::NameEditChange)
            .Handler("OkButtonClick", &TReaderTestForm::OkButtonClick)
            .Handler("TickerTimer", &TReaderTestForm::TickerTimer)
            .Handler("PagesStartDrag", &TReaderTestForm::PagesStartDrag)
            .Handler("PagesDragOver", &TReaderTestForm::PagesDragOver)
            .Handler("PagesDragDrop", &TReaderTestForm::PagesDragDrop)
            .Handler("PagesEndDrag", &TReaderTestForm::PagesEndDrag)
            .Handler("PagesGetImageIndex", &TReaderTestForm::PagesGetImageIndex)
            .Handler("PagesStartDock", &TReaderTestForm::PagesStartDock)
            .Handler("PagesDockOver", &TReaderTestForm::PagesDockOver)
            .Handler("PagesDockDrop", &TReaderTestForm::PagesDockDrop)
            .Handler("PagesGetSiteInfo", &TReaderTestForm::PagesGetSiteInfo)
            .Handler("PagesUnDock", &TReaderTestForm::PagesUnDock)
            .Field("MainMenu", &TReaderTestForm::MainMenu)
            .Field("Menu_File", &TReaderTestForm::Menu_File)
            .Field("Menu_Open", &TReaderTestForm::Menu_Open)
            .Field("Menu_Line", &TReaderTestForm::Menu_Line)
            .Field("Menu_Exit", &TReaderTestForm::Menu_Exit)
            .Field("EditMenu", &TReaderTestForm::EditMenu)
            .Field("Menu_Clear", &TReaderTestForm::Menu_Clear)
            .Field("NameLabel", &TReaderTestForm::NameLabel)
            .Field("NameEdit", &TReaderTestForm::NameEdit)
            .Field("Pages", &TReaderTestForm::Pages)
            .Field("FirstSheet", &TReaderTestForm::FirstSheet)
            .Field("Notes", &TReaderTestForm::Notes)
            .Field("SecondSheet", &TReaderTestForm::SecondSheet)
            .Field("Choices", &TReaderTestForm::Choices)
            .Field("OkButton", &TReaderTestForm::OkButton)
            .Field("Ticker", &TReaderTestForm::Ticker)
            .Field("Holder", &TReaderTestForm::Holder)
            .Field("Holder2", &TReaderTestForm::Holder2)
            .Field("Separator", &TReaderTestForm::Separator);
    return bindings;
  }
};

// Forms whose resources are faulty or missing.
class TBadPropertyForm : public TForm {
public:
  explicit TBadPropertyForm(TComponent* AOwner) : TForm(AOwner) {
    ReadFormResource(*this, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()));
  }
};

class TNoResourceForm : public TForm {
public:
  explicit TNoResourceForm(TComponent* AOwner) : TForm(AOwner) {
    ReadFormResource(*this, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()));
  }
};

// A form that tests read texts into; its handlers log.
class TPlainForm : public TForm {
public:
  explicit TPlainForm(TComponent* AOwner) : TForm(AOwner) { RegisterTestClasses(); }
  TEdit* Edit = nullptr;

  void PlainCreate(TObject*) { gReadLog.push_back("OnCreate"); }
  void PlainShow(TObject*) { gReadLog.push_back(Visible() ? "OnShow (visible)" : "OnShow"); }
  void PlainDestroy(TObject*) { gReadLog.push_back("OnDestroy"); }

  static const TFormBindings& Bindings() {
    static const TFormBindings bindings = TFormBindings(TClassRegistry::Instance().TableOf<TForm>())
                                              .Handler("PlainCreate", &TPlainForm::PlainCreate)
                                              .Handler("PlainShow", &TPlainForm::PlainShow)
                                              .Handler("PlainDestroy", &TPlainForm::PlainDestroy);
    return bindings;
  }
};

namespace {

class FormReaderTest : public ::testing::Test {
protected:
  FormReaderTest() { gReadLog.clear(); }
};

// The message a text fails with when read into a new plain form.
std::string ReadError(const std::string& Text, const TFormBindings& Bindings = TPlainForm::Bindings()) {
  TOwned<TPlainForm> form(new TPlainForm(Application));
  try {
    ReadForm(*form, Text, Bindings, "Test text");
  } catch (const EFormReadError& e) {
    return e.Message();
  }
  return "(no error)";
}

std::vector<std::string> ControlNames(TWinControl* Parent) {
  std::vector<std::string> names;
  for (int i = 0; i < Parent->ControlCount(); ++i) names.push_back(Parent->Controls(i)->Name());
  return names;
}

TEST_F(FormReaderTest, TheResourceBuildsTheTreeInCreationOrder) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  const std::vector<std::string> created = {
      "MainMenu",   "Menu_File", "Menu_Open",   "Menu_Line", "Menu_Exit", "EditMenu", "Menu_Clear",
      "NameLabel",  "NameEdit",  "Pages",       "FirstSheet", "Notes",    "SecondSheet", "Choices",
      "OkButton",   "Ticker",    "Holder",      "Holder2",   "Separator"};
  ASSERT_EQ(form->ComponentCount(), static_cast<int>(created.size()));
  for (int i = 0; i < form->ComponentCount(); ++i) {
    EXPECT_EQ(form->Components(i)->Name(), created[i]);
    EXPECT_EQ(form->Components(i)->Owner(), form.get());
    EXPECT_FALSE(form->Components(i)->ComponentState().Contains(csLoading));
    EXPECT_FALSE(form->Components(i)->ComponentState().Contains(csReading));
  }
  EXPECT_EQ(form->Name(), "ReaderTestForm");

  // Parents, and the z-order of creation (windowless controls before windowed ones).
  EXPECT_EQ(ControlNames(form.get()), (std::vector<std::string>{"NameLabel", "Separator", "NameEdit", "Pages",
                                                                 "OkButton"}));
  EXPECT_EQ(ControlNames(form->Pages), (std::vector<std::string>{"FirstSheet", "SecondSheet"}));
  EXPECT_EQ(form->Notes->Parent(), form->FirstSheet);
  // Alignment is on again after reading (the pages' size comes from the tab control's
  // window; a hidden page is aligned when it shows).
  form->HandleNeeded();
  EXPECT_GT(form->SecondSheet->Width(), 0);
  form->Pages->SetActivePage(form->FirstSheet);
  EXPECT_EQ(form->Notes->BoundsRect(), form->FirstSheet->ClientRect());
  EXPECT_GT(form->Notes->Width(), 0);
  EXPECT_EQ(form->Choices->Parent(), form->SecondSheet);
  EXPECT_EQ(form->Pages->PageCount(), 2);
  EXPECT_EQ(form->OkButton->TabOrder(), 0);
  EXPECT_EQ(form->NameEdit->TabOrder(), 1);

  // Menu items go into their menus in text order.
  ASSERT_EQ(form->MainMenu->Items()->Count(), 1);
  EXPECT_EQ(form->MainMenu->Items()->Items(0), form->Menu_File);
  ASSERT_EQ(form->Menu_File->Count(), 3);
  EXPECT_EQ(form->Menu_File->Items(2), form->Menu_Exit);
  EXPECT_EQ(form->Menu_Clear->GetParentMenu(), form->EditMenu);
}

TEST_F(FormReaderTest, EveryKindOfPropertyIsSet) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  // Integers (negative, hexadecimal), enumerations, sets, strings with character codes.
  EXPECT_EQ(form->Left(), -20);
  EXPECT_EQ(form->Top(), 0x28);
  EXPECT_EQ(form->BorderStyle(), bsNone);
  EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
  EXPECT_EQ(form->Caption(), "Reader 'test' f\xFCr all");
  EXPECT_EQ(form->ClientWidth(), 400);
  EXPECT_EQ(form->ClientHeight(), 300);
  EXPECT_TRUE(form->KeyPreview());
  // Identifiers for colours and cursors; dotted sub-object properties.
  EXPECT_EQ(form->Color(), clInfoBk);
  EXPECT_EQ(form->Font()->Name(), "Arial");
  EXPECT_EQ(form->Font()->Height(), -13);
  EXPECT_EQ(form->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(form->NameEdit->Font()->Height(), -13) << "the parent's font";
  EXPECT_EQ(form->NameEdit->Cursor(), crIBeam);
  EXPECT_EQ(form->NameEdit->PasswordChar(), '*');
  EXPECT_EQ(form->NameEdit->Text(), "secret");
  EXPECT_EQ(form->OkButton->Anchors(), (TAnchors{akRight, akBottom}));
  EXPECT_EQ(form->OkButton->Constraints()->MinWidth(), 60);
  EXPECT_EQ(form->OkButton->ModalResult(), mrOk);
  EXPECT_TRUE(form->OkButton->Default());
  EXPECT_TRUE(form->OkButton->ShowHint());
  EXPECT_EQ(form->OkButton->Hint(), "Closes the form");
  EXPECT_EQ(form->OkButton->Tag(), -7);
  EXPECT_EQ(form->Separator->Shape(), bsTopLine);
  EXPECT_FALSE(form->Ticker->Enabled());
  EXPECT_EQ(form->Ticker->Interval(), 250u);
  // Shortcuts as text and as a number; menu item flags.
  EXPECT_EQ(form->Menu_Open->ShortCut(), ShortCut('O', {ssCtrl}));
  EXPECT_EQ(form->Menu_Exit->ShortCut(), VK_ESCAPE);
  EXPECT_EQ(form->Menu_Clear->ShortCut(), ShortCut(VK_DELETE, {ssShift}));
  EXPECT_TRUE(form->Menu_Exit->Checked());
  EXPECT_TRUE(form->Menu_Exit->RadioItem());
  EXPECT_EQ(form->Menu_Exit->GroupIndex(), 2);
  EXPECT_TRUE(form->Menu_Line->IsLine());
  EXPECT_EQ(form->MainMenu->AutoLineReduction(), maManual);
  EXPECT_FALSE(form->EditMenu->AutoPopup());
  // String lists and integer lists.
  ASSERT_EQ(form->Notes->Lines()->Count(), 2);
  EXPECT_EQ(form->Notes->Lines()->Strings(1), "second\tline");
  EXPECT_EQ(form->Notes->Align(), alClient);
  EXPECT_EQ(form->Notes->ScrollBars(), ssVertical);
  EXPECT_EQ(form->Notes->BevelOuter(), TBevelCut::bvNone);
  EXPECT_TRUE(form->Pages->RaggedRight());
  ASSERT_EQ(form->Choices->Items()->Count(), 3);
  EXPECT_EQ(form->Choices->Items()->Strings(2), "two") << "sorted";
  EXPECT_EQ(form->Holder->Numbers, (std::vector<int>{1, -2, 0x7FFFFFFF}));
  EXPECT_TRUE(form->Holder->NumbersReadWhileLoading);
  // A collection.
  ASSERT_EQ(form->Holder->Entries()->Count(), 2);
  EXPECT_EQ(form->Holder->Entry(0)->Caption, "first");
  EXPECT_EQ(form->Holder->Entry(1)->Value, -1);
}

TEST_F(FormReaderTest, ReferencesAndFieldsAreResolvedOnceTheTreeExists) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  EXPECT_EQ(form->Menu(), form->MainMenu);
  EXPECT_EQ(form->ActiveControl(), form->NameEdit);
  EXPECT_EQ(form->NameEdit->PopupMenu(), form->EditMenu);
  EXPECT_EQ(form->NameLabel->FocusControl(), form->NameEdit);
  EXPECT_EQ(form->Pages->ActivePage(), form->SecondSheet);
  EXPECT_EQ(form->Holder->Partner, form->Holder2) << "a component further down the text";
  EXPECT_EQ(form->Holder2->Partner, form.get()) << "the form itself";
  EXPECT_NE(form->Separator, nullptr);
}

TEST_F(FormReaderTest, EventsFireTheBoundHandlers) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  gReadLog.clear();
  form->OkButton->Click();
  EXPECT_TRUE(form->MainMenu->DispatchCommand(form->Menu_Open->Command()));
  form->EditMenu->Popup(0, 0);
  form->NameEdit->SetText("changed");
  form->Ticker->OnTimer(form->Ticker);
  form->Close();
  EXPECT_EQ(gReadLog, (std::vector<std::string>{"OkButtonClick OkButton", "MenuOpenClick Menu_Open",
                                                "EditMenuPopup EditMenu", "NameEditChange NameEdit",
                                                "TickerTimer Ticker", "FormClose ReaderTestForm"}));
  EXPECT_FALSE(form->Menu_Exit->OnClick) << "an event the text leaves alone";
}

TEST_F(FormReaderTest, DragAndDockSettingsAndEventsAreRead) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  TPageControl* pages = form->Pages;
  EXPECT_EQ(pages->DragMode(), dmAutomatic);
  EXPECT_EQ(pages->DragKind(), dkDock);
  EXPECT_EQ(pages->DragCursor(), crNoDrop);
  EXPECT_TRUE(pages->DockSite());
  EXPECT_TRUE(pages->UseDockManager());
  EXPECT_EQ(form->Choices->DragCursor(), crDrag) << "the default";
  EXPECT_EQ(form->Choices->DragMode(), dmManual);
  EXPECT_FALSE(form->Choices->DockSite());

  gReadLog.clear();
  TDragObject* object = nullptr;
  TDragDockObject* dockObject = nullptr;
  bool flag = false;
  int image = 0;
  TRect rect;
  pages->OnStartDrag(pages, object);
  pages->OnDragOver(pages, nullptr, 0, 0, dsDragMove, flag);
  pages->OnDragDrop(pages, nullptr, 0, 0);
  pages->OnEndDrag(pages, nullptr, 0, 0);
  pages->OnGetImageIndex(pages, 0, image);
  pages->OnStartDock(pages, dockObject);
  pages->OnEndDock(pages, nullptr, 0, 0);
  pages->OnDockOver(pages, nullptr, 0, 0, dsDragMove, flag);
  pages->OnDockDrop(pages, nullptr, 0, 0);
  pages->OnGetSiteInfo(pages, nullptr, rect, {}, flag);
  pages->OnUnDock(pages, nullptr, nullptr, flag);
  EXPECT_EQ(gReadLog, (std::vector<std::string>{
                          "PagesStartDrag Pages", "PagesDragOver Pages", "PagesDragDrop Pages", "PagesEndDrag Pages",
                          "PagesGetImageIndex Pages", "PagesStartDock Pages", "PagesEndDrag Pages",
                          "PagesDockOver Pages", "PagesDockDrop Pages", "PagesGetSiteInfo Pages",
                          "PagesUnDock Pages"}));
}

TEST_F(FormReaderTest, ComponentsAreLoadedInCreationOrderThenTheFormIsCreated) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  EXPECT_EQ(gReadLog, (std::vector<std::string>{"Loaded ReaderTestForm", "Loaded Holder", "Loaded Holder2",
                                                "FormCreate ReaderTestForm"}));
  // A second form of the class gets a name of its own.
  TOwned<TReaderTestForm> second(new TReaderTestForm(Application));
  EXPECT_EQ(second->Name(), "ReaderTestForm_1");
}

TEST_F(FormReaderTest, DefinedPropertiesRoundTripByteForByteAndNumberForNumber) {
  TOwned<TReaderTestForm> form(new TReaderTestForm(Application));
  const TDefinedProperties holder = DefinedProperties(*form->Holder);
  const TDefinedProperties holder2 = DefinedProperties(*form->Holder2);
  TMemoryStream written;
  holder.Binary.at("Data").WriteData(written);
  ASSERT_EQ(written.Size(), 256);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(written.Bytes()[i], i);
  EXPECT_FALSE(holder2.Binary.at("Data").HasData);

  EXPECT_EQ(form->Holder2->ColWidths, (std::vector<int32_t>{10, 20, 30}));
  EXPECT_EQ(holder2.IntegerLists.at("ColWidths").WriteData(), (std::vector<int32_t>{10, 20, 30}));
  EXPECT_TRUE(holder2.IntegerLists.at("ColWidths").HasData);
  EXPECT_FALSE(holder.IntegerLists.at("ColWidths").HasData);
}

TEST_F(FormReaderTest, AResourceWithAnUnknownPropertyFailsNamingIt) {
  try {
    TBadPropertyForm form(Application);
    FAIL() << "the form was read";
  } catch (const EFormReadError& e) {
    EXPECT_EQ(e.Message(), "Form resource TBadPropertyForm, line 4: OkButton.Colour: TButton has no property Colour");
  }
  EXPECT_EQ(Application->FindComponent("BadPropertyForm"), nullptr);
  try {
    TNoResourceForm form(Application);
    FAIL() << "the form was read";
  } catch (const EFormReadError& e) {
    EXPECT_EQ(e.Message(), "Form resource TNoResourceForm not found");
  }
}

TEST_F(FormReaderTest, UnknownNamesAndBadValuesFailWithTheirLine) {
  const std::string head = "object PlainForm: TPlainForm\n";
  const struct {
    std::string Body;
    const char* Message;
  } cases[] = {
      {"  object X: TNoSuchClass\n  end\n", "Test text, line 2: X: class TNoSuchClass not found"},
      {"  Colour = clRed\n", "Test text, line 2: PlainForm.Colour: TForm has no property Colour"},
      {"  Font.Weight = 1\n", "Test text, line 2: PlainForm.Font.Weight: TFont has no property Weight"},
      {"  Caption.Size = 1\n", "Test text, line 2: PlainForm.Caption.Size: TForm has no object property Caption"},
      {"  Font = 1\n",
       "Test text, line 2: PlainForm.Font: Font is an object: its own properties are set, as in Font.Name"},
      {"  ActiveControl = Nobody\n", "Test text, line 2: PlainForm.ActiveControl: there is no component Nobody"},
      {"  Menu = Edit1\n  object Edit1: TEdit\n  end\n",
       "Test text, line 2: PlainForm.Menu: Edit1 is a TEdit, not a TMainMenu"},
      {"  OnCreate = Missing\n", "Test text, line 2: PlainForm.OnCreate: there is no handler Missing"},
      {"  OnClose = PlainCreate\n",
       "Test text, line 2: PlainForm.OnClose: The handler's parameters do not fit the event"},
      {"  BorderStyle = bsRound\n", "Test text, line 2: PlainForm.BorderStyle: Invalid value bsRound"},
      {"  Left = 'x'\n", "Test text, line 2: PlainForm.Left: A number expected but a string found"},
      {"  Left = 3000000000\n", "Test text, line 2: PlainForm.Left: Value 3000000000 out of range"},
      {"  KeyPreview = 1\n", "Test text, line 2: PlainForm.KeyPreview: True or False expected but a number found"},
      {"  BorderIcons = [biHelp, biFly]\n", "Test text, line 2: PlainForm.BorderIcons: Invalid set member biFly"},
      {"  object A: TEdit\n  end\n  object A: TEdit\n  end\n",
       "Test text, line 4: A: A component named A already exists"},
      {"  object A: TEdit\n    object B: TEdit\n    end\n  end\n", "Test text, line 3: B: A (TEdit) cannot hold controls"},
      {"  object Orphan: TMenuItem\n  end\n",
       "Test text, line 2: Orphan: A menu item belongs in a menu or a menu item, not in PlainForm"},
      {"  object H: TTestHolder\n    Data = 1\n  end\n", "Test text, line 3: H.Data: Binary data expected"},
      {"  object H: TTestHolder\n    ColWidths = 10\n  end\n",
       "Test text, line 3: H.ColWidths: A list of numbers expected but a number found"},
      {"  object H: TTestHolder\n    ColWidths = { 0A }\n  end\n",
       "Test text, line 3: H.ColWidths: A list of numbers expected but binary data found"},
      {"  object H: TTestHolder\n    ColWidths = ( 10 'x' )\n  end\n",
       "Test text, line 3: H.ColWidths: A number expected but a string found"},
      {"  object H: TTestHolder\n    ColWidths = ( 10 2147483648 )\n  end\n",
       "Test text, line 3: H.ColWidths: Value 2147483648 out of range"},
      {"  object H: TTestHolder\n    Entries = < item Wrong = 1 end >\n  end\n",
       "Test text, line 3: H.Entries[0].Wrong: TTestEntry has no property Wrong"},
      {"  Left = \n", "Test text: Line 3: Value expected but 'end' found"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadError(head + c.Body + "end\n"), c.Message) << c.Body;
  EXPECT_EQ(ReadError("object PlainForm: TOtherForm\nend\n"),
            "Test text, line 1: The text describes a TOtherForm, not a TPlainForm");
}

TEST_F(FormReaderTest, FieldsNeedTheirComponents) {
  const std::string text = "object PlainForm: TPlainForm\n  object Edit: TButton\n  end\nend\n";
  EXPECT_EQ(ReadError(text, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()).Field("Edit9", &TPlainForm::Edit)),
            "Test text: There is no component Edit9 for the form's field");
  EXPECT_EQ(ReadError(text, TFormBindings(TClassRegistry::Instance().TableOf<TForm>()).Field("Edit", &TPlainForm::Edit)),
            "Test text: The form's field Edit does not take a TButton");
}

TEST_F(FormReaderTest, AFormThatFailsToLoadKeepsNoHandlers) {
  TOwned<TPlainForm> form(new TPlainForm(Application));
  const std::string text =
      "object PlainForm: TPlainForm\n  OnDestroy = PlainDestroy\n"
      "  object H: TTestHolder\n    FailLoaded = True\n  end\nend\n";
  EXPECT_THROW(ReadForm(*form, text, TPlainForm::Bindings(), "Test text"), EFormReadError);
  EXPECT_FALSE(form->OnDestroy);
  form.reset();
  EXPECT_EQ(gReadLog, (std::vector<std::string>{"Loaded H"}));
}

TEST_F(FormReaderTest, AFormMadeVisibleShowsAfterOnCreate) {
  TOwned<TPlainForm> form(new TPlainForm(Application));
  ReadForm(*form,
           "object PlainForm: TPlainForm\n  BorderStyle = bsNone\n  Visible = True\n"
           "  OnCreate = PlainCreate\n  OnShow = PlainShow\nend\n",
           TPlainForm::Bindings(), "Test text");
  EXPECT_EQ(gReadLog, (std::vector<std::string>{"OnCreate", "OnShow (visible)"}));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(FormReaderTest, TheClassLibrarysComponentsAreCreatedByName) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  for (const char* name : {"TButton", "TEdit", "TMemo", "TListBox", "TLabel", "TBevel", "TPageControl", "TTabSheet",
                           "TTimer", "TImageList", "TMainMenu", "TPopupMenu", "TMenuItem"}) {
    const TClassRegistry::TClassEntry* entry = TClassRegistry::Instance().FindClass(name);
    ASSERT_NE(entry, nullptr) << name;
    TComponent* component = entry->Create(owner.get());
    EXPECT_EQ(component->ClassName(), name);
    EXPECT_EQ(entry->Table->ClassName(), name);
  }
  EXPECT_EQ(TClassRegistry::Instance().FindClass("tbutton")->Name, "TButton");
  EXPECT_EQ(TClassRegistry::Instance().FindClass("TForm"), nullptr) << "forms are read, not created by name";
}

TEST(ClassRegistry, AClassDefinedBeforeTakesMorePropertiesAndAnUndefinedOneNone) {
  TClassRegistry registry;
  registry.DefinePersistent<TTestEntry>("TTestEntry").String("Caption", &TTestEntry::SetCaption);
  EXPECT_EQ(registry.TableOf<TTestEntry>().Find("Value"), nullptr);
  registry.Extend<TTestEntry>().Integer("Value", &TTestEntry::SetValue);
  EXPECT_NE(registry.TableOf<TTestEntry>().Find("Value"), nullptr);
  EXPECT_NE(registry.TableOf<TTestEntry>().Find("Caption"), nullptr);
  EXPECT_THROW(registry.Extend<TTestHolder>(), EInvalidOperation);
}

}  // namespace
