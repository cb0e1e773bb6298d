#include "app/FormDesign.h"

#include <algorithm>

namespace tarnwick {

PixelRect ListView1Bounds(int clientWidth, int clientHeight, int listTop, int statusBarHeight) {
  const int height = clientHeight - listTop - statusBarHeight;
  return {0, listTop, std::max(clientWidth, 0), std::max(height, 0)};
}

}  // namespace tarnwick
