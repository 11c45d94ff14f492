// The 32-bit callback-to-method stub: its exact bytes; the x86-64 thunk fills its size.
// (The thunk runs in the Win64 tests.)
#include <gtest/gtest.h>

#include <cstdint>

#include "forms/QvCBTM.h"

using namespace qv;

namespace {

uint32_t Read32(const uint8_t* P) {
  return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
}

TEST(CBTMTest, X86StubCarriesTheObjectAndTheJumpToTheMethod) {
  struct {
    uint32_t Stub, Data, Code;
  } Cases[] = {
      {0x00401000, 0x12345678, 0x00402000},
      // The method lies below the stub: the displacement is negative.
      {0x7FFE0000, 0xDEADBEEF, 0x00401010},
      // The displacement wraps around the 32-bit address space.
      {0xFFFFFFF0, 0x00000001, 0x00000010},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Stub);
    uint8_t B[QvX86MethodStubSize + 1];
    B[QvX86MethodStubSize] = 0xCC;
    WriteX86MethodStub(B, C.Stub, C.Data, C.Code);
    const uint8_t Head[] = {0xFF, 0x34, 0x24, 0xC7, 0x44, 0x24, 0x04};
    for (size_t I = 0; I < sizeof(Head); ++I) EXPECT_EQ(B[I], Head[I]) << I;
    EXPECT_EQ(Read32(B + 7), C.Data);
    EXPECT_EQ(B[11], 0xE9);
    EXPECT_EQ(Read32(B + 12), C.Code - (C.Stub + 16));
    EXPECT_EQ(B[QvX86MethodStubSize], 0xCC);  // nothing written past the stub
  }
}

TEST(CBTMTest, X64ThunkFillsExactlyItsSize) {
  uint8_t B[QvX64MethodThunkSize + 1];
  B[QvX64MethodThunkSize] = 0xCC;
  WriteX64MethodThunk(B, 0x1122334455667788ull, 0x0102030405060708ull);
  EXPECT_EQ(B[QvX64MethodThunkSize - 1], 0xC3);  // ret
  EXPECT_EQ(B[QvX64MethodThunkSize], 0xCC);
}

}  // namespace
