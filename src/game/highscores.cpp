// The high-score table on the board and in the player's high-score file.
#include "game/game.h"
#include "platform/error.h"
#include "platform/integers.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zub {

namespace {

// The player's table starts as a copy of the installed one, made the first time it is missing. The copy
// is written fresh rather than copied as a file, so it never takes over the template's read-only mode.
void ProvideHighScoreFile(const QString& path, const QString& templatePath)
{
    if (QFileInfo::exists(path) || !QFileInfo::exists(templatePath))
        return;
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(templatePath, source.errorString()));
    const QByteArray bytes = source.readAll();
    QSaveFile copy(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !copy.open(QIODevice::WriteOnly) ||
        copy.write(bytes) != bytes.size() || !copy.commit())
        throw Error(QStringLiteral("Cannot create file \"%1\" from \"%2\". %3")
                        .arg(path, templatePath, copy.errorString()));
}

} // namespace

TextLines Game::ReadHighScoreFile() const
{
    ProvideHighScoreFile(m_files.HighScores, m_files.HighScoreTemplate);
    TextLines lines;
    lines.LoadFromFile(m_files.HighScores);
    return lines;
}

void Game::LoadHighScores()
{
    const TextLines lines = ReadHighScoreFile();
    for (int rank = 1; rank <= kRankCount; ++rank) {
        m_highScores.setHSName(rank, lines.line(HighScoreTable::NameLine(rank)));
        m_highScores.setHSScore(rank, lines.line(HighScoreTable::ScoreLine(rank)));
        m_board.HSLabel[2 * rank - 2] = m_highScores.HSName(rank);
        m_board.HSLabel[2 * rank - 1] = m_highScores.HSScore(rank);
    }
    m_board.HighestScoreLabel.Caption = m_highScores.HSScore(1);
}

bool Game::ScoreQualifies() const
{
    return m_highScores.qualifies(m_state.ScorePoints);
}

// The new entry goes in at the best rank it beats and pushes the ranks below it down, so only the last
// entry leaves the table. Lines of other ranks, and the lines before and after the table, are written back
// as the file holds them now.
void Game::PlaceHighScore(const QString& name)
{
    TextLines lines = ReadHighScoreFile();
    // A file too short for the table fails here, before anything has changed.
    lines.line(HighScoreTable::ScoreLine(kRankCount));
    try {
        m_highScores.checkScores();
    } catch (const Error& error) {
        // The table came from this file: the player has to know which file to mend.
        throw Error(QStringLiteral("%1 in %2").arg(error.message(), m_files.HighScores));
    }
    const int rank = m_highScores.firstRankBeatenBy(m_state.ScorePoints);
    if (rank != 0) {
        // The new entry goes in at its rank and the lower ones move down a place, so that no earlier score
        // is overwritten: only the old rank 10 drops out of the table.
        m_highScores.insert(rank, HighScoreTable::StorableName(name), IntToStr(m_state.ScorePoints));
        for (int moved = rank; moved <= kRankCount; ++moved) {
            lines.setLine(HighScoreTable::NameLine(moved), m_highScores.HSName(moved));
            lines.setLine(HighScoreTable::ScoreLine(moved), m_highScores.HSScore(moved));
        }
        if (rank == 1)
            m_board.HighestScoreLabel.Caption = m_highScores.HSScore(1);
        m_state.ScorePoints = 0;
    }
    ShowHighScoreLabels();
    lines.SaveToFile(m_files.HighScores);
}

void Game::ShowHighScoreLabels()
{
    for (int rank = 1; rank <= kRankCount; ++rank) {
        m_board.HSLabel[2 * rank - 2] = m_highScores.HSName(rank);
        m_board.HSLabel[2 * rank - 1] = m_highScores.HSScore(rank);
    }
}

} // namespace zub
