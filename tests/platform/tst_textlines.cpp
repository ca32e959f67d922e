#include "platform/error.h"
#include "platform/textlines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using zub::Error;
using zub::TextLines;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename F> QString ErrorOf(F&& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

} // namespace

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
        QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbf"
                                                               "5\r\n")
                                                 << QStringList{"5"};
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
        QCOMPARE(list.count(), lines.size());
    }

    // Reading a line that is not there names the index and the file it came from.
    void indexOutsideTheListNamesIndexAndFile_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("one past the end") << 3;
        QTest::newRow("negative") << -1;
    }
    void indexOutsideTheListNamesIndexAndFile()
    {
        QFETCH(int, index);
        QTemporaryDir dir;
        const QString path = dir.filePath("hang.zub");
        WriteBytes(path, "a\r\nb\r\nc\r\n");
        TextLines list;
        list.LoadFromFile(path);
        const QString expected = QStringLiteral("List index out of bounds (%1) in %2").arg(index).arg(path);
        QCOMPARE(ErrorOf([&] { list.line(index); }), expected);
        QCOMPARE(ErrorOf([&] { list.setLine(index, "x"); }), expected);
        QCOMPARE(list.lines(), (QStringList{"a", "b", "c"}));
    }

    // A file that cannot be read is named in the error, and the list keeps what it held.
    void unreadableFileNamesThePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "absent.zub";
        QTest::newRow("a folder") << "folder";
    }
    void unreadableFileNamesThePath()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("folder");
        TextLines list({"kept"});
        const QString message = ErrorOf([&] { list.LoadFromFile(dir.filePath(name)); });
        QVERIFY2(message.contains(dir.filePath(name)), qPrintable(message));
        QCOMPARE(list.lines(), QStringList{"kept"});
    }

    // Every line is written with CR LF after it, the last included; reading it back gives the same lines.
    void saveEndsEveryLineWithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.zub");
        TextLines list({"first", "", QStringLiteral("Zo\u00eb"), " 7"});
        list.SaveToFile(path);
        QCOMPARE(ReadBytes(path), QByteArray("first\r\n\r\nZo\xc3\xab\r\n 7\r\n"));
        TextLines again;
        again.LoadFromFile(path);
        QCOMPARE(again.lines(), list.lines());
    }

    // A write that fails names the file and leaves what was there before whole.
    void failedSaveLeavesTheOldContent_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("no room for the new file beside the old one") << "long name";
        QTest::newRow("folder made read-only") << "read-only";
    }
    void failedSaveLeavesTheOldContent()
    {
        QFETCH(QString, how);
        if (how == "read-only" && geteuid() == 0)
            QSKIP("The superuser writes into read-only folders");
        QTemporaryDir dir;
        // A name so long that no temporary name fits beside it: the new content cannot take its place.
        const QString path =
            dir.filePath(how == "long name" ? QString(250, u'h') : QStringLiteral("hang.zub"));
        WriteBytes(path, "old\r\n");
        if (how == "read-only")
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString message = ErrorOf([&] { TextLines({"new"}).SaveToFile(path); });
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY2(message.contains(path), qPrintable(message));
        QCOMPARE(ReadBytes(path), QByteArray("old\r\n"));
    }

    void saveOntoAFolderFails()
    {
        QTemporaryDir dir;
        const QString message = ErrorOf([&] { TextLines({"x"}).SaveToFile(dir.path()); });
        QVERIFY2(message.contains(dir.path()), qPrintable(message));
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_GUILESS_MAIN(TextLinesTest)
#include "tst_textlines.moc"
