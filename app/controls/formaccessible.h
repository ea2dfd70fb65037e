#pragma once

#include <QAccessibleWidget>

// What screen readers find in Form1: its controls, less those that are never
// shown, such as the number fields the picker keeps its numbers in.
class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(QWidget *form);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // For QAccessible::installFactory: makes this interface for a Form1.
    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    QWidgetList shownControls() const;
};
