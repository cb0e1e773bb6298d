#include "app/Win32ResultList.h"

#include <algorithm>
#include <cstring>

#include "app/FormDesign.h"
#include "scan/Win32Text.h"

namespace tarnwick {
namespace {

// The list view hands a buffer of its own size; longer texts are cut to fit.
void CopyTruncated(const Str& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const size_t count = std::min(text.size(), static_cast<size_t>(capacity - 1));
  std::memcpy(buffer, text.data(), count * sizeof(wchar_t));
  buffer[count] = L'\0';
}

}  // namespace

void Win32ResultList::Attach(HWND listView, ListModel& model, HWND owner, UINT syncMessage) {
  Detach();
  list_ = listView;
  model_ = &model;
  owner_ = owner;
  syncMessage_ = syncMessage;
  countPending_ = false;
  model_->SetObserver(this);
  ListView_SetItemCountEx(list_, model_->Count(), 0);
}

void Win32ResultList::Detach() {
  if (model_ != nullptr) model_->SetObserver(nullptr);
  model_ = nullptr;
  list_ = nullptr;
  owner_ = nullptr;
}

void Win32ResultList::AddColumns(int dpi) {
  int index = 0;
  for (const ColumnDesign& design : kListView1Columns) {
    std::wstring caption = ToWide(design.caption);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = design.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = TwipsToPixels(design.widthTwips, dpi);
    column.pszText = caption.data();
    column.iSubItem = index;
    ::SendMessageW(list_, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    ++index;
  }
}

void Win32ResultList::RescaleColumns(int fromDpi, int toDpi) {
  for (int index = 0; index < static_cast<int>(kListView1Columns.size()); ++index) {
    const int width = ListView_GetColumnWidth(list_, index);
    ListView_SetColumnWidth(list_, index, ScaleForDpi(width, fromDpi, toDpi));
  }
}

void Win32ResultList::SetSmallImages(HIMAGELIST images) { ListView_SetImageList(list_, images, LVSIL_SMALL); }

void Win32ResultList::OnGetDispInfo(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (model_ == nullptr || item.iItem < 0 || item.iItem >= model_->Count()) return;
  const ListRow& row = model_->Row(item.iItem + 1);
  if ((item.mask & LVIF_TEXT) != 0) {
    static const Str kNone;
    const int k = item.iSubItem;
    const Str& text = k == 0 ? row.text : (k >= 1 && k <= kSubItemCount ? row.sub[static_cast<size_t>(k)] : kNone);
    CopyTruncated(text, item.pszText, item.cchTextMax);
  }
  if ((item.mask & LVIF_IMAGE) != 0) {
    // The rows number their pictures from 1, the image list from 0.
    item.iImage = row.icon >= 1 ? row.icon - 1 : I_IMAGENONE;
  }
}

void Win32ResultList::OnItemChanged(const NMLISTVIEW& change) {
  // The user's clicks and keys select rows in the list view; the model is
  // where the program reads the selected row, so it follows.
  if (model_ == nullptr || syncingSelection_ || (change.uChanged & LVIF_STATE) == 0) return;
  const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
  const bool isSelected = (change.uNewState & LVIS_SELECTED) != 0;
  if (wasSelected == isSelected) return;
  syncingSelection_ = true;
  if (isSelected && change.iItem >= 0 && change.iItem < model_->Count()) {
    model_->Select(change.iItem + 1);
  } else if (!isSelected && (change.iItem < 0 || model_->Selected() == change.iItem + 1)) {
    model_->Select(0);
  }
  syncingSelection_ = false;
}

void Win32ResultList::RowsCleared() {
  if (list_ == nullptr) return;
  countPending_ = false;
  ListView_DeleteAllItems(list_);
  ListView_SetItemCountEx(list_, 0, 0);
}

void Win32ResultList::RowAppended(int) {
  if (list_ == nullptr || countPending_) return;
  // Setting the count also updates the scroll bar, which costs milliseconds
  // under some systems; a folder of 50,000 files appends its rows without
  // letting messages run, so they reach the list view together.
  countPending_ = true;
  ::PostMessageW(owner_, syncMessage_, 0, 0);
}

void Win32ResultList::SyncCount() {
  if (list_ == nullptr || !countPending_) return;
  countPending_ = false;
  // Only the new rows are painted, and only when in view; the rows above keep
  // their pixels and the view does not jump.
  ListView_SetItemCountEx(list_, model_->Count(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

void Win32ResultList::RowChanged(int position) {
  if (list_ == nullptr) return;
  ListView_RedrawItems(list_, position - 1, position - 1);
}

void Win32ResultList::RowsReordered() {
  if (list_ == nullptr) return;
  // The list view keeps its selection by index; the selected row may have
  // moved to another position.
  ShowSelection(model_->Selected());
  const int top = ListView_GetTopIndex(list_);
  const int perPage = ListView_GetCountPerPage(list_);
  ListView_RedrawItems(list_, top, top + perPage);
}

void Win32ResultList::SelectionChanged(int position) {
  if (list_ == nullptr || syncingSelection_) return;
  ShowSelection(position);
}

void Win32ResultList::ShowSelection(int position) {
  SyncCount();  // the row to select may be a new one
  syncingSelection_ = true;
  const int current = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (current != position - 1) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
    if (position > 0) {
      ListView_SetItemState(list_, position - 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
  }
  syncingSelection_ = false;
}

}  // namespace tarnwick
