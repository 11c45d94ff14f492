#include "forms/QvCBTM.h"

#include <cstring>
#include <initializer_list>

namespace qv {

namespace {

void Put32(uint8_t* Dest, uint32_t V) {
  for (int I = 0; I < 4; ++I) Dest[I] = uint8_t(V >> (8 * I));
}

void Put64(uint8_t* Dest, uint64_t V) {
  for (int I = 0; I < 8; ++I) Dest[I] = uint8_t(V >> (8 * I));
}

}  // namespace

void WriteX86MethodStub(uint8_t* Dest, uint32_t StubAddress, uint32_t Data, uint32_t Code) {
  static constexpr uint8_t Head[] = {0xFF, 0x34, 0x24, 0xC7, 0x44, 0x24, 0x04};
  std::memcpy(Dest, Head, sizeof(Head));
  Put32(Dest + 7, Data);
  Dest[11] = 0xE9;
  Put32(Dest + 12, Code - (StubAddress + uint32_t(QvX86MethodStubSize)));
}

void WriteX64MethodThunk(uint8_t* Dest, uint64_t Data, uint64_t Code) {
  // The frame: 32 bytes of shadow space, then the callee's stack arguments 5 to 13.
  // 0x68 also restores 16-byte alignment (8 at entry, after the caller's call).
  constexpr uint8_t Frame = 0x68;
  uint8_t* P = Dest;
  auto Emit = [&P](std::initializer_list<uint8_t> Bytes) {
    for (uint8_t B : Bytes) *P++ = B;
  };
  Emit({0x48, 0x83, 0xEC, Frame});       // sub rsp, 0x68
  Emit({0x4C, 0x89, 0x4C, 0x24, 0x20});  // mov [rsp+0x20], r9  (4th argument -> 5th)
  Emit({0x4D, 0x89, 0xC1});              // mov r9, r8
  Emit({0x49, 0x89, 0xD0});              // mov r8, rdx
  Emit({0x48, 0x89, 0xCA});              // mov rdx, rcx
  Emit({0x48, 0xB9});                    // mov rcx, Data
  Put64(P, Data);
  P += 8;
  // The caller's 5th argument and on sit above our frame, the return address and its
  // shadow space; each moves one slot up in the callee's list.
  for (uint8_t I = 0; I < QvX64ThunkMaxArgs - 4; ++I) {
    Emit({0x48, 0x8B, 0x84, 0x24});  // mov rax, [rsp+Frame+0x28+8*I]
    Put32(P, uint32_t(Frame + 0x28 + 8 * I));
    P += 4;
    Emit({0x48, 0x89, 0x44, 0x24, uint8_t(0x28 + 8 * I)});  // mov [rsp+0x28+8*I], rax
  }
  Emit({0x48, 0xB8});  // mov rax, Code
  Put64(P, Code);
  P += 8;
  Emit({0xFF, 0xD0});               // call rax
  Emit({0x48, 0x83, 0xC4, Frame});  // add rsp, 0x68
  Emit({0xC3});                     // ret
}

}  // namespace qv
