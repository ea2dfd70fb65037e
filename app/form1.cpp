#include "form1.h"

#include "ticketqueries.h"

#include "controls.h"
#include "formaccessible.h"
#include "lottopluspage.h"
#include "luckynumberspage.h"
#include "managerpage.h"
#include "tabcontrol.h"
#include "twips.h"

#include <QAccessible>
#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QUndoStack>

#include <utility>

namespace {

// The window's client area and the tab control on it.
constexpr QSize formSize(twipsToPixels(5730), twipsToPixels(6735));
constexpr QRect tabControlPlace = twipsRect(0, 0, 5655, 6495);

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

Form1::Form1(RandomSource &random, const LogLocation &log, QWidget *parent) : QWidget(parent)
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
    setFont(layoutFont(msSansSerif, 8.25));
    setFixedSize(formSize);

    // The hidden number fields lie beneath the tab control.
    buildNumberFields();
    SSTab1 = new TabControl(tabControlPlace, this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    // Each page is made inside the window, so that its controls measure
    // themselves in the window's font.
    m_manager = new ManagerPage(log, SSTab1);
    SSTab1->addPage(m_manager, QStringLiteral("MANAGER"));
    SSTab1->addPage(new LuckyNumbersPage(random, m_numberFields, SSTab1),
                    QStringLiteral("LUCKY NUMBERS"));
    SSTab1->addPage(new LottoPlusPage(SSTab1), QStringLiteral("LOTTO PLUS"));
    SSTab1->setCurrentIndex(0);
    applyTabOrder();
    wireUndo();

    Form_Load();
}

// Ctrl+Z undoes the last ADD or DELETE, on whatever tab; Ctrl+Y and
// Ctrl+Shift+Z redo. A text field takes these keys for its own text first.
void Form1::wireUndo()
{
    QUndoStack *history = m_manager->undoStack();
    QAction *undo = history->createUndoAction(this);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = history->createRedoAction(this);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addActions({undo, redo});
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

void Form1::remindOfClaims()
{
    m_manager->queries().remindOfClaims();
}

// Fills the ticket log from the saved-log file.
void Form1::Form_Load()
{
    m_manager->loadLog();
}
