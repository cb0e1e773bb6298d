#include "window/FormDesign.h"

#include <algorithm>

namespace tarnwick {

PixelRect ListView1Bounds(int clientWidth, int clientHeight, int listTop, int statusBarHeight) {
  const int height = clientHeight - listTop - statusBarHeight;
  return {0, listTop, std::max(clientWidth, 0), std::max(height, 0)};
}

int StretchedWidth(int designWidth, int clientWidth, int designClientWidth) {
  return designWidth + std::max(clientWidth - designClientWidth, 0);
}

PixelSize MinimumClientSize(int topRowRight, int listTop, int listChrome, int rowHeight, int statusBarHeight) {
  return {topRowRight, listTop + listChrome + kMinimumListRows * rowHeight + statusBarHeight};
}

int TopRowRightTwips() {
  int right = 0;
  int margin = 0;
  for (const ControlDesign& design : kForm1Controls) {
    if (design.control == DesignedControl::ListView1 || design.control == DesignedControl::StatusBar1) continue;
    right = std::max(right, design.rect.left + design.rect.width);
    if (design.control == DesignedControl::Text1) margin = design.rect.left;
  }
  return right + margin;
}

int FirstPanelRight(int barWidth, int secondPanelNeeds) {
  const int second = std::min(std::max(secondPanelNeeds, 0), std::max(barWidth, 0) / 2);
  return std::max(barWidth - second, 0);
}

PixelRect FitIntoArea(const PixelRect& window, const PixelRect& area) {
  PixelRect fitted = window;
  fitted.width = std::min(window.width, area.width);
  fitted.height = std::min(window.height, area.height);
  fitted.left = std::clamp(window.left, area.left, area.left + area.width - fitted.width);
  fitted.top = std::clamp(window.top, area.top, area.top + area.height - fitted.height);
  return fitted;
}

}  // namespace tarnwick
