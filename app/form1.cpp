#include "form1.h"

#include "clickreporter.h"
#include "controls.h"
#include "formaccessible.h"
#include "linktable.h"
#include "logcommands.h"
#include "loglistmodel.h"
#include "luckynumbers.h"
#include "openlink.h"
#include "picturebox.h"
#include "reportlist.h"
#include "tabcontrol.h"
#include "ticketsteps.h"
#include "twips.h"

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include <functional>
#include <utility>

namespace {

const QString sansSerif = QStringLiteral("MS Sans Serif");
const QString comicSans = QStringLiteral("Comic Sans MS");
const QString clickHere = QStringLiteral("Click Here");

const QString label18Text = QStringLiteral(
    "Lose up to 10 pounds in your first month with LeanLark Online, the weight-loss coach that "
    "fits in your pocket - Personal meal plans and daily check-ins - No pills, no gym, no fuss - "
    "Start a free 7-day trial today");

const QStringList states = {
    "Arizona",      "California",     "Colorado",     "Connecticut", "DC",       "Delaware",
    "Florida",      "Georgia",        "Idaho",        "Illinois",    "Indiana",  "Iowa",
    "Kansas",       "Kentucky",       "Louisiana",    "Maine",       "Maryland", "Massachusetts",
    "Michigan",     "Minnesota",      "Missouri",     "Montana",     "Nebraska", "New Hampshire",
    "New Jersey",   "New Mexico",     "New York",     "Ohio",        "Oregon",   "Pennsylvania",
    "Rhode Island", "South Carolina", "South Dakota", "Texas",       "Vermont",  "Virginia",
    "Washington",   "West Virginia",  "Wisconsin"};

// The window's client area and the tab control on it.
constexpr QSize formSize(twipsToPixels(5730), twipsToPixels(6735));
constexpr QRect tabControlPlace = twipsRect(0, 0, 5655, 6495);

// The ticket list's columns: "GAME", "DATE", "NUMBERS".
constexpr std::array<int, 3> columnWidths = {twipsToPixels(2039), twipsToPixels(1440),
                                             twipsToPixels(1440)};

// The keyboard's path through the window: each control by its tab-order
// number. Labels that take no focus are left out.
constexpr std::pair<int, const char *> tabOrder[] = {
    {0, "text1"},      {1, "Text2"},     {2, "Text5"},     {3, "Text3"},      {4, "Text4"},
    {5, "Text6"},      {6, "SSTab1"},    {7, "ListView1"}, {11, "Text8"},     {12, "Text9"},
    {13, "Text10"},    {14, "Command2"}, {15, "Text7(0)"}, {20, "Command1"},  {21, "Option1"},
    {22, "Option2"},   {23, "Option3"},  {24, "Option4"},  {26, "Command3"},  {27, "Command4"},
    {28, "Text7(1)"},  {29, "Text7(2)"}, {30, "Combo1"},   {31, "Label9(0)"}, {32, "Frame1"},
    {33, "Label9(2)"}, {34, "Frame2"},   {35, "Label10"},  {36, "Label11"},   {37, "Label12"},
    {38, "Label13"},   {39, "Label14"},  {40, "Label15"},  {41, "Picture1"},  {42, "Label16"},
    {43, "Label17"},   {44, "Picture2"}, {45, "Label18"},  {46, "Picture3"},
};

} // namespace

Form1::Form1(RandomSource &random, const LogLocation &log, QWidget *parent)
    : QWidget(parent), m_random(random), m_savedLog(log)
{
    registerFontSubstitutes();
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(FormAccessible::create);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ticketwise"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/ticketwise.ico")));
    // A fixed border: a system menu, minimize and close, and no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(layoutFont(sansSerif, 8.25));
    setFixedSize(formSize);

    // The hidden number fields lie beneath the tab control.
    buildNumberFields();
    SSTab1 = new TabControl(tabControlPlace, this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    buildManagerPage(SSTab1->addPage(QStringLiteral("MANAGER")));
    buildLuckyNumbersPage(SSTab1->addPage(QStringLiteral("LUCKY NUMBERS")));
    buildLottoPlusPage(SSTab1->addPage(QStringLiteral("LOTTO PLUS")));
    SSTab1->setCurrentIndex(0);
    wireLinks();
    applyTabOrder();
    wireUndo();

    Form_Load();
}

// Ctrl+Z undoes the last ADD or DELETE; Ctrl+Y and Ctrl+Shift+Z redo. A text
// field takes these keys for its own text first.
void Form1::wireUndo()
{
    m_undoStack = new QUndoStack(this);
    QAction *undo = m_undoStack->createUndoAction(this);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_undoStack->createRedoAction(this);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addActions({undo, redo});
}

void Form1::buildManagerPage(QWidget *page)
{
    m_logRows = new LogListModel(this);
    ListView1 = new ReportList(page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twipsRect(240, 480, 5295, 3375));
    ListView1->setModel(m_logRows);
    ListView1->setAccessibleName(QStringLiteral("Ticket log"));
    ListView1->setColumnWidths(columnWidths);

    const QFont titleFont = layoutFont(sansSerif, 9.75);
    const QFont entryFont = layoutFont(sansSerif, 13.5);
    makeLabel(page, QStringLiteral("Label6"), QStringLiteral("LOTTERY GAME"),
              twipsRect(360, 4080, 1575, 255), titleFont);
    makeLabel(page, QStringLiteral("Label7"), QStringLiteral("DATE"),
              twipsRect(2520, 4080, 735, 255), titleFont);
    makeLabel(page, QStringLiteral("Label8"), QStringLiteral("NUMBERS"),
              twipsRect(4080, 4080, 1215, 255), titleFont);
    Text8 =
        makeTextField(page, QStringLiteral("Text8"), QString(), twipsRect(240, 4440, 1695, 495));
    Text9 = makeTextField(page, QStringLiteral("Text9"), QString(),
                          twipsRect(2160, 4440, 1335, 480), entryFont);
    Text10 = makeTextField(page, QStringLiteral("Text10"), QString(),
                           twipsRect(3720, 4440, 1695, 480), entryFont);
    Text8->setAccessibleName(QStringLiteral("LOTTERY GAME"));
    Text9->setAccessibleName(QStringLiteral("DATE"));
    Text10->setAccessibleName(QStringLiteral("NUMBERS"));

    Command2 = makeButton(page, QStringLiteral("Command2"), QStringLiteral("ADD"),
                          twipsRect(240, 5400, 1455, 375), entryFont);
    Command3 = makeButton(page, QStringLiteral("Command3"), QStringLiteral("DELETE"),
                          twipsRect(2040, 5400, 1455, 375), entryFont);
    Command4 = makeButton(page, QStringLiteral("Command4"), QStringLiteral("CLEAR"),
                          twipsRect(3720, 5400, 1575, 375), entryFont);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::buildLuckyNumbersPage(QWidget *page)
{
    // Created bottom first: Text7(2) ends up on top of the stack.
    const QFont numbersFont = layoutFont(sansSerif, 24);
    for (int element = 0; element < int(Text7.size()); ++element) {
        Text7[element] = makeTextField(page, QStringLiteral("Text7(%1)").arg(element), QString(),
                                       twipsRect(480, 960, 4335, 975), numbersFont);
        Text7[element]->setAccessibleName(QStringLiteral("Lucky numbers"));
    }

    const QFont captionFont = layoutFont(sansSerif, 13.5);
    struct GameControls
    {
        Game game;
        const char *caption;
        QRect label;
        QRect option;
    };
    const std::array<GameControls, 4> games = {{
        {Game::Pick3, "PICK 3 NUMBERS", twipsRect(2760, 2640, 2415, 375),
         twipsRect(2280, 2760, 255, 195)},
        {Game::Pick4, "PICK 4 NUMBERS", twipsRect(2760, 3360, 2655, 375),
         twipsRect(2280, 3360, 255, 255)},
        {Game::Pick5, "PICK 5 NUMBERS", twipsRect(2760, 3960, 2535, 375),
         twipsRect(2280, 4080, 255, 255)},
        {Game::Pick6, "PICK 6 NUMBERS", twipsRect(2760, 4680, 2415, 375),
         twipsRect(2280, 4680, 255, 255)},
    }};
    m_games = new QButtonGroup(this);
    for (const GameControls &controls : games) {
        const int number = int(controls.game) + 1;
        makeLabel(page, QStringLiteral("Label%1").arg(number),
                  QString::fromLatin1(controls.caption), controls.label, captionFont);
        QRadioButton *option =
            makeOptionButton(page, QStringLiteral("Option%1").arg(number), controls.option);
        option->setAccessibleName(QString::fromLatin1(controls.caption));
        m_games->addButton(option, int(controls.game));
    }

    Command1 = makeButton(page, QStringLiteral("Command1"), QStringLiteral("Enter"),
                          twipsRect(360, 3240, 1455, 1215));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    auto *Combo1 = new QComboBox(page);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twipsRect(360, 5160, 1455, 315));
    Combo1->setEditable(true);
    for (const QString &state : states)
        Combo1->addItem(state, 0);
    Combo1->setEditText(QStringLiteral("LOTTERIES"));
    Combo1->setAccessibleName(QStringLiteral("State lotteries"));
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("State lotteries"));
    Combo1->hide();

    makeLabel(page, QStringLiteral("Label5"),
              QStringLiteral("Numbers are Random and do not guarantee a win."),
              twipsRect(360, 5880, 3975, 255));
}

void Form1::buildLottoPlusPage(QWidget *page)
{
    const QFont linkFont = layoutFont(sansSerif, 12, false, true);
    const QFont smallLinkFont = layoutFont(sansSerif, 9.75, false, true);

    makeLinkLabel(page, QStringLiteral("Label9(0)"),
                  QStringLiteral("Check your State Lottery Numbers"),
                  twipsRect(720, 600, 4335, 375), layoutFont(sansSerif, 12, true, true), false);

    auto *Frame1 = new QFrame(page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(twipsRect(120, 1080, 5415, 2535));
    Frame1->setFont(layoutFont(sansSerif, 12));

    // Created bottom first, so that each control covers the ones before it.
    makeLinkLabel(Frame1, QStringLiteral("Label9(2)"), QString(), twipsRect(120, 360, 2295, 375),
                  smallLinkFont, false);
    struct SponsorLabel
    {
        int number;
        const char *caption;
        QRect geometry;
        bool clickHereTip;
    };
    const std::array<SponsorLabel, 6> sponsors = {{
        {10, "PrizeNest.example", twipsRect(120, 600, 2535, 495), true},
        {11, "SaveSpot.example", twipsRect(120, 960, 2295, 375), false},
        {12, "DealCatcher", twipsRect(120, 1320, 2295, 375), true},
        {13, "JackpotJar.example", twipsRect(120, 240, 2415, 375), true},
        {14, "GiftTree", twipsRect(120, 1680, 2175, 375), true},
        {15, "FunFinds.example", twipsRect(120, 2040, 2055, 375), true},
    }};
    for (const SponsorLabel &sponsor : sponsors) {
        makeLinkLabel(Frame1, QStringLiteral("Label%1").arg(sponsor.number),
                      QString::fromLatin1(sponsor.caption), sponsor.geometry, linkFont,
                      sponsor.clickHereTip);
    }
    makeLinkLabel(Frame1, QStringLiteral("Label16"), QStringLiteral("Free Cash! Free Stuff! "),
                  twipsRect(2300, 1800, 3015, 495), layoutFont(comicSans, 14.25, false, true),
                  true);
    PictureBox *Picture1 =
        makePicture(Frame1, QStringLiteral("Picture1"), "sponsor1.bmp",
                    twipsRect(2460, 240, 2895, 1455), QStringLiteral("Prize Barrel"));
    Picture1->setBackgroundRole(QPalette::Base);

    auto *Frame2 = new QFrame(page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setGeometry(twipsRect(120, 3620, 5415, 2775));
    makeLinkLabel(Frame2, QStringLiteral("Label17"), clickHere, twipsRect(360, 2220, 1095, 375),
                  linkFont, false);
    makeLinkLabel(Frame2, QStringLiteral("Label18"), label18Text, twipsRect(2520, 720, 2775, 1935),
                  smallLinkFont, true);
    makePicture(Frame2, QStringLiteral("Picture2"), "sponsor2.bmp", twipsRect(120, 240, 1935, 1935),
                QStringLiteral("Bluewake Sweeps"));
    makePicture(Frame2, QStringLiteral("Picture3"), "sponsor3.bmp", twipsRect(2760, 120, 2295, 615),
                QStringLiteral("LeanLark"));
}

QLabel *Form1::makeLinkLabel(QWidget *parent, const QString &name, const QString &text,
                             const QRect &geometry, const QFont &font, bool clickHereTip)
{
    QLabel *label = makeLabel(parent, name, text, geometry, font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    if (clickHereTip)
        label->setToolTip(clickHere);
    // What the link is, for screen readers; wireLinks adds where it leads.
    label->setAccessibleName(text.isEmpty() ? QStringLiteral("State lottery results")
                                            : text.trimmed());
    return label;
}

PictureBox *Form1::makePicture(QWidget *parent, const QString &name, const QString &file,
                               const QRect &geometry, const QString &sponsor)
{
    auto *picture = new PictureBox(QPixmap(QStringLiteral(":/assets/") + file), parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    picture->setToolTip(clickHere);
    picture->setAccessibleName(sponsor + QStringLiteral(" banner"));
    return picture;
}

// Every link control, from the link table: its clicks go to its handler, and
// screen readers hear where it leads.
void Form1::wireLinks()
{
    for (const LinkControl &link : linkControls) {
        auto *control = findChild<QWidget *>(
            QString::fromLatin1(link.name.data(), qsizetype(link.name.size())));
        auto *reporter = new ClickReporter(control);
        if (link.element == ownHandler)
            connect(reporter, &ClickReporter::clicked, this, [this, &link] { openLink(link); });
        else
            connect(reporter, &ClickReporter::clicked, this,
                    [this, &link] { Label9_Click(link.element); });
        control->setAccessibleName(
            QStringLiteral("%1, link to %2")
                .arg(control->accessibleName(), QString::fromStdString(linkAddress(link))));
    }
}

void Form1::buildNumberFields()
{
    struct NumberFieldPlace
    {
        const char *name;
        const char *text;
        QRect geometry;
    };
    const std::array<NumberFieldPlace, NumberFieldCount> places = {{
        {"text1", "", twipsRect(4920, 5640, 255, 285)},
        {"Text2", "Text2", twipsRect(4800, 5640, 375, 375)},
        {"Text3", "Text3", twipsRect(3960, 5640, 855, 375)},
        {"Text4", "Text4", twipsRect(4680, 5640, 255, 285)},
        {"Text5", "", twipsRect(4320, 5640, 975, 285)},
        {"Text6", "Text6", twipsRect(3960, 5640, 615, 375)},
    }};
    for (int field = 0; field < NumberFieldCount; ++field) {
        const NumberFieldPlace &place = places[field];
        m_numberFields[field] = makeTextField(this, QString::fromLatin1(place.name),
                                              QString::fromLatin1(place.text), place.geometry);
        m_numberFields[field]->hide();
    }
}

void Form1::applyTabOrder()
{
    QWidget *previous = nullptr;
    for (const auto &[number, name] : tabOrder) {
        QWidget *control = findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

// Fills the ticket log from the saved-log file. Nothing here is reported: a
// missing or unreadable file leaves the list empty.
void Form1::Form_Load()
{
    LogListModel::Batch batch(*m_logRows);
    m_logRows->clear();
    m_savedLog.load(*m_logRows);
}

void Form1::Command1_Click()
{
    const LuckyDraw draw = DrawLuckyNumbers(chosenGame(), m_random);
    for (int field = 0; field < NumberFieldCount; ++field)
        m_numberFields[field]->setText(QString::number(draw.fields[field]));
    if (!draw.displayElement)
        return;
    for (int element = 0; element < int(Text7.size()); ++element)
        Text7[element]->setVisible(element == *draw.displayElement);
    Text7[*draw.displayElement]->setText(draw.combination);
}

// Read afresh on every press; at most one button is checked.
std::optional<Game> Form1::chosenGame() const
{
    const int checked = m_games->checkedId();
    return checked < 0 ? std::nullopt : std::optional<Game>(Game(checked));
}

void Form1::Command2_Click()
{
    m_undoStack->push(new AddTicketStep(*m_logRows, m_savedLog,
                                        {Text8->text(), Text9->text(), Text10->text()},
                                        std::bind_front(&Form1::reportSave, this)));
}

// With nothing selected there is nothing to undo, but the list is saved all
// the same.
void Form1::Command3_Click()
{
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        reportSave(DeleteTicket(*m_logRows, -1, m_savedLog));
        return;
    }
    m_undoStack->push(new DeleteTicketStep(*m_logRows, m_savedLog, selected.first().row(),
                                           std::bind_front(&Form1::reportSave, this),
                                           [this](int row) { ListView1->selectRow(row); }));
}

void Form1::Command4_Click()
{
    Text8->clear();
    Text9->clear();
    Text10->clear();
}

// A failed save leaves the change in the list and the old file whole; without
// a word the user would believe the ticket kept. A log moved aside is named,
// so that the tickets the list never held can be found.
void Form1::reportSave(const SaveOutcome &outcome)
{
    if (outcome.saved && outcome.keptAside.isEmpty() && outcome.partlyRead.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(m_savedLog.location().saveTo);
    const auto notReadWhole = [](const QString &log) {
        return QStringLiteral("The ticket log \"%1\" could not be read whole when Ticketwise "
                              "started, so the list did not hold all of it.")
            .arg(QDir::toNativeSeparators(log));
    };
    QString text;
    QStringList details;
    if (!outcome.keptAside.isEmpty()) {
        text = notReadWhole(path);
        details << QStringLiteral("The old file was kept as \"%1\".")
                       .arg(QDir::toNativeSeparators(outcome.keptAside));
    } else if (!outcome.partlyRead.isEmpty()) {
        text = notReadWhole(outcome.partlyRead);
        details << QStringLiteral("The old file is left as it was.");
    }
    if (!outcome.saved) {
        if (text.isEmpty())
            text = QStringLiteral("The ticket log could not be saved to \"%1\".").arg(path);
        else
            details << QStringLiteral("The list could not be saved to \"%1\".").arg(path);
        details << outcome.errorString
                << QStringLiteral("The list keeps your change, and the next ADD, DELETE, undo "
                                  "or redo that succeeds saves the whole list.");
    } else {
        details << QStringLiteral("The list is now saved to \"%1\".").arg(path);
    }
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ticketwise"), text,
                                QMessageBox::Ok, this);
    box->setInformativeText(details.join(QStringLiteral("\n\n")));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Every element opens the results page.
void Form1::Label9_Click(int Index)
{
    Q_UNUSED(Index);
    openLink(linkControls.front());
}

void Form1::openLink(const LinkControl &link)
{
    OpenWebAddress(linkAddress(link));
}
