// The generator writes every picture the game loads, each in its format and size, the stage pictures
// and banner sharing one colour table, and writes them byte for byte as the game holds them: the game's
// own tests decode the committed pictures, so a generator that reproduces them writes what the game reads.

#include "artwriter.h"
#include "bitmapfiles.h"
#include "palette.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace zub::artgen;

namespace {

QSet<QString> expectedNames()
{
    QSet<QString> names = {
        QStringLiteral("HANGHIGHSCORE.dib"), QStringLiteral("backdrop.jpg"), QStringLiteral("entername.jpg"),
        QStringLiteral("welldone.jpg"),      QStringLiteral("about.jpg"),    QStringLiteral("NewWordPic.bmp"),
        QStringLiteral("glyph.bmp"),         QStringLiteral("skip.bmp"),     QStringLiteral("mainicon.ico")};
    for (int stage = 1; stage <= 11; ++stage) {
        names.insert(QStringLiteral("HANGPOS%1.dib").arg(stage));
        names.insert(QStringLiteral("SWITCHPOS%1.dib").arg(stage));
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names.insert(QStringLiteral("%1Pic.bmp").arg(QLatin1Char(letter)));
    }
    return names;
}

QImage read(const ArtFile& file)
{
    const bool dib = file.name.endsWith(QLatin1String(".dib"));
    return QImage::fromData(dib ? DibAsBmpFile(file.bytes) : file.bytes);
}

} // namespace

class ArtWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_files = MakeArtFiles(); }

    void everyPictureIsMadeOnce()
    {
        QSet<QString> names;
        for (const ArtFile& file : m_files) {
            QVERIFY2(!names.contains(file.name), qPrintable(file.name));
            names.insert(file.name);
        }
        QCOMPARE(names, expectedNames());
    }

    void everyPictureDecodesAtItsSize_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QSize>("size");
        QTest::newRow("gallows") << "HANGPOS" << QSize(270, 250);
        QTest::newRow("switch") << "SWITCHPOS" << QSize(215, 140);
        QTest::newRow("banner") << "HANGHIGHSCORE" << QSize(500, 75);
        QTest::newRow("backdrop") << "backdrop" << QSize(950, 650);
        QTest::newRow("name entry") << "entername" << QSize(400, 184);
        QTest::newRow("well done") << "welldone" << QSize(381, 112);
        QTest::newRow("about") << "about" << QSize(300, 242);
        QTest::newRow("used tiles") << "?Pic" << QSize(75, 36);
        QTest::newRow("new word") << "NewWordPic" << QSize(348, 53);
        QTest::newRow("glyph") << "glyph" << QSize(36, 18);
        QTest::newRow("skip") << "skip" << QSize(74, 75);
        QTest::newRow("icon") << "mainicon" << QSize(32, 32);
    }

    void everyPictureDecodesAtItsSize()
    {
        QFETCH(QString, prefix);
        QFETCH(QSize, size);
        int matched = 0;
        for (const ArtFile& file : m_files) {
            const bool usedTile = prefix == QLatin1String("?Pic") && file.name.size() == 8 &&
                                  file.name.endsWith(QLatin1String("Pic.bmp"));
            if (!usedTile && !file.name.startsWith(prefix)) {
                continue;
            }
            ++matched;
            const QImage picture = read(file);
            QVERIFY2(!picture.isNull(), qPrintable(file.name));
            QCOMPARE(picture.size(), size);
            const qsizetype expected = ExpectedFileSize(file.name);
            if (expected >= 0) {
                QCOMPARE(file.bytes.size(), expected);
            }
        }
        QVERIFY(matched > 0);
    }

    void stagePicturesAndBannerShareOneColourTable()
    {
        QByteArray table;
        int dibs = 0;
        for (const ArtFile& file : m_files) {
            if (!file.name.endsWith(QLatin1String(".dib"))) {
                continue;
            }
            ++dibs;
            const QByteArray own = file.bytes.mid(40, 1024);
            if (table.isEmpty()) {
                table = own;
            }
            QVERIFY2(own == table, qPrintable(file.name));
        }
        QCOMPARE(dibs, 23);
        QCOMPARE(table.mid(0, 4), QByteArray("\0\0\0\0", 4));             // black first
        QCOMPARE(table.mid(255 * 4, 4), QByteArray("\xFF\xFF\xFF\0", 4)); // white last
    }

    // The skip picture's background is its bottom-left colour, and the button stands out of it.
    void skipPictureIsTransparentAroundItsButton()
    {
        for (const ArtFile& file : m_files) {
            if (file.name == QLatin1String("skip.bmp")) {
                const QImage skip = read(file);
                const QRgb clear = skip.pixel(0, skip.height() - 1);
                QCOMPARE(skip.pixel(0, 0), clear);
                QCOMPARE(skip.pixel(skip.width() - 1, 0), clear);
                QVERIFY(skip.pixel(skip.width() / 2, skip.height() / 2) != clear);
            }
        }
    }

    void filesAreWrittenWhole()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString art = folder.filePath(QStringLiteral("art"));
        WriteArtFiles(m_files, art);
        for (const ArtFile& file : m_files) {
            QFile written(QDir(art).filePath(file.name));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), file.bytes);
        }
    }

    // Regenerating gives the committed pictures: any change to a writer, the palette or the painting
    // shows here, and is committed with the pictures it changes.
    void committedArtIsCurrent()
    {
        for (const ArtFile& file : m_files) {
            QFile committed(QDir(QStringLiteral(ZUB_ART_DIR)).filePath(file.name));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
            QVERIFY2(committed.readAll() == file.bytes, qPrintable(file.name + QStringLiteral(" differs")));
        }
    }

    // The writers refuse pictures they cannot store rather than writing a broken file.
    void unusablePicturesAreRefused()
    {
        QImage sixteen(4, 4, QImage::Format_Indexed8);
        sixteen.setColorTable(QList<QRgb>(16, qRgb(1, 2, 3)));
        QImage seventeen = sixteen;
        seventeen.setColorTable(QList<QRgb>(17, qRgb(1, 2, 3)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, EncodeDib8(sixteen));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, EncodeBmp4(seventeen));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Palette({qRgba(0, 0, 0, 0)}));
    }

    void unwritableFolderIsReportedByName()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        try {
            WriteArtFiles(m_files, blocker.fileName());
            QFAIL("writing into a file as if it were a folder succeeded");
        } catch (const std::runtime_error& error) {
            QVERIFY(QString::fromUtf8(error.what()).contains(QLatin1String("not-a-folder")));
        }
    }

private:
    QList<ArtFile> m_files;
};

QTEST_MAIN(ArtWriterTest)
#include "test_artwriter.moc"
