#include "platform/error.h"
#include "platform/integers.h"

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

    // Anything else is reported with the text in quotes.
    void rejectsEverythingElse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("sign only") << "-";
        QTest::newRow("trailing blank") << "12 ";
        QTest::newRow("blank after sign") << "- 12";
        QTest::newRow("letters") << "abc";
        QTest::newRow("digits then letters") << "12a";
        QTest::newRow("two signs") << "+-1";
        QTest::newRow("decimal point") << "1.5";
        QTest::newRow("one above the largest") << "2147483648";
        QTest::newRow("one below the smallest") << "-2147483649";
        QTest::newRow("far too long") << QString(40, u'9');
        QTest::newRow("leading tab") << "\t5";
        QTest::newRow("non-ASCII digit") << QStringLiteral("\u0665");
    }
    void rejectsEverythingElse()
    {
        QFETCH(QString, text);
        try {
            zub::StrToInt(text);
            QFAIL("no error");
        } catch (const zub::Error& error) {
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    void writesPlainDecimalText()
    {
        QCOMPARE(zub::IntToStr(0), QStringLiteral("0"));
        QCOMPARE(zub::IntToStr(1250), QStringLiteral("1250"));
        QCOMPARE(zub::IntToStr(-5), QStringLiteral("-5"));
        QCOMPARE(zub::StrToInt(zub::IntToStr(std::numeric_limits<int>::min())),
                 std::numeric_limits<int>::min());
    }
};

QTEST_GUILESS_MAIN(IntegersTest)
#include "tst_integers.moc"
