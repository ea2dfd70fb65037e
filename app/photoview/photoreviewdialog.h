#pragma once

#include "logentry.h"
#include "photoreader.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QTableWidget;
class QTableWidgetItem;

// A photo read, shown before anything is added: the photo, zoomable, each
// play outlined on it, beside the ticket as read in the log's own terms
// (GAME, DATE, each play's NUMBERS with its add-ons), every field editable,
// every mark with its reason. OK gives the plays as the log's tickets;
// Skip goes on to the next photo; Cancel adds nothing. Used by keyboard
// alone: each field has its letter, Ctrl++ and Ctrl+- zoom, Ctrl+0 fits.
class PhotoReviewDialog : public QDialog
{
    Q_OBJECT

public:
    enum Outcome
    {
        Add = QDialog::Accepted,
        Skip = 2,
        CancelAll = QDialog::Rejected
    };

    // left: the photos after this one still to review.
    PhotoReviewDialog(const PhotoReading &reading, int left, QWidget *parent = nullptr);

    // The plays as the log's tickets, as the fields hold them now.
    std::vector<LogEntry> tickets() const;
    // Whether the player asked to keep the photo with the ticket, for a
    // pool's sheet; never so unless asked.
    bool keepPhoto() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void zoom(double by);
    void fit();
    void showPhoto();
    void setMissedRow(int row);
    void playTyped(QTableWidgetItem *numbers);

    const PhotoReading &m_reading;
    QScrollArea *m_scroll;
    QLabel *m_photo;
    double m_zoom = 1;
    bool m_fitted = false; // fitted to the room it has once shown
    QComboBox *m_game;
    QLineEdit *m_date;
    QTableWidget *m_plays;
    QCheckBox *m_keep;
};
