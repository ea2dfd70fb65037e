#include "luckynumberspage.h"

#include "controls.h"
#include "luckynumbers.h"
#include "twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QStringList states = {
    "Arizona",      "California",     "Colorado",     "Connecticut", "DC",       "Delaware",
    "Florida",      "Georgia",        "Idaho",        "Illinois",    "Indiana",  "Iowa",
    "Kansas",       "Kentucky",       "Louisiana",    "Maine",       "Maryland", "Massachusetts",
    "Michigan",     "Minnesota",      "Missouri",     "Montana",     "Nebraska", "New Hampshire",
    "New Jersey",   "New Mexico",     "New York",     "Ohio",        "Oregon",   "Pennsylvania",
    "Rhode Island", "South Carolina", "South Dakota", "Texas",       "Vermont",  "Virginia",
    "Washington",   "West Virginia",  "Wisconsin"};

} // namespace

LuckyNumbersPage::LuckyNumbersPage(RandomSource &random,
                                   const std::array<QLineEdit *, NumberFieldCount> &numberFields,
                                   QWidget *parent)
    : QWidget(parent), m_random(random), m_numberFields(numberFields)
{
    // Created bottom first: Text7(2) ends up on top of the stack.
    const QFont numbersFont = layoutFont(msSansSerif, 24);
    for (int element = 0; element < int(Text7.size()); ++element) {
        Text7[element] = makeTextField(this, QStringLiteral("Text7(%1)").arg(element), QString(),
                                       twipsRect(480, 960, 4335, 975), numbersFont);
        Text7[element]->setAccessibleName(QStringLiteral("Lucky numbers"));
    }

    const QFont captionFont = layoutFont(msSansSerif, 13.5);
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
        makeLabel(this, QStringLiteral("Label%1").arg(number),
                  QString::fromLatin1(controls.caption), controls.label, captionFont);
        QRadioButton *option =
            makeOptionButton(this, QStringLiteral("Option%1").arg(number), controls.option);
        option->setAccessibleName(QString::fromLatin1(controls.caption));
        m_games->addButton(option, int(controls.game));
    }

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Enter"),
                          twipsRect(360, 3240, 1455, 1215));
    connect(Command1, &QPushButton::clicked, this, &LuckyNumbersPage::Command1_Click);

    auto *Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twipsRect(360, 5160, 1455, 315));
    Combo1->setEditable(true);
    for (const QString &state : states)
        Combo1->addItem(state, 0);
    Combo1->setEditText(QStringLiteral("LOTTERIES"));
    Combo1->setAccessibleName(QStringLiteral("State lotteries"));
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("State lotteries"));
    Combo1->hide();

    makeLabel(this, QStringLiteral("Label5"),
              QStringLiteral("Numbers are Random and do not guarantee a win."),
              twipsRect(360, 5880, 3975, 255));
}

void LuckyNumbersPage::Command1_Click()
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
std::optional<Game> LuckyNumbersPage::chosenGame() const
{
    const int checked = m_games->checkedId();
    return checked < 0 ? std::nullopt : std::optional<Game>(Game(checked));
}
