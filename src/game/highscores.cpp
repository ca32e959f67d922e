// The high-score table on the board and in the player's high-score file.
#include "game/game.h"
#include "platform/error.h"
#include "platform/filelock.h"
#include "platform/integers.h"
#include "platform/replacefile.h"
#include "platform/textlines.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <optional>
#include <system_error>

namespace zub {

namespace {

// The player's table starts as a copy of the installed one, made the first time it is missing. The copy
// is written fresh rather than copied as a file, so it never takes over the template's read-only mode.
// Two games started at once make it one after the other, and the second finds it made. When the copy
// cannot be made, the error names the player's file and gives the system's reason.
void ProvideHighScoreFile(const QString& path, const QString& templatePath)
{
    if (QFileInfo::exists(path) || !QFileInfo::exists(templatePath))
        return;
    std::error_code folderError;
    std::filesystem::create_directories(QFile::encodeName(QFileInfo(path).absolutePath()).toStdString(),
                                        folderError);
    if (folderError)
        throw Error(QStringLiteral("Cannot create file \"%1\" from \"%2\". Cannot create its folder: %3.")
                        .arg(path, templatePath, QString::fromStdString(folderError.message())));
    const FileLock lock(path);
    if (QFileInfo::exists(path))
        return;
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(templatePath, source.errorString()));
    const QByteArray bytes = source.readAll();
    try {
        ReplaceFile(path, bytes);
    } catch (const Error& error) {
        throw Error(QStringLiteral("Cannot create file \"%1\" from \"%2\". %3")
                        .arg(path, templatePath, error.message()));
    }
}

} // namespace

// Reading needs no writing: where the player's copy cannot be made (a home on a read-only or full disk),
// the installed table is read as it stands, and placing a score tells the player why the copy fails.
TextLines Game::ReadHighScoreFile() const
{
    QString path = m_files.HighScores;
    try {
        ProvideHighScoreFile(m_files.HighScores, m_files.HighScoreTemplate);
    } catch (const Error&) {
        path = m_files.HighScoreTemplate;
    }
    TextLines lines;
    lines.LoadFromFile(path);
    return lines;
}

void Game::LoadHighScores()
{
    const TextLines lines = ReadHighScoreFile();
    for (int rank = 1; rank <= kRankCount; ++rank) {
        m_highScores.setHSName(rank, lines.line(HighScoreTable::NameLine(rank)));
        m_highScores.setHSScore(rank, lines.line(HighScoreTable::ScoreLine(rank)));
        m_flags.HSLabel[2 * rank - 2] = m_highScores.HSName(rank);
        m_flags.HSLabel[2 * rank - 1] = m_highScores.HSScore(rank);
    }
    m_flags.HighestScoreLabel.Caption = m_highScores.HSScore(1);
}

bool Game::ScoreQualifies() const
{
    return m_highScores.qualifies(m_state.ScorePoints);
}

// Another game may have placed scores since this one loaded the table, so the new entry goes into the
// table as the file holds it now, read, changed and written back while no other game can do the same.
// The entry goes in at the best rank it beats and pushes the ranks below it down, so only the last entry
// leaves the table; every other line is written back as the file holds it. The board then shows the
// table as written.
void Game::PlaceHighScore(const QString& name)
{
    HighScoreTable table;
    TextLines lines;
    std::optional<FileLock> lock;
    try {
        ProvideHighScoreFile(m_files.HighScores, m_files.HighScoreTemplate);
        lock.emplace(m_files.HighScores);
        lines.LoadFromFile(m_files.HighScores);
        for (int rank = 1; rank <= kRankCount; ++rank) {
            table.setHSName(rank, lines.line(HighScoreTable::NameLine(rank)));
            table.setHSScore(rank, lines.line(HighScoreTable::ScoreLine(rank)));
        }
        try {
            table.checkScores();
        } catch (const Error& error) {
            // The player has to know which file to mend.
            throw Error(QStringLiteral("%1 in %2").arg(error.message(), m_files.HighScores));
        }
    } catch (const Error&) {
        // Nothing has changed: the name entry comes back, so the name can be confirmed again.
        m_flags.GameOverPanel.Visible = false;
        m_flags.EnterNamePanel.Visible = true;
        throw;
    }
    const int rank = table.firstRankBeatenBy(m_state.ScorePoints);
    if (rank != 0) {
        table.insert(rank, HighScoreTable::StorableName(name), IntToStr(m_state.ScorePoints));
        for (int moved = rank; moved <= kRankCount; ++moved) {
            lines.setLine(HighScoreTable::NameLine(moved), table.HSName(moved));
            lines.setLine(HighScoreTable::ScoreLine(moved), table.HSScore(moved));
        }
        m_state.ScorePoints = 0;
    }
    m_highScores = table;
    m_flags.HighestScoreLabel.Caption = m_highScores.HSScore(1);
    ShowHighScoreLabels();
    RemoveInterruptedReplacements(m_files.HighScores);
    lines.SaveToFile(m_files.HighScores);
}

void Game::ShowHighScoreLabels()
{
    for (int rank = 1; rank <= kRankCount; ++rank) {
        m_flags.HSLabel[2 * rank - 2] = m_highScores.HSName(rank);
        m_flags.HSLabel[2 * rank - 1] = m_highScores.HSScore(rank);
    }
}

} // namespace zub
