#pragma once

#include "game/componentflags.h"

#include <QString>
#include <array>

namespace zub {

// The ten-place table of the best game scores: a name and a score text for each rank, rank 1 the best.
//
// Scores are held as the text read from the file or written by the game and are read as numbers only to
// compare them: a score beats a rank when it is strictly greater than the number in the rank's score text.
// The table lives in lines 1 .. 20 of the high-score file, a name line then a score line for each rank.
class HighScoreTable
{
public:
    // The line indexes of rank 1 .. 10 in the high-score file.
    static constexpr int NameLine(int rank) { return 2 * rank - 1; }
    static constexpr int ScoreLine(int rank) { return 2 * rank; }

    const QString& HSName(int rank) const { return m_names.at(rank - 1); }
    const QString& HSScore(int rank) const { return m_scores.at(rank - 1); }
    void setHSName(int rank, const QString& name) { m_names.at(rank - 1) = name; }
    void setHSScore(int rank, const QString& score) { m_scores.at(rank - 1) = score; }

    // The number in the score text of a rank; throws zub::Error when the text is not a number.
    int scoreValue(int rank) const;
    // Reads every score text as a number, rank 1 first; throws zub::Error at the first that is not one.
    void checkScores() const;
    // The best rank that score beats, or 0 when it beats none. Throws when a score text it reaches is not
    // a number.
    int firstRankBeatenBy(int score) const;
    // Whether score beats rank 10. A rank-10 score text that is not a number (the table failed to load)
    // takes no score: the game goes on without offering the table.
    bool qualifies(int score) const;
    // Puts an entry at rank: that rank and every rank below it move down by one, the old rank 10 drops out.
    void insert(int rank, const QString& name, const QString& score);

    // The name as it is stored: a line break of any kind would split the file's lines, so each becomes a
    // blank. Everything else stays as typed.
    static QString StorableName(QString name);

    bool operator==(const HighScoreTable&) const = default;

private:
    std::array<QString, kRankCount> m_names{};  // HSName1 .. HSName10
    std::array<QString, kRankCount> m_scores{}; // HSScore1 .. HSScore10
};

} // namespace zub
