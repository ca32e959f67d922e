// The pictures of the window definitions: each comes out at the size of its component, the skip picture
// with its background colour transparent, and an unknown name fails naming it.
#include "assets/storedpictures.h"
#include "platform/error.h"

#include <QFile>
#include <QTest>

class TestStoredPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAtItsSize_data();
    void loadsAtItsSize();
    void tilePicturesDifferFromEachOther();
    void skipPictureBackgroundIsTransparent();
    void mainIconIsThirtyTwoPixels();
    void unknownNameFailsNamingIt_data();
    void unknownNameFailsNamingIt();
};

void TestStoredPictures::loadsAtItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qint64>("bytes"); // BMP files have a size fixed by their format; 0 for JPEG

    QTest::newRow("Backdrop") << "Backdrop"
                              << "backdrop.jpg" << QSize(950, 650) << qint64(0);
    QTest::newRow("Image1") << "Image1"
                            << "entername.jpg" << QSize(400, 184) << qint64(0);
    QTest::newRow("Image2") << "Image2"
                            << "welldone.jpg" << QSize(381, 112) << qint64(0);
    QTest::newRow("Image3") << "Image3"
                            << "about.jpg" << QSize(300, 242) << qint64(0);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QString name = QStringLiteral("%1Pic").arg(QLatin1Char(letter));
        QTest::newRow(qPrintable(name)) << name << name + ".bmp" << QSize(75, 36) << qint64(8262);
    }
    QTest::newRow("NewWordPic") << "NewWordPic"
                                << "NewWordPic.bmp" << QSize(348, 53) << qint64(55386);
    QTest::newRow("Glyph") << "Glyph"
                           << "glyph.bmp" << QSize(36, 18) << qint64(478);
    QTest::newRow("SkipPicture") << "SkipPicture"
                                 << "skip.bmp" << QSize(74, 75) << qint64(16854);
}

void TestStoredPictures::loadsAtItsSize()
{
    QFETCH(QString, name);
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(qint64, bytes);

    QFile raw(":/zub/pictures/" + resource);
    QVERIFY2(raw.exists(), qPrintable(raw.fileName()));
    if (bytes != 0)
        QCOMPARE(raw.size(), bytes);

    const QImage image = zub::StoredPicture(name);
    QCOMPARE(image.size(), size);
}

void TestStoredPictures::tilePicturesDifferFromEachOther()
{
    QList<QImage> seen;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QImage image = zub::StoredPicture(QStringLiteral("%1Pic").arg(QLatin1Char(letter)));
        QVERIFY2(!seen.contains(image), qPrintable(QStringLiteral("%1Pic repeats another").arg(letter)));
        seen.append(image);
    }
}

void TestStoredPictures::skipPictureBackgroundIsTransparent()
{
    const QImage image = zub::StoredPicture(QStringLiteral("SkipPicture"));

    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            QVERIFY(alpha == 0 || alpha == 255);
            opaque += alpha == 255 ? 1 : 0;
        }
    }
    QVERIFY2(opaque > 0, "nothing of the skip picture is left to draw");
}

void TestStoredPictures::mainIconIsThirtyTwoPixels()
{
    const QIcon icon = zub::MainIcon();

    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

void TestStoredPictures::unknownNameFailsNamingIt_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("no fourth panel picture") << "Image4";
    QTest::newRow("lower-case tile") << "aPic";
    QTest::newRow("two letters") << "ABPic";
    QTest::newRow("file name instead of component") << "backdrop.jpg";
    QTest::newRow("empty") << "";
}

void TestStoredPictures::unknownNameFailsNamingIt()
{
    QFETCH(QString, name);

    try {
        zub::StoredPicture(name);
        QFAIL("an unknown picture was loaded");
    } catch (const zub::Error& error) {
        QCOMPARE(error.message(), QStringLiteral("There is no stored picture named \"%1\".").arg(name));
    }
}

QTEST_MAIN(TestStoredPictures)
#include "test_storedpictures.moc"
