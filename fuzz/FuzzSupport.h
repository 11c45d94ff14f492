#pragma once
// Shared by the picture fuzz targets.
#include <cstdint>
#include <vector>

#include "host/ImageCodec.h"

namespace qvfuzz {

// A picture within the library's limits whose header claims more than 16 K pixels: its
// decoding takes milliseconds and reaches no code a small picture does not, so the
// targets skip it to keep the search fast. Refused pictures still run.
inline bool LargeButAllowed(const std::vector<uint8_t>& Bytes) {
  try {
    const qv::TImageHeader H = qv::ReadImageHeader(Bytes.data(), Bytes.size());
    return int64_t(H.Width) * H.Height > (int64_t(1) << 14);
  } catch (const qv::Exception&) {
    return false;
  }
}

}  // namespace qvfuzz
