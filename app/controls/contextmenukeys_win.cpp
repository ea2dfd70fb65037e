#include "contextmenukeys.h"

// Windows turns Shift+F10 into a context menu request of its own.
void OpenContextMenuOnShiftF10(QAbstractItemView *) {}
