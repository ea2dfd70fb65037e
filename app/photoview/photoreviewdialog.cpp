#include "photoreviewdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString joined(const std::vector<std::string> &reasons)
{
    QStringList said;
    for (const std::string &reason : reasons)
        said << QString::fromStdString(reason);
    return said.join(QStringLiteral("; "));
}

// A field's mark, in words a screen reader reads after the field's name.
QLabel *markOf(const std::vector<std::string> &reasons, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (!reasons.empty())
        label->setText(QStringLiteral("Check: ") + joined(reasons) + u'.');
    label->setVisible(!reasons.empty());
    return label;
}

} // namespace

PhotoReviewDialog::PhotoReviewDialog(const PhotoReading &reading, int left, QWidget *parent)
    : QDialog(parent), m_reading(reading)
{
    setObjectName(QStringLiteral("PhotoReview"));
    setWindowTitle(left > 0 ? QStringLiteral("Ticket from a Photo (%1 more to review)").arg(left)
                            : QStringLiteral("Ticket from a Photo"));
    const ReadTicket &ticket = reading.ticket;
    auto *layout = new QHBoxLayout(this);

    // The photo, each play outlined: red where it is marked.
    m_photo = new QLabel;
    m_photo->setObjectName(QStringLiteral("PhotoReviewPhoto"));
    m_photo->setAccessibleName(QStringLiteral("The photo of the ticket, each play outlined"));
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_photo);
    m_scroll->setMinimumWidth(360);
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    auto *photoSide = new QVBoxLayout;
    auto *zooms = new QHBoxLayout;
    for (const auto &[text, keys, act] :
         {std::tuple{QStringLiteral("Zoom &In"), QKeySequence(QKeySequence::ZoomIn), 0},
          std::tuple{QStringLiteral("Zoom O&ut"), QKeySequence(QKeySequence::ZoomOut), 1},
          std::tuple{QStringLiteral("&Fit"), QKeySequence(Qt::CTRL | Qt::Key_0), 2}}) {
        auto *button = new QPushButton(text, this);
        button->setAutoDefault(false);
        const int what = act;
        connect(button, &QPushButton::clicked, this, [this, what] {
            what == 0 ? zoom(1.25) : what == 1 ? zoom(0.8) : fit();
        });
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        zooms->addWidget(button);
    }
    zooms->addStretch(1);
    photoSide->addWidget(m_scroll, 1);
    photoSide->addLayout(zooms);
    layout->addLayout(photoSide, 1);

    // The ticket as read, in the log's terms.
    auto *form = new QFormLayout;
    m_game = new QComboBox(this);
    m_game->setObjectName(QStringLiteral("PhotoReviewGame"));
    m_game->setEditable(true);
    // Named GAME, not by the game it holds, where a screen reader asks.
    m_game->setAccessibleName(QStringLiteral("GAME"));
    m_game->lineEdit()->setAccessibleName(QStringLiteral("GAME"));
    for (const LotteryGame &game : LotteryGames()) {
        if (!game.secondDrawing)
            m_game->addItem(QString::fromUtf8(game.name.data(), qsizetype(game.name.size())));
    }
    m_game->setCurrentText(QString::fromStdString(ticket.gameCell()));
    form->addRow(QStringLiteral("&GAME:"), m_game);
    form->addRow(markOf(ticket.gameReasons, this));
    m_date = new QLineEdit(QString::fromStdString(ticket.dateCell()), this);
    m_date->setObjectName(QStringLiteral("PhotoReviewDate"));
    m_date->setAccessibleName(QStringLiteral("DATE"));
    form->addRow(QStringLiteral("&DATE:"), m_date);
    form->addRow(markOf(ticket.dateReasons, this));
    // A row after the plays read, for one the photo shows that was not read.
    m_plays = new QTableWidget(int(ticket.plays.size()) + 1, 3, this);
    m_plays->setObjectName(QStringLiteral("PhotoReviewPlays"));
    m_plays->setAccessibleName(QStringLiteral("The plays as read"));
    m_plays->setHorizontalHeaderLabels(
        {QStringLiteral("Play"), QStringLiteral("NUMBERS"), QStringLiteral("Check")});
    m_plays->verticalHeader()->hide();
    m_plays->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < int(ticket.plays.size()); ++row) {
        const ReadPlay &play = ticket.plays[std::size_t(row)];
        auto *letter = new QTableWidgetItem(play.letter ? QString(QLatin1Char(play.letter))
                                                        : QString::number(row + 1));
        letter->setFlags(letter->flags() & ~Qt::ItemIsEditable);
        auto *numbers = new QTableWidgetItem(QString::fromStdString(ticket.numbersCell(play)));
        auto *check = new QTableWidgetItem(
            play.marked()
                ? joined(play.reasons) +
                      (play.reasons.empty() ? QStringLiteral("not read plainly") : QString())
                : QStringLiteral("read plainly"));
        check->setFlags(check->flags() & ~Qt::ItemIsEditable);
        check->setToolTip(check->text());
        if (play.marked()) {
            QFont bold = numbers->font();
            bold.setBold(true);
            numbers->setFont(bold);
            check->setForeground(QColor(0xB0, 0, 0));
        }
        m_plays->setItem(row, 0, letter);
        m_plays->setItem(row, 1, numbers);
        m_plays->setItem(row, 2, check);
    }
    setMissedRow(int(ticket.plays.size()));
    connect(m_plays, &QTableWidget::itemChanged, this, &PhotoReviewDialog::playTyped);
    m_plays->resizeColumnToContents(0);
    m_plays->resizeColumnToContents(1);
    auto *playsLabel = new QLabel(QStringLiteral("&Plays: each play's NUMBERS, as the log keeps "
                                                 "them; change any the photo does not show so, "
                                                 "and type one it shows that was not read in "
                                                 "the last row."),
                                  this);
    playsLabel->setWordWrap(true);
    playsLabel->setBuddy(m_plays);
    auto *side = new QVBoxLayout;
    side->addLayout(form);
    side->addWidget(playsLabel);
    side->addWidget(m_plays, 1);
    side->addWidget(markOf(ticket.priceReasons, this));
    m_keep =
        new QCheckBox(QStringLiteral("&Keep the photo beside the log, for a pool's sheet"), this);
    m_keep->setObjectName(QStringLiteral("PhotoReviewKeep"));
    side->addWidget(m_keep);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Add"));
    if (left > 0) {
        QPushButton *skip =
            buttons->addButton(QStringLiteral("&Skip"), QDialogButtonBox::ActionRole);
        skip->setObjectName(QStringLiteral("PhotoReviewSkip"));
        connect(skip, &QPushButton::clicked, this, [this] { done(Skip); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(buttons);
    layout->addLayout(side, 1);
    resize(980, 640);
    m_plays->setWordWrap(true);
    m_plays->setFocus();
}

void PhotoReviewDialog::setMissedRow(int row)
{
    const QSignalBlocker filling(m_plays);
    m_plays->setRowCount(row + 1);
    auto *more = new QTableWidgetItem(QStringLiteral("+"));
    more->setFlags(more->flags() & ~Qt::ItemIsEditable);
    auto *moreCheck =
        new QTableWidgetItem(QStringLiteral("a play not read: type its NUMBERS here"));
    moreCheck->setFlags(moreCheck->flags() & ~Qt::ItemIsEditable);
    m_plays->setItem(row, 0, more);
    m_plays->setItem(row, 1, new QTableWidgetItem);
    m_plays->setItem(row, 2, moreCheck);
    m_plays->resizeRowToContents(row);
}

// A play the player typed is theirs: its mark from the photo no longer
// holds, and a play typed in the last row leaves room for one more.
void PhotoReviewDialog::playTyped(QTableWidgetItem *numbers)
{
    if (numbers->column() != 1)
        return;
    const int row = numbers->row();
    const QSignalBlocker marking(m_plays);
    QFont plain = numbers->font();
    plain.setBold(false);
    numbers->setFont(plain);
    QTableWidgetItem *check = m_plays->item(row, 2);
    check->setText(QStringLiteral("as you typed it"));
    check->setToolTip(check->text());
    check->setData(Qt::ForegroundRole, QVariant());
    if (row == m_plays->rowCount() - 1 && !numbers->text().trimmed().isEmpty()) {
        // Named as the plays before it: the letter after theirs, or a count.
        const QString before = row > 0 ? m_plays->item(row - 1, 0)->text() : QString();
        m_plays->item(row, 0)->setText(before.size() == 1 && before[0].isLetter()
                                           ? QString(QChar(before[0].unicode() + 1))
                                           : QString::number(row + 1));
        setMissedRow(row + 1);
    }
    m_plays->resizeRowToContents(row);
}

// The photo fitted, and each mark's reason wrapped whole, in the room the
// dialog has once it is shown.
void PhotoReviewDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_fitted) {
        m_fitted = true;
        fit();
        m_plays->resizeRowsToContents();
    }
}

void PhotoReviewDialog::showPhoto()
{
    const QImage &image = m_reading.photo.image;
    if (image.isNull())
        return;
    QImage shown =
        image.scaled(image.size() * m_zoom, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_zoom, m_zoom);
    for (const ReadPlay &play : m_reading.ticket.plays) {
        painter.setPen(QPen(play.marked() ? QColor(0xD0, 0, 0) : QColor(0, 0x90, 0), 3 / m_zoom));
        painter.drawPolygon(m_reading.onPhoto(play.box));
    }
    painter.end();
    m_photo->setPixmap(QPixmap::fromImage(shown));
    m_photo->resize(shown.size());
}

void PhotoReviewDialog::zoom(double by)
{
    m_zoom = std::clamp(m_zoom * by, 0.05, 4.0);
    showPhoto();
}

void PhotoReviewDialog::fit()
{
    const QImage &image = m_reading.photo.image;
    if (image.isNull())
        return;
    const QSize room =
        m_scroll->viewport()->size().isEmpty() ? QSize(460, 600) : m_scroll->viewport()->size();
    m_zoom = std::min(double(room.width()) / image.width(), double(room.height()) / image.height());
    showPhoto();
}

std::vector<LogEntry> PhotoReviewDialog::tickets() const
{
    std::vector<LogEntry> tickets;
    for (int row = 0; row < m_plays->rowCount(); ++row) {
        const QString numbers = m_plays->item(row, 1)->text().trimmed();
        if (!numbers.isEmpty())
            tickets.push_back({m_game->currentText().trimmed(), m_date->text().trimmed(), numbers});
    }
    return tickets;
}

bool PhotoReviewDialog::keepPhoto() const
{
    return m_keep->isChecked();
}
