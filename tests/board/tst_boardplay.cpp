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
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

class BoardPlayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_board = std::make_unique<ShownBoard>(); }
    void cleanup() { m_board.reset(); }

    // The word's dashes and hidden letter slots in their places, the first stage of the gallows, the
    // high-score table from its file; the Level menu and New Word are closed.
    void showingTheBoardStartsPlay()
    {
        QCOMPARE(label("Dashes"), QStringLiteral("_ _ _ _ _"));
        QCOMPARE(m_board->find("Letter1")->x(), 154);
        QVERIFY(!shown("Letter1"));
        QVERIFY(showsPicture("HangmanPic", "HANGPOS1") && showsPicture("SwitchPosPic", "SWITCHPOS1"));
        QVERIFY(showsPicture("HighScoreImage", "HANGHIGHSCORE"));
        QCOMPARE(label("HSLabel1"), QStringLiteral("Ann"));
        QCOMPARE(label("HSLabel20"), QStringLiteral("100"));
        QCOMPARE(label("HighestScoreLabel"), QStringLiteral("1500"));
        QVERIFY(!m_board->find<QAction>("Hints1")->isEnabled());
        QVERIFY(shown("NewWordPic") && !enabled("NewWordClick"));
    }

    // Each found letter shows its used tile and its slot and scores 100; the win shows the well-done panel
    // until the win timer ticks and opens New Word, which draws the next word and keeps the score.
    void tilesPlayAWordToItsWin()
    {
        const char* guesses[] = {"BButton", "oButton", "AButton", "RButton", "DButton"};
        for (int n = 1; n <= 5; ++n) {
            m_board->click(guesses[n - 1]);
            QVERIFY2(shown(QChar(guesses[n - 1][0]).toUpper() + QStringLiteral("Pic")), guesses[n - 1]);
            QVERIFY(!enabled(guesses[n - 1]));
            QVERIFY(shown(QStringLiteral("Letter%1").arg(n)));
            QCOMPARE(label("ScorePointsLabel"), QString::number(100 * n));
        }
        QCOMPARE(label("Letter2"), QStringLiteral("O"));
        QVERIFY(shown("WellDonePanel") && active("WinTimer"));
        QVERIFY(!shown("NewWordPic") && enabled("NewWordClick"));

        m_board->window().WinTimerTimer();
        QVERIFY(!shown("WellDonePanel") && !active("WinTimer"));

        m_board->click("NewWordClick");
        QVERIFY(!shown("Letter1") && !shown("BPic") && enabled("BButton") && shown("NewWordPic"));
        QCOMPARE(label("ScorePointsLabel"), QStringLiteral("500"));
    }

    // Each wrong letter shows the next stage of the gallows and the switch; the eleventh loses the word
    // and shows the movie, and the game-over timer's tick opens the name entry, which the player
    // clicks into and whose name Enter confirms.
    void tilesPlayAWordToItsLossAndTheNameEntry()
    {
        m_board->click("BButton");
        m_board->click("oButton"); // 200 points: better than rank 10
        int wrong = 0;
        for (const char letter : QByteArrayView("CEFGHIJKLM")) {
            m_board->click(QStringLiteral("%1Button").arg(QLatin1Char(letter)));
            const QString stage = QString::number(++wrong + 1);
            QVERIFY2(showsPicture("HangmanPic", QStringLiteral("HANGPOS") + stage), qPrintable(stage));
            QVERIFY(showsPicture("SwitchPosPic", QStringLiteral("SWITCHPOS") + stage));
            QVERIFY(!shown("MovieScreen"));
        }
        m_board->click("NButton");
        QVERIFY(shown("MovieScreen") && active("GameOverTimer"));

        m_board->window().GameOverTimerTimer();
        QVERIFY(shown("EnterNamePanel") && !active("GameOverTimer") && active("Timer1"));
        auto* nameText = m_board->find<QLineEdit>("NameText");
        QVERIFY(QApplication::focusWidget() != nameText); // the player clicks into it
        QTest::mouseClick(nameText, Qt::LeftButton);
        QTest::keyClicks(nameText, QStringLiteral("Zed"));
        QTest::keyClick(nameText, Qt::Key_Return); // Enter confirms the name, as its OK button does

        QVERIFY(!shown("EnterNamePanel") && shown("GameOverPanel"));
    }

    // A press on a tile released outside it is no click.
    void aPressReleasedOutsideATileIsNoClick()
    {
        QWidget* tile = m_board->find("oButton");
        QTest::mousePress(tile, Qt::LeftButton, {}, tile->rect().center());
        QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(tile->width() + 20, tile->height() / 2));
        QVERIFY(enabled("oButton"));
        QCOMPARE(m_board->window().game().state().LettersFound, 0);
    }

    // The menu choices reach the rules, and the check marks and the Level menu, open only after New Game
    // and until a level is chosen, show what they decide (the titles they set are read on the desktops).
    void menusSetCaptionsAndCheckMarks()
    {
        const auto checked = [this] {
            QStringList items;
            for (const char* item : {"N10001", "N20001", "EnableHints1", "EnablePictures1", "EnableBoth1"}) {
                if (m_board->find<QAction>(item)->isChecked())
                    items << item;
            }
            return items;
        };
        const auto levelOpen = [this] { return m_board->find<QAction>("Hints1")->isEnabled(); };

        m_board->choose("N20001");
        QCOMPARE(checked(), (QStringList{"N20001", "EnableHints1"}));
        m_board->choose("Exit1");
        QVERIFY(levelOpen());
        m_board->choose("EnablePictures1");
        QCOMPARE(checked(), (QStringList{"N20001", "EnablePictures1"}));
        QVERIFY(!levelOpen());
        m_board->choose("N10001");
        m_board->choose("Exit1");
        m_board->choose("EnableBoth1");
        QCOMPARE(checked(), (QStringList{"N10001", "EnableBoth1"}));
    }

    // The high-score and about panels open from the menu; Enter closes the topmost, the about panel first,
    // and does nothing with no panel open; the about panel's button closes it too.
    void panelsOpenFromTheMenuAndCloseWithEnter()
    {
        const auto pressEnter = [this] { QTest::keyClick(&m_board->window(), Qt::Key_Return); };
        m_board->choose("Show1");
        m_board->choose("About1");
        QVERIFY(shown("GameOverPanel") && shown("AboutPanel"));

        pressEnter();
        QVERIFY(!shown("AboutPanel") && shown("GameOverPanel"));
        pressEnter();
        QVERIFY(!shown("GameOverPanel"));
        pressEnter();
        QCOMPARE(label("ScorePointsLabel"), QStringLiteral("0"));

        m_board->choose("About1");
        m_board->click("BitBtn2");
        QVERIFY(!shown("AboutPanel"));
    }

    // A word list that fails at New Game is reported naming it, over a board that already shows what New
    // Game did before the failure; once the list is mended, the game goes on.
    void handlerErrorIsReportedAndTheBoardStillShown()
    {
        m_board->click("BButton");
        m_board->data().write(QStringLiteral("datalst2.zub"), "many\r\nBOARD\r\n");
        QStringList reported;
        m_board->whenError = [&](const QString& message) {
            reported << message;
            QCOMPARE(label("ScorePointsLabel"), QStringLiteral("0"));
            QVERIFY(!shown("BPic") && enabled("BButton") && !shown("Letter1"));
        };

        m_board->choose("Exit1");
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.first().contains(QStringLiteral("datalst2.zub")), qPrintable(reported.first()));

        m_board->data().write(QStringLiteral("datalst2.zub"), "1\r\nBOARD\r\n");
        m_board->choose("Exit1");
        m_board->click("DButton");
        QVERIFY(shown("Letter5"));
        QCOMPARE(reported.size(), 1);
    }

private:
    QString label(const char* name) const { return m_board->find<zub::BoardLabel>(name)->caption(); }
    bool shown(const QString& name) const { return !m_board->find(name)->isHidden(); }
    bool enabled(const char* name) const { return m_board->find(name)->isEnabled(); }
    bool active(const char* timer) const { return m_board->find<QTimer>(timer)->isActive(); }
    // Whether the named image shows the picture of the named resource.
    bool showsPicture(const char* name, const QString& resource) const
    {
        return m_board->find<zub::ImageControl>(name)->picture() == zub::LoadFromResourceName(resource);
    }

    std::unique_ptr<ShownBoard> m_board;
};

QTEST_MAIN(BoardPlayTest)
#include "tst_boardplay.moc"
