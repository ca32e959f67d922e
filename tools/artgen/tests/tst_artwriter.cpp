// The generator writes every picture the game loads, byte for byte as the game holds them: the game's own
// tests decode and draw the committed pictures, so a generator that reproduces them writes what the game
// reads.

#include "artwriter.h"
#include "bitmapfiles.h"
#include "palette.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

using namespace zub::artgen;

class ArtWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_files = MakeArtFiles(); }

    // Regenerating and writing gives the committed pictures whole, each made once and nothing else: any
    // change to a writer, the palette or the painting shows here, and is committed with the pictures it
    // changes.
    void committedArtIsCurrent()
    {
        QTemporaryDir folder;
        const QDir art(folder.filePath(QStringLiteral("art")));
        WriteArtFiles(m_files, art.path());
        QCOMPARE(art.entryList(QDir::Files), QDir(QStringLiteral(ZUB_ART_DIR)).entryList(QDir::Files));
        QCOMPARE(m_files.size(), art.entryList(QDir::Files).size());
        for (const ArtFile& file : m_files) {
            QFile written(art.filePath(file.name));
            QFile committed(QDir(QStringLiteral(ZUB_ART_DIR)).filePath(file.name));
            QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(written.fileName()));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
            QVERIFY2(written.readAll() == committed.readAll(),
                     qPrintable(file.name + QStringLiteral(" differs")));
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
        QTemporaryFile blocker;
        QVERIFY(blocker.open());
        try {
            WriteArtFiles(m_files, blocker.fileName());
            QFAIL("writing into a file as if it were a folder succeeded");
        } catch (const std::runtime_error& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(blocker.fileName()), error.what());
        }
    }

private:
    QList<ArtFile> m_files;
};

QTEST_MAIN(ArtWriterTest)
#include "tst_artwriter.moc"
