#include "window/Win32UiFont.h"

#include "window/FormDesign.h"

namespace tarnwick {

UniqueFont CreateUiFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
    return UniqueFont(::CreateFontIndirectW(&metrics.lfMessageFont));
  }
  // Systems without the per-DPI query give the metrics for the system DPI.
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    metrics.lfMessageFont.lfHeight = ScaleForDpi(metrics.lfMessageFont.lfHeight, ::GetDpiForSystem(), dpi);
    return UniqueFont(::CreateFontIndirectW(&metrics.lfMessageFont));
  }
  return UniqueFont();  // the controls keep their own default font
}

}  // namespace tarnwick
