#pragma once
// PNG encoding of straight-alpha RGBA pixels.
#include <cstdint>
#include <vector>

namespace skingen {

std::vector<uint8_t> EncodePng(const std::vector<uint8_t>& rgba, int width, int height);

}  // namespace skingen
