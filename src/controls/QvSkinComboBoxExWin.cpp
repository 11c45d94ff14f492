#include <windows.h>

#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinComboBoxEx.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinComboBoxEx>(), true);
// Posted to the combo itself: frees the popups closed meanwhile.
constexpr UINT kReleasePopups = WM_APP + 0x1C2;

bool Inside(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

}  // namespace

TQvSkinCustomComboBoxEx::TQvSkinCustomComboBoxEx(TComponent* AOwner)
    : TQvSkinPngEdit(AOwner),
      FItems(std::make_unique<TStringList>()),
      FCheckedItems(std::make_unique<TStringList>()),
      FValues(std::make_unique<TStringList>()),
      FOptions(std::make_unique<TComboBoxExOptions>()) {
  FDropArrow = EdItems()->AddItem();
  FDropArrow->Pos()->SetAlign(agRight);
  FDropArrow->Pos()->SetX(24);
  FDropArrow->Pos()->SetY(1);
  FDropArrow->SetImage(L"QvSkinDrop_arrow_normal");
  FDropArrow->SetImageHot(L"QvSkinDrop_arrow_hot");
  FDropArrow->SetImagePress(L"QvSkinDrop_arrow_hot");
  SetAutoSelect(false);
  Space()->SetActive(false);
  SetBounds(Left(), Top(), DefaultWidth, DefaultHeight);
  FItems->OnChange = [this](TObject*) { FCheckedItems->Clear(); };
  FCheckedItems->OnChange = [this](TObject*) {
    // Only an open check-box popup shows the list in the text.
    if (FPopupList_CheckBoxForm) UpdateCheckedText(FCheckedItems->Lines());
  };
}

TQvSkinCustomComboBoxEx::~TQvSkinCustomComboBoxEx() {
  FItems->OnChange = nullptr;
  FCheckedItems->OnChange = nullptr;
  // The popups are owned components and go with the combo; their handlers must not run.
  for (TQvComboExPopupForm* P : {static_cast<TQvComboExPopupForm*>(FPopupList_NormalForm),
                                 static_cast<TQvComboExPopupForm*>(FPopupList_CheckBoxForm)})
    if (P) P->qvkmndlg1()->OnMouseClickOutside = nullptr;
  for (TQvComboExPopupForm* P : FClosing) delete P;
}

void TQvSkinCustomComboBoxEx::SetStyle(TQvSkinCustomComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  const bool Pick = FStyle == csDropDownList;
  SetReadOnly(Pick);
  // The input method goes with the window; one not made yet takes the style in CreateWnd.
  if (HandleAllocated()) SetDisableIME(Pick);
  SetCursorVisible(!Pick);
  Invalidate();
}

void TQvSkinCustomComboBoxEx::CreateWnd() {
  TQvSkinPngEdit::CreateWnd();
  if (FStyle == csDropDownList && !DisableIME()) SetDisableIME(true);
}

void TQvSkinCustomComboBoxEx::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  FItemIndex = Value;
  SetTextAndChange(Value >= 0 && Value < FItems->Count() ? FItems->Strings(Value) : String());
}

void TQvSkinCustomComboBoxEx::SetTextAndChange(const String& Value) {
  // One OnChange, also when the text stays the same.
  if (Value == Text())
    Change();
  else
    SetText(Value);
}

void TQvSkinCustomComboBoxEx::DoDropArrowBtnClick(TObject*) {
  if (!FDropDown) {
    OpenPopup();
    return;
  }
  FDropDown = false;
  if (TPopupList_NormalForm* P = Popup()) P->qvkmndlg1()->Stop();
}

void TQvSkinCustomComboBoxEx::OpenPopup() {
  FDropDown = true;
  TPopupList_NormalForm* P;
  if (FOptions->CheckBoxSupport()) {
    auto* C = new TPopupList_CheckBoxForm(this);
    FPopupList_CheckBoxForm = C;
    P = C;
  } else {
    P = FPopupList_NormalForm = new TPopupList_NormalForm(this);
  }
  P->Font()->SetName(Font()->Name());
  P->edtKeyFilter()->Font()->SetName(Font()->Name());
  P->edtKeyFilter()->Font()->SetSize(Font()->Size());
  P->edtKeyFilter()->FontHint()->SetName(Font()->Name());
  P->vstList()->Font()->SetName(Font()->Name());
  P->vstList()->Font()->SetSize(Font()->Size());
  P->SetItemHeight(FItemHeight);
  P->SetOptions(FOptions.get());
  if (auto* C = FPopupList_CheckBoxForm) {
    C->OnCheckedChanged = [this](TObject* S) { DoCheckedChanged(S); };
    C->CheckedItems()->SetText(FCheckedItems->Text());
    C->SetItems(FItems.get());
  } else {
    P->SetItems(FItems.get());
    P->SetItemIndex(FItemIndex);
  }
  P->RefreshList(String());
  if (!FPopupList_CheckBoxForm && FItemIndex >= 0) P->vstList()->FocusRow(FItemIndex);
  P->qvkmndlg1()->OnMouseClickOutside = [this](TObject* S) {
    if (FPopupList_CheckBoxForm)
      DoMouseClickOutside_CheckBoxForm(S);
    else
      DoMouseClickOutside_NormalForm(S);
  };
  P->Popup(PopupPointFor(this, P->Height()));
  if (OnDropDown) OnDropDown(P);
}

void TQvSkinCustomComboBoxEx::ClosePopup(TQvComboExPopupForm* P) {
  P->qvkmndlg1()->OnMouseClickOutside = nullptr;
  if (P->HandleAllocated()) ShowWindow(P->Handle(), SW_HIDE);
  P->SetVisible(false);
  FClosing.push_back(P);
  if (HandleAllocated()) PostMessageW(Handle(), kReleasePopups, 0, 0);
  FDropDown = false;
  if (OnCloseUp) OnCloseUp(this);
}

void TQvSkinCustomComboBoxEx::DoMouseClickOutside_NormalForm(TObject*) {
  TPopupList_NormalForm* P = FPopupList_NormalForm;
  if (!P) return;
  FPopupList_NormalForm = nullptr;
  FItemIndex = P->ItemIndex();
  if (FItemIndex >= 0 && FItemIndex < FItems->Count())
    SetTextAndChange(FItems->Strings(FItemIndex));
  ClosePopup(P);
}

void TQvSkinCustomComboBoxEx::DoMouseClickOutside_CheckBoxForm(TObject*) {
  TPopupList_CheckBoxForm* P = FPopupList_CheckBoxForm;
  if (!P) return;
  FPopupList_CheckBoxForm = nullptr;
  {
    // Copied back without re-running the text rule.
    TScopedValue<TNotifyEvent> Quiet(FCheckedItems->OnChange, nullptr);
    FCheckedItems->SetText(P->CheckedItems()->Text());
  }
  ClosePopup(P);
}

void TQvSkinCustomComboBoxEx::UpdateCheckedText(const std::vector<String>& Checked) {
  const String J = JoinChecked(Checked);
  const int W = J.empty() ? 0 : GetTextWidth(1, int(J.size()), J);
  const int Arrow = FDropArrow->Rect().Width() > 0 ? FDropArrow->Rect().Width() : 24;
  SetText(CheckedText(Checked, W, Arrow, Width(), FOptions->ActiveTextCheckedTips(),
                      FOptions->TextCheckedTips()));
}

void TQvSkinCustomComboBoxEx::DoCheckedChanged(TObject*) {
  TPopupList_CheckBoxForm* P = FPopupList_CheckBoxForm;
  if (!P) return;
  UpdateCheckedText(P->CheckedItems()->Lines());
  if (OnCheckStateChanged)
    OnCheckStateChanged(this, P->CheckedItems()->Text(), P->GetCheckedItemIndex());
}

void TQvSkinCustomComboBoxEx::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (TPopupList_NormalForm* P = Popup(); P && FDropDown) {
    // The open popup takes the keys; Alt+Up/Down and F4 close it as a toggle.
    if (Key == VK_F4 || ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt))) {
      DoDropArrowBtnClick(this);
    } else {
      P->RouteKeyDown(Key);
    }
    Key = 0;
    return;
  }
  TQvSkinPngEdit::KeyDown(Key, Shift);
  if (Key == VK_UP || Key == VK_DOWN || Key == VK_F4) {
    DoDropArrowBtnClick(this);
    Key = 0;
  }
}

void TQvSkinCustomComboBoxEx::KeyPress(wchar_t& Key) {
  if (TPopupList_NormalForm* P = Popup(); P && FDropDown) {
    P->RouteKeyPress(Key);
    Key = 0;
    return;
  }
  TQvSkinPngEdit::KeyPress(Key);
}

void TQvSkinCustomComboBoxEx::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinPngEdit::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (FStyle == csDropDownList || Inside(FDropArrow->Rect(), X, Y)) DoDropArrowBtnClick(this);
}

bool TQvSkinCustomComboBoxEx::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TPopupList_NormalForm* P = Popup(); P && FDropDown)
    return P->vstList()->DoMouseWheel(Shift, WheelDelta, MousePos);
  return TQvSkinPngEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TQvSkinCustomComboBoxEx::WndProc(TMessage& Message) {
  if (Message.Msg == kReleasePopups) {
    std::vector<TQvComboExPopupForm*> Closing;
    Closing.swap(FClosing);
    for (TQvComboExPopupForm* P : Closing) delete P;
    return;
  }
  TQvSkinPngEdit::WndProc(Message);
}

TQvAccessibleInfo TQvSkinCustomComboBoxEx::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinPngEdit::AccessibleInfo();
  Info.Role = arComboBox;
  Info.Value = Text();
  if (FDropDown) Info.State.Include(asExpanded);
  Info.DefaultAction = FDropDown ? L"Close" : L"Open";
  return Info;
}

bool TQvSkinCustomComboBoxEx::DoAccessibleDefaultAction() {
  DoDropArrowBtnClick(this);
  return true;
}

const TPropTable& TQvSkinCustomComboBoxEx::Properties() const {
  using C = TQvSkinCustomComboBoxEx;
  static const TPropTable Table = TQvSkinPngEdit::Properties().With({
      ObjectProp(L"CheckedItems", &C::CheckedItems),
      Prop(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight, DefaultItemHeight),
      Prop(L"ItemIndex", &C::ItemIndex, &C::SetItemIndex, -1),
      ObjectProp(L"Items", &C::Items),
      ObjectProp(L"Options", &C::Options),
      EnumProp(L"Style", &C::Style, &C::SetStyle, TQvSkinCustomComboBoxStyleNames),
      ObjectProp(L"Values", &C::Values),
  });
  return Table;
}

}  // namespace qv
