#pragma once
// Captures a window as the display shows it and writes it as a PNG file.
#include <windows.h>

#include "host/Types.h"

namespace gallery {

// Raises qv::Exception when the picture cannot be captured or written.
void SaveWindowScreenshot(HWND Window, const qv::String& FileName);

// Runs the message loop until no message is waiting and the window has painted.
void PumpMessages(int Milliseconds);

}  // namespace gallery
