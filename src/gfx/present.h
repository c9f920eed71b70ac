// Showing the finished frame, the F9 screenshot key and the screenshot writer.
#pragma once

#include <cstdint>

namespace gfx {

extern int32_t ScreenshotKeyLatch;
extern int32_t ScreenshotNumber;

void PresentFrame(int32_t clear, int32_t colour);
int32_t WriteScreenshot(const char* fileName);
// Writes the picture the screen shows now as the next free screenshot, as F9 does
// for the frame being presented (scripted runs ask for it at any moment).
void TakeShownScreenshot();

}  // namespace gfx
