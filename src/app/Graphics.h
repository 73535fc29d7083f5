#pragma once

#include <QString>

// Where OpenGL itself is drawn in software (no graphics card, a virtual machine, a virtual display),
// the page views are composed in software too. Composed through the emulated GPU, every repaint of the
// window's decoration (a falling snowflake, a blinking bulb) recomposes the whole window; composed in
// software, it costs only its own pixels, and the user sees the same.

// True for an OpenGL renderer name that belongs to a software rasteriser.
bool IsSoftwareRenderer(const QString& rendererName);

// Decides once, after the application object exists and before the first page view: the user's own
// choice (QT_QUICK_BACKEND, or GLISTERWOOD_GRAPHICS=gpu/software) wins; otherwise the renderer of a
// throwaway OpenGL context decides. Returns whether the views are composed in software.
bool ChooseComposition();
