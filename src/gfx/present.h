// Showing the finished frame, the F9 screenshot key and the screenshot writer.
#pragma once

#include <cstdint>

namespace gfx {

extern int32_t ScreenshotKeyLatch;
extern int32_t ScreenshotNumber;

void PresentFrame(int32_t clear, int32_t colour);
int32_t WriteScreenshot(const char* fileName);

}  // namespace gfx
