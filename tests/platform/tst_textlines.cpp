#include "platform/textlines.h"
#include "testfiles.h"

#include <QTemporaryDir>

using zub::TextLines;
using namespace zub::test;

class TextLinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A line ends at CR LF, CR or LF; a final line break adds no empty line, a missing one loses no line.
    void loadSplitsAtEveryLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
        QTest::newRow("CR") << QByteArray("one\rtwo\r") << QStringList{"one", "two"};
        QTest::newRow("LF") << QByteArray("one\ntwo\n") << QStringList{"one", "two"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("no final line end") << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
        QTest::newRow("LF then CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("blanks kept") << QByteArray(" 12 \r\n") << QStringList{" 12 "};
        QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab\r\n") << QStringList{QStringLiteral("Zo\u00eb")};
        QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbf") + "5\r\n" << QStringList{"5"};
    }
    void loadSplitsAtEveryLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        WriteBytes(dir.filePath("list.zub"), bytes);
        TextLines list;
        list.LoadFromFile(dir.filePath("list.zub"));
        QCOMPARE(list.lines(), lines);
    }

    // Reading a line that is not there names the index and the file it came from.
    void indexOutsideTheListNamesIndexAndFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("hang.zub");
        WriteBytes(path, "a\r\nb\r\nc\r\n");
        TextLines list;
        list.LoadFromFile(path);
        for (const int index : {3, -1}) { // one past the end, negative
            const QString expected =
                QStringLiteral("List index out of bounds (%1) in %2").arg(index).arg(path);
            QCOMPARE(ErrorOf([&] { list.line(index); }), expected);
            QCOMPARE(ErrorOf([&] { list.setLine(index, "x"); }), expected);
        }
        QCOMPARE(list.lines(), (QStringList{"a", "b", "c"}));
    }
};

QTEST_GUILESS_MAIN(TextLinesTest)
#include "tst_textlines.moc"
