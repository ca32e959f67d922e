#include "game/highscoretable.h"

#include "platform/error.h"
#include "platform/integers.h"

namespace zub {

int HighScoreTable::scoreValue(int rank) const
{
    try {
        return StrToInt(HSScore(rank));
    } catch (const Error& error) {
        throw Error(
            QStringLiteral("%1 (score of rank %2 in the high-score table)").arg(error.message()).arg(rank));
    }
}

void HighScoreTable::checkScores() const
{
    for (int rank = 1; rank <= kRankCount; ++rank)
        scoreValue(rank);
}

int HighScoreTable::firstRankBeatenBy(int score) const
{
    for (int rank = 1; rank <= kRankCount; ++rank) {
        if (score > scoreValue(rank))
            return rank;
    }
    return 0;
}

bool HighScoreTable::qualifies(int score) const
{
    try {
        return score > scoreValue(kRankCount);
    } catch (const Error&) {
        return false;
    }
}

void HighScoreTable::insert(int rank, const QString& name, const QString& score)
{
    for (int below = kRankCount; below > rank; --below) {
        setHSName(below, HSName(below - 1));
        setHSScore(below, HSScore(below - 1));
    }
    setHSName(rank, name);
    setHSScore(rank, score);
}

QString HighScoreTable::StorableName(QString name)
{
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'\n' || u == u'\v' || u == u'\f' || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = u' ';
    }
    return name;
}

} // namespace zub
