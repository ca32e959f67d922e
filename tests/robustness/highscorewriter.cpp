// A player who never stops, for the crash-safety test: it loads the high-score file in the folder given
// on the command line and, game after game, scores exactly 100 more than rank 10 and confirms the name
// "Player <score>", so the file is rewritten again and again until the process is killed.
//
//   robustness_highscorewriter <folder>    the folder holds datalst2.zub ("1" then "ABC") and hang.zub
//
// Prints "ready" once the table is loaded and "placed <score>" after each rewrite.
#include "game/game.h"
#include "platform/error.h"
#include "platform/integers.h"
#include "platform/randomsource.h"

#include <QDir>
#include <cstdio>

using namespace zub;

namespace {

class SilentCues final : public CuePlayer
{
public:
    void Play(Cue) override {}
    void Stop(Cue) override {}
};

class FirstLine final : public RandomSource
{
public:
    void seed(unsigned) override {}
    int next() override { return 0; }
};

// New Game, then words of "ABC" won (300 points each, Easy) and a last word with the remaining letters
// found before it is lost; the game-over tick offers the table and the name is confirmed.
void PlayGameWorth(Game& game, int score)
{
    game.Exit1Click();
    int points = 0;
    for (; score - points >= 300; points += 300) {
        for (char letter : {'A', 'B', 'C'})
            game.LetterClick(letter);
        game.WinTimerTimer();
        game.NewWordClickClick();
    }
    for (char letter = 'A'; points < score; ++letter, points += 100)
        game.LetterClick(letter);
    for (char letter = 'D'; letter <= 'N'; ++letter)
        game.LetterClick(letter);
    game.GameOverTimerTimer();
    game.setNameText(QStringLiteral("Player %1").arg(score));
    game.NameOkButtonClick();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    GameFiles files;
    files.Words1000 = folder.filePath(QStringLiteral("datalst2.zub"));
    files.Words2000 = files.Words1000;
    files.HighScores = folder.filePath(QStringLiteral("hang.zub"));
    files.HighScoreTemplate = folder.filePath(QStringLiteral("no-template.zub"));
    SilentCues cues;
    FirstLine random;
    Game game(files, cues, random);
    try {
        game.FormActivate(1024, 768);
        std::printf("ready\n");
        std::fflush(stdout);
        for (;;) {
            const int score = StrToInt(game.highScores().HSScore(kRankCount)) + 100;
            PlayGameWorth(game, score);
            if (game.state().ScorePoints != 0) {
                std::fprintf(stderr, "the score of %d was not placed\n", score);
                return 1;
            }
            std::printf("placed %d\n", score);
            std::fflush(stdout);
        }
    } catch (const Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
}
