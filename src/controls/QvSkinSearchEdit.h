#pragma once
// TQvSkinSearchEdit: the self-drawn edit with a magnifier that, while the user types,
// shows its Items filtered by the typed text in an auto-complete list under it
// (TSEPopupListForm). The edit keeps the focus: Down and Up walk the list, copying the
// row into the edit, Enter accepts, an outside click closes.
#include "controls/QvComboExPopup.h"
#include "controls/QvSkinEdit.h"

namespace qv {

class TQvSkinSearchEdit : public TQvSkinPngEdit {
  QV_CLASS(TQvSkinSearchEdit)
 public:
  explicit TQvSkinSearchEdit(TComponent* AOwner);
  ~TQvSkinSearchEdit() override;

  static constexpr int DefaultWidth = 140;
  static constexpr const wchar_t* DefaultTextHint = L"Search";

  // Candidates; an empty list never opens the popup.
  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* Value) { FItems->Assign(Value); }
  TSEPopupListOptions* Options() const { return FOptions.get(); }
  void SetOptions(TSEPopupListOptions* Value) { FOptions->Assign(Value); }
  bool DroppedDown() const { return FDropDown; }
  // The open list, nil when closed.
  TSEPopupListForm* PopupList() const { return FPopup; }

  // Opens the list filtered by the text, or filters the open one again.
  virtual void DoPupupList();

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

 protected:
  // The popup's outside-click handler: takes the accepted row and closes.
  virtual void DoMouseClickOutside(TObject* Sender);
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;

 private:
  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TSEPopupListOptions> FOptions;
  bool FDropDown = false;
  bool FIgnoreClick = false;
  TSEPopupListForm* FPopup = nullptr;
  std::vector<TSEPopupListForm*> FClosing;  // hidden, freed on the posted message
};

}  // namespace qv
