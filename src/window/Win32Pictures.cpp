#include "window/Win32Pictures.h"

#include "window/FormDesign.h"
#include "window/Win32ResourceIds.h"

namespace tarnwick {

UniqueIcon LoadIconPixels(int resourceId, int size) {
  // The icon files hold 16 and 32 pixel images; the system picks the nearer
  // one and scales it to the size asked for.
  return UniqueIcon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size, size, 0)));
}

UniqueImageList CreateImageList1(int dpi) {
  const int size = ScaleForDpi(kPicturePixels, kDefaultDpi, dpi);
  UniqueImageList images(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 3, 0));
  if (!images) return images;
  // In the order of the rows' picture numbers, from 1.
  for (const int id : {IDI_FOLDER, IDI_DOCUMENT, IDI_SHORT_TOTALS}) {
    const UniqueIcon icon = LoadIconPixels(id, size);
    ::ImageList_ReplaceIcon(images.get(), -1, icon.get());  // the list keeps a copy
  }
  return images;
}

}  // namespace tarnwick
