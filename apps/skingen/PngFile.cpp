#include "PngFile.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace skingen {

std::vector<uint8_t> EncodePng(const std::vector<uint8_t>& rgba, int width, int height) {
  std::vector<uint8_t> out;
  auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const uint8_t*>(data);
    static_cast<std::vector<uint8_t>*>(context)->insert(
        static_cast<std::vector<uint8_t>*>(context)->end(), bytes, bytes + size);
  };
  stbi_write_png_to_func(append, &out, width, height, 4, rgba.data(), width * 4);
  return out;
}

}  // namespace skingen
