#include "ui/framework/screen_density.h"

#include "ui/framework/gdi.h"

namespace ui {

namespace {

// The per-monitor functions of this system, null where it has none. They
// never change while the program runs, so they are looked up once.
struct DensityFunctions {
  UINT(WINAPI* dpi_for_window)(HWND) = nullptr;
  UINT(WINAPI* dpi_for_system)() = nullptr;
  int(WINAPI* metric_for_dpi)(int, UINT) = nullptr;
  BOOL(WINAPI* parameters_for_dpi)(UINT, UINT, PVOID, UINT, UINT) = nullptr;
  BOOL(WINAPI* adjust_for_dpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
};

template <typename Function>
void LookUp(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const DensityFunctions& Functions() {
  static const DensityFunctions functions = [] {
    DensityFunctions f;
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
      LookUp(user, "GetDpiForWindow", f.dpi_for_window);
      LookUp(user, "GetDpiForSystem", f.dpi_for_system);
      LookUp(user, "GetSystemMetricsForDpi", f.metric_for_dpi);
      LookUp(user, "SystemParametersInfoForDpi", f.parameters_for_dpi);
      LookUp(user, "AdjustWindowRectExForDpi", f.adjust_for_dpi);
    }
    return f;
  }();
  return functions;
}

// A density a system function gave, or the stored one where it gave none.
int Sane(UINT dpi) {
  return DpiScale::Plausible(static_cast<int>(dpi)) ? static_cast<int>(dpi) : DpiScale::kStoredDpi;
}

// A metric of the system's density brought to `dpi` (systems without the
// per-monitor functions).
int FromSystemDensity(int value, int dpi) {
  const int system = SystemDpi();
  return system == dpi ? value : MulDiv(value, dpi, system);
}

}  // namespace

int SystemDpi() {
  if (const auto get = Functions().dpi_for_system) return Sane(get());
  const WindowDC screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : DpiScale::kStoredDpi;
  return Sane(static_cast<UINT>(dpi));
}

int WindowDpi(HWND window) {
  if (const auto get = Functions().dpi_for_window; get && window) return Sane(get(window));
  return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  if (const auto get = Functions().metric_for_dpi) return get(index, static_cast<UINT>(dpi));
  return FromSystemDensity(GetSystemMetrics(index), dpi);
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = sizeof metrics;
  if (const auto get = Functions().parameters_for_dpi) {
    return get(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)) != FALSE;
  }
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
  if (SystemDpi() != dpi) {
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont}) {
      font->lfHeight = FromSystemDensity(font->lfHeight, dpi);
    }
    for (int* length : {&metrics.iBorderWidth, &metrics.iScrollWidth, &metrics.iScrollHeight,
                        &metrics.iCaptionWidth, &metrics.iCaptionHeight, &metrics.iSmCaptionWidth,
                        &metrics.iSmCaptionHeight, &metrics.iMenuWidth, &metrics.iMenuHeight}) {
      *length = FromSystemDensity(*length, dpi);
    }
  }
  return true;
}

RECT WindowRectForClient(const RECT& client, DWORD style, DWORD ex_style, int dpi) {
  RECT outer = client;
  if (const auto adjust = Functions().adjust_for_dpi) {
    if (adjust(&outer, style, FALSE, ex_style, static_cast<UINT>(dpi))) return outer;
    outer = client;
  }
  AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  if (SystemDpi() != dpi) {
    // The frame drawn at the system's density, brought to `dpi`.
    outer.left = client.left - FromSystemDensity(client.left - outer.left, dpi);
    outer.top = client.top - FromSystemDensity(client.top - outer.top, dpi);
    outer.right = client.right + FromSystemDensity(outer.right - client.right, dpi);
    outer.bottom = client.bottom + FromSystemDensity(outer.bottom - client.bottom, dpi);
  }
  return outer;
}

}  // namespace ui
