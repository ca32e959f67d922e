// The pictures of the window definitions: each comes out at the size of its component, the skip picture
// with its background colour transparent, and an unknown name fails naming it.
#include "assets/storedpictures.h"
#include "platform/error.h"

#include <QTest>

class StoredPicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAtItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");

        QTest::newRow("Backdrop") << "Backdrop" << QSize(950, 650);
        QTest::newRow("Image1") << "Image1" << QSize(400, 184);
        QTest::newRow("Image2") << "Image2" << QSize(381, 112);
        QTest::newRow("Image3") << "Image3" << QSize(300, 242);
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const QString name = QStringLiteral("%1Pic").arg(QLatin1Char(letter));
            QTest::newRow(qPrintable(name)) << name << QSize(75, 36);
        }
        QTest::newRow("NewWordPic") << "NewWordPic" << QSize(348, 53);
        QTest::newRow("Glyph") << "Glyph" << QSize(36, 18);
        QTest::newRow("SkipPicture") << "SkipPicture" << QSize(74, 75);
    }
    void loadsAtItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(zub::StoredPicture(name).size(), size);
    }

    void tilePicturesDifferFromEachOther()
    {
        QList<QImage> seen;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const QImage image = zub::StoredPicture(QStringLiteral("%1Pic").arg(QLatin1Char(letter)));
            QVERIFY2(!seen.contains(image), qPrintable(QStringLiteral("%1Pic repeats another").arg(letter)));
            seen.append(image);
        }
    }

    void skipPictureBackgroundIsTransparent()
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

    void mainIconIsThirtyTwoPixels()
    {
        const QIcon icon = zub::MainIcon();

        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    }

    void unknownNameFailsNamingIt_data()
    {
        QTest::addColumn<QString>("name");

        QTest::newRow("no fourth panel picture") << "Image4";
        QTest::newRow("lower-case tile") << "aPic";
        QTest::newRow("two letters") << "ABPic";
        QTest::newRow("file name instead of component") << "backdrop.jpg";
    }
    void unknownNameFailsNamingIt()
    {
        QFETCH(QString, name);

        try {
            zub::StoredPicture(name);
            QFAIL("an unknown picture was loaded");
        } catch (const zub::Error& error) {
            QCOMPARE(error.message(), QStringLiteral("There is no stored picture named \"%1\".").arg(name));
        }
    }
};

QTEST_MAIN(StoredPicturesTest)
#include "tst_storedpictures.moc"
