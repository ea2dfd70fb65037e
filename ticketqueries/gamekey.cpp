#include "gamekey.h"

#include "gamename.h"

QString GameKey(QStringView name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar character : name) {
        if (!character.isSpace() && character != u'-' && character != u'.' && character != u'_')
            key.append(character.toCaseFolded());
    }
    return key;
}

const LotteryGame *LotteryGameOf(QStringView name)
{
    return FindLotteryGame(KeyView(GameKey(name)));
}
