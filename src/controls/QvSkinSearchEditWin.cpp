#include <windows.h>

#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinSearchEdit.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinSearchEdit>(), true);
// Posted to the edit itself: frees the lists closed meanwhile.
constexpr UINT kReleasePopups = WM_APP + 0x1C3;
}  // namespace

TQvSkinSearchEdit::TQvSkinSearchEdit(TComponent* AOwner)
    : TQvSkinPngEdit(AOwner),
      FItems(std::make_unique<TStringList>()),
      FOptions(std::make_unique<TSEPopupListOptions>()) {
  SetBounds(Left(), Top(), DefaultWidth, Height());
  SetTextHint(DefaultTextHint);
  Space()->SetActive(false);
  TQvEditItem* Icon = EdItems()->AddItem();
  Icon->SetKind(ikImage);
  Icon->SetImage(L"QvSkinSearch_icon");
  Icon->Pos()->SetX(4);
  Icon->Pos()->SetY(5);
}

TQvSkinSearchEdit::~TQvSkinSearchEdit() {
  if (FPopup) FPopup->qvkmndlg1()->OnMouseClickOutside = nullptr;
  for (TSEPopupListForm* P : FClosing) delete P;
}

void TQvSkinSearchEdit::DoPupupList() {
  if (FDropDown && FPopup) {
    FPopup->SetFilter(Text());
    return;
  }
  FDropDown = true;
  if (OnDropDown) OnDropDown(this);
  FPopup = new TSEPopupListForm(this);
  FPopup->SetOptions(FOptions.get());
  FPopup->Font()->SetName(Font()->Name());
  FPopup->vstList()->Font()->SetName(Font()->Name());
  FPopup->vstList()->Font()->SetSize(Font()->Size());
  FPopup->SetItems(FItems.get());
  FPopup->SetFilter(Text());
  FPopup->qvkmndlg1()->OnMouseClickOutside = [this](TObject* S) { DoMouseClickOutside(S); };
  FPopup->Popup(PopupPointFor(this, FPopup->Height()));
}

void TQvSkinSearchEdit::DoMouseClickOutside(TObject*) {
  if (FIgnoreClick || !FPopup) return;
  TSEPopupListForm* P = FPopup;
  FPopup = nullptr;
  const int Index = P->ItemIndex();
  if (Index >= 0 && Index < FItems->Count()) {
    SetText(FItems->Strings(Index));
    SetCursorPos(int(Text().size()));
  }
  P->qvkmndlg1()->OnMouseClickOutside = nullptr;
  if (P->HandleAllocated()) ShowWindow(P->Handle(), SW_HIDE);
  P->SetVisible(false);
  if (SEPopupListForm == P) SEPopupListForm = nullptr;
  FClosing.push_back(P);
  if (HandleAllocated()) PostMessageW(Handle(), kReleasePopups, 0, 0);
  FDropDown = false;
  if (OnCloseUp) OnCloseUp(this);
}

void TQvSkinSearchEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinPngEdit::KeyDown(Key, Shift);
  if (FItems->Count() == 0) return;
  switch (Key) {
    case VK_RETURN:
      if (FPopup) FPopup->Done();
      break;
    case VK_DOWN:
    case VK_UP:
      if (FPopup) {
        TScopedValue<bool> Ignore(FIgnoreClick, true);
        if (Key == VK_DOWN)
          FPopup->SelectNext();
        else
          FPopup->SelectPrev();
      }
      break;
    case VK_ESCAPE:
      // Closes the list keeping the typed text.
      if (FPopup) FPopup->DoSelected(true);
      break;
  }
}

void TQvSkinSearchEdit::KeyPress(wchar_t& Key) {
  TQvSkinPngEdit::KeyPress(Key);
  if (FItems->Count() > 0 && Key != VK_RETURN && Key != VK_ESCAPE) DoPupupList();
}

void TQvSkinSearchEdit::WndProc(TMessage& Message) {
  if (Message.Msg == kReleasePopups) {
    std::vector<TSEPopupListForm*> Closing;
    Closing.swap(FClosing);
    for (TSEPopupListForm* P : Closing) delete P;
    return;
  }
  TQvSkinPngEdit::WndProc(Message);
}

TQvAccessibleInfo TQvSkinSearchEdit::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinPngEdit::AccessibleInfo();
  Info.Role = arEditableText;
  if (FDropDown) Info.State.Include(asExpanded);
  return Info;
}

const TPropTable& TQvSkinSearchEdit::Properties() const {
  using C = TQvSkinSearchEdit;
  static const TPropTable Table = TQvSkinPngEdit::Properties().With({
      ObjectProp(L"Items", &C::Items),
      ObjectProp(L"Options", &C::Options),
      Prop(L"TextHint", &C::TextHint, &C::SetTextHint, DefaultTextHint),
  });
  return Table;
}

}  // namespace qv
