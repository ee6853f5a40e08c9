// The main and pop-up views of the batch program: Cairo images that stand in
// for the Motif drawing areas, so view commands draw exactly as in the window.
#pragma once

inline constexpr int DV_BATCH_WIDTH = 800;
inline constexpr int DV_BATCH_HEIGHT = 600;
inline constexpr int DV_BATCH_POPUP_WIDTH = 400;
inline constexpr int DV_BATCH_POPUP_HEIGHT = 300;

// Sets up Vmain and Vpopup on images of the given size (the pop-up as the
// Motif start-up does: scale 1000 / height, origin 0).
void DVbatchInit(int width = DV_BATCH_WIDTH, int height = DV_BATCH_HEIGHT);
// Changes the main view's size, keeping its scale and origin; the picture is redrawn.
bool DVsetBatchSize(int width, int height);
// Writes the main view as the window shows it: PNG, or SVG when the name ends
// in ".svg" (the visible window redrawn as vectors). False when it cannot be written.
bool DVviewFile(const char* path);
void DVbatchRelease();
