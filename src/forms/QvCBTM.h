#pragma once
// Callback-to-method stubs: a piece of executable code that a plain platform callback
// can point at and that calls a function with an object pointer added as its first
// argument. Used where a callback carries no user data of its own (window-event hooks).
#include <cstddef>
#include <cstdint>

namespace qv {

// A method as a code address and the object it works on.
struct TMethod {
  void* Code = nullptr;
  void* Data = nullptr;
};

// Size of the 32-bit x86 stub.
constexpr size_t QvX86MethodStubSize = 16;
// Size of the x86-64 thunk.
constexpr size_t QvX64MethodThunkSize = 149;
// Stack arguments of the callback that the x86-64 thunk forwards (after the four passed
// in registers): callbacks of up to 12 arguments.
constexpr int QvX64ThunkMaxArgs = 12;

// Writes the 32-bit stub placed at StubAddress: it turns a stdcall callback into a call of
// the stdcall function Code with Data pushed as an extra first argument (Code must take
// that one argument more, so its stack clean-up balances):
//   FF 34 24              push dword [esp]        (a copy of the return address)
//   C7 44 24 04 <Data>    mov dword [esp+4], Data (the old slot becomes the object)
//   E9 <rel32>            jmp Code                (rel32 = Code - (StubAddress + 16))
void WriteX86MethodStub(uint8_t* Dest, uint32_t StubAddress, uint32_t Data, uint32_t Code);

// Writes the x86-64 thunk (Microsoft x64 calling convention): a call with up to 12
// integer or pointer arguments becomes Code(Data, arguments...), and Code's result is
// answered. Floating-point arguments are not supported (they travel in XMM registers
// the thunk does not shift). The thunk has no unwind data: Code must not let an
// exception escape (no platform callback may anyway).
void WriteX64MethodThunk(uint8_t* Dest, uint64_t Data, uint64_t Code);

// Builds a stub for Method in executable memory (the 32-bit stub on x86, the thunk on
// x86-64). Call through it as the callback; free it with FreeInstruction.
void* MakeInstruction(const TMethod& Method);
// Releases a stub of MakeInstruction; nil does nothing.
void FreeInstruction(void* P);

}  // namespace qv
