// The density of the screen a window is on, and the system's metrics and
// fonts for a density (Windows only).
//
// The per-monitor functions (GetDpiForWindow, GetSystemMetricsForDpi,
// SystemParametersInfoForDpi, AdjustWindowRectExForDpi) are looked up when
// first needed: a system without them has one density for every monitor,
// the system's, and its plain metrics are the ones for that density. Asked
// for another density there, a metric is scaled from the system's by the
// same rule as stored lengths.
#pragma once

#include <windows.h>

#include "ui/model/dpi_scale.h"

namespace ui {

// The density the system runs at: what a window gets before it is on a
// monitor of its own.
int SystemDpi();
// The density of the monitor `window` is on; the system's for a null window
// or where windows have no density of their own.
int WindowDpi(HWND window);
inline DpiScale WindowScale(HWND window) {
  return DpiScale(WindowDpi(window));
}

// A GetSystemMetrics value (`index`: SM_*) at `dpi`.
int SystemMetricForDpi(int index, int dpi);
// The desktop's non-client metrics (menu, status bar and caption fonts,
// caption sizes) at `dpi`; false when the desktop does not say.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);
// The outer rectangle of a window of `style` and `ex_style` (no menu) whose
// client area is `client`, with the frame the system draws at `dpi`.
RECT WindowRectForClient(const RECT& client, DWORD style, DWORD ex_style, int dpi);

}  // namespace ui
