// The word list as the fuzzer writes it. The game start, a whole round of guesses and New Game must each
// either put a word on the board that the tiles can finish or stop with a short error naming the list.
#include "fuzzsupport.h"
#include "game/game.h"
#include "platform/error.h"
#include "platform/seededrandom.h"

using namespace zub;
using namespace zub::fuzz;

namespace {

// An error message is shown in a box: it names the list and quotes no more of it than fits there.
constexpr qsizetype kLongestMessage = 600;

GameFiles FuzzFiles()
{
    GameFiles files;
    files.Words1000 = WorkPath(QStringLiteral("datalst2.zub"));
    files.Words2000 = WorkPath(QStringLiteral("datalst.zub"));
    files.HighScores = WorkPath(QStringLiteral("hang.zub"));
    files.HighScoreTemplate = WorkPath(QStringLiteral("template.zub"));
    QByteArray table = "Best scores\r\n";
    for (int rank = 1; rank <= kRankCount; ++rank)
        table += "Name\r\n" + QByteArray::number(1100 - 100 * rank) + "\r\n";
    WriteFile(files.HighScores, table + "end\r\n");
    return files;
}

void CheckError(const Error& error, const QString& list)
{
    const QString& message = error.message();
    Check(message.contains(list), QStringLiteral("the error does not name the list: ") + message);
    Check(message.size() <= kLongestMessage + list.size(),
          QStringLiteral("the error is %1 characters long").arg(message.size()));
}

// A word the tiles can finish stands in the slots, blanks after it, and the dashes match its length.
void CheckWordOnBoard(const Game& game)
{
    const int length = game.state().WordLength;
    Check(length >= 3 && length <= 13, QStringLiteral("a word of %1 letters").arg(length));
    for (int n = 0; n < kLetterSlotCount; ++n) {
        const QString& caption = game.flags().Letter[n].Caption;
        const bool capital = caption.size() == 1 && caption[0] >= u'A' && caption[0] <= u'Z';
        if (n < length)
            Check(capital || caption == u" I", QStringLiteral("slot %1 holds \"%2\"").arg(n).arg(caption));
        else
            Check(caption == u" ", QStringLiteral("slot %1 past the word holds \"%2\"").arg(n).arg(caption));
        Check(!game.flags().Letter[n].Visible, QStringLiteral("slot %1 shown before a guess").arg(n));
    }
    Check(game.flags().Dashes.Caption.size() == 2 * length - 1, QStringLiteral("dashes do not fit the word"));
}

// Guessing A to Z in turn ends the word: found whole, or lost at the eleventh wrong letter.
void PlayWord(Game& game)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        game.LetterClick(letter);
        const GameState& state = game.state();
        Check(state.LettersFound <= state.WordLength, QStringLiteral("more letters found than the word has"));
        Check(state.HangPos == state.WrongGuessCount + 1, QStringLiteral("the gallows lost count"));
    }
    const GameState& state = game.state();
    Check(state.LettersFound == state.WordLength || state.WrongGuessCount == 11,
          QStringLiteral("the word neither won nor lost after every letter"));
    for (const Tile& tile : game.flags().Tiles)
        Check(!tile.Button.Enabled, QStringLiteral("a tile still open after the word ended"));
}

// Runs one word start; returns whether a word came on the board.
template <typename Start> bool StartWord(Game& game, const QString& list, Start start)
{
    try {
        start();
    } catch (const Error& error) {
        CheckError(error, list);
        return false;
    }
    CheckWordOnBoard(game);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const GameFiles files = FuzzFiles();
    WriteFile(files.Words1000, InputBytes(data, size));

    SilentCues cues;
    SeededRandom random{unsigned(size)}; // the same input always draws the same lines
    Game game(files, cues, random);
    if (StartWord(game, files.Words1000, [&] { game.FormActivate(1024, 768); }))
        PlayWord(game);
    if (StartWord(game, files.Words1000, [&] { game.Exit1Click(); }))
        PlayWord(game);
    return 0;
}
