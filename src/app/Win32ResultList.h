#pragma once
// ListView1 on screen: an owner-data report list view that shows the rows of
// the ListModel. The list view holds no row data; it asks for each visible
// cell (LVN_GETDISPINFOW), so tens of thousands of rows cost nothing to add.
#include <windows.h>
#include <commctrl.h>

#include "list/ListModel.h"

namespace tarnwick {

class Win32ResultList final : public ListObserver {
 public:
  Win32ResultList() = default;
  Win32ResultList(const Win32ResultList&) = delete;
  Win32ResultList& operator=(const Win32ResultList&) = delete;
  ~Win32ResultList() override { Detach(); }

  // Starts showing the model in the list view. New rows reach the list view
  // in one step when messages next run: `owner` is then sent `syncMessage`
  // and answers it with SyncCount.
  void Attach(HWND listView, ListModel& model, HWND owner, UINT syncMessage);
  // The list view is going away: the model stops reporting to it.
  void Detach();

  // The twelve columns at their design widths for the given DPI.
  void AddColumns(int dpi);
  // Keeps every column's current width (the user may have dragged it) in
  // proportion when the DPI changes.
  void RescaleColumns(int fromDpi, int toDpi);
  void SetSmallImages(HIMAGELIST images);

  // Tells the list view of the rows appended since it was last told.
  void SyncCount();

  // Notifications of the list view, passed on by its parent window.
  void OnGetDispInfo(NMLVDISPINFOW& info) const;
  void OnItemChanged(const NMLISTVIEW& change);

  // ListObserver
  void RowsCleared() override;
  void RowAppended(int position) override;
  void RowChanged(int position) override;
  void RowsReordered() override;
  void SelectionChanged(int position) override;

 private:
  void ShowSelection(int position);

  HWND list_ = nullptr;
  ListModel* model_ = nullptr;
  HWND owner_ = nullptr;
  UINT syncMessage_ = 0;
  bool countPending_ = false;
  bool syncingSelection_ = false;
};

}  // namespace tarnwick
