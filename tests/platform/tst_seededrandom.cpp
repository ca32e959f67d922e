#include "platform/seededrandom.h"

#include <QTest>
#include <vector>

class SeededRandomTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The same seed gives the same numbers, also after reseeding; another seed gives others.
    void sameSeedSameSequence()
    {
        zub::SeededRandom first(7);
        zub::SeededRandom second(7);
        std::vector<int> drawn;
        for (int i = 0; i < 100; ++i) {
            drawn.push_back(first.next());
            QCOMPARE(second.next(), drawn.back());
        }
        first.seed(7);
        for (int value : drawn)
            QCOMPARE(first.next(), value);
        zub::SeededRandom other(8);
        int same = 0;
        for (int value : drawn)
            same += other.next() == value ? 1 : 0;
        QVERIFY(same < 5);
    }

    // Every number lies in 0 .. 2^31 - 1, and both halves of the range are reached.
    void numbersCoverTheNonNegativeRange()
    {
        zub::SeededRandom random(12345);
        bool low = false;
        bool high = false;
        for (int i = 0; i < 10000; ++i) {
            const int value = random.next();
            QVERIFY(value >= 0);
            low = low || value < (1 << 30);
            high = high || value >= (1 << 30);
        }
        QVERIFY(low && high);
    }
};

QTEST_GUILESS_MAIN(SeededRandomTest)
#include "tst_seededrandom.moc"
