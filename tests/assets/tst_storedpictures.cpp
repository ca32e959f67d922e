// The pictures of the window definitions: each comes out at the size of its component, and an unknown
// name fails naming it. The intro's tests see the skip picture's background transparent.
#include "assets/storedpictures.h"
#include "testfiles.h"

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

    void mainIconIsThirtyTwoPixels()
    {
        QCOMPARE(zub::MainIcon().pixmap(QSize(32, 32)).size(), QSize(32, 32));
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
        QCOMPARE(zub::test::ErrorOf([&] { zub::StoredPicture(name); }),
                 QStringLiteral("There is no stored picture named \"%1\".").arg(name));
    }
};

QTEST_MAIN(StoredPicturesTest)
#include "tst_storedpictures.moc"
