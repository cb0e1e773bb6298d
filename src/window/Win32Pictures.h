#pragma once
// The program's own pictures, from its resources, at the size a DPI needs.
#include "base/Win32GuiHandles.h"

namespace tarnwick {

UniqueIcon LoadIconPixels(int resourceId, int size);

// ImageList1: the closed folder (row picture 1) and the text document (row
// picture 2), 16 x 16 at the default DPI, and the mark of short totals, which
// is drawn over a row's picture.
UniqueImageList CreateImageList1(int dpi);

}  // namespace tarnwick
