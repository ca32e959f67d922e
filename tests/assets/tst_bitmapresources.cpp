// The 23 bitmap resources: each loads by its name at exactly the size of the image that shows it, all
// share one 256-colour table with the twenty static colours at its ends, and an unknown name fails.
#include "assets/bitmapresources.h"
#include "testfiles.h"

#include <QTest>
#include <array>

namespace {

// The first ten and last ten entries of the colour table.
constexpr std::array<QRgb, 20> StaticColours{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),   qRgb(0, 0, 128),
    qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192), qRgb(192, 220, 192), qRgb(166, 202, 240),
    qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),
    qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255),
};

} // namespace

class BitmapResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAtItsImageSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (int stage = 1; stage <= 11; ++stage) {
            for (const auto& [prefix, size] :
                 {std::pair("HANGPOS", QSize(270, 250)), {"SWITCHPOS", QSize(215, 140)}}) {
                const QString name = prefix + QString::number(stage);
                QTest::newRow(qPrintable(name)) << name << size;
            }
        }
        QTest::newRow("HANGHIGHSCORE") << "HANGHIGHSCORE" << QSize(500, 75);
    }
    void loadsAtItsImageSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = zub::LoadFromResourceName(name);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorCount(), 256);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(image.color(i), StaticColours[i]);
            QCOMPARE(image.color(246 + i), StaticColours[10 + i]);
        }
        QVERIFY(image.colorTable() == zub::LoadFromResourceName(QStringLiteral("HANGPOS1")).colorTable());
    }

    void unknownNameFailsNamingIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("stage beyond the last") << "HANGPOS12";
        QTest::newRow("lower case") << "hangpos1";
        QTest::newRow("a path into other resources") << "../fonts/LiberationSans-Regular";
    }
    void unknownNameFailsNamingIt()
    {
        QFETCH(QString, name);
        QCOMPARE(zub::test::ErrorOf([&] { zub::LoadFromResourceName(name); }),
                 QStringLiteral("There is no bitmap resource named \"%1\".").arg(name));
    }
};

QTEST_GUILESS_MAIN(BitmapResourcesTest)
#include "tst_bitmapresources.moc"
