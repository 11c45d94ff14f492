#include <windows.h>

#include <algorithm>

#include "graphics/QvComm.h"
#include "host/Application.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "vtree/VirtualTrees.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TVirtualStringTree_qv>(),
                          RegisterComponentClass<TVirtualDrawTree_qv>(), true);

constexpr int kButtonSize = 9;
// A tree's border is none or single.
const wchar_t* const kBorderStyleNames[] = {L"bsNone", L"bsSingle"};

}  // namespace

// ---- colours -----------------------------------------------------------------------

void TVTColors::SetColor(TSlot Slot, TColor Value) {
  if (FColors[Slot] == Value) return;
  FColors[Slot] = Value;
  if (OnChange) OnChange(this);
}

void TVTColors::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TVTColors*>(Source);
  if (!S) return TPersistent::Assign(Source);
  std::copy(std::begin(S->FColors), std::end(S->FColors), FColors);
  if (OnChange) OnChange(this);
}

const TPropTable& TVTColors::Properties() const {
  // One declaration per slot, all through the slot index.
  auto Slot = [](const wchar_t* Name, TSlot S) {
    return ColorProp(
        Name, [S](const TVTColors& C) { return C.Color(S); },
        [S](TVTColors& C, TColor V) { C.SetColor(S, V); }, Defaults[S]);
  };
  static const TPropTable Table = TPersistent::Properties().With({
      Slot(L"BorderColor", BorderColor),
      Slot(L"DisabledColor", DisabledColor),
      Slot(L"DropTargetColor", DropTargetColor),
      Slot(L"DropTargetBorderColor", DropTargetBorderColor),
      Slot(L"FocusedSelectionColor", FocusedSelectionColor),
      Slot(L"FocusedSelectionBorderColor", FocusedSelectionBorderColor),
      Slot(L"GridLineColor", GridLineColor),
      Slot(L"HotColor", HotColor),
      Slot(L"SelectionRectangleBlendColor", SelectionRectangleBlendColor),
      Slot(L"SelectionRectangleBorderColor", SelectionRectangleBorderColor),
      Slot(L"SelectionTextColor", SelectionTextColor),
      Slot(L"TreeLineColor", TreeLineColor),
      Slot(L"UnfocusedSelectionColor", UnfocusedSelectionColor),
      Slot(L"UnfocusedSelectionBorderColor", UnfocusedSelectionBorderColor),
  });
  return Table;
}

// ---- the base tree -----------------------------------------------------------------

TBaseVirtualTree_qv::TBaseVirtualTree_qv(TComponent* AOwner)
    : TCustomPaintBox32_qv(AOwner), FModel(this), FColors(std::make_unique<TVTColors>()) {
  FColors->OnChange = [this](TObject*) { Invalidate(); };
  SetTabStop(true);
  SetColor(DefaultColor);
  SetParentColor(false);
  SetBounds(Left(), Top(), 200, 100);
  SetOptions(Options() + TPaintBoxOptions{pboWantArrowKeys});
}

TBaseVirtualTree_qv::~TBaseVirtualTree_qv() {
  // Nodes freed after this point tell nobody.
  OnFreeNode = nullptr;
  OnFocusChanged = nullptr;
  OnChange = nullptr;
}

void TBaseVirtualTree_qv::SetIndent(int Value) {
  if (FIndent == Value) return;
  FIndent = std::max(Value, 0);
  StructureChanged();
}

void TBaseVirtualTree_qv::SetTextMargin(int Value) {
  if (FTextMargin == Value) return;
  FTextMargin = std::max(Value, 0);
  Invalidate();
}

void TBaseVirtualTree_qv::SetMargin(int Value) {
  if (FMargin == Value) return;
  FMargin = std::max(Value, 0);
  Invalidate();
}

void TBaseVirtualTree_qv::SetTreeOptions(TVTOptions Value) {
  if (FTreeOptions == Value) return;
  FTreeOptions = Value;
  FModel.SetMultiSelect(Value.Contains(toMultiSelect));
  StructureChanged();
}

void TBaseVirtualTree_qv::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  if (HandleAllocated()) RecreateWnd();
}

TVirtualNode* TBaseVirtualTree_qv::AddChild(TVirtualNode* Parent, const String& Text) {
  TVirtualNode* N = FModel.AddChild(Parent);
  N->Text = Text;
  return N;
}

void TBaseVirtualTree_qv::Clear() {
  FHotNode = FPressedNode = nullptr;
  FModel.Clear();
  StructureChanged();
}

void TBaseVirtualTree_qv::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  if (FPendingStructure) StructureChanged();
  Invalidate();
}

void TBaseVirtualTree_qv::CreateParams(TCreateParams& Params) {
  TCustomPaintBox32_qv::CreateParams(Params);
  Params.Style |= WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  // No class redraw on resize: the buffer repaints what changed.
  Params.WindowClass.Style &= ~uint32_t(CS_HREDRAW | CS_VREDRAW);
}

void TBaseVirtualTree_qv::CreateWnd() {
  TCustomPaintBox32_qv::CreateWnd();
  SyncClientSize();
  UpdateScrollBars(false);
}

void TBaseVirtualTree_qv::SyncClientSize() {
  const TRect R = ClientRect();
  FModel.SetClientSize(R.Width(), R.Height());
}

void TBaseVirtualTree_qv::Resize() {
  TCustomPaintBox32_qv::Resize();
  SyncClientSize();
  UpdateScrollBars(false);
}

// ---- the host's side of the model --------------------------------------------------

void TBaseVirtualTree_qv::NodeInit(TVirtualNode* Node) {
  if (OnInitNode) OnInitNode(this, Node);
}

void TBaseVirtualTree_qv::NodeInitChildren(TVirtualNode* Node, int& ChildCount) {
  if (OnInitChildren) OnInitChildren(this, Node, ChildCount);
}

void TBaseVirtualTree_qv::NodeFreeing(TVirtualNode* Node) {
  if (FHotNode == Node) FHotNode = nullptr;
  if (FPressedNode == Node) FPressedNode = nullptr;
  if (OnFreeNode) OnFreeNode(this, Node);
}

void TBaseVirtualTree_qv::NodeChecked(TVirtualNode* Node) {
  if (OnChecked) OnChecked(this, Node);
}

void TBaseVirtualTree_qv::FocusChanged(TVirtualNode* Node) {
  if (OnFocusChanged) OnFocusChanged(this, Node, 0);
}

void TBaseVirtualTree_qv::SelectionChanged() {
  if (OnChange) OnChange(this, FModel.FocusedNode());
}

void TBaseVirtualTree_qv::Scrolled(int DX, int DY) {
  Invalidate();
  if (!Updating()) UpdateScrollBars(false);
  DoScroll(DX, DY);
}

void TBaseVirtualTree_qv::StructureChanged() {
  if (Updating()) {
    FPendingStructure = true;
    return;
  }
  FPendingStructure = false;
  UpdateScrollBars(false);
  Invalidate();
}

void TBaseVirtualTree_qv::NodeChanged(TVirtualNode* Node) {
  if (!Updating()) InvalidateNode(Node);
}

void TBaseVirtualTree_qv::DoScroll(int DeltaX, int DeltaY) {
  if (OnScroll) OnScroll(this, DeltaX, DeltaY);
}

void TBaseVirtualTree_qv::InvalidateNode(const TVirtualNode* Node) {
  // The whole buffer repaints: the visible rows are all a paint costs.
  if (Node && FModel.FullyVisible(Node)) Invalidate();
}

// ---- scroll bars -------------------------------------------------------------------

void TBaseVirtualTree_qv::UpdateScrollBars(bool DoRepaint) {
  UpdateVerticalScrollBar(DoRepaint);
  UpdateHorizontalScrollBar(DoRepaint);
}

void TBaseVirtualTree_qv::UpdateVerticalScrollBar(bool DoRepaint) {
  if (!HandleAllocated() || Updating()) return;
  SCROLLINFO SI{sizeof(SI),
                SIF_ALL,
                0,
                std::max(FModel.TotalHeight() - 1, 0),
                UINT(FModel.ClientHeight()),
                -FModel.OffsetY(),
                0};
  SetScrollInfo(Handle(), SB_VERT, &SI, DoRepaint);
  SyncClientSize();
}

void TBaseVirtualTree_qv::UpdateHorizontalScrollBar(bool DoRepaint) {
  if (!HandleAllocated() || Updating()) return;
  SCROLLINFO SI{
      sizeof(SI),        SIF_ALL, 0, std::max(FModel.RangeX() - 1, 0), UINT(FModel.ClientWidth()),
      -FModel.OffsetX(), 0};
  SetScrollInfo(Handle(), SB_HORZ, &SI, DoRepaint);
  SyncClientSize();
}

void TBaseVirtualTree_qv::HandleScrollMessage(TMessage& Message, bool Vertical) {
  const int Line = Vertical ? FModel.DefaultNodeHeight() : 16;
  const int Page = Vertical ? FModel.ClientHeight() : FModel.ClientWidth();
  const int Pos = Vertical ? -FModel.OffsetY() : -FModel.OffsetX();
  int NewPos = Pos;
  switch (Message.WParamLo()) {
    case SB_LINEUP:
      NewPos -= Line;
      break;
    case SB_LINEDOWN:
      NewPos += Line;
      break;
    case SB_PAGEUP:
      NewPos -= Page;
      break;
    case SB_PAGEDOWN:
      NewPos += Page;
      break;
    case SB_TOP:
      NewPos = 0;
      break;
    case SB_BOTTOM:
      NewPos = Vertical ? FModel.TotalHeight() : FModel.RangeX();
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO SI{sizeof(SI), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      NewPos = GetScrollInfo(Handle(), Vertical ? SB_VERT : SB_HORZ, &SI) ? SI.nTrackPos
                                                                          : Message.WParamHi();
      break;
    }
    default:
      return;
  }
  if (Vertical)
    SetOffsetY(-NewPos);
  else
    SetOffsetX(-NewPos);
  Message.Result = 0;
}

// ---- geometry ----------------------------------------------------------------------

int TBaseVirtualTree_qv::ContentLeft(const TVirtualNode* Node) const {
  int X = FMargin + Node->Level() * FIndent;
  if (FTreeOptions.Contains(toShowRoot) && FTreeOptions.Contains(toShowButtons)) X += FIndent;
  if (FTreeOptions.Contains(toCheckSupport) && Node->CheckType() != ctNone)
    X += kCheckSize + FMargin;
  return X;
}

TVirtualNode* TBaseVirtualTree_qv::GetNodeAt(int X, int Y) {
  if (X < 0 || X >= FModel.ClientWidth()) return nullptr;
  return FModel.GetNodeAt(Y - FModel.OffsetY());
}

TRect TBaseVirtualTree_qv::GetDisplayRect(const TVirtualNode* Node) {
  if (!FModel.FullyVisible(Node)) return TRect();
  const int Top = FModel.DisplayTop(Node) + FModel.OffsetY();
  return Rect(0, Top, std::max(FModel.ClientWidth(), FModel.RangeX()),
              Top + FModel.NodeHeight(Node));
}

TRect TBaseVirtualTree_qv::CheckBoxRect(const TVirtualNode* Node) {
  if (!FTreeOptions.Contains(toCheckSupport) || Node->CheckType() == ctNone) return TRect();
  const TRect R = GetDisplayRect(Node);
  if (R.IsEmpty()) return R;
  const int X = FModel.OffsetX() + ContentLeft(Node) - kCheckSize - FMargin;
  const int Y = R.Top + (R.Height() - kCheckSize) / 2;
  return Rect(X, Y, X + kCheckSize, Y + kCheckSize);
}

// ---- painting ----------------------------------------------------------------------

void TBaseVirtualTree_qv::DoPaintBuffer() {
  TBitmap32& B = *Buffer();
  const bool On = IsEnabledChain();
  B.Clear(Color32(On ? Color() : FColors->Color(TVTColors::DisabledColor)));
  B.Font()->Assign(Font());
  SyncClientSize();
  const int Top = -FModel.OffsetY();
  int Widest = 0;
  FModel.ForEachVisibleRow(Top, Top + FModel.ClientHeight(), [&](TVirtualNode* N, int Y) {
    PaintRow(B, N, Y - Top);
    Widest = std::max(Widest, ContentLeft(N) + DoMeasureNode(&B, N));
    return true;
  });
  TCustomPaintBox32_qv::DoPaintBuffer();
  // The content is as wide as the widest row seen; a wider one widens the range.
  if (Widest > FModel.RangeX() && Widest > FModel.ClientWidth()) FModel.SetRangeX(Widest);
}

void TBaseVirtualTree_qv::PaintRow(TBitmap32& B, TVirtualNode* N, int Y) {
  const int W = std::max(FModel.ClientWidth(), FModel.RangeX());
  const int H = FModel.NodeHeight(N);
  const int X0 = FModel.OffsetX();
  const TRect Cell = Rect(X0, Y, X0 + W, Y + H);
  TRect Content = Rect(X0 + ContentLeft(N), Y, X0 + W, Y + H);

  if (OnBeforeCellPaint) OnBeforeCellPaint(this, &B, N, 0, cpmPaint, Cell, Content);

  const bool HasFocus = Focused();
  const bool ShowSel = FModel.Selected(N) && (HasFocus || !FTreeOptions.Contains(toHideSelection));
  if (ShowSel) {
    const TRect S = FTreeOptions.Contains(toFullRowSelect) ? Cell : Content;
    const auto Fill =
        HasFocus ? TVTColors::FocusedSelectionColor : TVTColors::UnfocusedSelectionColor;
    const auto Frame = HasFocus ? TVTColors::FocusedSelectionBorderColor
                                : TVTColors::UnfocusedSelectionBorderColor;
    B.FillRectS(S, Color32(FColors->Color(Fill)));
    B.FrameRectS(S, Color32(FColors->Color(Frame)));
  }

  // Expand button, centred in the indent before the content (and the check box).
  const TVTOptions& O = FTreeOptions;
  if (O.Contains(toShowButtons) && FModel.HasChildren(N) &&
      (O.Contains(toShowRoot) || N->Level() > 0)) {
    int BX = X0 + FMargin + N->Level() * FIndent + (FIndent - kButtonSize) / 2;
    if (!O.Contains(toShowRoot)) BX -= FIndent;
    const int BY = Y + (H - kButtonSize) / 2;
    DrawButton(B, Rect(BX, BY, BX + kButtonSize, BY + kButtonSize), FModel.Expanded(N));
  }
  if (O.Contains(toCheckSupport) && N->CheckType() != ctNone) {
    const int CX = Content.Left - kCheckSize - FMargin;
    const int CY = Y + (H - kCheckSize) / 2;
    DrawCheckBox(B, Rect(CX, CY, CX + kCheckSize, CY + kCheckSize), N->CheckState(),
                 IsEnabledChain());
  }

  TVTPaintInfo Info;
  Info.Canvas = &B;
  Info.Node = N;
  Info.CellRect = Cell;
  Info.ContentRect = Content;
  Info.Selected = ShowSel;
  DoPaintNode(Info);

  if (O.Contains(toShowHorzGridLines))
    B.HorzLineS(Cell.Left, Cell.Bottom - 1, Cell.Right - 1,
                Color32(FColors->Color(TVTColors::GridLineColor)));
  if (O.Contains(toShowVertGridLines))
    B.VertLineS(Cell.Right - 1, Cell.Top, Cell.Bottom - 1,
                Color32(FColors->Color(TVTColors::GridLineColor)));
  if (HasFocus && N == FModel.FocusedNode() && !O.Contains(toHideFocusRect))
    DrawFocusCue(B, O.Contains(toFullRowSelect) ? Cell : Content);
}

void TBaseVirtualTree_qv::DrawCheckBox(TBitmap32& B, const TRect& R, TCheckState State,
                                       bool Enabled) {
  const TColor32 Edge = Enabled ? Color32(0x33, 0x33, 0x33) : Color32(0xA0, 0xA0, 0xA0);
  B.FillRectS(R, clWhite32);
  B.FrameRectS(R, Edge);
  if (State == csMixedNormal) {
    B.FillRectS(Rect(R.Left + 3, R.Top + 3, R.Right - 3, R.Bottom - 3), Edge);
  } else if (State == csCheckedNormal) {
    // A tick: down from the left third, up to the right edge, two pixels thick.
    const int L = R.Left + 3, M = R.Left + 5, Rt = R.Right - 3, Bt = R.Bottom - 4;
    for (int D = 0; D < 2; ++D) {
      B.LineS(L, Bt - 2 + D, M, Bt + D, Edge, true);
      B.LineS(M, Bt + D, Rt, Bt - 6 + D, Edge, true);
    }
  }
}

void TBaseVirtualTree_qv::DrawButton(TBitmap32& B, const TRect& R, bool Expanded) {
  const TColor32 Line = Color32(FColors->Color(TVTColors::TreeLineColor));
  B.FillRectS(R, clWhite32);
  B.FrameRectS(R, Line);
  const int CY = R.Top + R.Height() / 2, CX = R.Left + R.Width() / 2;
  B.HorzLineS(R.Left + 2, CY, R.Right - 3, clBlack32);
  if (!Expanded) B.VertLineS(CX, R.Top + 2, R.Bottom - 3, clBlack32);
}

String TBaseVirtualTree_qv::DoGetHint(TVirtualNode* Node) {
  String S;
  if (OnGetHint) OnGetHint(this, Node, 0, S);
  return S;
}

// ---- input -------------------------------------------------------------------------

void TBaseVirtualTree_qv::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus() && !Focused()) SetFocus();
  TCustomPaintBox32_qv::MouseDown(Button, Shift, X, Y);
  FPressedNode = nullptr;
  TVirtualNode* N = GetNodeAt(X, Y);
  if (!N || Button != mbLeft) {
    if (N && Button == mbRight && !FModel.Selected(N)) FModel.ClickNode(N, false, false);
    return;
  }
  const TRect Box = CheckBoxRect(N);
  if (X >= Box.Left && X < Box.Right && Y >= Box.Top && Y < Box.Bottom) {
    FModel.ToggleCheck(N);
    return;
  }
  if (FTreeOptions.Contains(toShowButtons) && FModel.HasChildren(N)) {
    const int L =
        FModel.OffsetX() + ContentLeft(N) -
        (FTreeOptions.Contains(toCheckSupport) && N->CheckType() != ctNone ? kCheckSize + FMargin
                                                                           : 0);
    if (X < L && X >= L - FIndent) {
      FModel.SetExpanded(N, !FModel.Expanded(N));
      return;
    }
  }
  if (Shift.Contains(ssDouble)) {
    if (FModel.HasChildren(N)) FModel.SetExpanded(N, !FModel.Expanded(N));
    if (OnNodeDblClick) OnNodeDblClick(this, N);
    return;
  }
  FModel.ClickNode(N, Shift.Contains(ssShift), Shift.Contains(ssCtrl));
  FPressedNode = N;
}

void TBaseVirtualTree_qv::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomPaintBox32_qv::MouseUp(Button, Shift, X, Y);
  TVirtualNode* Pressed = FPressedNode;
  FPressedNode = nullptr;
  if (Button == mbLeft && Pressed && GetNodeAt(X, Y) == Pressed && OnNodeClick)
    OnNodeClick(this, Pressed);
}

void TBaseVirtualTree_qv::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomPaintBox32_qv::MouseMove(Shift, X, Y);
  TVirtualNode* N = GetNodeAt(X, Y);
  if (N == FHotNode) return;
  FHotNode = N;
  if (FTreeOptions.Contains(toHotTrack)) Invalidate();
  // A new row under the mouse gets its own hint.
  if (ShowHint() && Application) Application->CancelHint();
}

void TBaseVirtualTree_qv::MouseLeave() {
  TCustomPaintBox32_qv::MouseLeave();
  if (!FHotNode) return;
  FHotNode = nullptr;
  if (FTreeOptions.Contains(toHotTrack)) Invalidate();
}

bool TBaseVirtualTree_qv::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomPaintBox32_qv::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  UINT Lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0);
  const int Step = int(Lines) * FModel.DefaultNodeHeight();
  SetOffsetY(FModel.OffsetY() +
             (WheelDelta > 0 ? Step : -Step) * std::max(1, std::abs(WheelDelta) / WHEEL_DELTA));
  return true;
}

void TBaseVirtualTree_qv::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomPaintBox32_qv::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (FModel.HandleKey(Key, Shift.Contains(ssShift), Shift.Contains(ssCtrl))) Key = 0;
}

void TBaseVirtualTree_qv::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TCustomPaintBox32_qv::WndProc(Message);
      Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_VSCROLL:
      HandleScrollMessage(Message, true);
      return;
    case WM_HSCROLL:
      HandleScrollMessage(Message, false);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomPaintBox32_qv::WndProc(Message);
      Invalidate();  // selection and focus looks
      return;
    case CM_ENABLEDCHANGED:
      TCustomPaintBox32_qv::WndProc(Message);
      Invalidate();
      return;
    case CM_HINTSHOW: {
      auto* Info = reinterpret_cast<THintInfo*>(Message.LParam);
      TVirtualNode* N = GetNodeAt(Info->CursorPos.X, Info->CursorPos.Y);
      const String S = N ? DoGetHint(N) : String();
      if (S.empty()) {
        Message.Result = 1;
        return;
      }
      Info->HintStr = S;
      Info->CursorRect = GetDisplayRect(N);
      Message.Result = 0;
      return;
    }
  }
  TCustomPaintBox32_qv::WndProc(Message);
}

const TPropTable& TBaseVirtualTree_qv::Properties() const {
  using C = TBaseVirtualTree_qv;
  static const TPropTable Table = TCustomPaintBox32_qv::Properties().With({
      Prop(L"DefaultNodeHeight", &C::DefaultNodeHeight, &C::SetDefaultNodeHeight,
           TVirtualTreeModel::DefaultDefaultNodeHeight),
      Prop(L"Indent", &C::Indent, &C::SetIndent, DefaultIndent),
      Prop(L"Margin", &C::Margin, &C::SetMargin, DefaultMargin),
      Prop(L"TextMargin", &C::TextMargin, &C::SetTextMargin, DefaultTextMargin),
      SetProp(L"TreeOptions", &C::TreeOptions, &C::SetTreeOptions, DefaultTreeOptions,
              TVTOptionNames),
      EnumProp(L"BorderStyle", &C::BorderStyle, &C::SetBorderStyle, DefaultBorderStyle,
               kBorderStyleNames),
      ObjectProp(L"Colors", &C::Colors),
  });
  return Table;
}

// ---- string tree -------------------------------------------------------------------

TCustomVirtualStringTree_qv::TCustomVirtualStringTree_qv(TComponent* AOwner)
    : TBaseVirtualTree_qv(AOwner) {}

String TCustomVirtualStringTree_qv::Text(TVirtualNode* Node, int Column) {
  if (!Node) return String();
  Model().InitNode(Node);
  String S = Node->Text;
  if (OnGetText) OnGetText(this, Node, Column, ttNormal, S);
  return S;
}

void TCustomVirtualStringTree_qv::DoPaintNode(const TVTPaintInfo& PaintInfo) {
  TBitmap32& B = *PaintInfo.Canvas;
  TColor C = Font()->Color();
  // Selected text takes its own colour on the focused selection only; the unfocused one is
  // a light fill that keeps the normal text.
  if (PaintInfo.Selected && Focused())
    C = Colors()->Color(TVTColors::SelectionTextColor);
  else if (PaintInfo.Node == HotNode() && TreeOptions().Contains(toHotTrack))
    C = Colors()->Color(TVTColors::HotColor);
  B.Font()->SetColor(C);
  if (OnPaintText) OnPaintText(this, &B, PaintInfo.Node, 0, ttNormal);
  TRect R = PaintInfo.ContentRect;
  R.Left += TextMargin();
  R.Right -= TextMargin();
  if (R.Right <= R.Left) return;
  B.Textout(R, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, Text(PaintInfo.Node));
}

int TCustomVirtualStringTree_qv::DoMeasureNode(TBitmap32* Canvas, TVirtualNode* Node) {
  return Canvas->TextWidth(Text(Node)) + 2 * TextMargin();
}

String TCustomVirtualStringTree_qv::DoGetHint(TVirtualNode* Node) {
  String S = TBaseVirtualTree_qv::DoGetHint(Node);
  if (!S.empty() || OnGetHint) return S;
  // Without a handler, a caption cut by the view shows whole in the hint.
  TBitmap32& B = *Buffer();
  B.Font()->Assign(Font());
  const String T = Text(Node);
  const int Room = ClientWidth() - (OffsetX() + ContentLeft(Node) + 2 * TextMargin());
  return B.TextWidth(T) > Room ? T : String();
}

// ---- draw tree ---------------------------------------------------------------------

void TVirtualDrawTree_qv::DoPaintNode(const TVTPaintInfo& PaintInfo) {
  if (OnDrawNode) OnDrawNode(this, PaintInfo);
}

int TVirtualDrawTree_qv::DoMeasureNode(TBitmap32* Canvas, TVirtualNode* Node) {
  int W = 0;
  if (OnGetNodeWidth) OnGetNodeWidth(this, Node, W);
  return W;
}

}  // namespace qv
