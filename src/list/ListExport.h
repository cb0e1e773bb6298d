#pragma once
// The rows as text to take elsewhere through the clipboard: one row's path,
// or every row as a table that a spreadsheet or a message takes as it is.
#include "base/Text.h"
#include "list/ListModel.h"

namespace tarnwick {

// The path of the entry a row stands for. A file lying in the root keeps
// its path without the backslash its row adds, so that it names the file.
Str EntryPath(const ListModel& rows, int position);

// Every row in its shown order, one line each, under a line naming the
// columns (kCopiedColumns): name, size in bytes as plain digits, file
// count, folder count, path. Tab-separated, lines ended by CR LF, as the system's clipboard and
// spreadsheets take text.
Str RowsAsTable(const ListModel& rows);

}  // namespace tarnwick
