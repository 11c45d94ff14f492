// Callback stubs used for real: as a platform enumeration callback, and called directly
// with the seven integer arguments of a window-event callback and with twelve.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "forms/QvCBTM.h"
#include "host/Controls.h"

using namespace qv;

namespace {

// Frees a stub at the end of a scope.
struct TStubFree {
  void operator()(void* P) const { FreeInstruction(P); }
};
using TStub = std::unique_ptr<void, TStubFree>;

TStub MakeStub(void* Code, void* Data) {
  return TStub(MakeInstruction(TMethod{Code, Data}));
}

struct TCollector {
  std::vector<HWND> Windows;
  LPARAM Param = 0;
  size_t StopAfter = 0;
};

// The enumeration callback with its object first.
BOOL CALLBACK CollectWindow(TCollector* Self, HWND Wnd, LPARAM Param) {
  Self->Windows.push_back(Wnd);
  Self->Param = Param;
  return Self->Windows.size() < Self->StopAfter;
}

TEST(CBTMWinTest, StubServesAsAPlatformCallback) {
  TForm F(nullptr);
  std::vector<HWND> Children;
  for (int I = 0; I < 3; ++I) {
    auto* C = new TCustomControl(&F);
    C->SetParent(&F);
    Children.push_back(C->Handle());
  }
  // Two objects behind two stubs at once: each call reaches its own.
  TCollector All, First;
  All.StopAfter = 100;
  First.StopAfter = 1;
  TStub AllStub = MakeStub(reinterpret_cast<void*>(&CollectWindow), &All);
  TStub FirstStub = MakeStub(reinterpret_cast<void*>(&CollectWindow), &First);
  EnumChildWindows(F.Handle(), reinterpret_cast<WNDENUMPROC>(AllStub.get()), 1234);
  // The callback's FALSE stops the enumeration: the result comes back through the stub.
  EnumChildWindows(F.Handle(), reinterpret_cast<WNDENUMPROC>(FirstStub.get()), 5678);
  std::vector<HWND> Sorted = All.Windows;
  std::sort(Sorted.begin(), Sorted.end());
  std::sort(Children.begin(), Children.end());
  EXPECT_EQ(Sorted, Children);
  EXPECT_EQ(All.Param, 1234);
  EXPECT_EQ(First.Windows.size(), 1u);
  EXPECT_EQ(First.Param, 5678);
  FreeInstruction(nullptr);
}

struct TArgs {
  std::vector<uint64_t> Seen;
  bool Aligned = true;
};

// The stack must be 16-byte aligned at every call: the frame pointer then is too.
void NoteAlignment(TArgs* Self, void* Frame) {
#if defined(__x86_64__)
  if (uintptr_t(Frame) % 16 != 0) Self->Aligned = false;
#endif
}

// The shape of a window-event callback (hook, event, window, object, child, thread, time).
intptr_t CALLBACK Seven(TArgs* Self, HWINEVENTHOOK A1, DWORD A2, HWND A3, LONG A4, LONG A5,
                        DWORD A6, DWORD A7) {
  NoteAlignment(Self, __builtin_frame_address(0));
  Self->Seen = {uint64_t(uintptr_t(A1)),
                A2,
                uint64_t(uintptr_t(A3)),
                uint64_t(int64_t(A4)),
                uint64_t(int64_t(A5)),
                A6,
                A7};
  return intptr_t(0x5EED);
}

using TSevenProc = intptr_t(CALLBACK*)(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);

intptr_t CALLBACK Twelve(TArgs* Self, intptr_t A1, intptr_t A2, intptr_t A3, intptr_t A4,
                         intptr_t A5, intptr_t A6, intptr_t A7, intptr_t A8, intptr_t A9,
                         intptr_t A10, intptr_t A11, intptr_t A12) {
  NoteAlignment(Self, __builtin_frame_address(0));
  for (intptr_t A : {A1, A2, A3, A4, A5, A6, A7, A8, A9, A10, A11, A12})
    Self->Seen.push_back(uint64_t(A));
  return A1 + A12;
}

using TTwelveProc = intptr_t(CALLBACK*)(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
                                        intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t);

TEST(CBTMWinTest, StubPassesEveryArgumentTheObjectAndTheResult) {
  TArgs Args;
  TStub Stub = MakeStub(reinterpret_cast<void*>(&Seven), &Args);
  auto Proc = reinterpret_cast<TSevenProc>(Stub.get());
  auto* Hook = reinterpret_cast<HWINEVENTHOOK>(uintptr_t(0x1122334455667788ull));
  auto* Wnd = reinterpret_cast<HWND>(uintptr_t(0x0000000100000202ull));
  EXPECT_EQ(Proc(Hook, 0x8005, Wnd, -4, 7, 0xFFFFFFFE, 123456), 0x5EED);
  EXPECT_EQ(Args.Seen, (std::vector<uint64_t>{0x1122334455667788ull, 0x8005, 0x0000000100000202ull,
                                              uint64_t(-4), 7, 0xFFFFFFFE, 123456}));
  EXPECT_TRUE(Args.Aligned);

  TArgs Args12;
  TStub Stub12 = MakeStub(reinterpret_cast<void*>(&Twelve), &Args12);
  auto Proc12 = reinterpret_cast<TTwelveProc>(Stub12.get());
  std::vector<uint64_t> Expected;
  for (int I = 1; I <= 12; ++I) Expected.push_back(uint64_t(I) * 0x0101010101010101ull);
  EXPECT_EQ(Proc12(intptr_t(Expected[0]), intptr_t(Expected[1]), intptr_t(Expected[2]),
                   intptr_t(Expected[3]), intptr_t(Expected[4]), intptr_t(Expected[5]),
                   intptr_t(Expected[6]), intptr_t(Expected[7]), intptr_t(Expected[8]),
                   intptr_t(Expected[9]), intptr_t(Expected[10]), intptr_t(Expected[11])),
            intptr_t(Expected[0] + Expected[11]));
  EXPECT_EQ(Args12.Seen, Expected);
  EXPECT_TRUE(Args12.Aligned);
}

}  // namespace
