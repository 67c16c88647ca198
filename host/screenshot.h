// The screenshot key's picture: what the window shows, as a PNG in the user's pictures.
#pragma once

#include <string>
#include <vector>

// Writes `rgb`, rows from the bottom up as OpenGL reads them, as a PNG of the given size at
// `path`. False when the file cannot be written.
bool zu_WriteBottomUpPng(const std::string& path, int width, int height,
                         const std::vector<unsigned char>& rgb);

// A file name in `folder` that does not exist yet, from the local date and time:
// zandrel-2026-12-07_15-22-36.png, then -2, -3... for more in the same second.
std::string zu_ScreenshotPath(const std::string& folder);

// Reads the current OpenGL context's back buffer (the finished picture, before the swap)
// and writes it into `folder`, made if missing. Says where on standard output, or why not
// on standard error.
void zu_TakeScreenshot(const std::string& folder, int width, int height);
