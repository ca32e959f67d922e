// A player who hardly stops, for the crash-safety test: it loads the high-score file in the folder given
// on the command line and, game after game, scores exactly 100 more than rank 10 as it last saw it and
// confirms the name "<player> <score>", so the file is rewritten again and again.
//
//   robustness_highscorewriter <folder> [<player> <count>]
//
// The folder holds datalst2.zub ("1" then "ABC") and hang.zub. Without a count the player goes on until
// the process is killed; with one it stops after that many scores took a place. Prints "ready" once the
// table is loaded, "placed <score>" after each rewrite that took the score and "missed <score>" after one
// where another game had meanwhile filled the table with better scores. A placement refused because
// another game held the table is confirmed again, as a player would.
#include "game/game.h"
#include "platform/integers.h"
#include "testfiles.h"

#include <cstdio>
#include <cstdlib>

using namespace zub;
using namespace zub::test;

namespace {

// New Game, then words of "ABC" won (300 points each, Easy) and a last word with the remaining letters
// found before it is lost; the game-over tick offers the table and the name is confirmed.
void PlayGameWorth(Game& game, int score, const QString& player)
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
    game.setNameText(QStringLiteral("%1 %2").arg(player).arg(score));
    for (int tries = 1;; ++tries) {
        try {
            game.NameOkButtonClick();
            return;
        } catch (const Error&) {
            if (tries == 5 || !game.flags().EnterNamePanel.Visible)
                throw;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 4)
        return 2; // see the usage above
    const QString player = argc == 4 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Player");
    const int count = argc == 4 ? std::atoi(argv[3]) : -1;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString words = folder.filePath(QStringLiteral("datalst2.zub"));
    const GameFiles files{words, words, folder.filePath(QStringLiteral("hang.zub")),
                          folder.filePath(QStringLiteral("no-template.zub"))};
    SilentCues cues;
    FixedRandom random(0);
    Game game(files, cues, random);
    try {
        game.FormActivate(1024, 768);
        std::printf("ready\n");
        std::fflush(stdout);
        for (int placed = 0; placed != count;) {
            const int score = StrToInt(game.highScores().HSScore(kRankCount)) + 100;
            PlayGameWorth(game, score, player);
            const bool took = game.state().ScorePoints == 0;
            placed += took;
            std::printf("%s %d\n", took ? "placed" : "missed", score);
            std::fflush(stdout);
        }
        return 0;
    } catch (const Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
}
