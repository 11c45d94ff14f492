#pragma once
// Captures the gallery window as the display shows it, once the page has come to rest.
#include <windows.h>

#include <functional>

#include "host/Types.h"
#include "raster/Bitmap32.h"

namespace gallery {

// Runs the message loop until the window is still: no message waiting, Ready() true, and
// two captures in a row alike, each taken after the thread went idle (Wine copies window
// surfaces to the display when the thread waits). Shot holds the last capture, alpha 255.
// Raises qv::Exception when that does not happen within TimeoutMs.
void CaptureWhenStill(HWND Window, const std::function<bool()>& Ready, qv::TBitmap32& Shot,
                      int TimeoutMs = 15000);

// Raises qv::Exception when the picture cannot be encoded or written.
void SavePng(qv::TBitmap32& Picture, const qv::String& FileName);

}  // namespace gallery
