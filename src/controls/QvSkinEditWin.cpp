#include <windows.h>

#include <algorithm>

#include "controls/QvSkinEdit.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered =
    (RegisterComponentClass<TQvSkinPngEdit>(), RegisterComponentClass<TQvSkinEdit>(), true);

constexpr Cardinal kDragInterval = 50;

}  // namespace

TQvSkinPngEdit::TQvSkinPngEdit(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FItems(std::make_unique<TQvEditItems>(this)),
      FSpace(std::make_unique<TQvSpaceSize>()),
      FFontHint(std::make_unique<TFont>()),
      FCursorTimer(std::make_unique<TSimpleTimer>(BlinkInterval)),
      FDragTimer(std::make_unique<TSimpleTimer>(kDragInterval)),
      FHintWindow(std::make_unique<THintWindow>(nullptr)),
      FMeasure(std::make_unique<TBitmap32>()) {
  FSpace->SetLeft(4);
  FSpace->SetTop(6);
  FSpace->SetRight(4);
  FSpace->SetBottom(6);
  FSpace->OnChange = [this](TObject*) { Invalidate(); };
  FFontHint->SetColor(DefaultFontHintColor);
  FCursorTimer->SetOnTimer([this](TObject* S) { DoBlink(S); });
  FDragTimer->SetOnTimer([this](TObject* S) { DragScroll(S); });
  SetColor(clWhite);
  SetBounds(Left(), Top(), 120, 26);
  SetCursor(crIBeam);
  SetTabStop(true);
  TControlStyle Style = ControlStyle();
  Style.Include(csCaptureMouse);
  Style.Include(csClickEvents);
  Style.Include(csDoubleClicks);
  SetControlStyle(Style);
  FMeasure->SetSize(1, 1);
  FTips = new TQvSkinEditTips(this);
  FDefaultPopupMenu = new TPopupMenu(this);
  FDefaultPopupMenu->OnPopup = [this](TObject* S) { DoDefaultPopupMenuPopupUp(S); };
}

TQvSkinPngEdit::~TQvSkinPngEdit() {
  FCursorTimer->SetEnabled(false);
  FDragTimer->SetEnabled(false);
  FSpace->OnChange = nullptr;
  // The items' collection tells the edit about every change; not while it goes.
  MarkDestroying();
  FItems.reset();
}

int TQvSkinPngEdit::Scaled(int N) const {
  return GetDPIScaledPixels(this, N);
}

// ---- properties ---------------------------------------------------------------------

void TQvSkinPngEdit::SetText(const String& Value) {
  if (!FEditText.SetText(Value)) return;
  FComposition.clear();
  SetCursorPos(0);
  CalcFirstDisplayChar();
  Change();
}

void TQvSkinPngEdit::SetCharCase(TEditCharCase Value) {
  if (FEditText.CharCase == Value) return;
  FEditText.CharCase = Value;
  FCharCaseChanged = true;
  Invalidate();
}

void TQvSkinPngEdit::SetTextKind(TQvTextKind Value) {
  if (FEditText.TextKind == Value) return;
  FEditText.TextKind = Value;
  FTextKindChanged = true;
  Invalidate();
}

void TQvSkinPngEdit::SetMaxLength(int Value) {
  FEditText.MaxLength = std::max(Value, 0);
  if (FEditText.MaxLength > 0 && FEditText.Length() > FEditText.MaxLength)
    SetText(FEditText.Text().substr(0, size_t(FEditText.MaxLength)));
}

void TQvSkinPngEdit::SetReadOnly(bool Value) {
  if (FEditText.ReadOnly == Value) return;
  FEditText.ReadOnly = Value;
  NotifyAccessible(aeStateChange);
}

void TQvSkinPngEdit::SetBorderNormal(const TQvResID& Value) {
  if (FBorderNormal == Value) return;
  FBorderNormal = Value;
  Invalidate();
}

void TQvSkinPngEdit::SetBorderHot(const TQvResID& Value) {
  if (FBorderHot == Value) return;
  FBorderHot = Value;
  Invalidate();
}

void TQvSkinPngEdit::SetTextHint(const String& Value) {
  if (FTextHint == Value) return;
  FTextHint = Value;
  Invalidate();
}

void TQvSkinPngEdit::SetShowCheckBox(bool Value) {
  if (FShowCheckBox == Value) return;
  FShowCheckBox = Value;
  if (Value && !FCheckItem) {
    FCheckItem = FItems->AddItem();
    FCheckItem->Pos()->SetY(6);
    FCheckItem->Pos()->SetX(5);
    UpdateCheckImages();
  }
  if (FCheckItem) FCheckItem->SetVisible(Value);
}

void TQvSkinPngEdit::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  UpdateCheckImages();
  NotifyAccessible(aeStateChange);
}

void TQvSkinPngEdit::UpdateCheckImages() {
  if (!FCheckItem) return;
  FCheckItem->SetImage(FChecked ? L"QvSkinCheckedCheckbox_18" : L"QvSkinUncheckedCheckbox_18");
  FCheckItem->SetImageHot(FChecked ? L"QvSkinCheckedCheckbox_18_h"
                                   : L"QvSkinUncheckedCheckbox_18_h");
}

void TQvSkinPngEdit::SetDisableIME(bool Value) {
  if (FDisableIME == Value) return;
  FDisableIME = Value;
  if (!HandleAllocated()) HandleNeeded();
  if (Value) {
    HIMC Imc = ImmGetContext(Handle());
    FHImc = Imc;
    if (Imc) ImmAssociateContext(Handle(), nullptr);
    ImmReleaseContext(Handle(), Imc);
  } else {
    ImmAssociateContext(Handle(), HIMC(FHImc));
    FHImc = nullptr;
  }
}

TQvEditItem* TQvSkinPngEdit::CreateNewItem() {
  return FItems->AddItem();
}

void TQvSkinPngEdit::ItemsChanged() {
  if (!Destroying()) Invalidate();
}

bool TQvSkinPngEdit::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

// ---- caret and selection -------------------------------------------------------------

void TQvSkinPngEdit::RestartCaret() {
  FCursorTimer->SetEnabled(false);
  FCursorShowing = true;
  if (Focused()) FCursorTimer->SetEnabled(true);
}

void TQvSkinPngEdit::AfterCaretMove() {
  RestartCaret();
  CalcFirstDisplayChar();
  Invalidate();
}

void TQvSkinPngEdit::SetCursorPos(int Value) {
  FEditText.SetCursorPos(Value, FShiftState.Contains(ssShift) || FLeftHeld);
  AfterCaretMove();
}

void TQvSkinPngEdit::SetSelStart(int Value) {
  FEditText.SetSelStart(Value);
  Invalidate();
}

void TQvSkinPngEdit::SetSelLength(int Value) {
  FEditText.SetSelLength(Value);
  Invalidate();
}

void TQvSkinPngEdit::SelectAll() {
  FEditText.SelectAll();
  Invalidate();
}

void TQvSkinPngEdit::SetSelText(const String& Value) {
  if (!FEditText.InsertText(Value)) return;
  AfterCaretMove();
  Change();
}

void TQvSkinPngEdit::InsertTyped(const String& S) {
  // A result, however it came, ends the composition shown inline.
  FComposition.clear();
  FTips->Hide();
  if (!FEditText.InsertText(S, true)) return;
  AfterCaretMove();
  Change();
}

int TQvSkinPngEdit::GetSelTextBuf(wchar_t* Buffer, int BufSize) const {
  const String S = GetSelText();
  const int N = std::max(0, std::min(BufSize, int(S.size())));
  std::copy_n(S.data(), N, Buffer);
  return N;
}

void TQvSkinPngEdit::Undo() {
  if (!FEditText.Undo()) return;
  AfterCaretMove();
  Change();
}

void TQvSkinPngEdit::Redo() {
  if (!FEditText.Redo()) return;
  AfterCaretMove();
  Change();
}

void TQvSkinPngEdit::Change() {
  RestartCaret();
  Invalidate();
  NotifyAccessible(aeValueChange);
  if (!FCMFontChanged && OnChange) OnChange(this);
}

void TQvSkinPngEdit::DoBlink(TObject*) {
  if (Designing()) return;
  if (Focused()) {
    FCursorShowing = !FCursorShowing;
  } else {
    FCursorTimer->SetEnabled(false);
    FCursorShowing = false;
  }
  Invalidate();
}

// ---- clipboard ------------------------------------------------------------------------

void TQvSkinPngEdit::CopyToClipboard() {
  if (FDisableCopy || SelLength() == 0) return;
  const String S = GetSelText();
  if (!OpenClipboard(HandleAllocated() ? Handle() : nullptr)) return;
  auto Close = TScopeExit([] { CloseClipboard(); });
  EmptyClipboard();
  HGLOBAL Mem = GlobalAlloc(GMEM_MOVEABLE, (S.size() + 1) * sizeof(wchar_t));
  if (!Mem) return;
  if (auto* P = static_cast<wchar_t*>(GlobalLock(Mem))) {
    std::copy_n(S.c_str(), S.size() + 1, P);
    GlobalUnlock(Mem);
    if (SetClipboardData(CF_UNICODETEXT, Mem)) return;
  }
  GlobalFree(Mem);
}

void TQvSkinPngEdit::CutToClipboard() {
  if (FDisableCopy || ReadOnly()) return;
  CopyToClipboard();
  SetSelText(String());
}

namespace {

// The clipboard's text, read no further than its memory block; empty when there is none.
String ClipboardText(HWND Owner) {
  String S;
  if (!OpenClipboard(Owner)) return S;
  auto Close = TScopeExit([] { CloseClipboard(); });
  HANDLE Data = GetClipboardData(CF_UNICODETEXT);
  if (!Data) return S;
  const size_t Units = GlobalSize(Data) / sizeof(wchar_t);
  if (auto* P = static_cast<const wchar_t*>(GlobalLock(Data))) {
    S.assign(P, std::find(P, P + Units, L'\0'));
    GlobalUnlock(Data);
  }
  return S;
}

}  // namespace

void TQvSkinPngEdit::PasteFromClipboard() {
  if (ReadOnly()) return;
  const String S = FirstLine(ClipboardText(HandleAllocated() ? Handle() : nullptr));
  if (!S.empty()) SetSelText(S);
}

// ---- layout and measuring --------------------------------------------------------------

int TQvSkinPngEdit::TextLeft() {
  return FLeftOffset + (FSpace->Active() ? Scaled(FSpace->Left()) : Scaled(8));
}

int TQvSkinPngEdit::TextRight() {
  return Width() - (FRightOffset + (FSpace->Active() ? Scaled(FSpace->Right()) : Scaled(8)));
}

int TQvSkinPngEdit::TextTop() {
  return FSpace->Active() ? Scaled(FSpace->Top()) : (Height() - GetTextHeight()) / 2;
}

int TQvSkinPngEdit::GetTextHeight() {
  if (!Parent()) return 12;
  FMeasure->Font()->Assign(Font());
  SetDPIScaledFont(this, FMeasure->Font());
  return FMeasure->TextHeight(L"Wg");
}

int TQvSkinPngEdit::GetTextHintHeight() {
  if (!Parent()) return 12;
  FMeasure->Font()->Assign(FFontHint.get());
  FMeasure->Font()->SetSize(Font()->Size());
  SetDPIScaledFont(this, FMeasure->Font());
  return FMeasure->TextHeight(L"Wg");
}

int TQvSkinPngEdit::GlyphWidth(const wchar_t* Glyph, int Units) {
  if (!Parent()) return 0;
  const uint32_t Key =
      Units == 2 ? 0x10000 + ((uint32_t(Glyph[0]) - 0xD800) << 10) + (uint32_t(Glyph[1]) - 0xDC00)
                 : uint32_t(Glyph[0]);
  if (auto It = FWidthCache.find(Key); It != FWidthCache.end()) return It->second;
  FMeasure->Font()->Assign(Font());
  SetDPIScaledFont(this, FMeasure->Font());
  const int W = FMeasure->TextWidth(String(Glyph, size_t(Units)));
  FWidthCache.emplace(Key, W);
  return W;
}

int TQvSkinPngEdit::GetTextWidth(int Index, int Count, const String& S) {
  const String& T = S.empty() ? FEditText.Text() : S;
  int I = std::max(Index, 1) - 1;
  const int End = std::min(int(T.size()), I + std::max(Count, 0));
  int W = 0;
  while (I < End) {
    const int U = IsLeadSurrogate(T[size_t(I)]) && I + 1 < int(T.size()) ? 2 : 1;
    W += GlyphWidth(T.data() + I, U);
    I += U;
  }
  return W;
}

int TQvSkinPngEdit::AvailWidth() {
  const int Margins = FLeftOffset + FRightOffset +
                      (FSpace->Active() ? Scaled(FSpace->Left()) + Scaled(FSpace->Right()) : 12);
  return Width() - Margins;
}

void TQvSkinPngEdit::CalcFirstDisplayChar() {
  FEditText.CalcFirstDisplayChar(AvailWidth(),
                                 [this](const wchar_t* G, int U) { return GlyphWidth(G, U); });
}

TPoint TQvSkinPngEdit::HitTest(int X, int Y) {
  const int E = FLeftOffset + (FSpace->Active() ? Scaled(FSpace->Left()) : 8);
  const int Limit = Width() - (FRightOffset + (FSpace->Active() ? Scaled(FSpace->Right()) : 8));
  return TPoint(
      FEditText.HitTest(X, E, Limit, [this](const wchar_t* G, int U) { return GlyphWidth(G, U); }),
      0);
}

// ---- painting ------------------------------------------------------------------------------

void TQvSkinPngEdit::DrawBody(TBitmap32* Bitmap) {
  auto Updating = UpdateScope(*Bitmap);
  if (FBorderVisible) {
    TQvSkinImage* Frame = nullptr;
    if (Focused() || FHot) Frame = SkinPicture(FBorderHot);
    if (!Frame) Frame = SkinPicture(FBorderNormal);
    if (Frame) StretchBitmap(Frame, Bitmap, false);
  }
  if (Color() != clWhite) Bitmap->FillRectS(2, 2, Width() - 2, Height() - 2, Color32(Color()));
  DrawItems(Bitmap);
  DrawTextHint(Bitmap);
  if (FCharCaseChanged || FTextKindChanged) {
    FEditText.ApplyCase();
    FCharCaseChanged = FTextKindChanged = false;
  }
  DrawTexts(Bitmap);
}

void TQvSkinPngEdit::DrawItems(TBitmap32* Bitmap) {
  const int W = Width();
  const bool Pressed = FLeftHeld;
  for (int I = 0; I < FItems->Count(); ++I) {
    TQvEditItem* Item = FItems->Item(I);
    const TPoint P0 = GetDPIScaledPixels(this, TPoint(Item->Pos()->X(), Item->Pos()->Y()));
    const bool Left = Item->Pos()->Align() == agLeft;
    const int DrawX = Left ? P0.X : W - P0.X, DrawY = P0.Y;
    TQvSkinImage* Pic = Item->Kind() == ikText ? nullptr : SkinPicture(Item->Image());
    TSize Size{0, 0};
    if (Item->Kind() == ikText) {
      Bitmap->Font()->Assign(Item->Font());
      SetDPIScaledFont(this, Bitmap->Font());
      Size = Bitmap->TextExtent(Item->Text());
    } else if (Pic) {
      Size = TSize{Pic->Width(), Pic->Height()};
    }
    Item->FRect = (Item->Kind() != ikText && !Pic)
                      ? Rect(DrawX, DrawY, 0, 0)
                      : Rect(DrawX, DrawY, DrawX + Size.cx, DrawY + Size.cy);
    const TRect R = Item->FRect;
    if (Item->MakeSpace()) {
      if (Item->Visible()) {
        if (Left && (R.Right > FLeftOffset || FLeftOffset == 0)) FLeftOffset = std::max(R.Right, 0);
        if (!Left && (W - R.Left > FRightOffset || FRightOffset == 0))
          FRightOffset = std::max(W - R.Left, 0);
      } else {
        // A hidden item gives its room back.
        if (Left && !(R.Right > FLeftOffset))
          FLeftOffset = std::max(FLeftOffset - P0.X - R.Width(), 0);
        if (!Left && !(P0.X > FRightOffset)) FRightOffset = std::max(FRightOffset - P0.X, 0);
      }
    }
    if (!Item->Visible()) continue;
    switch (Item->Kind()) {
      case ikImage:
        if (Pic) Bitmap->Draw(DrawX, DrawY, Pic);
        break;
      case ikButton: {
        TQvSkinImage* Show = nullptr;
        const bool IsHot = FItems->HotIndex() == I;
        if (IsHot && Pressed) Show = SkinPicture(Item->ImagePress());
        if (IsHot && !Show) Show = SkinPicture(Item->ImageHot());
        if (!Show) Show = Pic;
        if (Show) Bitmap->Draw(DrawX, DrawY, Show);
        break;
      }
      case ikText:
        if (!Enabled()) Bitmap->Font()->SetColor(TColor(0xCCCCCC));
        Bitmap->Textout(DrawX, DrawY, Item->Text());
        break;
    }
  }
}

void TQvSkinPngEdit::DrawTextHint(TBitmap32* Bitmap) {
  if (!FEditText.Text().empty() || FTextHint.empty() || !FComposition.empty()) return;
  if (Focused() && !FTextHintHideInKey) return;
  FFontHint->SetSize(Font()->Size());
  const int X = FLeftOffset + Scaled(FSpace->Active() ? FSpace->Left() : 8);
  const int Y = FSpace->Active() ? Scaled(FSpace->Top()) : (Height() - GetTextHintHeight()) / 2;
  Bitmap->Font()->Assign(FFontHint.get());
  SetDPIScaledFont(this, Bitmap->Font());
  if (!Enabled()) Bitmap->Font()->SetColor(TColor(0xCCCCCC));
  Bitmap->Textout(X, Y, FTextHint);
}

void TQvSkinPngEdit::DrawTexts(TBitmap32* Bitmap) {
  const int XL = TextLeft(), XR = TextRight(), YT = TextTop();
  const String& T = FEditText.Text();
  const int Len = int(T.size()), SelStartV = SelStart(), SelLen = SelLength();
  Bitmap->Font()->Assign(Font());
  SetDPIScaledFont(this, Bitmap->Font());
  FCursorXPos = XL;
  int X = XL, SelX = -1;
  for (int I = FEditText.FirstDisplayChar(); I <= Len;) {
    const int U = FEditText.GlyphUnits(I - 1);
    const bool Selected = SelLen > 0 && SelStartV < I && SelStartV + SelLen >= I;
    DrawText(Bitmap, X, YT, T.substr(size_t(I) - 1, size_t(U)), Selected);
    X += GlyphWidth(T.data() + I - 1, U);
    if (SelStartV == I + U - 1) SelX = X;
    if (X >= XR) break;
    I += U;
  }
  const int First = FEditText.FirstDisplayChar();
  FCursorXPos = SelX >= 0 ? SelX : XL + GetTextWidth(First, CursorPos() - First + 1, String()) - 1;
  if (!FComposition.empty()) {
    // The input method's composition, inline at the caret and underlined; the caret
    // follows its end.
    const TSize Ext = Bitmap->TextExtent(FComposition);
    const int CX = FCursorXPos + 1;
    Bitmap->FillRectS(CX, YT, CX + Ext.cx, YT + Ext.cy, Color32(Color()));
    Bitmap->Textout(CX, YT, FComposition);
    Bitmap->HorzLineS(CX, YT + Ext.cy, CX + Ext.cx, Color32(Font()->Color()));
    FCursorXPos = CX + Ext.cx;
  }
  if (Focused() && FCursorShowing)
    DrawCursor(Bitmap, FCursorXPos, (Len == 0 || CursorPos() == 0) ? 0 : -1);
}

void TQvSkinPngEdit::DrawText(TBitmap32* Bitmap, int X, int Y, const String& Text, bool Selected) {
  TFont* F = Bitmap->Font();
  const TColor Saved = F->Color();
  if (!Enabled()) F->SetColor(TColor(0xCCCCCC));
  if (Selected && Enabled()) {
    const TSize Ext = Bitmap->TextExtent(Text);
    const TRect R = Rect(X, Y - 1, X + Ext.cx, Y + Ext.cy + 1);
    if (FSelColorAlpha == 255) {
      F->SetColor(clHighlightText);
      Bitmap->FillRectS(R, Color32(clHighlight));
    } else {
      Bitmap->FillRectTS(R, SetAlpha(Color32(clHighlight), FSelColorAlpha));
    }
  }
  Bitmap->Textout(X, Y, Text);
  F->SetColor(Saved);
}

void TQvSkinPngEdit::DrawCursor(TBitmap32* Bitmap, int X, int Index) {
  if (!FCursorVisible) return;
  const int Extra = Index < 1 ? 0 : GetTextWidth(Index, 1, String()) - 1;
  const int TH = GetTextHeight();
  const int Top = FSpace->Active() ? Scaled(FSpace->Top()) : (Bitmap->Height() - TH) / 2;
  Bitmap->VertLineS(X + Extra, Top, Top + TH, Color32(FCursorColor));
}

// ---- focus, keys and mouse -----------------------------------------------------------------

void TQvSkinPngEdit::DoEnter() {
  TQvSkinCustomControl::DoEnter();
  RestartCaret();
  if (FAutoSelect)
    FEditText.SelectAll();
  else
    FEditText.SetSelLength(0);
  Invalidate();
}

void TQvSkinPngEdit::DoExit() {
  TQvSkinCustomControl::DoExit();
  FCursorTimer->SetEnabled(false);
  FHot = false;
  if (FAutoSelect) FEditText.SetSelStart(0);
  FEditText.SetSelLength(0);
  FComposition.clear();
  Invalidate();
}

void TQvSkinPngEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomControl::KeyDown(Key, Shift);
  FShiftState = Shift;
  const bool Ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_BACK:
      if (FEditText.DeleteBack()) {
        AfterCaretMove();
        Change();
      }
      break;
    case VK_DELETE:
      if (FEditText.DeleteForward()) {
        AfterCaretMove();
        Change();
      }
      break;
    case VK_HOME:
      SetCursorPos(0);
      break;
    case VK_END:
      SetCursorPos(FEditText.Length());
      break;
    case VK_LEFT:
      SetCursorPos(Ctrl ? FEditText.WordLeft(CursorPos()) : FEditText.StepLeft(CursorPos()));
      break;
    case VK_RIGHT:
      SetCursorPos(Ctrl ? FEditText.WordRight(CursorPos()) : FEditText.StepRight(CursorPos()));
      break;
    default:
      if (!Ctrl || Shift.Contains(ssAlt)) break;
      switch (Key) {
        case 'A':
          SelectAll();
          break;
        case 'C':
          CopyToClipboard();
          break;
        case 'V':
          PasteFromClipboard();
          break;
        case 'X':
          CutToClipboard();
          break;
        case 'Z':
          if (Shift.Contains(ssShift))
            Redo();
          else
            Undo();
          break;
        case 'Y':
          Redo();
          break;
        default:
          break;
      }
  }
}

void TQvSkinPngEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomControl::KeyUp(Key, Shift);
  FShiftState = Shift;
}

void TQvSkinPngEdit::KeyPress(wchar_t& Key) {
  // The input method's result was inserted already: its echoes as characters are dropped.
  if (!FImeEcho.empty()) {
    if (Key == FImeEcho.front()) {
      FImeEcho.erase(0, 1);
      return;
    }
    FImeEcho.clear();
  }
  if (Key < 32 || ReadOnly()) {
    TQvSkinCustomControl::KeyPress(Key);
    return;
  }
  if (!FEditText.RoomForKey()) return;
  TQvSkinCustomControl::KeyPress(Key);
  if (Key == 0) return;
  // A pair typed as two characters goes in whole once its second half arrives.
  if (IsLeadSurrogate(Key)) {
    FPendingLead = Key;
    return;
  }
  String S(1, Key);
  if (IsTrailSurrogate(Key) && FPendingLead) S.insert(S.begin(), FPendingLead);
  FPendingLead = 0;
  InsertTyped(S);
}

void TQvSkinPngEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FShiftState = Shift;
  if (HandleAllocated() && !Focused() && CanFocus()) SetFocus();
  if (Button == mbLeft) {
    FLeftHeld = true;
    if (FAutoSelect && Shift.Contains(ssDouble)) {
      FEditText.SetCursorPos(FEditText.Length(), false);
      FEditText.SelectAll();
      CalcFirstDisplayChar();
      Invalidate();
    } else {
      int P = HitTest(X, Y).X;
      if (P > 0 && P < FEditText.Length() && IsTrailSurrogate(FEditText.Text()[size_t(P)])) ++P;
      FEditText.SetCursorPos(P, false);
      AfterCaretMove();
      const auto Inside = [X, Y](const TRect& R) {
        return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
      };
      if (FShowCheckBox && FCheckItem && Inside(FCheckItem->Rect())) SetChecked(!FChecked);
      for (int I = 0; I < FItems->Count(); ++I) {
        TQvEditItem* Item = FItems->Item(I);
        if (Item->Visible() && Item->Enabled() && Item->Clickable() && Inside(Item->Rect())) {
          Item->Click();
          break;
        }
      }
    }
  }
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TQvSkinPngEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseMove(Shift, X, Y);
  if (FLeftHeld && Shift.Contains(ssLeft)) {
    int P = HitTest(X, Y).X;
    if (P >= 0 && P < FEditText.Length() && IsTrailSurrogate(FEditText.Text()[size_t(P)])) ++P;
    SetCursorPos(P);
    // Held beyond an edge, the caret keeps stepping so the text scrolls.
    FDragX = X;
    FDragTimer->SetEnabled(X < TextLeft() || X >= TextRight());
  }
  UpdateHotItem(X, Y);
}

void TQvSkinPngEdit::DragScroll(TObject*) {
  if (!FLeftHeld || !(GetKeyState(VK_LBUTTON) & 0x8000)) {
    FDragTimer->SetEnabled(false);
    return;
  }
  SetCursorPos(FDragX < TextLeft() ? FEditText.StepLeft(CursorPos())
                                   : FEditText.StepRight(CursorPos()));
}

void TQvSkinPngEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FShiftState = Shift;
  if (Button == mbLeft && FLeftHeld) {
    FLeftHeld = false;
    FDragTimer->SetEnabled(false);
    Invalidate();
  }
  TQvSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TQvSkinPngEdit::UpdateHotItem(int X, int Y) {
  int Hot = -1;
  for (int I = 0; I < FItems->Count(); ++I) {
    TQvEditItem* Item = FItems->Item(I);
    const TRect R = Item->Rect();
    if (Item->Visible() && Item->Enabled() && Item->Clickable() && X >= R.Left && X < R.Right &&
        Y >= R.Top && Y < R.Bottom) {
      Hot = I;
      break;
    }
  }
  if (Hot == FItems->HotIndex()) return;
  FItems->SetHotIndex(Hot);
  if (Hot >= 0) {
    TQvEditItem* Item = FItems->Item(Hot);
    SetCursor(Item->Curosor());
    if (!Item->Hint().empty()) {
      POINT M;
      GetCursorPos(&M);
      const TRect Ext = FHintWindow->CalcHintRect(400, Item->Hint(), nullptr);
      FHintWindow->ActivateHint(
          Rect(M.x + 16, M.y + 16, M.x + 16 + Ext.Width() + 8, M.y + 16 + Ext.Height() + 2),
          Item->Hint());
    }
  } else {
    SetCursor(FCursorVisible ? crIBeam : crDefault);
    FHintWindow->ReleaseHandle();
  }
  Invalidate();
}

// ---- the default context menu ---------------------------------------------------------------

void TQvSkinPngEdit::DoDefaultPopupMenuPopupUp(TObject*) {
  FDefaultPopupMenu->Items()->Clear();
  DoDefaultPopupMenu(FDefaultPopupMenu);
}

void TQvSkinPngEdit::DoDefaultPopupMenu(TPopupMenu* Menu) {
  const bool Chinese = GetSystemDefaultLCID() == 0x804;
  const bool HasText = IsClipboardFormatAvailable(CF_UNICODETEXT) &&
                       !FirstLine(ClipboardText(HandleAllocated() ? Handle() : nullptr)).empty();
  struct {
    const wchar_t *Zh, *En;
    bool Enabled;
    int Tag;
  } const Items[] = {
      {L"撤销", L"Undo", CanUndo(), 1},
      {L"-", L"-", false, 0},
      {L"剪切", L"Cut", !ReadOnly() && !FDisableCopy, 2},
      {L"复制", L"Copy", SelLength() > 0 && !FDisableCopy, 3},
      {L"粘贴", L"Paste", !ReadOnly() && HasText, 4},
      {L"删除", L"Delete", !ReadOnly() && SelLength() > 0, 5},
      {L"-", L"-", false, 0},
      {L"全选", L"Select All", !FEditText.Text().empty(), 6},
  };
  for (const auto& I : Items) {
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption(Chinese ? I.Zh : I.En);
    Item->SetEnabled(I.Enabled);
    Item->SetTag(I.Tag);
    Item->OnClick = [this](TObject* S) { MenuEvent(S); };
    Menu->Items()->Add(Item);
  }
}

void TQvSkinPngEdit::MenuEvent(TObject* Sender) {
  switch (static_cast<TMenuItem*>(Sender)->Tag()) {
    case 1:
      Undo();
      break;
    case 2:
      CutToClipboard();
      break;
    case 3:
      CopyToClipboard();
      break;
    case 4:
      PasteFromClipboard();
      break;
    case 5:
      ClearSelection();
      break;
    case 6:
      SelectAll();
      break;
    default:
      break;
  }
}

// ---- input method -------------------------------------------------------------------------

String TQvSkinPngEdit::ImeString(uint32_t Index) {
  String S;
  HIMC Imc = ImmGetContext(Handle());
  if (!Imc) return S;
  auto Release = TScopeExit([&] { ImmReleaseContext(Handle(), Imc); });
  const LONG Bytes = ImmGetCompositionStringW(Imc, Index, nullptr, 0);
  if (Bytes <= 0) return S;
  S.resize(size_t(Bytes) / sizeof(wchar_t));
  ImmGetCompositionStringW(Imc, Index, S.data(), DWORD(S.size() * sizeof(wchar_t)));
  return S;
}

void TQvSkinPngEdit::PlaceImeWindows() {
  HIMC Imc = ImmGetContext(Handle());
  if (!Imc) return;
  auto Release = TScopeExit([&] { ImmReleaseContext(Handle(), Imc); });
  LOGFONTW LF{};
  if (GetObjectW(Font()->Handle(), sizeof(LF), &LF)) ImmSetCompositionFontW(Imc, &LF);
  COMPOSITIONFORM CF{};
  CF.dwStyle = CFS_RECT;
  CF.ptCurrentPos = {FCursorXPos, FSpace->Top()};
  CF.rcArea = {0, FSpace->Top(), Width(), Height()};
  ImmSetCompositionWindow(Imc, &CF);
  // The candidate list opens just below the caret.
  CANDIDATEFORM Cand{};
  Cand.dwIndex = 0;
  Cand.dwStyle = CFS_CANDIDATEPOS;
  Cand.ptCurrentPos = {FCursorXPos, TextTop() + GetTextHeight()};
  ImmSetCandidateWindow(Imc, &Cand);
}

bool TQvSkinPngEdit::ImeComposition(intptr_t Flags) {
  bool Handled = false;
  if (Flags & GCS_RESULTSTR) {
    const String R = ImeString(GCS_RESULTSTR);
    FComposition.clear();
    if (!R.empty() && !ReadOnly()) {
      InsertTyped(R);
      FImeEcho = R;
    }
    Handled = true;
  }
  if (Flags & GCS_COMPSTR) {
    FComposition = ImeString(GCS_COMPSTR);
    Invalidate();
    Handled = true;
  }
  if (Handled) {
    // Repaint now so the caret x is current, then follow it with the input method.
    if (HandleAllocated()) Repaint();
    PlaceImeWindows();
  }
  return Handled;
}

// ---- messages ------------------------------------------------------------------------------

void TQvSkinPngEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT:
      if (!FBlockWinMsg) {
        SetText(Message.LParam ? reinterpret_cast<const wchar_t*>(Message.LParam) : L"");
        Message.Result = 1;
      }
      return;
    case WM_GETTEXT:
      if (!FBlockWinMsg) {
        auto* Buf = reinterpret_cast<wchar_t*>(Message.LParam);
        const int Room = int(Message.WParam);
        if (!Buf || Room <= 0) {
          Message.Result = 0;
          return;
        }
        const String& T = FEditText.Text();
        const int N = std::min(Room - 1, int(T.size()));
        std::copy_n(T.data(), N, Buf);
        Buf[N] = 0;
        Message.Result = N;
      }
      return;
    case WM_GETTEXTLENGTH:
      if (!FBlockWinMsg) Message.Result = FEditText.Length();
      return;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_KEYDOWN:
      if (Message.WParam != VK_PROCESSKEY) FImeEcho.clear();
      break;
    case WM_IME_STARTCOMPOSITION:
      if (FDisableIME) break;
      FImeEcho.clear();
      PlaceImeWindows();
      // Drawn inline: the system's own composition window stays closed.
      Message.Result = 0;
      return;
    case WM_IME_COMPOSITION:
      if (!FDisableIME && ImeComposition(Message.LParam)) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_IME_ENDCOMPOSITION:
      FComposition.clear();
      Invalidate();
      break;
    case WM_IME_CHAR: {
      // Handled here: passed on, it would come back as WM_CHAR as well.
      wchar_t Key = wchar_t(Message.WParam);
      KeyPress(Key);
      Message.Result = 0;
      return;
    }
    case WM_CONTEXTMENU:
      if (!PopupMenu()) {
        TPoint P{Message.XPos(), Message.YPos()};
        if (P.X == -1 && P.Y == -1) P = ClientToScreen(TPoint(0, 0));
        FDefaultPopupMenu->SetPopupComponent(this);
        FDefaultPopupMenu->Popup(P.X, P.Y);
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TQvSkinCustomControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_SETFOCUS:
      RestartCaret();
      break;
    case WM_KILLFOCUS:
      NotifyAccessible(aeStateChange);
      break;
    case WM_LBUTTONDBLCLK:
      if (FAutoSelect) {
        FEditText.SelectAll();
        FCursorShowing = false;
        FCursorTimer->SetEnabled(false);
        Invalidate();
      }
      break;
    case CM_MOUSEENTER:
      if (Message.LParam == 0 || Message.LParam == intptr_t(this)) {
        SetCursor(FCursorVisible ? crIBeam : crDefault);
        FHot = true;
        Invalidate();
      }
      break;
    case CM_MOUSELEAVE:
      if (Message.LParam == 0 || Message.LParam == intptr_t(this)) {
        FHot = false;
        if (FItems->HotIndex() >= 0) {
          FItems->SetHotIndex(-1);
          FHintWindow->ReleaseHandle();
        }
        Invalidate();
      }
      break;
    case CM_FONTCHANGED: {
      FWidthCache.clear();
      auto Flag = TScopedValue(FCMFontChanged, true);
      Change();
      break;
    }
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
}

TQvAccessibleInfo TQvSkinPngEdit::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arEditableText;
  Info.Name = Hint().empty() ? FTextHint : Hint();
  Info.Value = FEditText.Text();
  Info.State.Include(asFocusable);
  if (Focused()) Info.State.Include(asFocused);
  if (ReadOnly()) Info.State.Include(asReadOnly);
  if (!Enabled()) Info.State.Include(asDisabled);
  return Info;
}

// ---- object text form ---------------------------------------------------------------------

const TPropTable& TQvSkinPngEdit::Properties() const {
  using C = TQvSkinPngEdit;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"AutoSelect", &C::AutoSelect, &C::SetAutoSelect, DefaultAutoSelect),
      ResIDProp(L"BorderHot", &C::BorderHot, &C::SetBorderHot, DefaultBorderHot),
      ResIDProp(L"BorderNormal", &C::BorderNormal, &C::SetBorderNormal, DefaultBorderNormal),
      Prop(L"BorderVisible", &C::BorderVisible, &C::SetBorderVisible, DefaultBorderVisible),
      EnumProp(L"CharCase", &C::CharCase, &C::SetCharCase, TEditCharCaseNames),
      Prop(L"Checked", &C::Checked, &C::SetChecked, false),
      ColorProp(L"CursorColor", &C::CursorColor, &C::SetCursorColor, clBlack),
      Prop(L"DisableIME", &C::DisableIME, &C::SetDisableIME, false),
      CollectionProp(L"EdItems", &C::EdItems),
      ObjectProp(L"FontHint", &C::FontHint),
      Prop(L"MaxLength", &C::MaxLength, &C::SetMaxLength, 0),
      Prop(L"ReadOnly", &C::ReadOnly, &C::SetReadOnly, false),
      Prop(L"ShowCheckBox", &C::ShowCheckBox, &C::SetShowCheckBox, false),
      ObjectProp(L"Space", &C::Space),
      ObjectProp(L"Tips", &C::Tips),
      Prop(L"Text", &C::Text, &C::SetText, L""),
      EnumProp(L"TextKind", &C::TextKind, &C::SetTextKind, TQvTextKindNames),
      Prop(L"TextHint", &C::TextHint, &C::SetTextHint, L""),
      Prop(L"TextHintHideInKey", &C::TextHintHideInKey, &C::SetTextHintHideInKey, false),
  });
  return Table;
}

}  // namespace qv
