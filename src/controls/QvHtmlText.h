#pragma once
// Text helpers of the HTML label's small mark-up: entity and line-break pre-processing,
// splitting text from tags, reading tag attributes and colour values. Portable.
#include "host/Types.h"

namespace qv {

// Font-size factor of superscript and subscript.
constexpr double DefaultSuperSubScriptRatio = 2.0 / 3.0;

// One character entity and what it stands for.
struct THtmlCode {
  const wchar_t* Html;
  const wchar_t* Code;
};
// The entities replaced before layout ("&lt;" and "&gt;" are replaced in text runs only).
extern const THtmlCode HtmlCodes[7];

// The text the engine lays out: the entities of HtmlCodes replaced (case-insensitively, in
// one pass, so that a replacement is never read again), source line breaks (CR, LF) removed,
// "<BR>" turned into CR LF and "<HR>" followed by CR LF. An "&amp;" that would spell
// "&lt;", "&gt;" or "&amp;" with what follows stays, for HTMLDecodeRun to read once.
String HTMLPrepareText(const String& S);
// The text before the first "<" (all of S when there is none); with DeleteToTag that text
// is removed from S.
String HTMLBeforeTag(String& S, bool DeleteToTag);
// S without everything up to and including the first ">" when S starts with "<" and has a
// ">" after it; otherwise S.
String HTMLDeleteTag(const String& S);
// The character at the 1-based Index, or a space when S is shorter; ASCII upper case with
// Upper.
wchar_t GetChar(const String& S, int Index, bool Upper);
// A text run as it is drawn: "&lt;", "&gt;" and "&amp;" decoded in one pass.
String HTMLDecodeRun(const String& S);
// ASCII upper case: the same length and positions as S.
String HTMLUpperCase(const String& S);

// The value of attribute Name (upper case) in Tag, the text between "<" and ">". The name
// is found as a whole word, case-insensitively; its value follows "=" and is quoted
// ('...' or "...", the quote closing at its match or the tag's end) or runs to the next
// blank. A name without "=" has an empty value. The value keeps its case. False when the
// tag has no such attribute.
bool HTMLTagAttribute(const String& Tag, const String& Name, String& Value);
// A COLOR value: "#RRGGBB" or "#RGB" as HTML writes colours, a framework colour name
// ("clRed"), one of the sixteen basic HTML colour names ("red"), a "$" hexadecimal or a
// decimal framework colour. False for anything else.
bool HTMLColorValue(const String& Value, TColor& Color);

}  // namespace qv
