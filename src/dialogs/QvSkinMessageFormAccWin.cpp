// The message box's client object for assistive technology: the platform's standard proxy
// of the window, told that it is a dialog named by its title.
#include <windows.h>
// windows.h first: the OLE headers depend on it.
#include <oleacc.h>

#include "controls/QvAccessibleWin.h"
#include "dialogs/QvSkinMessageFormAcc.h"

namespace qv {

namespace {

class TDialogAccessible final : public IAccessible {
 public:
  TDialogAccessible(IAccessible* Std, const String& Name) : FStd(Std), FName(Name) {}
  ~TDialogAccessible() { FStd->Release(); }

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

  // The dialog itself: its role and its title; everything else is the proxy's.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT Child, VARIANT* Role) override {
    if (!Self(Child)) return FStd->get_accRole(Child, Role);
    if (!Role) return E_POINTER;
    Role->vt = VT_I4;
    Role->lVal = ROLE_SYSTEM_DIALOG;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT Child, BSTR* Name) override {
    if (!Self(Child)) return FStd->get_accName(Child, Name);
    if (!Name) return E_POINTER;
    *Name = SysAllocStringLen(FName.data(), UINT(FName.size()));
    return S_OK;
  }

#define QV_FORWARD(Method, Params, Args)             \
  HRESULT STDMETHODCALLTYPE Method Params override { \
    return FStd->Method Args;                        \
  }
  QV_FORWARD(GetTypeInfoCount, (UINT * C), (C))
  QV_FORWARD(GetTypeInfo, (UINT I, LCID L, ITypeInfo** T), (I, L, T))
  QV_FORWARD(GetIDsOfNames, (REFIID R, LPOLESTR* N, UINT C, LCID L, DISPID* D), (R, N, C, L, D))
  QV_FORWARD(Invoke,
             (DISPID D, REFIID R, LCID L, WORD F, DISPPARAMS* P, VARIANT* V, EXCEPINFO* E, UINT* A),
             (D, R, L, F, P, V, E, A))
  QV_FORWARD(get_accParent, (IDispatch * *P), (P))
  QV_FORWARD(get_accChildCount, (LONG * C), (C))
  QV_FORWARD(get_accChild, (VARIANT C, IDispatch** D), (C, D))
  QV_FORWARD(get_accValue, (VARIANT C, BSTR* B), (C, B))
  QV_FORWARD(get_accDescription, (VARIANT C, BSTR* B), (C, B))
  QV_FORWARD(get_accState, (VARIANT C, VARIANT* S), (C, S))
  QV_FORWARD(get_accHelp, (VARIANT C, BSTR* B), (C, B))
  QV_FORWARD(get_accHelpTopic, (BSTR * F, VARIANT C, LONG* T), (F, C, T))
  QV_FORWARD(get_accKeyboardShortcut, (VARIANT C, BSTR* B), (C, B))
  QV_FORWARD(get_accFocus, (VARIANT * F), (F))
  QV_FORWARD(get_accSelection, (VARIANT * S), (S))
  QV_FORWARD(get_accDefaultAction, (VARIANT C, BSTR* B), (C, B))
  QV_FORWARD(accSelect, (LONG F, VARIANT C), (F, C))
  QV_FORWARD(accLocation, (LONG * X, LONG* Y, LONG* W, LONG* H, VARIANT C), (X, Y, W, H, C))
  QV_FORWARD(accNavigate, (LONG D, VARIANT S, VARIANT* E), (D, S, E))
  QV_FORWARD(accHitTest, (LONG X, LONG Y, VARIANT* C), (X, Y, C))
  QV_FORWARD(accDoDefaultAction, (VARIANT C), (C))
  QV_FORWARD(put_accName, (VARIANT C, BSTR N), (C, N))
  QV_FORWARD(put_accValue, (VARIANT C, BSTR V), (C, V))
#undef QV_FORWARD

 private:
  static bool Self(const VARIANT& Child) {
    return Child.vt == VT_I4 && Child.lVal == CHILDID_SELF;
  }
  LONG FRefs = 1;
  IAccessible* FStd;
  String FName;
};

}  // namespace

intptr_t DialogAccessibleResult(HWND Wnd, const String& Name, uintptr_t WParam, intptr_t LParam) {
  if (LONG(LParam) != LONG(OBJID_CLIENT)) return 0;
  IAccessible* Std = nullptr;
  if (FAILED(CreateStdAccessibleObject(Wnd, OBJID_CLIENT, IidAccessible(),
                                       reinterpret_cast<void**>(&Std))) ||
      !Std)
    return 0;
  auto* Object = new TDialogAccessible(Std, Name);
  LRESULT R = LresultFromObject(IidAccessible(), WPARAM(WParam), Object);
  if (R == LRESULT(CO_E_NOTINITIALIZED)) {
    // As for the controls: the GUI thread joins an apartment when a client first asks.
    OleInitialize(nullptr);
    R = LresultFromObject(IidAccessible(), WPARAM(WParam), Object);
  }
  Object->Release();
  return R < 0 ? 0 : intptr_t(R);
}

}  // namespace qv
