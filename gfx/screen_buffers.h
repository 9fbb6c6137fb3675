// screen_buffers.h -- the three off-screen buffers (0 shown, 1 saved background, 2 scratch) and whole-buffer
// operations.
#pragma once

#include <cstdint>

constexpr int ScreenBufferCount = 3;

// Allocates the three buffers of width x height pixels (once, at start-up).
void AllocateBuffers(std::uint16_t width, std::uint16_t height);
bool BuffersAllocated();
std::uint16_t* ScreenBuffer(int index);
std::uint16_t ScreenWidth();
std::uint16_t ScreenHeight();
int ScreenPixelCount();

void ClearBuffer(int buffer);  // fills with KeyColour
void ClearAllBuffers();
void CopyBuffer(int from, int to);
void CopyRows(int from, int to, int firstRow, int rowCount);
void CopyBufferRect(int x, int y, int w, int h, int from, int to);
void Greyscale(int buffer);

// Copies buffer 0 to the display.
void PresentScreen();
