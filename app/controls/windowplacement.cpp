#include "windowplacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void PlaceBeside(QWidget *window, const QWidget *main)
{
    const QRect mainFrame = main->frameGeometry();
    const QScreen *screen = main->screen();
    const QRect room = screen ? screen->availableGeometry() : mainFrame;
    // The frame the window manager adds: as the main window's until the
    // window has one of its own.
    QSize frameExtra = window->frameGeometry().size() - window->size();
    if (frameExtra.isNull())
        frameExtra = mainFrame.size() - main->size();
    const QSize most = room.size() - frameExtra;
    window->resize(window->size().boundedTo(most));
    const QSize frame = window->size() + frameExtra;
    QPoint at(mainFrame.right() + 8, mainFrame.top());
    if (at.x() + frame.width() - 1 > room.right())
        at.setX(mainFrame.left() - 8 - frame.width());
    if (at.x() < room.left())
        at.setX(room.right() - frame.width() + 1);
    at.setX(std::max(at.x(), room.left()));
    at.setY(
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1)));
    window->move(at);
}
