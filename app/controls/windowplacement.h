#pragma once

class QWidget;

// A window of the program's own, placed wholly on the screen that holds the
// main window: beside it on the right where there is room, else on the
// left, else over it; made smaller where the screen is.
void PlaceBeside(QWidget *window, const QWidget *main);
