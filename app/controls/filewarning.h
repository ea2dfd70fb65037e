#pragma once

class QString;
class QWidget;

// A file that could not be written, and the system's reason, over the
// window; it does not wait.
void WarnNotWritten(QWidget *window, const QString &text, const QString &reason);
