#include "platform/seededrandom.h"

#include <QTest>
#include <vector>

class SeededRandomTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The same seed gives the same numbers; another seed gives others. Every number
    // lies in 0 .. 2^31 - 1, and both halves of the range are reached.
    void sameSeedSameSequenceOverTheNonNegativeRange()
    {
        zub::SeededRandom first(7);
        zub::SeededRandom second(7);
        std::vector<int> drawn;
        bool low = false;
        bool high = false;
        for (int i = 0; i < 10000; ++i) {
            drawn.push_back(first.next());
            QCOMPARE(second.next(), drawn.back());
            QVERIFY(drawn.back() >= 0);
            low = low || drawn.back() < (1 << 30);
            high = high || drawn.back() >= (1 << 30);
        }
        QVERIFY(low && high);
        zub::SeededRandom other(8);
        int same = 0;
        for (int value : drawn)
            same += other.next() == value ? 1 : 0;
        QVERIFY(same < 5);
    }
};

QTEST_GUILESS_MAIN(SeededRandomTest)
#include "tst_seededrandom.moc"
