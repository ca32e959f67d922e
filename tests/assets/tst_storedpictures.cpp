// The pictures of the window definitions: each tile has a picture of its own, the main icon is found,
// and an unknown name fails naming it. The board's tests see every picture found and drawn in its place,
// the intro's tests the skip picture's background transparent; broken pictures of every kind, and the
// decoder's error numbers, are in the robustness tests' catalogue of malformed pictures.
#include "assets/storedpictures.h"
#include "testfiles.h"

#include <QTest>

class StoredPicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
