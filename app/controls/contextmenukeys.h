#pragma once

class QAbstractItemView;

// Shift+F10 opens a view's context menu at its current row, as the Menu key
// does: Windows does so of itself, X11 desktops leave it to the program.
void OpenContextMenuOnShiftF10(QAbstractItemView *view);
