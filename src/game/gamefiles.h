#pragma once

#include <QString>

namespace zub {

// The files the rules read and write.
struct GameFiles
{
    QString Words1000;         // the "1000+" list (datalst2.zub)
    QString Words2000;         // the "2000+" list (datalst.zub)
    QString HighScores;        // the player's own high-score table, read and rewritten
    QString HighScoreTemplate; // the installed table that seeds HighScores when it is missing
};

} // namespace zub
