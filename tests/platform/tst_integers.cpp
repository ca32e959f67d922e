#include "platform/integers.h"
#include "testfiles.h"

#include <QTest>
#include <limits>

class IntegersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Leading blanks, a sign and any number of leading zeros are read; the value must fit in 32 bits.
    void readsDecimalIntegers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "1250" << 1250;
        QTest::newRow("leading zeros") << "0100" << 100;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("minus") << "-42" << -42;
        QTest::newRow("plus") << "+42" << 42;
        QTest::newRow("leading blanks") << "   7" << 7;
        QTest::newRow("blanks before the sign") << "  -7" << -7;
        QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max();
        QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
        QTest::newRow("many zeros") << "000000000000000000012" << 12;
    }
    void readsDecimalIntegers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(zub::StrToInt(text), value);
    }

    // Anything else is reported with the text in quotes. Empty, worded, trailing-blank and oversized
    // scores are also read from broken high-score files by the robustness tests.
    void rejectsEverythingElse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("sign only") << "-";
        QTest::newRow("blank after sign") << "- 12";
        QTest::newRow("digits then letters") << "12a";
        QTest::newRow("two signs") << "+-1";
        QTest::newRow("decimal point") << "1.5";
        QTest::newRow("one below the smallest") << "-2147483649";
        QTest::newRow("leading tab") << "\t5";
        QTest::newRow("non-ASCII digit") << QStringLiteral("\u0665");
    }
    void rejectsEverythingElse()
    {
        QFETCH(QString, text);
        QCOMPARE(zub::test::ErrorOf([&] { zub::StrToInt(text); }),
                 QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
};

QTEST_GUILESS_MAIN(IntegersTest)
#include "tst_integers.moc"
