#include "dialogs/QvSkinDragFileData.h"

#include <cstdint>
#include <cstring>

namespace qv {

namespace {

struct TDropFilesLayout {
  uint32_t Offset = 0;
  bool Wide = false;
};

// Walks the names of the block, handing each name's start and length (in characters) to
// Name; answers the count, or -1 for a malformed block.
template <typename F>
int WalkDropFiles(const void* Block, size_t Size, TDropFilesLayout& Layout, F Name) {
  if (!Block || Size < DropFilesHeaderSize) return -1;
  const auto* Bytes = static_cast<const uint8_t*>(Block);
  uint32_t Wide = 0;
  std::memcpy(&Layout.Offset, Bytes, 4);
  std::memcpy(&Wide, Bytes + 16, 4);
  Layout.Wide = Wide != 0;
  const size_t Unit = Layout.Wide ? 2 : 1;
  if (Layout.Offset < DropFilesHeaderSize || Layout.Offset > Size) return -1;
  int Count = 0;
  size_t Start = Layout.Offset, Length = 0;
  for (size_t At = Layout.Offset; At + Unit <= Size; At += Unit) {
    if (Bytes[At] != 0 || (Unit == 2 && Bytes[At + 1] != 0)) {
      ++Length;
      continue;
    }
    // A zero after a name ends it; a zero right after the previous one ends the list.
    if (Length == 0) return Count;
    Name(Start, Length);
    ++Count;
    Start = At + Unit;
    Length = 0;
  }
  return -1;
}

}  // namespace

int QvDropFilesCount(const void* Block, size_t Size) {
  TDropFilesLayout Layout;
  return WalkDropFiles(Block, Size, Layout, [](size_t, size_t) {});
}

bool QvDropFilesWideNames(const void* Block, size_t Size, std::vector<String>& Names) {
  std::vector<std::pair<size_t, size_t>> Spans;
  TDropFilesLayout Layout;
  const int Count = WalkDropFiles(
      Block, Size, Layout, [&](size_t Start, size_t Length) { Spans.emplace_back(Start, Length); });
  if (Count < 0 || !Layout.Wide) return false;
  const auto* Bytes = static_cast<const uint8_t*>(Block);
  Names.clear();
  Names.reserve(Spans.size());
  for (const auto& [Start, Length] : Spans) {
    String Name(Length, L'\0');
    for (size_t I = 0; I < Length; ++I) {
      uint16_t Unit;
      std::memcpy(&Unit, Bytes + Start + 2 * I, 2);
      Name[I] = wchar_t(Unit);
    }
    Names.push_back(std::move(Name));
  }
  return true;
}

}  // namespace qv
