#include "introtimeline.h"

#include <QTest>

using namespace zub::mediagen::intro;

class IntroTimelineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordIsRevealedGuessByGuess_data()
    {
        QTest::addColumn<double>("time");
        QTest::addColumn<QString>("shown");
        QTest::newRow("before any guess") << 0.0 << QStringLiteral("       ");
        QTest::newRow("first E") << 10.3 << QStringLiteral(" E     ");
        QTest::newRow("second E just after") << 10.45 << QStringLiteral(" E    E");
        QTest::newRow("O") << 11.3 << QStringLiteral(" E  O E");
        QTest::newRow("a miss changes nothing") << 12.5 << QStringLiteral(" E  O E");
        QTest::newRow("L") << 13.3 << QStringLiteral(" EL O E");
        QTest::newRow("all but the first") << 17.29 << QStringLiteral(" ELCOME");
        QTest::newRow("complete") << 17.3 << QStringLiteral("WELCOME");
        QTest::newRow("end of the movie") << 25.0 << QStringLiteral("WELCOME");
    }

    void wordIsRevealedGuessByGuess()
    {
        QFETCH(double, time);
        QFETCH(QString, shown);
        QCOMPARE(ShownWord(time), shown);
    }

    void missesAreCollected_data()
    {
        QTest::addColumn<double>("time");
        QTest::addColumn<QString>("missed");
        QTest::newRow("none yet") << 12.29 << QString();
        QTest::newRow("first miss") << 12.3 << QStringLiteral("S");
        QTest::newRow("second miss") << 14.3 << QStringLiteral("ST");
        QTest::newRow("end") << 25.0 << QStringLiteral("ST");
    }

    void missesAreCollected()
    {
        QFETCH(double, time);
        QFETCH(QString, missed);
        QCOMPARE(MissedLetters(time), missed);
    }

    void missesAreTimedInOrder()
    {
        QCOMPARE(MissTime(0), 12.3);
        QCOMPARE(MissTime(1), 14.3);
        QVERIFY(MissTime(2) < 0.0);
    }

    void strokesAreDrawnInTurn_data()
    {
        QTest::addColumn<int>("stroke");
        QTest::addColumn<double>("time");
        QTest::addColumn<double>("progress");
        QTest::newRow("base not started") << 0 << 3.9 << 0.0;
        QTest::newRow("base half way") << 0 << 4.45 << 0.5;
        QTest::newRow("base done") << 0 << 4.9 << 1.0;
        QTest::newRow("post waits for the base") << 1 << 4.9 << 0.0;
        QTest::newRow("rope done long after") << 4 << 20.0 << 1.0;
    }

    void strokesAreDrawnInTurn()
    {
        QFETCH(int, stroke);
        QFETCH(double, time);
        QFETCH(double, progress);
        QVERIFY(std::abs(StrokeProgress(stroke, time) - progress) < 1e-9);
    }

    // The whole story must be told before the scene fades, and the card shown before the intro ends.
    void storyFitsTheMovie()
    {
        double previous = 0.0;
        for (const Span& stroke : kGallowsStrokes) {
            QVERIFY(stroke.start >= previous);
            QVERIFY(stroke.end > stroke.start);
            previous = stroke.end;
        }
        QVERIFY(kDashesStart > previous);
        for (const Guess& guess : kGuesses) {
            QVERIFY(guess.time > kDashesStart + kDashStep * kWord.size());
            QVERIFY(guess.time > previous);
            previous = guess.time;
        }
        for (int i = 0; i < kWord.size(); ++i) {
            QVERIFY(RevealTime(i) > 0.0);
            QVERIFY(RevealTime(i) <= kWordComplete);
        }
        QVERIFY(kWordComplete + 1.5 < kFadeOut.start);
        QVERIFY(kCardFadeIn.start >= kFadeOut.end);
        QVERIFY(kCardFadeIn.end + 1.0 < kLength);
        QVERIFY(TitleLetterTime(int(kTitle.size())) < kGallowsStrokes.front().start);
    }
};

QTEST_GUILESS_MAIN(IntroTimelineTest)
#include "introtimeline_test.moc"
