#include "playerstate.h"

#include "usstate.h"

#include <QInputDialog>
#include <QSettings>
#include <QStringList>

namespace {

QSettings settings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Ticketwise"),
                     QStringLiteral("Ticketwise"));
}

QString textOf(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

const UsState *stateNamed(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    return UsStateOf(std::string_view(latin.constData(), std::size_t(latin.size())));
}

} // namespace

const UsState *PlayerState::kept()
{
    QSettings kept = settings();
    if (const UsState *state = stateNamed(kept.value(QStringLiteral("state")).toString()))
        return state;
    // Whose draws of one game an earlier release asked.
    kept.beginGroup(QStringLiteral("results"));
    for (const QString &game : kept.childGroups()) {
        if (const UsState *state =
                stateNamed(kept.value(game + QStringLiteral("/state")).toString()))
            return state;
    }
    return nullptr;
}

const UsState *PlayerState::keptOrAsked(QWidget *parent)
{
    const UsState *state = kept();
    return state ? state : ask(parent);
}

const UsState *PlayerState::ask(QWidget *parent)
{
    QStringList names;
    for (const UsState &state : UsStates())
        names << textOf(state.name);
    const UsState *now = kept();
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        parent, QStringLiteral("Your State"),
        QStringLiteral("Where do you buy your tickets? It says whose draws are fetched, and where "
                       "and by when prizes are claimed."),
        names, now ? int(now - UsStates().data()) : names.indexOf(QStringLiteral("New York")),
        false, &chosen);
    if (!chosen)
        return nullptr;
    const UsState *state = stateNamed(name);
    settings().setValue(QStringLiteral("state"), textOf(state->code));
    return state;
}
