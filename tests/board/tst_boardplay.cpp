// Playing on the board as the player does: clicks on the tiles, menu choices and Enter reach the rules,
// and the board shows what the rules decide. The word list holds the one word BOARD; the test delivers
// the timers' ticks itself.
#include "assets/bitmapresources.h"
#include "board/boardlabel.h"
#include "board/imagecontrol.h"
#include "game/game.h"
#include "shownboard.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

class BoardPlayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showingTheBoardStartsPlay();
    void tilesPlayAWordToItsWin();
    void tilesPlayAWordToItsLossAndTheNameEntry();
    void usedLockedAndHalfClickedControlsDoNothing();
    void menusSetCaptionsAndCheckMarks_data();
    void menusSetCaptionsAndCheckMarks();
    void panelsOpenFromTheMenuAndCloseWithEnter();
    void handlerErrorIsReportedAndTheBoardStillShown();

private:
    QString label(const QString& name) const { return m_board->find<zub::BoardLabel>(name)->caption(); }
    bool shown(const QString& name) const { return !m_board->find(name)->isHidden(); }
    bool enabled(const QString& name) const { return m_board->find(name)->isEnabled(); }
    QImage picture(const QString& name) const { return m_board->find<zub::ImageControl>(name)->picture(); }

    std::unique_ptr<ShownBoard> m_board;
};

void BoardPlayTest::init()
{
    m_board = std::make_unique<ShownBoard>();
}

void BoardPlayTest::cleanup()
{
    m_board.reset();
}

void BoardPlayTest::showingTheBoardStartsPlay()
{
    const QWidget* client = m_board->window().centralWidget();
    QCOMPARE(m_board->find(QStringLiteral("BackPanel"))->pos(),
             QPoint(client->width() / 2 - 480, client->height() / 2 - 340));

    QCOMPARE(label(QStringLiteral("Dashes")), QStringLiteral("_ _ _ _ _"));
    QCOMPARE(m_board->find(QStringLiteral("Dashes"))->x(), 157);
    const int lefts[] = {154, 182, 212, 242, 271, 420, 420, 420, 420, 420, 420, 420, 420};
    for (int n = 1; n <= 13; ++n) {
        const QString slot = QStringLiteral("Letter%1").arg(n);
        QCOMPARE(m_board->find(slot)->x(), lefts[n - 1]);
        QVERIFY(!shown(slot));
    }
    QCOMPARE(picture(QStringLiteral("HangmanPic")), zub::LoadFromResourceName(QStringLiteral("HANGPOS1")));
    QCOMPARE(picture(QStringLiteral("SwitchPosPic")),
             zub::LoadFromResourceName(QStringLiteral("SWITCHPOS1")));
    QCOMPARE(picture(QStringLiteral("HighScoreImage")),
             zub::LoadFromResourceName(QStringLiteral("HANGHIGHSCORE")));
    QCOMPARE(label(QStringLiteral("HSLabel1")), QStringLiteral("Ann"));
    QCOMPARE(label(QStringLiteral("HSLabel20")), QStringLiteral("100"));
    QCOMPARE(label(QStringLiteral("HighestScoreLabel")), QStringLiteral("1500"));

    QVERIFY(!m_board->find<QAction>(QStringLiteral("Hints1"))->isEnabled());
    QVERIFY(shown(QStringLiteral("NewWordPic")));
    QVERIFY(!enabled(QStringLiteral("NewWordClick")));
    QVERIFY(m_board->errors().isEmpty());
}

void BoardPlayTest::tilesPlayAWordToItsWin()
{
    const QStringList guesses{"BButton", "oButton", "AButton", "RButton", "DButton"};
    for (int n = 1; n <= 5; ++n) {
        m_board->click(guesses[n - 1]);
        const QString picture = guesses[n - 1].left(1).toUpper() + QStringLiteral("Pic");
        QVERIFY2(shown(picture), qPrintable(picture));
        QVERIFY(!enabled(guesses[n - 1]));
        QVERIFY(shown(QStringLiteral("Letter%1").arg(n)));
        QCOMPARE(label(QStringLiteral("ScorePointsLabel")), QString::number(100 * n));
    }
    QCOMPARE(label(QStringLiteral("Letter2")), QStringLiteral("O"));
    QVERIFY(shown(QStringLiteral("WellDonePanel")));
    QVERIFY(m_board->find<QTimer>(QStringLiteral("WinTimer"))->isActive());
    QVERIFY(shown(QStringLiteral("ZPic"))); // every tile locked
    QVERIFY(!enabled(QStringLiteral("ZButton")));
    QVERIFY(!shown(QStringLiteral("NewWordPic")));
    QVERIFY(enabled(QStringLiteral("NewWordClick")));

    m_board->window().WinTimerTimer();
    QVERIFY(!shown(QStringLiteral("WellDonePanel")));
    QVERIFY(!m_board->find<QTimer>(QStringLiteral("WinTimer"))->isActive());

    m_board->click(QStringLiteral("NewWordClick")); // the next word; the score stays
    QVERIFY(!shown(QStringLiteral("Letter1")));
    QVERIFY(!shown(QStringLiteral("BPic")));
    QVERIFY(enabled(QStringLiteral("BButton")));
    QVERIFY(shown(QStringLiteral("NewWordPic")));
    QCOMPARE(label(QStringLiteral("ScorePointsLabel")), QStringLiteral("500"));
    QVERIFY(m_board->errors().isEmpty());
}

void BoardPlayTest::tilesPlayAWordToItsLossAndTheNameEntry()
{
    m_board->click(QStringLiteral("BButton"));
    m_board->click(QStringLiteral("oButton")); // 200 points: better than rank 10
    const QStringList wrong{"CButton", "EButton", "FButton", "GButton", "HButton",
                            "IButton", "JButton", "KButton", "LButton", "MButton"};
    for (int k = 1; k <= 10; ++k) {
        m_board->click(wrong[k - 1]);
        const QString stage = QString::number(k + 1);
        QCOMPARE(picture(QStringLiteral("HangmanPic")),
                 zub::LoadFromResourceName(QStringLiteral("HANGPOS") + stage));
        QCOMPARE(picture(QStringLiteral("SwitchPosPic")),
                 zub::LoadFromResourceName(QStringLiteral("SWITCHPOS") + stage));
        QVERIFY(!shown(QStringLiteral("MovieScreen")));
    }

    m_board->click(QStringLiteral("NButton")); // the eleventh wrong letter loses the word
    QVERIFY(shown(QStringLiteral("MovieScreen")));
    for (int n = 1; n <= 5; ++n)
        QVERIFY(shown(QStringLiteral("Letter%1").arg(n)));
    QVERIFY(!shown(QStringLiteral("Letter6")));
    QCOMPARE(picture(QStringLiteral("HangmanPic")), zub::LoadFromResourceName(QStringLiteral("HANGPOS11")));
    QVERIFY(m_board->find<QTimer>(QStringLiteral("GameOverTimer"))->isActive());
    QVERIFY(!enabled(QStringLiteral("AButton")));
    QVERIFY(shown(QStringLiteral("NewWordPic")));

    m_board->window().GameOverTimerTimer();
    QVERIFY(shown(QStringLiteral("EnterNamePanel")));
    QVERIFY(!m_board->find<QTimer>(QStringLiteral("GameOverTimer"))->isActive());
    QVERIFY(m_board->find<QTimer>(QStringLiteral("Timer1"))->isActive());
    auto* nameText = m_board->find<QLineEdit>(QStringLiteral("NameText"));
    QVERIFY(QApplication::focusWidget() != nameText); // the player clicks into it

    QTest::mouseClick(nameText, Qt::LeftButton);
    QTest::keyClicks(nameText, QStringLiteral("Zed"));
    QCOMPARE(m_board->board().NameText, QStringLiteral("Zed"));
    QTest::keyClick(nameText, Qt::Key_Return); // Enter confirms the name, as its OK button does

    QVERIFY(!shown(QStringLiteral("EnterNamePanel")));
    QVERIFY(shown(QStringLiteral("GameOverPanel")));
    QCOMPARE(label(QStringLiteral("HSLabel19")), QStringLiteral("Zed"));
    QCOMPARE(label(QStringLiteral("HSLabel20")), QStringLiteral("200"));
    QFile scores(m_board->data().highScoreFile());
    QVERIFY(scores.open(QIODevice::ReadOnly));
    QVERIFY(scores.readAll().contains("Zed\r\n200\r\n"));
    QCOMPARE(nameText->text(), QStringLiteral("Zed")); // kept for the next game
    QVERIFY(m_board->errors().isEmpty());
}

void BoardPlayTest::usedLockedAndHalfClickedControlsDoNothing()
{
    m_board->click(QStringLiteral("BButton"));
    QCOMPARE(label(QStringLiteral("ScorePointsLabel")), QStringLiteral("100"));
    m_board->click(QStringLiteral("BButton")); // used: its picture shows, its click area is disabled
    QCOMPARE(label(QStringLiteral("ScorePointsLabel")), QStringLiteral("100"));
    QCOMPARE(m_board->window().game().state().LettersFound, 1);

    m_board->click(QStringLiteral("NewWordClick")); // locked during a word
    QVERIFY(shown(QStringLiteral("NewWordPic")));
    QVERIFY(shown(QStringLiteral("Letter1")));

    // A press on a tile released outside it is no click.
    QWidget* tile = m_board->find(QStringLiteral("oButton"));
    QTest::mousePress(tile, Qt::LeftButton, {}, tile->rect().center());
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(tile->width() + 20, tile->height() / 2));
    QVERIFY(enabled(QStringLiteral("oButton")));
    QCOMPARE(m_board->window().game().state().LettersFound, 1);
    QVERIFY(m_board->errors().isEmpty());
}

void BoardPlayTest::menusSetCaptionsAndCheckMarks_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<int>("stage");

    QTest::newRow("2000+") << QStringList{"N20001"} << "Hangman Version 1.2 - Level - Easy -Words 2000+"
                           << QStringList{"N20001", "EnableHints1"} << 1;
    QTest::newRow("2000+ then 1000+")
        << QStringList{"N20001", "N10001"} << "Hangman Version 1.2 - Level - Easy -Words 1000+"
        << QStringList{"N10001", "EnableHints1"} << 1;
    QTest::newRow("New Game keeps 2000+")
        << QStringList{"N20001", "Exit1"} << "Hangman Version 1.2 - Level - Easy - Words 2000+"
        << QStringList{"N20001", "EnableHints1"} << 1;
    QTest::newRow("Easy") << QStringList{"Exit1", "EnableHints1"} << "Hangman Version 1.2 - Level - Easy"
                          << QStringList{"N10001", "EnableHints1"} << 1;
    QTest::newRow("Normal") << QStringList{"Exit1", "EnablePictures1"}
                            << "Hangman Version 1.2 - Level - Normal"
                            << QStringList{"N10001", "EnablePictures1"} << 3;
    QTest::newRow("Hard") << QStringList{"Exit1", "EnableBoth1"} << "Hangman Version 1.2 - Level - Hard"
                          << QStringList{"N10001", "EnableBoth1"} << 5;
}

void BoardPlayTest::menusSetCaptionsAndCheckMarks()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, caption);
    QFETCH(QStringList, checked);
    QFETCH(int, stage);

    for (const QString& choice : choices)
        m_board->choose(choice);

    QCOMPARE(m_board->window().windowTitle(), caption);
    for (const char* item : {"N10001", "N20001", "EnableHints1", "EnablePictures1", "EnableBoth1"})
        QCOMPARE(m_board->find<QAction>(QString::fromLatin1(item))->isChecked(), checked.contains(item));
    QCOMPARE(picture(QStringLiteral("HangmanPic")),
             zub::LoadFromResourceName(QStringLiteral("HANGPOS%1").arg(stage)));
    // The Level menu is open only after New Game and until a level is chosen.
    const bool levelOpen = choices.last() == QStringLiteral("Exit1");
    QCOMPARE(m_board->find<QAction>(QStringLiteral("Hints1"))->isEnabled(), levelOpen);
    QVERIFY(m_board->errors().isEmpty());
}

void BoardPlayTest::panelsOpenFromTheMenuAndCloseWithEnter()
{
    m_board->choose(QStringLiteral("Show1"));
    QVERIFY(shown(QStringLiteral("GameOverPanel")));
    m_board->choose(QStringLiteral("About1"));
    QVERIFY(shown(QStringLiteral("AboutPanel")));

    m_board->pressEnter(); // the about panel lies above the high-score panel
    QVERIFY(!shown(QStringLiteral("AboutPanel")));
    QVERIFY(shown(QStringLiteral("GameOverPanel")));
    m_board->pressEnter();
    QVERIFY(!shown(QStringLiteral("GameOverPanel")));
    m_board->pressEnter(); // no panel open: nothing happens
    QCOMPARE(label(QStringLiteral("ScorePointsLabel")), QStringLiteral("0"));

    m_board->choose(QStringLiteral("About1"));
    m_board->click(QStringLiteral("BitBtn2"));
    QVERIFY(!shown(QStringLiteral("AboutPanel")));
    QVERIFY(m_board->errors().isEmpty());
}

void BoardPlayTest::handlerErrorIsReportedAndTheBoardStillShown()
{
    m_board->click(QStringLiteral("BButton"));
    m_board->data().write(QStringLiteral("datalst2.zub"), "many\r\nBOARD\r\n");
    // What New Game did before the failure is on the board already when the error box opens over it.
    QStringList reported;
    m_board->window().setErrorReporter([&](const QString& message) {
        reported << message;
        QCOMPARE(label(QStringLiteral("ScorePointsLabel")), QStringLiteral("0"));
        QVERIFY(!shown(QStringLiteral("BPic")));
        QVERIFY(enabled(QStringLiteral("BButton")));
        QVERIFY(!shown(QStringLiteral("Letter1")));
    });

    m_board->choose(QStringLiteral("Exit1")); // New Game stops where the word list fails
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.first().contains(QStringLiteral("datalst2.zub")), qPrintable(reported.first()));

    m_board->data().write(QStringLiteral("datalst2.zub"), "1\r\nBOARD\r\n");
    m_board->choose(QStringLiteral("Exit1")); // and the game goes on
    m_board->click(QStringLiteral("DButton"));
    QVERIFY(shown(QStringLiteral("Letter5")));
    QCOMPARE(reported.size(), 1);
}

QTEST_MAIN(BoardPlayTest)
#include "tst_boardplay.moc"
