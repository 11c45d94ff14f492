// The application's own stb implementation, with external linkage as stb makes it by
// default: the library's copy must not clash with it.
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "OwnStb.h"

bool OwnStbWorks() {
  const unsigned char Pixels[2 * 2 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  int Len = 0;
  unsigned char* Png = stbi_write_png_to_mem(Pixels, 2 * 3, 2, 2, 3, &Len);
  if (!Png) return false;
  int W = 0, H = 0, N = 0;
  unsigned char* Back = stbi_load_from_memory(Png, Len, &W, &H, &N, 3);
  STBIW_FREE(Png);
  const bool Same = Back && W == 2 && H == 2 && Back[3] == 0 && Back[4] == 255;
  stbi_image_free(Back);
  return Same;
}
