// Executable memory for the callback stubs.
#include <windows.h>

#include "forms/QvCBTM.h"
#include "host/Types.h"

namespace qv {

namespace {

#if defined(__x86_64__) || defined(_M_X64)
constexpr size_t StubSize = QvX64MethodThunkSize;
#elif defined(__i386__) || defined(_M_IX86)
constexpr size_t StubSize = QvX86MethodStubSize;
#else
#error "callback stubs exist for x86 and x86-64 only"
#endif

// A private heap whose blocks may execute (the process heap may not, under DEP). It lives
// as long as the process: stubs may be freed by late static destructors.
HANDLE StubHeap() {
  static HANDLE Heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
  return Heap;
}

}  // namespace

void* MakeInstruction(const TMethod& Method) {
  HANDLE Heap = StubHeap();
  auto* P = Heap ? static_cast<uint8_t*>(HeapAlloc(Heap, 0, StubSize)) : nullptr;
  if (!P) throw EOutOfResources(L"No memory for a callback stub");
#if defined(__x86_64__) || defined(_M_X64)
  WriteX64MethodThunk(P, uint64_t(uintptr_t(Method.Data)), uint64_t(uintptr_t(Method.Code)));
#else
  WriteX86MethodStub(P, uint32_t(uintptr_t(P)), uint32_t(uintptr_t(Method.Data)),
                     uint32_t(uintptr_t(Method.Code)));
#endif
  FlushInstructionCache(GetCurrentProcess(), P, StubSize);
  return P;
}

void FreeInstruction(void* P) {
  if (P) HeapFree(StubHeap(), 0, P);
}

}  // namespace qv
