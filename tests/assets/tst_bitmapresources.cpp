// The 23 bitmap resources: each loads by its name at exactly the size of the image that shows it, all
// share one 256-colour table with the twenty static colours at its ends, and an unknown name fails.
#include "assets/bitmapresources.h"
#include "platform/error.h"

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

struct ResourceShape
{
    QString name;
    QSize size;
};

QList<ResourceShape> allResources()
{
    QList<ResourceShape> shapes;
    for (int stage = 1; stage <= 11; ++stage) {
        shapes.append({QStringLiteral("HANGPOS%1").arg(stage), QSize(270, 250)});
        shapes.append({QStringLiteral("SWITCHPOS%1").arg(stage), QSize(215, 140)});
    }
    shapes.append({QStringLiteral("HANGHIGHSCORE"), QSize(500, 75)});
    return shapes;
}

} // namespace

class BitmapResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAtItsImageSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");

        for (const ResourceShape& shape : allResources())
            QTest::newRow(qPrintable(shape.name)) << shape.name << shape.size;
    }
    void loadsAtItsImageSize()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);

        const QImage image = zub::LoadFromResourceName(name);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QVERIFY(image.colorTable() == zub::LoadFromResourceName(QStringLiteral("HANGPOS1")).colorTable());
    }

    void sharedColourTableHasTheStaticColoursAtItsEnds()
    {
        const QImage image = zub::LoadFromResourceName(QStringLiteral("HANGPOS1"));
        QCOMPARE(image.colorCount(), 256);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(image.color(i), StaticColours[i]);
            QCOMPARE(image.color(246 + i), StaticColours[10 + i]);
        }
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

        try {
            zub::LoadFromResourceName(name);
            QFAIL("an unknown resource was loaded");
        } catch (const zub::Error& error) {
            QCOMPARE(error.message(), QStringLiteral("There is no bitmap resource named \"%1\".").arg(name));
        }
    }
};

QTEST_GUILESS_MAIN(BitmapResourcesTest)
#include "tst_bitmapresources.moc"
