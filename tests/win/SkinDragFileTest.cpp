// The drop target through the platform's real drag-and-drop interfaces: the names a drop
// delivers, the overlay shown for the shell's drag image and for the drag entering and
// leaving, clicks passing through it, the end-of-drag watch, bad drops and many bindings.
#include <ole2.h>
#include <shlobj.h>

#include <memory>
#include <vector>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "dialogs/QvDragFilesLayerForm.h"
#include "dialogs/QvSkinDragFile.h"
#include "graphics/SimpleTimer.h"
#include "host/Form.h"
#include "raster/Color32.h"

using namespace qv;

namespace {

// A data object that offers one CF_HDROP block (or nothing): what the shell hands over.
class TFileData final : public IDataObject {
 public:
  // Names as the block holds them; Terminated false leaves off the list's last zero.
  // Wide false writes 1-byte characters (the names are plain ASCII then).
  explicit TFileData(const std::vector<std::wstring>& Names, bool Terminated = true,
                     bool Wide = true) {
    FBlock.resize(sizeof(DROPFILES));
    auto* Header = reinterpret_cast<DROPFILES*>(FBlock.data());
    Header->pFiles = sizeof(DROPFILES);
    Header->fWide = Wide;
    std::wstring List;
    for (const std::wstring& N : Names) List += N + L'\0';
    if (Terminated) List += L'\0';
    if (Wide) {
      const auto* P = reinterpret_cast<const uint8_t*>(List.data());
      FBlock.insert(FBlock.end(), P, P + List.size() * sizeof(wchar_t));
    } else {
      for (wchar_t C : List) FBlock.push_back(uint8_t(C));
    }
  }
  TFileData() = default;  // offers no file list

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Riid, void** Object) override {
    if (IsEqualIID(Riid, IID_IUnknown) || IsEqualIID(Riid, IID_IDataObject)) {
      *Object = this;
      return S_OK;
    }
    *Object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* F, STGMEDIUM* M) override {
    if (FBlock.empty() || F->cfFormat != CF_HDROP || !(F->tymed & TYMED_HGLOBAL))
      return DV_E_FORMATETC;
    HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE, FBlock.size());
    memcpy(GlobalLock(H), FBlock.data(), FBlock.size());
    GlobalUnlock(H);
    M->tymed = TYMED_HGLOBAL;
    M->hGlobal = H;
    M->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* F) override {
    return !FBlock.empty() && F->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  std::vector<uint8_t> FBlock;
};

// A form with a panel bound to a drop target; OLE held for the test's length.
class SkinDragFileTest : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 300, 200);
    Panel = new qvtest::TPanel(Form.get(), clWhite);
    Panel->SetParent(Form.get());
    Panel->SetBounds(20, 30, 200, 120);
    Drag = new TQvSkinDragFile(Form.get());
    Drag->SetBindingControl(Panel);
    Panel->HandleNeeded();  // registered once the window is there
    Drag->OnDragFiles = [this](TObject*, const String& Text) { Delivered.push_back(Text); };
  }
  void TearDown() override {
    Form.reset();
    ControlsTest::TearDown();
    OleUninitialize();
  }
  HRESULT DropOn(IDataObject& Data) {
    DWORD Effect = DROPEFFECT_COPY;
    return Drag->DropTarget()->Drop(&Data, MK_LBUTTON, POINTL{150, 150}, &Effect);
  }
  // Whether the window of the panel is registered as a drop target (a second registration
  // is then refused).
  bool PanelRegistered() {
    TFileData Dummy;
    IDropTarget* Other = Drag->DropTarget();
    const HRESULT R = RegisterDragDrop(Panel->Handle(), Other);
    if (SUCCEEDED(R)) RevokeDragDrop(Panel->Handle());
    return R == DRAGDROP_E_ALREADYREGISTERED;
  }
  std::unique_ptr<TForm> Form;
  qvtest::TPanel* Panel = nullptr;
  TQvSkinDragFile* Drag = nullptr;
  std::vector<String> Delivered;
};

}  // namespace

TEST_F(SkinDragFileTest, DropOfTwoFilesDeliversBothNamesInOrder) {
  ASSERT_TRUE(Drag->Registered());
  EXPECT_TRUE(PanelRegistered());
  TFileData Data({L"C:\\docs\\a.txt", L"C:\\docs\\b.txt"});
  EXPECT_EQ(DropOn(Data), S_OK);
  EXPECT_EQ(Delivered, (std::vector<String>{L"C:\\docs\\a.txt\r\nC:\\docs\\b.txt\r\n"}));
  // Without a file list: nothing delivered, and no error.
  TFileData NoFiles;
  EXPECT_EQ(DropOn(NoFiles), S_OK);
  EXPECT_EQ(Delivered.size(), 1u);
  // Unbound: the registration is gone.
  Drag->SetBindingControl(nullptr);
  EXPECT_FALSE(Drag->Registered());
  EXPECT_FALSE(PanelRegistered());
}

TEST_F(SkinDragFileTest, OverlayFollowsTheDragAndItsColour) {
  int Entered = 0, Left = 0;
  Drag->OnDragEnter = [&](TObject*) { ++Entered; };
  Drag->OnDragLeave = [&](TObject*) { ++Left; };
  TFileData Data({L"C:\\a.txt"});
  DWORD Effect = DROPEFFECT_COPY;
  IDropTarget* T = Drag->DropTarget();
  ASSERT_EQ(T->DragEnter(&Data, MK_LBUTTON, POINTL{150, 150}, &Effect), S_OK);
  EXPECT_EQ(Effect, DWORD(DROPEFFECT_COPY));  // what the source offers stays
  EXPECT_EQ(Entered, 1);
  EXPECT_EQ(Drag->HighLightDotLineColor(), Drag->HighLightDotLineHotColor());
  TDragFilesLayerForm* Layer = TQvSkinDragFile::CurrentDragFilesLayer();
  ASSERT_NE(Layer, nullptr);
  HWND LayerWnd = Layer->Handle();
  EXPECT_TRUE(IsWindowVisible(LayerWnd));
  EXPECT_EQ(GetWindowLongW(LayerWnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT),
            WS_EX_LAYERED | WS_EX_TRANSPARENT);
  RECT R;
  GetWindowRect(LayerWnd, &R);
  POINT Origin{0, 0};
  ClientToScreen(Panel->Handle(), &Origin);
  EXPECT_EQ(R.left, Origin.x);
  EXPECT_EQ(R.top, Origin.y);
  EXPECT_EQ(R.right - R.left, Panel->ClientWidth());
  EXPECT_EQ(R.bottom - R.top, Panel->ClientHeight());
  EXPECT_EQ(Layer->Picture().Pixel(2, 2), Color32(Drag->HighLightDotLineHotColor()));
  EXPECT_EQ(Layer->Picture().Pixel(100, 4) >> 24, 0u);  // no fill: only text and frame

  // Leaving: a new overlay in the normal colour replaces the first.
  ASSERT_EQ(T->DragLeave(), S_OK);
  EXPECT_EQ(Left, 1);
  TDragFilesLayerForm* Second = TQvSkinDragFile::CurrentDragFilesLayer();
  ASSERT_NE(Second, nullptr);
  EXPECT_NE(Second->Handle(), LayerWnd);
  EXPECT_FALSE(IsWindowVisible(LayerWnd));
  EXPECT_EQ(Second->Picture().Pixel(2, 2), Color32(Drag->HighLightDotLineNormalColor()));
  // The drop closes it.
  EXPECT_EQ(DropOn(Data), S_OK);
  EXPECT_EQ(TQvSkinDragFile::CurrentDragFilesLayer(), nullptr);
  qvtest::PumpIdle();  // the closed overlays free themselves
  EXPECT_EQ(Drag->ComponentCount(), 0);
}

TEST_F(SkinDragFileTest, ClicksPassThroughTheOverlay) {
  Form->Show();
  int Clicks = 0;
  Panel->OnClick = [&](TObject*) { ++Clicks; };
  Drag->DoShowDragFilesLayer(nullptr);
  TDragFilesLayerForm* Layer = TQvSkinDragFile::CurrentDragFilesLayer();
  ASSERT_NE(Layer, nullptr);
  POINT Middle{Panel->ClientWidth() / 2, Panel->ClientHeight() / 2};
  ClientToScreen(Panel->Handle(), &Middle);
  EXPECT_EQ(WindowFromPoint(Middle), Panel->Handle());
  qvtest::Click(Middle.x, Middle.y);
  EXPECT_EQ(Clicks, 1);
  // Not click-through: the overlay itself is hit.
  Layer->SetLayerTransparent(false);
  EXPECT_EQ(WindowFromPoint(Middle), Layer->Handle());
}

TEST_F(SkinDragFileTest, ShellDragImageShowsTheOverlayUntilItGoes) {
  WNDCLASSW Class{};
  Class.lpfnWndProc = DefWindowProcW;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = L"SysDragImage";
  RegisterClassW(&Class);
  HWND Image = CreateWindowExW(WS_EX_TOOLWINDOW, L"SysDragImage", L"", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, Class.hInstance, nullptr);
  ASSERT_TRUE(qvtest::PumpUntil([] { return TQvSkinDragFile::CurrentDragFilesLayer(); }));
  TDragFilesLayerForm* Layer = TQvSkinDragFile::CurrentDragFilesLayer();
  EXPECT_EQ(Layer->SysDragImageHandle(), Image);
  EXPECT_EQ(Drag->HighLightDotLineColor(), Drag->HighLightDotLineNormalColor());
  // The watch keeps it while the drag image lives, and closes it once the image is gone
  // with the button up (the drag was cancelled).
  Layer->tmr1Timer();
  EXPECT_EQ(TQvSkinDragFile::CurrentDragFilesLayer(), Layer);
  DestroyWindow(Image);
  Layer->tmr1Timer();
  EXPECT_EQ(TQvSkinDragFile::CurrentDragFilesLayer(), nullptr);
  UnregisterClassW(L"SysDragImage", Class.hInstance);
}

TEST_F(SkinDragFileTest, MinimisedFormGetsNoOverlayButStillTheNames) {
  Form->Show();
  Form->SetWindowState(wsMinimized);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return IsIconic(Form->Handle()) != FALSE; }));
  TFileData Data({L"C:\\a.txt"});
  DWORD Effect = DROPEFFECT_COPY;
  Drag->DropTarget()->DragEnter(&Data, MK_LBUTTON, POINTL{0, 0}, &Effect);
  EXPECT_EQ(TQvSkinDragFile::CurrentDragFilesLayer(), nullptr);
  EXPECT_EQ(DropOn(Data), S_OK);
  EXPECT_EQ(Delivered, (std::vector<String>{L"C:\\a.txt\r\n"}));
}

TEST_F(SkinDragFileTest, LargeLongAndBrokenDrops) {
  // Ten thousand names, all delivered in order.
  std::vector<std::wstring> Many;
  for (int I = 0; I < 10000; ++I) Many.push_back(L"C:\\many\\file" + std::to_wstring(I) + L".txt");
  TFileData ManyData(Many);
  EXPECT_EQ(DropOn(ManyData), S_OK);
  ASSERT_EQ(Delivered.size(), 1u);
  String Expected;
  for (const std::wstring& N : Many) Expected += N + L"\r\n";
  EXPECT_EQ(Delivered[0], Expected);
  // Names far longer than MAX_PATH arrive whole.
  const std::wstring Long1 = L"\\\\?\\C:\\" + std::wstring(700, L'x') + L".txt";
  const std::wstring Long2 = L"\\\\?\\C:\\" + std::wstring(1500, L'y') + L".txt";
  TFileData LongData({Long1, Long2});
  EXPECT_EQ(DropOn(LongData), S_OK);
  ASSERT_EQ(Delivered.size(), 2u);
  EXPECT_EQ(Delivered[1], Long1 + L"\r\n" + Long2 + L"\r\n");
  // 1-byte characters, long ones too.
  const std::wstring Long3 = L"C:\\" + std::wstring(400, L'z');
  TFileData Narrow({L"C:\\n.txt", Long3}, true, false);
  EXPECT_EQ(DropOn(Narrow), S_OK);
  ASSERT_EQ(Delivered.size(), 3u);
  EXPECT_EQ(Delivered[2], L"C:\\n.txt\r\n" + Long3 + L"\r\n");
  // A list that does not end inside its block is refused: nothing read past it.
  TFileData Broken({L"C:\\a.txt"}, false);
  EXPECT_EQ(DropOn(Broken), E_INVALIDARG);
  EXPECT_EQ(Delivered.size(), 3u);
  // An exception in the handler stays away from the platform's drag loop.
  Drag->OnDragFiles = [](TObject*, const String&) { throw Exception(L"handler failed"); };
  TFileData One({L"C:\\a.txt"});
  EXPECT_EQ(DropOn(One), E_UNEXPECTED);
}

TEST_F(SkinDragFileTest, RegistrationFollowsANewWindow) {
  HWND Old = Panel->Handle();
  Panel->RecreateWnd();
  HWND New = Panel->Handle();
  ASSERT_NE(Old, New);
  EXPECT_TRUE(Drag->Registered());
  EXPECT_TRUE(PanelRegistered());
  TFileData Data({L"C:\\a.txt"});
  EXPECT_EQ(DropOn(Data), S_OK);
  EXPECT_EQ(Delivered.size(), 1u);
}

TEST_F(SkinDragFileTest, ManyBindingsLeaveNoRegistrationWindowOrTimer) {
  TFileData Data({L"C:\\a.txt"});
  int Cycles = 0;
  // Every tenth cycle the bound control is freed while bound, and the drag shows its overlay
  // (a layered window each time); the others bind and unbind the panel. That keeps it lean.
  auto Cycle = [&] {
    const bool Full = Cycles++ % 10 == 0;
    qvtest::TPanel* Target = Panel;
    if (Full) {
      Target = new qvtest::TPanel(Form.get());
      Target->SetParent(Form.get());
      Target->SetBounds(0, 0, 50, 40);
    }
    Drag->SetBindingControl(Target);
    Target->HandleNeeded();
    DWORD Effect = DROPEFFECT_COPY;
    if (Full) Drag->DropTarget()->DragEnter(&Data, MK_LBUTTON, {0, 0}, &Effect);
    Drag->DropTarget()->Drop(&Data, MK_LBUTTON, POINTL{0, 0}, &Effect);
    if (Full)
      delete Target;  // unbinds through the free notification
    else
      Drag->SetBindingControl(nullptr);
    Application->ProcessMessages();
  };
  for (int I = 0; I < 3; ++I) Cycle();
  const Integer Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  for (int I = 0; I < 1000; ++I) Cycle();
  qvtest::PumpIdle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_EQ(Delivered.size(), 1003u);
  EXPECT_EQ(Drag->BindingControl(), nullptr);
  EXPECT_EQ(Drag->ComponentCount(), 0);
  EXPECT_LT(After.Window, Before.Window + 100) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + 100) << "GDI objects leak";
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  // The panel can still be bound: nothing of the old registrations is in the way.
  Drag->SetBindingControl(Panel);
  EXPECT_TRUE(Drag->Registered());
}
