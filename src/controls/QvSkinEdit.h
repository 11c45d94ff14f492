#pragma once
// TQvSkinPngEdit: a single-line edit that owns no platform edit window. It keeps its own
// text model (QvEditText.h), paints frame, items, hint text, characters, selection and
// caret into the skinned control's buffer, and reads the keyboard, the mouse, the
// clipboard and the input method itself. TQvSkinEdit publishes it.
#include <memory>
#include <unordered_map>

#include "controls/QvEditText.h"
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinEditItems.h"
#include "controls/QvSkinEditTips.h"
#include "graphics/SimpleTimer.h"
#include "host/Font.h"
#include "host/HintWindow.h"
#include "host/Menus.h"

namespace qv {

class TQvSkinImage;

class TQvSkinPngEdit : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinPngEdit)
 public:
  explicit TQvSkinPngEdit(TComponent* AOwner);
  ~TQvSkinPngEdit() override;

  static constexpr bool DefaultAutoSelect = true, DefaultBorderVisible = true,
                        DefaultCursorVisible = true;
  static constexpr const wchar_t* DefaultBorderNormal = L"QvSkinBorderNormal";
  static constexpr const wchar_t* DefaultBorderHot = L"QvSkinBorderHot";
  static constexpr TColor DefaultFontHintColor = TColor(0xB2B2B2);
  static constexpr Byte DefaultSelColorAlpha = 255;
  static constexpr Cardinal BlinkInterval = 500;

  // The text; the setter filters it, cuts it to MaxLength and puts the caret at 0.
  String Text() const override { return FEditText.Text(); }
  void SetText(const String& Value) override;
  TEditCharCase CharCase() const { return FEditText.CharCase; }
  void SetCharCase(TEditCharCase Value);
  TQvTextKind TextKind() const { return FEditText.TextKind; }
  void SetTextKind(TQvTextKind Value);
  virtual int GetMaxLength() const { return FEditText.MaxLength; }
  virtual void SetMaxLength(int Value);
  int MaxLength() const { return GetMaxLength(); }
  bool ReadOnly() const { return FEditText.ReadOnly; }
  void SetReadOnly(bool Value);
  // WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH are swallowed.
  bool BlockWinMsg() const { return FBlockWinMsg; }
  void SetBlockWinMsg(bool Value) { FBlockWinMsg = Value; }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  bool BorderVisible() const { return FBorderVisible; }
  void SetBorderVisible(bool Value) { FBorderVisible = Value; }
  const TQvResID& BorderNormal() const { return FBorderNormal; }
  void SetBorderNormal(const TQvResID& Value);
  const TQvResID& BorderHot() const { return FBorderHot; }
  void SetBorderHot(const TQvResID& Value);
  // Grey text shown while the edit is empty.
  const String& TextHint() const { return FTextHint; }
  void SetTextHint(const String& Value);
  // Keep the hint while the focused edit is still empty.
  bool TextHintHideInKey() const { return FTextHintHideInKey; }
  void SetTextHintHideInKey(bool Value) { FTextHintHideInKey = Value; }
  TFont* FontHint() const { return FFontHint.get(); }
  void SetFontHint(TFont* Value) { FFontHint->Assign(Value); }
  TColor CursorColor() const { return FCursorColor; }
  void SetCursorColor(TColor Value) { FCursorColor = Value; }
  bool CursorVisible() const { return FCursorVisible; }
  void SetCursorVisible(bool Value) { FCursorVisible = Value; }
  Byte SelColorAlpha() const { return FSelColorAlpha; }
  void SetSelColorAlpha(Byte Value) { FSelColorAlpha = Value; }
  bool ShowCheckBox() const { return FShowCheckBox; }
  void SetShowCheckBox(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // Detaches the window from its input context (and attaches it again).
  bool DisableIME() const { return FDisableIME; }
  void SetDisableIME(bool Value);
  TQvSpaceSize* Space() const { return FSpace.get(); }
  void SetSpace(TQvSpaceSize* Value) { FSpace->Assign(Value); }
  TQvEditItems* EdItems() const { return FItems.get(); }
  void SetEdItems(TQvEditItems* Value) { FItems->Assign(Value); }
  // The edit's balloon tips (owned); the application shows them, a typed key hides them.
  TQvSkinEditTips* Tips() const { return FTips; }
  // The item of the built-in check box once ShowCheckBox was set; nil before.
  TQvEditItem* CheckItem() const { return FCheckItem; }

  // Caret and selection.
  int CursorPos() const { return FEditText.CursorPos(); }
  virtual void SetCursorPos(int Value);
  int SelStart() const { return FEditText.SelStart(); }
  void SetSelStart(int Value);
  int SelLength() const { return FEditText.SelLength(); }
  void SetSelLength(int Value);
  String SelText() const { return GetSelText(); }
  virtual void SetSelText(const String& Value);
  String GetSelText() const { return FEditText.SelText(); }
  virtual int GetSelTextBuf(wchar_t* Buffer, int BufSize) const;
  // The text model (read-only view for tests and descendants).
  const TQvEditText& EditText() const { return FEditText; }
  // 1-based index of the first character drawn, and the caret's x after the last paint.
  int FirstDisplayChar() const { return FEditText.FirstDisplayChar(); }
  int CursorXPos() const { return FCursorXPos; }
  int LeftOffset() const { return FLeftOffset; }
  int RightOffset() const { return FRightOffset; }
  bool CursorShowing() const { return FCursorShowing; }
  bool Hot() const { return FHot; }

  // Undo of typing, pasting, cutting and deleting (a run of typed characters is one step).
  bool CanUndo() const { return FEditText.CanUndo() && !ReadOnly(); }
  bool CanRedo() const { return FEditText.CanRedo() && !ReadOnly(); }
  void Undo();
  void Redo();
  void ClearUndo() { FEditText.ClearUndo(); }
  // Kept for compatibility: the edit tracks no modified flag.
  bool Modified() const { return false; }
  void SetModified(bool) {}

  virtual void Clear() { SetText(String()); }
  void ClearSelection() { SetSelText(String()); }
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  // A new item inside EdItems.
  TQvEditItem* CreateNewItem();
  bool Focused() const override;

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChange;

 protected:
  // Fills the default context menu; DoDefaultPopupMenuPopupUp clears it first.
  virtual void DoDefaultPopupMenu(TPopupMenu* Menu);
  virtual void DoDefaultPopupMenuPopupUp(TObject* Sender);
  virtual void CalcFirstDisplayChar();
  virtual int GetTextHintHeight();
  virtual int GetTextHeight();
  // Width of Count characters from the 1-based Index of S (the text when S is empty).
  virtual int GetTextWidth(int Index, int Count, const String& S);
  virtual void DrawCursor(TBitmap32* Bitmap, int X, int Index);
  virtual TPoint HitTest(int X, int Y);
  virtual void DrawTexts(TBitmap32* Bitmap);
  virtual void DrawText(TBitmap32* Bitmap, int X, int Y, const String& Text, bool Selected);
  virtual void DrawItems(TBitmap32* Bitmap);
  virtual void DrawTextHint(TBitmap32* Bitmap);
  virtual String TextHandle(const String& Source, bool ClearText, bool Filter) {
    return FEditText.TextHandle(Source, ClearText, Filter);
  }
  // Width of one glyph (a character or a pair) in Font, cached per font.
  virtual int GlyphWidth(const wchar_t* Glyph, int Units);

  void DrawBody(TBitmap32* Bitmap) override;
  virtual void Change();
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Text area: left edge, right bound and top, as the layout rules give them.
  int TextLeft();
  int TextRight();
  int TextTop();
  int Scaled(int N) const;
  // Restarts the blink: caret visible, timer on when focused.
  void RestartCaret();
  // Inserts what a key or the input method delivered (hides the tips' place-holder).
  void InsertTyped(const String& S);
  void UpdateCheckImages();
  void ItemsChanged();

  TQvEditText FEditText;
  int FCursorXPos = 0;
  int FLeftOffset = 0, FRightOffset = 0;
  bool FCursorShowing = false;
  TShiftState FShiftState;
  bool FLeftHeld = false;
  bool FDisableCopy = false;
  bool FCharCaseChanged = false, FTextKindChanged = false;
  bool FCMFontChanged = false;
  // Composition string shown inline while the input method composes.
  String FComposition;
  // The first half of a pair typed as two characters, waiting for the second.
  wchar_t FPendingLead = 0;
  // The input method's composition (GCS_COMPSTR) or result (GCS_RESULTSTR) string.
  virtual String ImeString(uint32_t Index);

 private:
  friend class TQvEditItems;
  void DoBlink(TObject* Sender);
  void MenuEvent(TObject* Sender);
  void UpdateHotItem(int X, int Y);
  void ImeStartComposition();
  bool ImeComposition(intptr_t Flags);
  void PlaceImeWindows();
  int AvailWidth();
  void AfterCaretMove();
  // Drag outside the edge: the timer keeps stepping the caret.
  void DragScroll(TObject* Sender);

  bool FHot = false;
  bool FAutoSelect = DefaultAutoSelect;
  std::unique_ptr<TQvEditItems> FItems;
  std::unique_ptr<TQvSpaceSize> FSpace;
  TQvResID FBorderNormal = DefaultBorderNormal;
  TQvResID FBorderHot = DefaultBorderHot;
  bool FBorderVisible = DefaultBorderVisible;
  String FTextHint;
  std::unique_ptr<TFont> FFontHint;
  bool FTextHintHideInKey = false;
  TColor FCursorColor = clBlack;
  bool FCursorVisible = DefaultCursorVisible;
  std::unique_ptr<TSimpleTimer> FCursorTimer;
  std::unique_ptr<TSimpleTimer> FDragTimer;
  int FDragX = 0;
  Byte FSelColorAlpha = DefaultSelColorAlpha;
  bool FShowCheckBox = false;
  bool FChecked = false;
  TQvEditItem* FCheckItem = nullptr;
  bool FBlockWinMsg = false;
  bool FDisableIME = false;
  void* FHImc = nullptr;
  TPopupMenu* FDefaultPopupMenu = nullptr;  // owned as a component
  TQvSkinEditTips* FTips = nullptr;         // owned as a component
  std::unique_ptr<THintWindow> FHintWindow;
  // Glyph widths in the current font; cleared when the font changes.
  std::unordered_map<uint32_t, int> FWidthCache;
  std::unique_ptr<TBitmap32> FMeasure;
  // An input method's result already inserted: its WM_IME_CHAR / WM_CHAR echoes are dropped.
  String FImeEcho;
};

class TQvSkinEdit : public TQvSkinPngEdit {
  QV_CLASS(TQvSkinEdit)
 public:
  using TQvSkinPngEdit::TQvSkinPngEdit;
};

}  // namespace qv
