#include <windows.h>
// windows.h first: the OLE headers depend on it.
#include <oleacc.h>

#include <type_traits>

#include "controls/QvAccessibleStdChildren.h"
#include "controls/QvAccessibleWin.h"
#include "host/WinControl.h"

namespace qv {

// MinGW's oleacc import library carries a wrong IID_IAccessible, so the interface's
// identity is spelled out here.
const IID& IidAccessible() {
  static const IID Iid = {
      0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
  return Iid;
}

namespace {

BSTR ToBstr(const String& S) {
  return S.empty() ? nullptr : SysAllocStringLen(S.data(), UINT(S.size()));
}

bool IsSelf(const VARIANT& Child) {
  return Child.vt == VT_I4 && Child.lVal == CHILDID_SELF;
}

const IQvAccessibleChildren* PartsOf(const IQvAccessibleSource* C) {
  return dynamic_cast<const IQvAccessibleChildren*>(C);
}

// The part a child id names: its index from 0, -1 for the control itself, -2 for none.
int PartIndex(const IQvAccessibleSource* C, const VARIANT& Child) {
  if (IsSelf(Child)) return -1;
  const IQvAccessibleChildren* Parts = PartsOf(C);
  if (!Parts || Child.vt != VT_I4) return -2;
  return Child.lVal >= 1 && Child.lVal <= Parts->AccessibleChildCount() ? int(Child.lVal - 1) : -2;
}

// The client object of one control window. It keeps only the window handle and finds the
// control again on every call, so a client holding it after the control is gone gets
// RPC_E_DISCONNECTED instead of a dangling pointer. Members the model does not cover go to
// the platform's standard proxy of the same window (parent, navigation, children). For a
// window asking for it (IQvAccessibleStdChildren) the proxy also answers for every child
// it knows (the child windows), for hit tests and for the focus inside the window.
class TQvAccessibleObject final : public IAccessible {
 public:
  TQvAccessibleObject(HWND Wnd, bool StdChildren) : FWnd(Wnd), FStdChildren(StdChildren) {
    CreateStdAccessibleObject(Wnd, OBJID_CLIENT, IidAccessible(), reinterpret_cast<void**>(&FStd));
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Out) override {
    if (!Out) return E_POINTER;
    if (Iid == IID_IUnknown || Iid == IID_IDispatch || Iid == IidAccessible()) {
      *Out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *Out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&FRefs)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG R = InterlockedDecrement(&FRefs);
    if (R == 0) delete this;
    return ULONG(R);
  }

  // IDispatch: no type information; clients call the vtable.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* Count) override {
    if (!Count) return E_POINTER;
    *Count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: what the model says.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT Child, VARIANT* Role) override {
    if (ProxyChild(Child)) return FStd->get_accRole(Child, Role);
    return Answer(Child, Role, [&](const TQvAccessibleInfo& I) {
      Role->vt = VT_I4;
      Role->lVal = LONG(AccessibleRoleValue(I.Role));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT Child, VARIANT* State) override {
    if (ProxyChild(Child)) return FStd->get_accState(Child, State);
    const bool Self = IsSelf(Child);
    return Answer(Child, State, [&](const TQvAccessibleInfo& I) {
      uint32_t Bits = AccessibleStateBits(I.State);
      // The window knows these better than a model that was not told yet.
      if (Self && GetFocus() == FWnd) Bits |= STATE_SYSTEM_FOCUSED;
      if (!IsWindowVisible(FWnd)) Bits |= STATE_SYSTEM_INVISIBLE;
      if (!IsWindowEnabled(FWnd)) Bits |= STATE_SYSTEM_UNAVAILABLE;
      State->vt = VT_I4;
      State->lVal = LONG(Bits);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT Child, BSTR* Name) override {
    if (ProxyChild(Child)) return FStd->get_accName(Child, Name);
    return Text(Child, Name, &TQvAccessibleInfo::Name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT Child, BSTR* Value) override {
    if (ProxyChild(Child)) return FStd->get_accValue(Child, Value);
    return Text(Child, Value, &TQvAccessibleInfo::Value, true);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT Child, BSTR* Action) override {
    if (ProxyChild(Child)) return FStd->get_accDefaultAction(Child, Action);
    return Text(Child, Action, &TQvAccessibleInfo::DefaultAction);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT Child, BSTR* Key) override {
    if (ProxyChild(Child)) return FStd->get_accKeyboardShortcut(Child, Key);
    return Text(Child, Key, &TQvAccessibleInfo::KeyboardShortcut);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT Child) override {
    if (ProxyChild(Child)) return FStd->accDoDefaultAction(Child);
    IQvAccessibleSource* C = Control();
    if (!C) return RPC_E_DISCONNECTED;
    const int Part = PartIndex(C, Child);
    if (Part == -2) return E_INVALIDARG;
    return Guarded([&] {
      const bool Done =
          Part < 0 ? C->DoAccessibleDefaultAction()
                   : dynamic_cast<IQvAccessibleChildren*>(C)->DoAccessibleChildAction(Part);
      return Done ? S_OK : DISP_E_MEMBERNOTFOUND;
    });
  }

  // IAccessible: what the window says.
  HRESULT STDMETHODCALLTYPE accLocation(LONG* X, LONG* Y, LONG* W, LONG* H,
                                        VARIANT Child) override {
    if (!X || !Y || !W || !H) return E_POINTER;
    if (ProxyChild(Child)) return FStd->accLocation(X, Y, W, H, Child);
    IQvAccessibleSource* C = Control();
    if (!C) return RPC_E_DISCONNECTED;
    const int Part = PartIndex(C, Child);
    if (Part == -2) return E_INVALIDARG;
    RECT R;
    GetClientRect(FWnd, &R);
    if (Part >= 0) {
      const TRect B = PartsOf(C)->AccessibleChild(Part).Bounds;
      R = {B.Left, B.Top, B.Right, B.Bottom};
    }
    MapWindowPoints(FWnd, nullptr, reinterpret_cast<POINT*>(&R), 2);
    *X = R.left;
    *Y = R.top;
    *W = R.right - R.left;
    *H = R.bottom - R.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG X, LONG Y, VARIANT* Hit) override {
    if (!Hit) return E_POINTER;
    VariantInit(Hit);
    IQvAccessibleSource* C = Control();
    if (!C) return RPC_E_DISCONNECTED;
    if (FStdChildren && FStd) return FStd->accHitTest(X, Y, Hit);
    POINT P{X, Y};
    ScreenToClient(FWnd, &P);
    RECT R;
    GetClientRect(FWnd, &R);
    if (!PtInRect(&R, P)) return S_FALSE;
    Hit->vt = VT_I4;
    Hit->lVal = CHILDID_SELF;
    if (const IQvAccessibleChildren* Parts = PartsOf(C))
      return Guarded([&] {
        Hit->lVal = Parts->AccessibleChildAt(Point(P.x, P.y)) + 1;  // 0 is the control itself
        return S_OK;
      });
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* Focus) override {
    if (!Focus) return E_POINTER;
    VariantInit(Focus);
    if (!Control()) return RPC_E_DISCONNECTED;
    if (HWND F = GetFocus(); FStdChildren && FStd && F && IsChild(FWnd, F))
      return FStd->get_accFocus(Focus);
    if (GetFocus() != FWnd) return S_FALSE;
    Focus->vt = VT_I4;
    Focus->lVal = CHILDID_SELF;
    return S_OK;
  }

  // IAccessible: the standard proxy's answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** Parent) override {
    if (!Parent) return E_POINTER;
    *Parent = nullptr;
    return FStd ? FStd->get_accParent(Parent) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* Count) override {
    if (!Count) return E_POINTER;
    *Count = 0;
    // A control with parts tells them; its child windows remain reachable as windows.
    if (const IQvAccessibleChildren* Parts = PartsOf(Control())) {
      *Count = Parts->AccessibleChildCount();
      return S_OK;
    }
    return FStd ? FStd->get_accChildCount(Count) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT Child, IDispatch** Out) override {
    if (!Out) return E_POINTER;
    *Out = nullptr;
    // Parts are simple elements: no object of their own, the parent answers for them.
    if (IQvAccessibleSource* C = Control(); C && PartsOf(C))
      return PartIndex(C, Child) >= 0 ? S_FALSE : E_INVALIDARG;
    return FStd ? FStd->get_accChild(Child, Out) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG Dir, VARIANT Start, VARIANT* End) override {
    if (!End) return E_POINTER;
    VariantInit(End);
    IQvAccessibleSource* C = Control();
    if (const IQvAccessibleChildren* Parts = PartsOf(C)) {
      const int N = Parts->AccessibleChildCount(), Part = PartIndex(C, Start);
      int To = -1;
      if (Part == -1 && Dir == NAVDIR_FIRSTCHILD) To = 0;
      if (Part == -1 && Dir == NAVDIR_LASTCHILD) To = N - 1;
      if (Part >= 0 && (Dir == NAVDIR_NEXT || Dir == NAVDIR_RIGHT || Dir == NAVDIR_DOWN))
        To = Part + 1;
      if (Part >= 0 && (Dir == NAVDIR_PREVIOUS || Dir == NAVDIR_LEFT || Dir == NAVDIR_UP))
        To = Part - 1;
      if (Part >= 0 || Dir == NAVDIR_FIRSTCHILD || Dir == NAVDIR_LASTCHILD) {
        if (To < 0 || To >= N) return S_FALSE;
        End->vt = VT_I4;
        End->lVal = To + 1;
        return S_OK;
      }
    }
    return FStd ? FStd->accNavigate(Dir, Start, End) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* Sel) override {
    if (!Sel) return E_POINTER;
    VariantInit(Sel);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG Flags, VARIANT Child) override {
    if (ProxyChild(Child)) return FStd->accSelect(Flags, Child);
    if (!IsSelf(Child)) return E_INVALIDARG;
    if ((Flags & SELFLAG_TAKEFOCUS) == 0) return DISP_E_MEMBERNOTFOUND;
    SetFocus(FWnd);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* Out) override { return NoText(Out); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* Out) override { return NoText(Out); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* File, VARIANT, LONG* Topic) override {
    if (File) *File = nullptr;
    if (Topic) *Topic = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~TQvAccessibleObject() {
    if (FStd) FStd->Release();
  }

  IQvAccessibleSource* Control() const {
    return IsWindow(FWnd) ? dynamic_cast<IQvAccessibleSource*>(FindControl(FWnd)) : nullptr;
  }

  // A child the control does not model itself, answered by the standard proxy.
  bool ProxyChild(const VARIANT& Child) const {
    if (!FStdChildren || !FStd || IsSelf(Child)) return false;
    IQvAccessibleSource* C = Control();
    return C && !PartsOf(C);
  }

  // Nothing may leave a COM method as an exception.
  template <class F>
  static HRESULT Guarded(F&& Fn) {
    try {
      return Fn();
    } catch (...) {
      return E_FAIL;
    }
  }

  template <class TOut, class F>
  HRESULT Answer(const VARIANT& Child, TOut* Out, F&& Fn) {
    if (!Out) return E_POINTER;
    if constexpr (std::is_same_v<TOut, VARIANT>) VariantInit(Out);
    IQvAccessibleSource* C = Control();
    if (!C) return IsSelf(Child) ? RPC_E_DISCONNECTED : E_INVALIDARG;
    const int Part = PartIndex(C, Child);
    if (Part == -2) return E_INVALIDARG;
    return Guarded([&] {
      return Fn(Part < 0 ? C->AccessibleInfo() : PartsOf(C)->AccessibleChild(Part).Info);
    });
  }

  // An empty text answers S_FALSE with no string, as MSAA expects of a missing property;
  // a control without a value (NoMember) has no such member at all.
  HRESULT Text(const VARIANT& Child, BSTR* Out, String TQvAccessibleInfo::*Field,
               bool NoMember = false) {
    if (Out) *Out = nullptr;
    return Answer(Child, Out, [&](const TQvAccessibleInfo& I) {
      const String& S = I.*Field;
      if (S.empty()) return NoMember ? DISP_E_MEMBERNOTFOUND : S_FALSE;
      *Out = ToBstr(S);
      return *Out ? S_OK : E_OUTOFMEMORY;
    });
  }

  static HRESULT NoText(BSTR* Out) {
    if (!Out) return E_POINTER;
    *Out = nullptr;
    return S_FALSE;
  }

  LONG FRefs = 1;
  HWND FWnd;
  bool FStdChildren;
  IAccessible* FStd = nullptr;
};

}  // namespace

void NotifyAccessibleWindow(TWinControl* Control, TQvAccEvent Event, long ChildId) {
  if (!Control->HandleAllocated()) return;
  static constexpr DWORD Events[] = {EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE,
                                     EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_NAMECHANGE};
  NotifyWinEvent(Events[Event], Control->Handle(), OBJID_CLIENT, LONG(ChildId));
}

void NotifyAccessibleChild(TWinControl* Control, TQvAccEvent Event, int Index) {
  if (Index >= 0) NotifyAccessibleWindow(Control, Event, Index + 1);
}

intptr_t AccessibleObjectResult(TWinControl* Control, uintptr_t WParam, intptr_t LParam) {
  if (LONG(LParam) != LONG(OBJID_CLIENT) || !Control->HandleAllocated()) return 0;
  auto* Object = new TQvAccessibleObject(
      Control->Handle(), dynamic_cast<IQvAccessibleStdChildren*>(Control) != nullptr);
  LRESULT R = LresultFromObject(IidAccessible(), WPARAM(WParam), Object);
  if (R == LRESULT(CO_E_NOTINITIALIZED)) {
    // Marshalling needs COM on the window's thread; the GUI thread is an apartment
    // thread by convention, so it joins one the first time a client asks.
    OleInitialize(nullptr);
    R = LresultFromObject(IidAccessible(), WPARAM(WParam), Object);
  }
  Object->Release();
  return R < 0 ? 0 : intptr_t(R);
}

}  // namespace qv
