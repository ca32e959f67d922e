#pragma once

// The shared fixture of the rule and robustness tests: word lists and a high-score file written into a
// temporary folder, a cue player that records every call, and a random source with a fixed seed or one that
// always draws the same number.

#include "game/game.h"
#include "game/levels.h"
#include "platform/seededrandom.h"
#include "testfiles.h"

#include <QByteArrayList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>

namespace zub::test {

// Records every Play and Stop in order, with the name of the cue's player: "Play WinSound", "Stop BackSound".
class RecordingCuePlayer final : public CuePlayer
{
public:
    void Play(Cue cue) override { calls.append(QStringLiteral("Play ") + MediaOf(cue).player); }
    void Stop(Cue cue) override { calls.append(QStringLiteral("Stop ") + MediaOf(cue).player); }
    // The calls since the last take.
    QStringList take() { return std::exchange(calls, {}); }

    QStringList calls;
};

// A word list: the count on line 0, then the words.
inline QByteArray WordList(const QStringList& words)
{
    return (QString::number(words.size()) + QStringLiteral("\r\n") + words.join(QStringLiteral("\r\n")) +
            QStringLiteral("\r\n"))
        .toUtf8();
}

// The lines joined, each ended by lineEnd.
inline QByteArray Joined(const QByteArrayList& lines, const QByteArray& lineEnd = "\r\n")
{
    return lines.isEmpty() ? QByteArray() : lines.join(lineEnd) + lineEnd;
}

// The 22 lines of the installed high-score file: "Best scores" first, "end" last, and ranks 1 .. 10 named
// "Name1" .. "Name10" with scores 1500, 1200, 1000, 800, 600, 500, 400, 300, 200 and 100.
inline const QByteArrayList kTable{"Best scores", "Name1", "1500", "Name2",  "1200", "Name3", "1000", "Name4",
                                   "800",         "Name5", "600",  "Name6",  "500",  "Name7", "400",  "Name8",
                                   "300",         "Name9", "200",  "Name10", "100",  "end"};

// Thirteen different letters, none of them I: any number of them up to 12 can be found before a loss.
inline const QString kLongWord = QStringLiteral("ABCDEFGHJKLMN");

class GameFixture
{
public:
    // With a draw of 0 or more every draw takes that number instead of the seeded one.
    explicit GameFixture(const QStringList& words1000 = {"CAT"}, const QStringList& words2000 = {"DOG"},
                         unsigned seed = 1, int draw = -1)
        : random(seed), fixedDraw(draw)
    {
        files.Words1000 = dir.filePath("datalst2.zub");
        files.Words2000 = dir.filePath("datalst.zub");
        files.HighScoreTemplate = dir.filePath("hang.zub");
        files.HighScores = dir.filePath("user/hang.zub");
        WriteBytes(files.Words1000, WordList(words1000));
        WriteBytes(files.Words2000, WordList(words2000));
        WriteBytes(files.HighScoreTemplate, Joined(kTable));
        game = std::make_unique<Game>(files, cues, draw < 0 ? static_cast<RandomSource&>(random) : fixedDraw);
    }

    const GameState& state() const { return game->state(); }
    const ComponentFlags& flags() const { return game->flags(); }

    void start() { game->FormActivate(1024, 680); }

    void guess(const QString& letters)
    {
        for (QChar letter : letters)
            game->LetterClick(char(letter.unicode()));
    }

    // The word on the board, from the captions of its slots.
    QString word() const
    {
        QString text;
        for (int n = 0; n < state().WordLength; ++n)
            text += flags().Letter[n].Caption.trimmed();
        return text;
    }

    // Guesses letters that are not in the word, A first, count times.
    void miss(int count)
    {
        for (char letter = 'A'; letter <= 'Z' && count > 0; ++letter) {
            if (!word().contains(QLatin1Char(letter)) && flags().Tiles[letter - 'A'].Button.Enabled) {
                game->LetterClick(letter);
                --count;
            }
        }
    }

    // Misses until the word is lost.
    void loseWord() { miss(11 - state().WrongGuessCount); }

    // Guesses every letter of the word.
    void winWord() { guess(word()); }

    // New Game at a level.
    void chooseLevel(int level)
    {
        game->Exit1Click();
        if (level == kNormal)
            game->EnablePictures1Click();
        if (level == kHard)
            game->EnableBoth1Click();
    }

    // New Game at a level, then `positions` letters found and the word lost: a score of positions x the
    // level's points. Needs a word of distinct letters longer than positions.
    void scoreAndLose(int level, int positions)
    {
        chooseLevel(level);
        guess(word().left(positions));
        loseWord();
    }

    QTemporaryDir dir;
    GameFiles files;
    RecordingCuePlayer cues;
    SeededRandom random;
    FixedRandom fixedDraw;
    std::unique_ptr<Game> game;
};

// Everything the rules hold, to show that an event changed nothing.
struct Snapshot
{
    explicit Snapshot(const Game& game) : state(game.state()), flags(game.flags()), table(game.highScores())
    {}
    bool operator==(const Snapshot&) const = default;

    GameState state;
    ComponentFlags flags;
    HighScoreTable table;
};

} // namespace zub::test
