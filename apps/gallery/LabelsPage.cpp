// The skinned labels: every alignment, word wrap and the three ellipses, glowing text,
// auto-sized labels and rounded tags; and HTML labels showing every tag of the mark-up,
// with links that light up under the mouse and report their clicks. Headings and notes
// are labels too. Everything is a real control on a host that lives in the page's window.
#include <memory>

#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "host/CustomControl.h"
#include "host/Font.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);
constexpr TColor kInk = TColor(0x4A423C);
constexpr TColor kHeading = TColor(0x4A3A20);
constexpr TColor kNote = TColor(0x8A8078);
const wchar_t* const kLatin = L"Tahoma";
const wchar_t* const kChinese = L"Microsoft YaHei";

// The page's plain ground; the labels are see-through over it.
class TLabelsHost : public TCustomControl {
 public:
  explicit TLabelsHost(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    SetDoubleBuffered(true);
  }
  String ClassName() const override { return L"TGalleryLabelsHost"; }

 protected:
  void Paint() override {
    Canvas()->Brush().SetColor(kGround);
    Canvas()->FillRect(ClientRect());
  }
};

class TLabelsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Labels"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TLabelsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    int Y = 12;
    Y = Alignments(Y);
    Y = WrapAndEllipsis(Y);
    Y = Glow(Y);
    AutoSizeAndTags(Y);
    Html(12);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(TWinControl* Parent, int X, int Y, const String& Caption, int FontHeight = -13,
         const wchar_t* FontName = kLatin) {
    auto* L = new T(FHost.get());
    L->SetLeft(X);
    L->SetTop(Y);
    L->Font()->SetName(FontName);
    L->Font()->SetHeight(FontHeight);
    L->Font()->SetColor(kInk);
    L->SetCaption(Caption);
    L->SetParent(Parent);
    return L;
  }
  TQvSkinLabel* Label(TWinControl* Parent, int X, int Y, const String& Caption,
                      int FontHeight = -13, const wchar_t* FontName = kLatin) {
    return Add<TQvSkinLabel>(Parent, X, Y, Caption, FontHeight, FontName);
  }
  void Heading(int X, int Y, const String& Text) {
    auto* L = Label(FHost.get(), X, Y, Text, -15, kChinese);
    L->Font()->SetStyle({fsBold});
    L->Font()->SetColor(kHeading);
  }
  void Note(TWinControl* Parent, int X, int Y, const String& Text) {
    Label(Parent, X, Y, Text, -11)->Font()->SetColor(kNote);
  }
  // A fixed-size label whose light frame shows where its text is placed.
  TQvSkinLabel* Boxed(int X, int Y, int W, int H, const String& Caption,
                      const wchar_t* FontName = kLatin) {
    auto* L = Label(FHost.get(), X, Y, Caption, -13, FontName);
    Frame(L, W, H);
    return L;
  }
  // Fixes a label's size and gives it a light box.
  static void Frame(TQvSkinCustomLabel* L, int W, int H) {
    L->SetAutoSize(false);
    L->SetBounds(L->Left(), L->Top(), W, H);
    L->SetColor(TColor(0xFBEFE2));
    L->SetAlpha(255);
    L->SetBorderSides({sdLeft, sdTop, sdRight, sdBottom});
    L->SetBorderColor(TColor(0xD9BE9C));
    L->SetDoubleBorder(false);
  }

  int Alignments(int Y) {
    Heading(kLeft, Y, L"Alignment  对齐方式: AlignmentHorizontal × AlignmentVertical");
    Y += 30;
    const TAlignment Hs[] = {taLeftJustify, taCenter, taRightJustify};
    const TVerticalAlignment Vs[] = {taAlignTop, taVerticalCenter, taAlignBottom};
    const wchar_t* const HNames[] = {L"左 Left", L"中 Center", L"右 Right"};
    const wchar_t* const VNames[] = {L"上 Top", L"中 Middle", L"下 Bottom"};
    for (int Row = 0; Row < 3; ++Row)
      for (int Col = 0; Col < 3; ++Col) {
        auto* L = Boxed(kLeft + Col * 222, Y + Row * 66, 210, 58,
                        String(HNames[Col]) + L" · " + VNames[Row], kChinese);
        L->SetAlignmentHorizontal(Hs[Col]);
        L->SetAlignmentVertical(Vs[Row]);
      }
    return Y + 3 * 66 + 14;
  }

  int WrapAndEllipsis(int Y) {
    Heading(kLeft, Y, L"Word wrap and ellipsis  自动换行与省略号");
    Y += 30;
    const String Long =
        L"WordWap breaks a long caption at its words and places the whole block by the "
        L"vertical alignment.";
    const TVerticalAlignment Vs[] = {taAlignTop, taVerticalCenter, taAlignBottom};
    const wchar_t* const Names[] = {L"wrapped, top", L"wrapped, centred", L"wrapped, bottom"};
    for (int I = 0; I < 3; ++I) {
      auto* L = Boxed(kLeft + I * 222, Y, 210, 96, Long);
      L->SetWordWap(true);
      L->SetAlignmentVertical(Vs[I]);
      Note(FHost.get(), kLeft + I * 222, Y + 99, Names[I]);
    }
    Y += 122;
    const struct {
      TEllipsisPosition Position;
      const wchar_t *Text, *Name;
    } Cuts[] = {
        {epEndEllipsis, L"The end of a long caption is cut off", L"epEndEllipsis"},
        {epPathEllipsis, L"C:\\Program Files\\QvSkin\\Skins\\Default\\Config.xml",
         L"epPathEllipsis"},
        {epWordEllipsis, L"Words that do not fit give way to an ellipsis", L"epWordEllipsis"},
    };
    for (int I = 0; I < 3; ++I) {
      auto* L = Boxed(kLeft + I * 222, Y, 210, 26, Cuts[I].Text);
      L->SetEllipsisPosition(Cuts[I].Position);
      L->SetAlignmentVertical(taVerticalCenter);
      Note(FHost.get(), kLeft + I * 222, Y + 29, Cuts[I].Name);
    }
    return Y + 56;
  }

  int Glow(int Y) {
    Heading(kLeft, Y, L"Glow  发光文字: Light with its colour and blur radius");
    Y += 30;
    auto* Night = new TQvSkinPanel(FHost.get());
    Night->SetBounds(kLeft, Y, 654, 84);
    Night->SetBackgroundFillType(ftGradient);
    Night->SetGradientDirection(gdHorizontal);
    Night->SetGradientAlign(gaLeft);
    Night->SetGradientSize(100);
    Night->SetGradientStartColor(TColor(0x5A3A22));
    Night->SetGradientEndColor(TColor(0x9A7A5C));
    Night->SetAlpha(255);
    Night->SetBorderSides({});
    Night->SetParent(FHost.get());
    const struct {
      const wchar_t* Text;
      TColor Glow, Ink;
      int Blur;
    } Glows[] = {
        {L"White glow", clWhite, TColor(0x202020), 2},
        {L"黄色光晕", TColor(0x40E0FF), TColor(0x103050), 2},
        {L"Cyan, radius 1", TColor(0xFFE040), TColor(0x402000), 1},
    };
    int X = 20;
    for (const auto& G : Glows) {
      auto* L = Label(Night, X, 22, G.Text, -24, kChinese);
      L->Font()->SetStyle({fsBold});
      L->Font()->SetColor(G.Ink);
      L->Light()->SetColor(G.Glow);
      L->Light()->SetBlurRadius(G.Blur);
      L->Light()->SetActive(true);
      X += L->Width() + 40;
    }
    return Y + 84 + 16;
  }

  void AutoSizeAndTags(int Y) {
    Heading(kLeft, Y, L"Auto-size and rounded backgrounds  自动大小与圆角背景");
    Y += 30;
    int X = kLeft;
    const int Heights[] = {-11, -15, -22, -30};
    for (int H : Heights) {
      auto* L = Label(FHost.get(), X, Y, L"Sized " + std::to_wstring(-H) + L" px", H);
      // The border shows the box the label sized itself to.
      L->SetBorderSides({sdLeft, sdTop, sdRight, sdBottom});
      L->SetBorderColor(TColor(0x6AA0E8));
      L->SetDoubleBorder(false);
      X += L->Width() + 14;
    }
    auto* Lines = Label(FHost.get(), X, Y, L"Two hard lines,\r\nsized to the widest", -13);
    Lines->SetBorderSides({sdLeft, sdTop, sdRight, sdBottom});
    Lines->SetBorderColor(TColor(0x6AA0E8));
    Lines->SetDoubleBorder(false);
    Y += 52;
    const struct {
      const wchar_t* Text;
      TColor Back, Ink;
      int Radius;
    } Tags[] = {
        {L"标签", TColor(0xE8A040), clWhite, 12},
        {L"New", TColor(0x4CB050), clWhite, 12},
        {L"Beta 测试", TColor(0x3C8CF0), clWhite, 5},
        {L"RoundSize 3", TColor(0xE0E0E0), kInk, 3},
        {L"Half transparent", TColor(0xB04080), clWhite, 12},
    };
    X = kLeft;
    for (const auto& T : Tags) {
      auto* L = Label(FHost.get(), X, Y, T.Text, -13, kChinese);
      L->Font()->SetColor(T.Ink);
      const int W = L->Width() + 24, H = L->Height() + 10;
      L->SetRoundBackground(true);
      L->SetColor(T.Back);
      L->SetRoundSize(T.Radius);
      if (T.Back == TColor(0xB04080)) L->SetAlpha(150);
      L->SetAlignmentHorizontal(taCenter);
      L->SetAlignmentVertical(taVerticalCenter);
      L->SetBounds(X, Y, W, H);
      X += W + 10;
    }
  }

  void Html(int Y) {
    const int X0 = kRight;
    Heading(X0, Y, L"HTML label  HTML 标签: every tag of the mark-up");
    Y += 30;
    auto* Sheet = new TQvSkinPanel(FHost.get());
    Sheet->SetBounds(X0, Y, 680, 860);
    Sheet->SetAlpha(255);
    Sheet->SetDoubleBorder(false);
    Sheet->SetParent(FHost.get());
    const struct {
      const wchar_t *Tags, *Markup;
      const wchar_t* Font;
    } Rows[] = {
        {L"<b> <i> <u> <s>",
         L"<b>Bold</b>, <i>italic</i>, <u>underline</u>, <s>strike-out</s> and "
         L"<b><i><u>all three</u></i></b>",
         kLatin},
        {L"<sub> <sup>",
         L"Water is H<sub>2</sub>O, energy is E = mc<sup>2</sup>, a term is "
         L"x<sub>i</sub><sup>n</sup>",
         kLatin},
        {L"<font color=...>",
         L"<font color=#D03030>red #D03030</font>, <font color=green>green</font>, "
         L"<font color=clNavy>clNavy</font>, <font color=$0080FF>orange $0080FF</font>",
         kLatin},
        {L"<font size=...>",
         L"<font size=1>size 1</font> <font size=2>size 2</font> <font size=3>size 3</font> "
         L"<font size=4>size 4</font> <font size=5>5</font> on one baseline",
         kLatin},
        {L"<br> <hr> <hr size=3>",
         L"First line<br>Second line, after a break<hr>Below a rule<hr size=3>Below a "
         L"three-pixel rule",
         kLatin},
        {L"entities",
         L"&amp;amp; gives &amp;, &amp;lt;b&amp;gt; gives &lt;b&gt;, &quot;quotes&quot;, "
         L"&reg; &copy; &trade; &euro;&nbsp;100",
         kLatin},
        {L"中文",
         L"<b>中文</b>标签：<font color=#1E78D2>蓝色文字</font>、<i>斜体</i>、<u>下划线</u>、"
         L"<a href=\"zh\">超链接</a>与 H<sub>2</sub>O",
         kChinese},
    };
    int RowY = 16;
    for (const auto& R : Rows) {
      Note(Sheet, 16, RowY, R.Tags);
      auto* L = Add<TQvSkinHtmlLabel>(Sheet, 160, RowY - 2, R.Markup, -14, R.Font);
      // Rules run across the label: give the one with rules the sheet's width.
      if (String(R.Markup).find(L"<hr>") != String::npos) {
        L->SetAutoSize(false);
        L->SetWidth(480);
      }
      RowY += L->Height() + 18;
    }

    Note(Sheet, 16, RowY, L"<a href=...>");
    auto* Links = Add<TQvSkinHtmlLabel>(
        Sheet, 160, RowY - 2,
        L"Visit <a href=\"https://example.com/QvSkin\">the project page</a> or "
        L"<a href=Help>open the help</a>: hover to light a link, click to report it.",
        -14);
    RowY += Links->Height() + 6;
    auto* Status = Label(Sheet, 160, RowY, L"OnHyperLinkClick reports the HREF value here.", -12);
    Status->Font()->SetColor(kNote);
    Links->OnHyperLinkClick = [Status](TObject*, const String& Link) {
      Status->SetCaption(L"OnHyperLinkClick: " + Link);
    };
    auto* Hot = Add<TQvSkinHtmlLabel>(
        Sheet, 160, RowY + 22,
        L"HyperLinkFontHotColor can be any colour: <a href=green>this link lights green</a>", -14);
    Hot->SetHyperLinkFontHotColor(TColor(0x30A030));
    RowY += 22 + Hot->Height() + 24;

    Note(Sheet, 16, RowY, L"alignment");
    const struct {
      TAlignment H;
      TVerticalAlignment V;
      const wchar_t* Markup;
    } Boxes[] = {
        {taLeftJustify, taAlignTop, L"<b>Left</b>, top<br><i>two lines</i>"},
        {taCenter, taVerticalCenter, L"<b>Centred</b><br>x<sup>2</sup> + y<sup>2</sup>"},
        {taRightJustify, taAlignBottom, L"<b>Right</b>, bottom<br><a href=r>a link</a>"},
    };
    int BoxX = 160;
    for (const auto& B : Boxes) {
      auto* L = Add<TQvSkinHtmlLabel>(Sheet, BoxX, RowY - 2, B.Markup, -14);
      Frame(L, 160, 70);
      L->SetAlignmentHorizontal(B.H);
      L->SetAlignmentVertical(B.V);
      BoxX += 172;
    }
    RowY += 70 + 20;

    Note(Sheet, 16, RowY, L"Enabled = False");
    auto* Off = Add<TQvSkinHtmlLabel>(
        Sheet, 160, RowY - 2,
        L"<b>Disabled:</b> engraved, <font color=red>colours</font> and <a href=x>links</a> "
        L"ignored, <font size=4>sizes</font> kept",
        -14);
    Off->SetEnabled(false);
    RowY += Off->Height() + 16;
    Sheet->SetHeight(RowY);
  }

  static constexpr int kLeft = 16;
  static constexpr int kRight = 696;
  std::unique_ptr<TLabelsHost> FHost;
};

const TPageRegistration gRegistration(50, [] {
  return std::unique_ptr<TGalleryPage>(new TLabelsPage());
});

}  // namespace

}  // namespace gallery
