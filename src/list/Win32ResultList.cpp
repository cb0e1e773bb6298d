#include "list/Win32ResultList.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "base/Twips.h"
#include "base/Win32Text.h"
#include "list/ResultColumns.h"
#include "list/ResultRows.h"

namespace tarnwick {
namespace {

// The list view draws a cell from a buffer of this many characters with its
// end; a longer text it cuts, so the row draws such a name itself.
constexpr size_t kListViewDrawnText = 259;

// The list view hands a buffer of its own size; longer texts are cut to fit.
void CopyTruncated(const Str& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const size_t count = std::min(text.size(), static_cast<size_t>(capacity - 1));
  std::memcpy(buffer, text.data(), count * sizeof(wchar_t));
  buffer[count] = L'\0';
}

// Measures texts as the list view measures them for LVM_GETSTRINGWIDTH, in
// its font on a DC of the list, but on one DC for all of them: the message
// takes and gives back a DC for every text, and fitting the name column of
// a long list measures hundreds.
class ListTextMeter {
 public:
  explicit ListTextMeter(HWND list) : list_(list), dc_(::GetDC(list)) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
    if (dc_ != nullptr && font != nullptr) previousFont_ = ::SelectObject(dc_, font);
  }
  ~ListTextMeter() {
    if (dc_ == nullptr) return;
    if (previousFont_ != nullptr) ::SelectObject(dc_, previousFont_);
    ::ReleaseDC(list_, dc_);
  }
  ListTextMeter(const ListTextMeter&) = delete;
  ListTextMeter& operator=(const ListTextMeter&) = delete;

  int Width(StrView text) const {
    const std::wstring wide = ToWide(text);
    if (previousFont_ == nullptr) return ListView_GetStringWidth(list_, wide.c_str());
    SIZE size{};
    return ::GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size) ? size.cx : 0;
  }

 private:
  HWND list_;
  HDC dc_;
  HGDIOBJ previousFont_ = nullptr;  // set once the list's font is selected
};

}  // namespace

void Win32ResultList::Attach(HWND listView, ListModel& model, HWND owner, UINT syncMessage, UINT_PTR flushTimer) {
  Detach();
  list_ = listView;
  model_ = &model;
  owner_ = owner;
  syncMessage_ = syncMessage;
  flushTimer_ = flushTimer;
  refresh_.Reset();
  syncPosted_ = false;
  model_->SetObserver(this);
  // An owner-data list view keeps no state of its rows but the selection and
  // focus; a row's overlay it asks of us, and reports to whoever asks it.
  ListView_SetCallbackMask(list_, LVIS_OVERLAYMASK);
  SetCount();
}

void Win32ResultList::Detach() {
  if (model_ != nullptr) model_->SetObserver(nullptr);
  if (timerSet_) ::KillTimer(owner_, flushTimer_);
  timerSet_ = false;
  model_ = nullptr;
  list_ = nullptr;
  owner_ = nullptr;
}

void Win32ResultList::AddColumns(int dpi) {
  dpi_ = dpi;
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
    if (ColumnHidden(index)) FixWidth(index);
    ++index;
  }
  // The columns keep their sub-item numbers; only where they show moves.
  std::array<int, kListView1Columns.size()> order{};
  std::copy(kShownColumns.begin(), kShownColumns.end(), order.begin());
  int next = kVisibleColumns;
  for (int column = 0; column < static_cast<int>(order.size()); ++column) {
    if (ColumnHidden(column)) order[static_cast<size_t>(next++)] = column;
  }
  ListView_SetColumnOrderArray(list_, static_cast<int>(order.size()), order.data());
  ShowSortArrow(kDesignSortHeader, 0);
}

void Win32ResultList::FixWidth(int index) {
  // A header item of fixed width offers no divider to drag or double-click:
  // without it the divider of the last visible column would be the hidden
  // columns' one, and dragging it would pull them open.
  HWND header = ListView_GetHeader(list_);
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  if (!Header_GetItem(header, index, &item)) return;
  item.fmt |= HDF_FIXEDWIDTH;
  Header_SetItem(header, index, &item);
}

void Win32ResultList::ShowSortArrow(int header, int order) {
  if (list_ == nullptr) return;
  HWND headerControl = ListView_GetHeader(list_);
  const int count = Header_GetItemCount(headerControl);
  for (int index = 0; index < count; ++index) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!Header_GetItem(headerControl, index, &item)) continue;
    int format = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
    if (index == header - 1) format |= order == 1 ? HDF_SORTDOWN : HDF_SORTUP;
    if (format == item.fmt) continue;
    item.fmt = format;
    Header_SetItem(headerControl, index, &item);
  }
}

LRESULT Win32ResultList::OnHeaderNotify(const NMHEADERW& notice) const {
  if (!ColumnHidden(notice.iItem)) return FALSE;
  // TRUE refuses the hidden columns any width, however it is asked for.
  switch (notice.hdr.code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
      return TRUE;
    case HDN_ITEMCHANGINGW:
    case HDN_ITEMCHANGINGA:
      return notice.pitem != nullptr && (notice.pitem->mask & HDI_WIDTH) != 0 && notice.pitem->cxy > 0;
  }
  return FALSE;
}

void Win32ResultList::RescaleColumns(int fromDpi, int toDpi) {
  (void)fromDpi;
  dpi_ = toDpi;
  FitColumns(fullPath_);
}

void Win32ResultList::FitColumns(bool fullPath) {
  if (list_ == nullptr || model_ == nullptr) return;
  fullPath_ = fullPath;
  // The list view pads a cell's text on both sides; the first column also
  // holds the row's picture.
  const int margin = ScaleForDpi(14, kDefaultDpi, dpi_);
  const int picture = ::GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi_)) + margin;
  const ListTextMeter meter(list_);
  const auto measure = [&meter](StrView text) { return meter.Width(text); };
  widest_ = {};
  if (model_->Count() > 0) {
    // Bare names never widen their column; only paths ask for more room.
    widest_ = WidestColumnTexts(*model_, fullPath, measure);
    if (fullPath) widest_[0] += margin + picture;
    for (int k = 1; k < kVisibleColumns; ++k) widest_[k] += margin;
  }
  LayoutColumns();
}

void Win32ResultList::LayoutColumns() {
  if (list_ == nullptr) return;
  ColumnPixels design{};
  for (int k = 0; k < kVisibleColumns; ++k) {
    design[k] = TwipsToPixels(kListView1Columns[static_cast<size_t>(kShownColumns[k])].widthTwips, dpi_);
  }
  RECT client{};
  ::GetClientRect(list_, &client);
  const ColumnPixels widths = ::tarnwick::FitColumns(design, widest_, client.right, fullPath_);
  for (int k = 0; k < kVisibleColumns; ++k) {
    const int column = kShownColumns[k];
    if (ListView_GetColumnWidth(list_, column) != widths[k]) ListView_SetColumnWidth(list_, column, widths[k]);
  }
}

void Win32ResultList::FocusRow(int position) {
  if (list_ == nullptr || model_ == nullptr || position < 1 || position > model_->Count()) return;
  if (shownCount_ < position) SetCount();
  ListView_SetItemState(list_, position - 1, LVIS_FOCUSED, LVIS_FOCUSED);
  ListView_EnsureVisible(list_, position - 1, FALSE);
}

void Win32ResultList::SetSmallImages(HIMAGELIST images) { ListView_SetImageList(list_, images, LVSIL_SMALL); }

void Win32ResultList::OnGetDispInfo(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (model_ == nullptr || item.iItem < 0 || item.iItem >= model_->Count()) return;
  const int position = item.iItem + 1;
  if ((item.mask & LVIF_TEXT) != 0) {
    const int k = item.iSubItem;
    CopyTruncated(k >= 0 && k <= kSubItemCount ? model_->CellText(position, k) : Str(), item.pszText,
                  item.cchTextMax);
  }
  if ((item.mask & LVIF_IMAGE) != 0) {
    // The rows number their pictures from 1, the image list from 0.
    const std::int32_t icon = model_->Icon(position);
    item.iImage = icon >= 1 ? icon - 1 : I_IMAGENONE;
  }
  if ((item.mask & LVIF_STATE) != 0 && (item.stateMask & LVIS_OVERLAYMASK) != 0) {
    const UINT overlay = static_cast<UINT>(INDEXTOOVERLAYMASK(model_->Overlay(position))) & LVIS_OVERLAYMASK;
    item.state = (item.state & ~LVIS_OVERLAYMASK) | overlay;
  }
}

LRESULT Win32ResultList::OnCustomDraw(const NMLVCUSTOMDRAW& draw) const {
  // The list view would draw a registered overlay itself, but not on every
  // system over pictures with an alpha channel (Wine draws none); so the mark
  // is drawn here, over the row's own picture once that is painted.
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const auto item = static_cast<int>(draw.nmcd.dwItemSpec);
      if (model_ == nullptr || item < 0 || item >= model_->Count()) return CDRF_DODEFAULT;
      const bool marked = model_->Overlay(item + 1) == kShortTotalsOverlay;
      const bool longName = model_->CellText(item + 1, 0).size() > kListViewDrawnText;
      return CDRF_NOTIFYSUBITEMDRAW | (marked || longName ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT);
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto item = static_cast<int>(draw.nmcd.dwItemSpec);
      if (model_ == nullptr || item < 0 || item >= model_->Count() || draw.iSubItem != kSubShare) {
        return CDRF_DODEFAULT;
      }
      DrawShare(draw.nmcd.hdc, item);
      return CDRF_SKIPDEFAULT;
    }
    case CDDS_ITEMPOSTPAINT: {
      const auto item = static_cast<int>(draw.nmcd.dwItemSpec);
      if (model_ == nullptr || item < 0 || item >= model_->Count()) return CDRF_DODEFAULT;
      const Str name = model_->CellText(item + 1, 0);
      if (name.size() > kListViewDrawnText) DrawWholeName(draw.nmcd.hdc, item, name);
      if (model_->Overlay(item + 1) != kShortTotalsOverlay) return CDRF_DODEFAULT;
      HIMAGELIST images = ListView_GetImageList(list_, LVSIL_SMALL);
      RECT icon{};
      int width = 0;
      int height = 0;
      if (images == nullptr ||
          !ListView_GetItemRect(list_, static_cast<int>(draw.nmcd.dwItemSpec), &icon, LVIR_ICON) ||
          !::ImageList_GetIconSize(images, &width, &height)) {
        return CDRF_DODEFAULT;
      }
      ::ImageList_Draw(images, kShortTotalsPicture - 1, draw.nmcd.hdc,
                       icon.left + (icon.right - icon.left - width) / 2,
                       icon.top + (icon.bottom - icon.top - height) / 2, ILD_TRANSPARENT);
      return CDRF_DODEFAULT;
    }
  }
  return CDRF_DODEFAULT;
}

std::pair<int, int> Win32ResultList::RowColors(int item) const {
  const bool selected = ListView_GetItemState(list_, item, LVIS_SELECTED) != 0;
  const bool focused = ::GetFocus() == list_;
  return {!selected ? COLOR_WINDOW : focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE,
          !selected ? COLOR_WINDOWTEXT : focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT};
}

void Win32ResultList::DrawShare(HDC dc, int item) const {
  RECT cell{};
  if (!ListView_GetSubItemRect(list_, item, kSubShare, LVIR_BOUNDS, &cell)) return;
  const auto [background, foreground] = RowColors(item);
  ::FillRect(dc, &cell, ::GetSysColorBrush(background));
  // The bar keeps a gap to the cell's edges that grows with the scale.
  const int gap = ScaleForDpi(2, kDefaultDpi, dpi_);
  RECT bar{cell.left + gap, cell.top + gap / 2, cell.right - gap, cell.bottom - gap / 2};
  const double share = ShareOf(model_->Facts(item + 1).totals.bytes, model_->AllBytes());
  const int full = std::max(0, static_cast<int>(bar.right - bar.left));
  bar.right = bar.left + (share > 0 ? std::max(1, static_cast<int>(full * share + 0.5)) : 0);
  // On a plain row the bar is filled; on a selected one, whose background
  // may be the highlight colour itself, it is outlined in the text colour.
  const bool plain = background == COLOR_WINDOW;
  if (bar.right > bar.left) {
    if (plain) {
      ::FillRect(dc, &bar, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
      ::FrameRect(dc, &bar, ::GetSysColorBrush(foreground));
    }
  }

  const auto font = reinterpret_cast<HFONT>(::SendMessageW(list_, WM_GETFONT, 0, 0));
  const HGDIOBJ previousFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColor = ::GetTextColor(dc);
  std::wstring text = ToWide(model_->CellText(item + 1, kSubShare));
  RECT room = cell;
  ::InflateRect(&room, -ScaleForDpi(6, kDefaultDpi, dpi_), 0);
  // The text takes the colour that reads on what lies under each part of it:
  // the bar's text colour over a filled bar, the row's elsewhere.
  const auto drawClipped = [&](const RECT& clip, int color) {
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    ::SetTextColor(dc, ::GetSysColor(color));
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &room,
                DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::RestoreDC(dc, saved);
  };
  if (plain && bar.right > bar.left) {
    drawClipped(RECT{bar.right, cell.top, cell.right, cell.bottom}, foreground);
    drawClipped(RECT{cell.left, cell.top, bar.right, cell.bottom}, COLOR_HIGHLIGHTTEXT);
  } else {
    drawClipped(cell, foreground);
  }
  ::SetTextColor(dc, previousColor);
  ::SetBkMode(dc, previousMode);
  if (previousFont != nullptr) ::SelectObject(dc, previousFont);
}

void Win32ResultList::RepaintShares() {
  const int top = ListView_GetTopIndex(list_);
  RECT cell{};
  if (shownCount_ == 0 || !ListView_GetSubItemRect(list_, top, kSubShare, LVIR_BOUNDS, &cell)) return;
  RECT client{};
  ::GetClientRect(list_, &client);
  const RECT column{cell.left, cell.top, cell.right, client.bottom};
  ::InvalidateRect(list_, &column, FALSE);
}

void Win32ResultList::DrawWholeName(HDC dc, int item, const Str& name) const {
  RECT label{};
  if (!ListView_GetItemRect(list_, item, &label, LVIR_LABEL)) return;
  // The list view's background and cut text give way to the whole text in
  // the colours it used; a line kept at the top and bottom leaves the focus
  // rectangle it may have drawn.
  const auto [background, foreground] = RowColors(item);
  RECT fill = label;
  ::InflateRect(&fill, 0, -1);
  ::FillRect(dc, &fill, ::GetSysColorBrush(background));
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(list_, WM_GETFONT, 0, 0));
  const HGDIOBJ previousFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
  const COLORREF previousColor = ::SetTextColor(dc, ::GetSysColor(foreground));
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  RECT text = label;
  text.left += 2 * ::GetSystemMetrics(SM_CXEDGE);
  std::wstring wide = ToWide(name);
  ::DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetBkMode(dc, previousMode);
  ::SetTextColor(dc, previousColor);
  if (previousFont != nullptr) ::SelectObject(dc, previousFont);
}

void Win32ResultList::OnGetInfoTip(NMLVGETINFOTIPW& tip) const {
  if (model_ == nullptr || tip.iItem < 0 || tip.iItem >= model_->Count() || tip.pszText == nullptr || tip.cchTextMax <= 0) {
    return;
  }
  const Str text = model_->Tip(tip.iItem + 1);
  // Other rows keep what the list view offers: the name, when it is cut off.
  if (text.empty()) return;
  const std::wstring wide = ToWide(text);
  const size_t room = static_cast<size_t>(tip.cchTextMax) - 1;
  const size_t length = std::min(wide.size(), room);
  std::memcpy(tip.pszText, wide.c_str(), length * sizeof(wchar_t));
  tip.pszText[length] = L'\0';
}

LRESULT Win32ResultList::OnFindItem(const NMLVFINDITEMW& find) const {
  if (model_ == nullptr || (find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr) {
    return -1;
  }
  const bool wrap = (find.lvfi.flags & LVFI_WRAP) != 0;
  const int start = find.iStart + 1;
  const int found = model_->FindTextPrefix(FromWide(find.lvfi.psz), start);
  if (found == 0 || (!wrap && found < start)) return -1;
  return found - 1;
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

void Win32ResultList::OnSync() {
  syncPosted_ = false;
  if (list_ == nullptr || timerSet_ || !refresh_.Pending()) return;
  const std::uint64_t delay = refresh_.DelayAt(::GetTickCount64());
  if (delay != 0) {
    timerSet_ = ::SetTimer(owner_, flushTimer_, static_cast<UINT>(delay), nullptr) != 0;
    if (timerSet_) return;
  }
  Flush();
}

void Win32ResultList::Flush() {
  if (timerSet_) ::KillTimer(owner_, flushTimer_);
  timerSet_ = false;
  if (list_ == nullptr) return;
  const std::uint64_t start = ::GetTickCount64();
  const int top = ListView_GetTopIndex(list_);
  const int perPage = ListView_GetCountPerPage(list_);
  // In positions from 1; the row below the last whole one may show in part.
  const ListRefresh::Work work = refresh_.CatchUp(::GetTickCount64(), top + 1, top + perPage + 1);
  if (shownCount_ != model_->Count()) SetCount();
  if (work.selection) ShowSelection(model_->Selected(), true);
  const int last = std::min(work.last, shownCount_);
  if (work.first <= last) ListView_RedrawItems(list_, work.first - 1, last - 1);
  if (sharesStale_) RepaintShares();
  sharesStale_ = false;
  refresh_.CatchUpTook(::GetTickCount64() - start);
}

void Win32ResultList::Schedule() {
  if (syncPosted_ || timerSet_) return;
  syncPosted_ = ::PostMessageW(owner_, syncMessage_, 0, 0) != FALSE;
  // A full queue leaves no way to come back later.
  if (!syncPosted_) Flush();
}

void Win32ResultList::SetCount() {
  shownCount_ = model_->Count();
  RECT before{};
  ::GetClientRect(list_, &before);
  // Only rows that come into view are painted; the rows in view keep their
  // pixels and the view does not jump.
  ListView_SetItemCountEx(list_, shownCount_, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  RECT after{};
  ::GetClientRect(list_, &after);
  // The scroll bar came or went: the header, cut or widened to the new
  // width, would keep showing its old right end.
  if (after.right != before.right) {
    ::InvalidateRect(ListView_GetHeader(list_), nullptr, TRUE);
    // The name column gives the scroll bar its room, or takes it back.
    LayoutColumns();
  }
}

void Win32ResultList::RowsCleared() {
  if (list_ == nullptr) return;
  refresh_.Reset();
  ListView_DeleteAllItems(list_);
  SetCount();
}

void Win32ResultList::RowAppended(int position) {
  if (list_ == nullptr) return;
  // The list view learns of new rows at the next catch-up: setting the count
  // also redraws the scroll bar, which costs milliseconds on some systems.
  refresh_.CountStale();
  refresh_.RowsStale(position, position);
  Schedule();
}

void Win32ResultList::RowChanged(int position) {
  if (list_ == nullptr) return;
  refresh_.RowsStale(position, position);
  Schedule();
}

void Win32ResultList::RowsReordered() {
  if (list_ == nullptr) return;
  refresh_.AllRowsStale();
  // The list view keeps its selection by index; the selected row may have
  // moved to another position.
  ShowSelection(model_->Selected(), false);
  Schedule();
}

void Win32ResultList::SharesChanged() {
  if (list_ == nullptr) return;
  // Every share in view is now another; the row that changed the sum comes
  // next and brings the catch-up that repaints them.
  sharesStale_ = true;
  Schedule();
}

void Win32ResultList::RowMoved(int from, int to) {
  if (list_ == nullptr) return;
  // Only the rows from `from` to `to` now show another row; a row placed
  // below the view leaves the view as it is.
  refresh_.RowsStale(from, to);
  const int selected = model_->Selected();
  if (selected >= std::min(from, to) && selected <= std::max(from, to)) ShowSelection(selected, false);
  Schedule();
}

void Win32ResultList::SelectionChanged(int position) {
  if (list_ == nullptr || syncingSelection_) return;
  ShowSelection(position, true);
}

void Win32ResultList::ShowSelection(int position, bool tellCount) {
  if (position > shownCount_) {
    if (tellCount) {
      SetCount();
    } else {
      // Until the list view has the row, no other row may look selected.
      refresh_.SelectionStale();
      Schedule();
      position = 0;
    }
  }
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
