#pragma once

class QTreeView;

// Column widths a user set by hand (dragging or double-clicking the edge of a header section), or
// that were brought back from such a choice: the list's reads no longer fit those columns to
// their values.
void WatchChosenWidths(QTreeView *view);
void ChooseWidths(QTreeView *view);
bool WidthsChosen(const QTreeView *view);
