#pragma once

#include <windows.h>

#include "viewer/Palette.h"

namespace dd {

// What dark mode does to the parts of the list and the grid that Windows draws around their client
// areas.

// Gives the window Windows' dark theme (its scroll bars turn dark), or takes it back to the default
// theme. Nothing happens where uxtheme.dll or its SetWindowTheme is missing.
void UseDarkControlTheme(HWND window, bool dark) noexcept;

// Takes the window's theme away, so that a control that a theme would paint by itself (the tooltip)
// paints in the colours it is given; UseDarkControlTheme(window, false) gives it back.
void UseNoControlTheme(HWND window) noexcept;

// Paints the window's sunken client edge (WS_EX_CLIENTEDGE) over in the dark palette's colours once
// Windows has drawn the non-client area. Light mode leaves the edge as Windows draws it.
void PaintDarkClientEdge(HWND window, const Palette& palette) noexcept;

}  // namespace dd
