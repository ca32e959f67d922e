#pragma once

#include <QString>

namespace zub {

// The paths of the game's data files: the two word lists, the high-score template and the Intro media,
// all in one data folder, and the player's own high-score file.
class DataPaths
{
public:
    explicit DataPaths(QString dataDir);

    // The absolute data folder chosen when the game was built; nothing at run time changes it.
    static QString installedDataDir();

    QString wordList1000() const;                 // dataDir/datalst2.zub, the Words "1000+" list
    QString wordList2000() const;                 // dataDir/datalst.zub, the Words "2000+" list
    QString highScoreTemplate() const;            // dataDir/hang.zub, the table a new player starts from
    QString media(const QString& fileName) const; // dataDir/Intro/fileName

    // The high-score file the game reads and rewrites: $XDG_DATA_HOME/zub-hangman/hang.zub.
    static QString userHighScores();

private:
    QString m_dataDir;
};

} // namespace zub
