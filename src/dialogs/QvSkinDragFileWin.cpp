#include <windows.h>
// (ole2.h and shellapi.h after windows.h)
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "dialogs/QvDragFilesLayerForm.h"
#include "dialogs/QvSkinDragFile.h"
#include "dialogs/QvSkinDragFileData.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinDragFile>(), true);

// The overlay shown last by any drop target.
TDragFilesLayerForm* gCurrentLayer = nullptr;

// Reads every name of a CF_HDROP block, each at its full length. S_OK with the names, or
// E_INVALIDARG for a malformed block (no name is then delivered).
HRESULT ReadDroppedNames(HGLOBAL Drop, std::vector<String>& Names) {
  const void* Block = GlobalLock(Drop);
  if (!Block) return E_INVALIDARG;
  const size_t Size = GlobalSize(Drop);
  const int Count = QvDropFilesCount(Block, Size);
  const bool Read = Count >= 0 && QvDropFilesWideNames(Block, Size, Names);
  GlobalUnlock(Drop);
  if (Count < 0) return E_INVALIDARG;
  if (Read) return S_OK;
  // 1-byte characters: the platform converts them. The length first, as names may be
  // longer than MAX_PATH.
  const HDROP H = static_cast<HDROP>(Drop);
  Names.reserve(size_t(Count));
  for (int I = 0; I < Count; ++I) {
    const UINT Length = DragQueryFileW(H, UINT(I), nullptr, 0);
    String Name(Length, L'\0');
    if (DragQueryFileW(H, UINT(I), Name.data(), Length + 1) != Length) {
      Names.clear();
      return E_INVALIDARG;
    }
    Names.push_back(std::move(Name));
  }
  return S_OK;
}

}  // namespace

// ---- the drop-target object ------------------------------------------------------

// The platform's drop-target interface on behalf of one component. The shell and the
// registration hold references; the component lets go of it when it goes, so a late
// call finds no component and does nothing.
class TQvDropTarget final : public IDropTarget {
 public:
  explicit TQvDropTarget(TQvSkinDragFile* Owner) : FOwner(Owner) {}
  void Detach() { FOwner = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Riid, void** Object) override {
    if (!Object) return E_POINTER;
    if (IsEqualIID(Riid, IID_IUnknown) || IsEqualIID(Riid, IID_IDropTarget)) {
      *Object = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *Object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG Refs = --FRefs;
    if (Refs == 0) delete this;
    return Refs;
  }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD*) override {
    return Guarded([](TQvSkinDragFile* D) {
      D->DragEntered();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    return Guarded([](TQvSkinDragFile* D) {
      D->DragLeft();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* Data, DWORD, POINTL, DWORD*) override {
    return Guarded([Data](TQvSkinDragFile* D) { return HRESULT(D->Dropped(Data)); });
  }

 private:
  // An exception must not cross into the platform's drag loop.
  template <typename F>
  HRESULT Guarded(F Fn) {
    if (!FOwner) return E_UNEXPECTED;
    try {
      return Fn(FOwner);
    } catch (...) {  // reported to the platform as the interface's failure
      return E_UNEXPECTED;
    }
  }
  TQvSkinDragFile* FOwner;
  ULONG FRefs = 1;
};

// ---- the component ----------------------------------------------------------------

TQvSkinDragFile::TQvSkinDragFile(TComponent* AOwner)
    : TComponent(AOwner), FTipFont(std::make_unique<TFont>()) {
  FTipFont->SetSize(20);
  FTipFont->SetStyle({fsBold});
  FTipFont->SetColor(DefaultHighLightDotLineNormalColor);
}

TQvSkinDragFile::~TQvSkinDragFile() {
  DoUnBinding();
  // The overlays it owns go with it; none may stay current.
  DestroyingOverlays();
}

void TQvSkinDragFile::DestroyingOverlays() {
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

IDropTarget* TQvSkinDragFile::DropTarget() const {
  return FDropTarget;
}

TDragFilesLayerForm* TQvSkinDragFile::CurrentDragFilesLayer() {
  return gCurrentLayer;
}

void TQvSkinDragFile::LayerClosed(TDragFilesLayerForm* Layer) {
  if (gCurrentLayer == Layer) gCurrentLayer = nullptr;
}

void TQvSkinDragFile::SetTipFont(TFont* Value) {
  FTipFont->Assign(Value);
}

void TQvSkinDragFile::SetBindingControl(TWinControl* Value) {
  if (FBindingControl == Value) return;
  DoUnBinding();
  if (FBindingControl) FBindingControl->RemoveFreeNotification(this);
  FBindingControl = Value;
  if (!FBindingControl) return;
  FBindingControl->FreeNotification(this);
  if (!ComponentState().Contains(csDesigning)) DoBinding();
}

void TQvSkinDragFile::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBindingControl) {
    // Its window (and with it the registration) is gone already, and so is its message
    // entry: nothing to give back.
    FOldWindowProc = nullptr;
    DoUnBinding();
    FBindingControl = nullptr;
  }
}

void TQvSkinDragFile::Loaded() {
  TComponent::Loaded();
  if (FPendingBinding.empty()) return;
  auto* Control = dynamic_cast<TWinControl*>(FindReferencedComponent(this, FPendingBinding));
  FPendingBinding.clear();
  SetBindingControl(Control);
}

void DragFileWinEvent(TQvSkinDragFile* Self, uint32_t Event, HWND Window, long ObjectId) {
  Self->DoWinEventProc(Event, Window, ObjectId);
}

namespace {

// The live hooks and their components. The platform may still deliver an event that was
// queued before the hook went, so the callback finds its component here and drops an event
// whose hook is gone instead of calling into a freed object.
std::vector<std::pair<HWINEVENTHOOK, TQvSkinDragFile*>>& LiveHooks() {
  static std::vector<std::pair<HWINEVENTHOOK, TQvSkinDragFile*>> Hooks;
  return Hooks;
}

void CALLBACK WinEventTarget(HWINEVENTHOOK Hook, DWORD Event, HWND Window, LONG ObjectId, LONG,
                             DWORD, DWORD) {
  for (const auto& [H, Self] : LiveHooks())
    if (H == Hook) {
      try {
        DragFileWinEvent(Self, Event, Window, ObjectId);
      } catch (...) {  // a platform callback: nothing may leave this frame
      }
      return;
    }
}

}  // namespace

void TQvSkinDragFile::DoBinding() {
  if (!FBindingControl || FEVENT_OBJECT_CREATE) return;
  // Only window creation matters (the shell's drag image appearing); its destruction is
  // seen by the overlay's own watch.
  HWINEVENTHOOK Hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr,
                                       &WinEventTarget, 0, 0, WINEVENT_OUTOFCONTEXT);
  FEVENT_OBJECT_CREATE = Hook;
  if (Hook) LiveHooks().emplace_back(Hook, this);
  FDropTarget = new TQvDropTarget(this);
  // The control's window may be made again later: follow it.
  FOldWindowProc = FBindingControl->WindowProc;
  FBindingControl->WindowProc = [this](TMessage& M) { HookedWndProc(M); };
  RegisterTarget();
}

void TQvSkinDragFile::DoUnBinding() {
  if (auto Hook = static_cast<HWINEVENTHOOK>(FEVENT_OBJECT_CREATE)) {
    std::erase_if(LiveHooks(), [&](const auto& E) { return E.first == Hook; });
    UnhookWinEvent(Hook);
  }
  FEVENT_OBJECT_CREATE = nullptr;
  RevokeTarget();
  if (FBindingControl && FOldWindowProc) FBindingControl->WindowProc = std::move(FOldWindowProc);
  FOldWindowProc = nullptr;
  if (FDropTarget) {
    FDropTarget->Detach();
    FDropTarget->Release();
    FDropTarget = nullptr;
  }
}

void TQvSkinDragFile::RegisterTarget() {
  if (!FBindingControl || !FDropTarget || FRegisteredWnd) return;
  // Drag and drop needs OLE on this thread; each successful start is matched by one end.
  if (!FOleInitialized) {
    const HRESULT Ole = OleInitialize(nullptr);
    FOleInitialized = SUCCEEDED(Ole);
    if (!FOleInitialized) return;
  }
  // A control without a window yet is registered when it gets one (WM_CREATE).
  if (!FBindingControl->HandleAllocated()) return;
  HWND Wnd = FBindingControl->Handle();
  if (SUCCEEDED(RegisterDragDrop(Wnd, FDropTarget))) FRegisteredWnd = Wnd;
}

void TQvSkinDragFile::RevokeTarget() {
  if (FRegisteredWnd) RevokeDragDrop(FRegisteredWnd);
  FRegisteredWnd = nullptr;
  if (FOleInitialized) OleUninitialize();
  FOleInitialized = false;
}

void TQvSkinDragFile::HookedWndProc(TMessage& M) {
  TWndMethod Old = FOldWindowProc;
  // Revoked while the window still exists; registered again on the next window.
  if (M.Msg == WM_DESTROY) RevokeTarget();
  if (Old) Old(M);
  if (M.Msg == WM_CREATE && M.Result != -1) RegisterTarget();
}

void TQvSkinDragFile::DoWinEventProc(uint32_t Event, HWND Window, long ObjectId) {
  if (Event != EVENT_OBJECT_CREATE || ObjectId != OBJID_WINDOW || !Window) return;
  wchar_t Class[256] = {};
  GetClassNameW(Window, Class, 255);
  if (std::wstring_view(Class) != L"SysDragImage") return;
  FHighLightDotLineColor = FHighLightDotLineNormalColor;
  DoShowDragFilesLayer(Window);
}

// ---- the overlay ------------------------------------------------------------------

void TQvSkinDragFile::ClosePrevlDragFilesLayerForm() {
  if (!FBindingControl || !FBindingControl->HandleAllocated()) return;
  const String Caption = std::to_wstring(uintptr_t(FBindingControl->Handle()));
  if (HWND Prev = FindWindowW(L"TDragFilesLayerForm", Caption.c_str()))
    SendMessageW(Prev, WM_CLOSE, 0, 0);
}

void TQvSkinDragFile::DoShowDragFilesLayer(HWND DragImage) {
  if (!FBindingControl || !FBindingControl->HandleAllocated()) return;
  TCustomForm* Form = GetParentForm(FBindingControl);
  if (Form && (Form->WindowState() == wsMinimized ||
               (Form->HandleAllocated() && IsIconic(Form->Handle())))) {
    gCurrentLayer = nullptr;
    return;
  }
  ClosePrevlDragFilesLayerForm();
  auto* Layer = new TDragFilesLayerForm(this);
  gCurrentLayer = Layer;
  HWND Control = FBindingControl->Handle();
  Layer->SetCaption(std::to_wstring(uintptr_t(Control)));
  Layer->SetSysDragImageHandle(DragImage);
  RECT Client;
  GetClientRect(Control, &Client);
  POINT Origin{0, 0};
  ClientToScreen(Control, &Origin);
  Layer->SetBounds(Origin.x, Origin.y, Client.right, Client.bottom);
  Layer->ShowLayer();
}

void TQvSkinDragFile::DoHideDragFilesLayer() {
  if (gCurrentLayer) gCurrentLayer->Close();
}

// ---- drop-target calls ------------------------------------------------------------

void TQvSkinDragFile::DragEntered() {
  FHighLightDotLineColor = FHighLightDotLineHotColor;
  DoShowDragFilesLayer(nullptr);
  if (OnDragEnter) OnDragEnter(this);
}

void TQvSkinDragFile::DragLeft() {
  FHighLightDotLineColor = FHighLightDotLineNormalColor;
  DoShowDragFilesLayer(nullptr);
  if (OnDragLeave) OnDragLeave(this);
}

long TQvSkinDragFile::Dropped(void* DataObject) {
  auto* Data = static_cast<IDataObject*>(DataObject);
  FORMATETC Format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM Medium{};
  std::vector<String> Names;
  HRESULT Result = S_OK;
  if (Data && SUCCEEDED(Data->GetData(&Format, &Medium))) {
    // The medium's own release: the data object may keep the memory.
    TScopeExit Free([&] { ReleaseStgMedium(&Medium); });
    if (Medium.tymed == TYMED_HGLOBAL) Result = ReadDroppedNames(Medium.hGlobal, Names);
  }
  DoHideDragFilesLayer();
  if (!Names.empty()) {
    String Text;
    for (const String& Name : Names) Text += Name + L"\r\n";
    DoDragFiles(Text);
  }
  return Result;
}

void TQvSkinDragFile::DoDragFiles(const String& Text) {
  if (OnDragFiles) OnDragFiles(this, Text);
}

const TPropTable& TQvSkinDragFile::Properties() const {
  using C = TQvSkinDragFile;
  static const TPropTable Table = TComponent::Properties().With({
      RefProp(L"BindingControl", &C::BindingControl,
              [](C& D, const String& Name) { D.FPendingBinding = Name; }),
      Prop(L"TipText", &C::TipText, &C::SetTipText, String(DefaultTipText)),
      ObjectProp(L"TipFont", &C::TipFont),
      ColorProp(L"HighLightDotLineNormalColor", &C::HighLightDotLineNormalColor,
                &C::SetHighLightDotLineNormalColor, DefaultHighLightDotLineNormalColor),
      ColorProp(L"HighLightDotLineHotColor", &C::HighLightDotLineHotColor,
                &C::SetHighLightDotLineHotColor, DefaultHighLightDotLineHotColor),
  });
  return Table;
}

}  // namespace qv
