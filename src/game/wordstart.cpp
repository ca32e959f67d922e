// The start of play and of every word: the game start, the draw from the word list and the dash layout.
#include "game/boardgeometry.h"
#include "game/dashlayout.h"
#include "game/game.h"
#include "game/levels.h"
#include "game/wordlists.h"
#include "platform/error.h"
#include "platform/integers.h"
#include "platform/randomsource.h"
#include "platform/textlines.h"

namespace zub {

namespace {

int WordCountOf(const TextLines& list, const QString& file)
{
    const QString& text = list.line(0);
    try {
        return StrToInt(text);
    } catch (const Error& error) {
        throw Error(QStringLiteral("%1 (line 0 of %2)").arg(error.message(), file));
    }
}

// A word the tiles can finish: 3 to 13 capital letters. Any other line would leave the slots of the last
// word on the board, or a position no tile can find, so the list is reported as broken instead.
void CheckWord(const QString& word, int index, const QString& file)
{
    bool capitals = IsWordLength(int(word.size()));
    for (QChar c : word)
        capitals = capitals && c >= u'A' && c <= u'Z';
    if (!capitals)
        throw Error(
            QStringLiteral("Line %1 of %2 holds \"%3\", which is not a word of %4 to %5 capital letters")
                .arg(index)
                .arg(file, Excerpt(word))
                .arg(kShortestWord)
                .arg(kLongestWord));
}

} // namespace

void Game::FormActivate(int clientWidth, int clientHeight)
{
    // The game starts at the first activation only: the board is activated again whenever the player comes
    // back to it from another window, and that must not throw away the word in play. Marked first, so that
    // a step that fails does not run the game start again at every activation.
    if (m_started)
        return;
    m_started = true;
    // The first word starts at the first stage whatever the checked level, which sets only its points.
    SetStage(0);
    m_cues.Play(Cue::BackSound);
    // The board centred across and standing 10 pixels above the middle.
    m_flags.BackPanel.Left = clientWidth / 2 - kBoardSize.width() / 2;
    m_flags.BackPanel.Top = clientHeight / 2 - kBoardSize.height() / 2 - 10;
    m_flags.HighScoreImage.ResourceName = QStringLiteral("HANGHIGHSCORE");
    LockNewWord();
    m_state.LetterPoints = kLevels[CheckedLevel(m_flags)].LetterPoints;
    m_state.LettersFound = 0;
    BeginWord();
    LoadHighScores();
}

// A new word at a level, for New Game and New Word: its points, its first stage, no letter found, then
// the word itself.
void Game::StartWord(int level)
{
    m_state.LetterPoints = kLevels[level].LetterPoints;
    SetStage(kLevels[level].CounterStart);
    m_state.LettersFound = 0;
    BeginWord();
}

void Game::BeginWord()
{
    HideAllLetters();
    UnlockAllTiles();
    DrawNewWord();
    LayOutDashes();
}

void Game::DrawNewWord()
{
    TextLines list;
    QString file;
    for (const WordListChoice& choice : kWordLists) {
        if ((m_flags.*choice.Item).Checked) {
            file = m_files.*choice.File;
            list.LoadFromFile(file);
        }
    }
    const int WordCount = WordCountOf(list, file);
    // next() is never negative, so the remainder lies in 0 .. |WordCount| - 1 whatever the count's sign.
    // The source is not seeded here: it was seeded once for the run, and seeding it for every word would
    // give every word started within one clock second the same line.
    const int r = WordCount == 0 ? 0 : m_random.next() % WordCount;
    const int WordIndex = r + 1;
    const QString word = list.line(WordIndex);
    CheckWord(word, WordIndex, file);
    m_state.WordLength = int(word.size());
    for (int k = 0; k < kLetterSlotCount; ++k)
        m_flags.Letter[k].Caption = k < m_state.WordLength ? QString(word[k]) : QStringLiteral(" ");
    SyncWordSlots();
}

void Game::LayOutDashes()
{
    const int length = m_state.WordLength;
    if (!IsWordLength(length))
        return;
    const DashLayout& layout = kDashLayouts[length - kShortestWord];
    m_flags.Dashes.Caption = QStringLiteral("_ ").repeated(length).chopped(1);
    m_flags.Dashes.Left = layout.Dashes;
    for (int n = 0; n < kLetterSlotCount; ++n)
        m_flags.Letter[n].Left = n < length ? layout.Letter[n] : kParkedLeft;
}

} // namespace zub
