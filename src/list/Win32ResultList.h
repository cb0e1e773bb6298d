#pragma once
// ListView1 on screen: an owner-data report list view that shows the rows of
// the ListModel. The list view holds no row data; it asks for each visible
// cell (LVN_GETDISPINFOW), so tens of thousands of rows cost nothing to add.
//
// Changes reach the screen in catch-ups that ListRefresh times: the new row
// count, and a repaint of only those rows in view whose cells changed or
// that shifted. The owner runs them: it is posted `syncMessage` after a
// change and answers it with OnSync, which catches up at once or sets the
// timer `flushTimer` on the owner, whose WM_TIMER it answers with Flush.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "base/Twips.h"
#include "list/ColumnWidths.h"
#include "list/ListModel.h"
#include "list/ListRefresh.h"

namespace tarnwick {

class Win32ResultList final : public ListObserver {
 public:
  Win32ResultList() = default;
  Win32ResultList(const Win32ResultList&) = delete;
  Win32ResultList& operator=(const Win32ResultList&) = delete;
  ~Win32ResultList() override { Detach(); }

  // Starts showing the model in the list view.
  void Attach(HWND listView, ListModel& model, HWND owner, UINT syncMessage, UINT_PTR flushTimer);
  // The list view is going away: the model stops reporting to it.
  void Detach();

  // The columns at their design widths for the given DPI, shown in the
  // order kShownColumns gives, the hidden ones after them.
  void AddColumns(int dpi);
  // The DPI (and with it the font) changed: the columns fit their texts
  // measured afresh.
  void RescaleColumns(int fromDpi, int toDpi);
  // Measures the texts of the visible columns, which changed, and fits the
  // columns to them and to the list's width (ColumnWidths.h).
  void FitColumns(bool fullPath);
  // Fits the columns to the list's width, the texts as last measured.
  void LayoutColumns();
  // Gives the row at `position` (from 1) the focus and scrolls it into view.
  void FocusRow(int position);
  void SetSmallImages(HIMAGELIST images);
  // The header (1 for the first) that shows the sort arrow, up for order 0,
  // down for 1; the others show none.
  void ShowSortArrow(int header, int order);

  // The owner got `syncMessage`.
  void OnSync();
  // Brings the list view up to the model now; the answer to `flushTimer`,
  // and what a repaint of the whole list does first.
  void Flush();

  // Notifications of the list view, passed on by its parent window.
  void OnGetDispInfo(NMLVDISPINFOW& info) const;
  void OnItemChanged(const NMLISTVIEW& change);
  LRESULT OnCustomDraw(const NMLVCUSTOMDRAW& draw) const;
  // The pointer rests on a row: a marked row explains its mark.
  void OnGetInfoTip(NMLVGETINFOTIPW& tip) const;
  // Typing in the list: the row whose shown name begins with what was typed,
  // or -1.
  LRESULT OnFindItem(const NMLVFINDITEMW& find) const;
  // A notification of the list view's header, passed on by the parent: the
  // answer that keeps the hidden columns without width.
  LRESULT OnHeaderNotify(const NMHEADERW& notice) const;

  // ListObserver
  void RowsCleared() override;
  void RowAppended(int position) override;
  void RowChanged(int position) override;
  void RowsReordered() override;
  void SharesChanged() override;
  void RowMoved(int from, int to) override;
  void SelectionChanged(int position) override;

 private:
  void Schedule();
  void SetCount();
  void FixWidth(int index);
  // Draws a name longer than the list view draws whole over the label of
  // row `item` (0 for the first).
  void DrawWholeName(HDC dc, int item, const Str& name) const;
  // Draws the share cell of row `item`: a bar of the highlight colour over
  // the row's part of the cell's width, its percentage over that.
  void DrawShare(HDC dc, int item) const;
  // The background and text colours (COLOR_*) of row `item` as the list view
  // draws it, selected or not.
  std::pair<int, int> RowColors(int item) const;
  // Repaints the share cells in view, whose sum changed.
  void RepaintShares();
  // Selects the row at `position` (0: none) in the list view. A row the list
  // view has not been told of yet is told of first when `tellCount`, else it
  // is selected at the next catch-up.
  void ShowSelection(int position, bool tellCount);

  HWND list_ = nullptr;
  ListModel* model_ = nullptr;
  int dpi_ = kDefaultDpi;
  ColumnPixels widest_{};  // each visible column's widest text with its margins
  bool fullPath_ = false;
  HWND owner_ = nullptr;
  UINT syncMessage_ = 0;
  UINT_PTR flushTimer_ = 0;
  ListRefresh refresh_;
  int shownCount_ = 0;  // the row count the list view was last told
  bool syncPosted_ = false;
  bool timerSet_ = false;
  bool syncingSelection_ = false;
  bool sharesStale_ = false;  // the share cells in view show an old sum
};

}  // namespace tarnwick
