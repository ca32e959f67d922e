// The high-score file as the fuzzer writes it. A game is lost with a score, the table is offered and a
// name confirmed. Loading and placing either stop with an error that names the file and leave the file
// as it was, or rewrite it with exactly the new entry in its place: every other line keeps its bytes, the
// ranks below move down by one and every line ends with CR LF.
#include "fuzzsupport.h"
#include "game/game.h"
#include "game/highscoretable.h"
#include "platform/error.h"
#include "platform/integers.h"
#include "platform/seededrandom.h"

#include <QList>

using namespace zub;
using namespace zub::fuzz;

namespace {

const QString kWord = QStringLiteral("ABCDEFGHJKLMN"); // thirteen letters, none of them I
const QByteArray kName = "Fuzz";

GameFiles FuzzFiles()
{
    GameFiles files;
    files.Words1000 = WorkPath(QStringLiteral("datalst2.zub"));
    files.Words2000 = files.Words1000;
    files.HighScores = WorkPath(QStringLiteral("hang.zub"));
    files.HighScoreTemplate = WorkPath(QStringLiteral("no-template.zub"));
    WriteFile(files.Words1000, "1\r\n" + kWord.toLatin1() + "\r\n");
    return files;
}

// The lines of a file as bytes, split at CR LF, CR or LF; a final line break adds no empty line.
QList<QByteArray> SplitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// The rank a score takes: the first whose score it beats.
int RankFor(int score, const QList<QByteArray>& lines)
{
    for (int rank = 1; rank <= kRankCount; ++rank) {
        if (score > StrToInt(QString::fromUtf8(lines[HighScoreTable::ScoreLine(rank)])))
            return rank;
    }
    return 0;
}

// The file as it must read after the score took its rank: the ranks from there on move down by one.
QByteArray Placed(QList<QByteArray> lines, int rank, int score)
{
    for (int below = kRankCount; below > rank; --below) {
        lines[HighScoreTable::NameLine(below)] = lines[HighScoreTable::NameLine(below - 1)];
        lines[HighScoreTable::ScoreLine(below)] = lines[HighScoreTable::ScoreLine(below - 1)];
    }
    lines[HighScoreTable::NameLine(rank)] = kName;
    lines[HighScoreTable::ScoreLine(rank)] = QByteArray::number(score);
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

void CheckUnchangedAfter(const Error& error, const QString& path, const QByteArray& before)
{
    Check(error.message().contains(path),
          QStringLiteral("the error does not name the file: ") + error.message());
    Check(ReadFile(path) == before, QStringLiteral("a failed operation changed the file"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const GameFiles files = FuzzFiles();
    const QByteArray before = InputBytes(data, size);
    WriteFile(files.HighScores, before);

    SilentCues cues;
    SeededRandom random{1};
    Game game(files, cues, random);
    try {
        game.FormActivate(1024, 768);
    } catch (const Error& error) {
        CheckUnchangedAfter(error, files.HighScores, before);
        return 0;
    }

    // Some letters of the word found, then the word lost: a score of 0 .. 1200 that depends on the input.
    const int found = int(size % 13);
    for (int n = 0; n < found; ++n)
        game.LetterClick(char(kWord[n].unicode()));
    for (char letter = 'O'; letter <= 'Y'; ++letter)
        game.LetterClick(letter);
    const int score = game.state().ScorePoints;
    Check(score == 100 * found, QStringLiteral("the score is %1 after %2 letters").arg(score).arg(found));
    game.GameOverTimerTimer();
    if (!game.flags().EnterNamePanel.Visible)
        return 0;

    game.setNameText(QString::fromLatin1(kName));
    try {
        game.NameOkButtonClick();
    } catch (const Error& error) {
        CheckUnchangedAfter(error, files.HighScores, before);
        return 0;
    }
    // A placement happens only where every score of the table is a number, as the comparison reads it.
    const QList<QByteArray> lines = SplitLines(before);
    const int rank = RankFor(score, lines);
    Check(rank >= 1, QStringLiteral("a score that beats no rank was placed"));
    Check(ReadFile(files.HighScores) == Placed(lines, rank, score),
          QStringLiteral("the rewritten file differs from the table with the score at rank %1").arg(rank));
    Check(game.state().ScorePoints == 0, QStringLiteral("the placed score was not cleared"));
    return 0;
}
