// The generator writes every picture the game loads, byte for byte as the game holds them: the game's own
// tests decode the committed pictures (sizes, colour tables, transparency), so a generator that
// reproduces them writes what the game reads.

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
#include "tst_artwriter.moc"
