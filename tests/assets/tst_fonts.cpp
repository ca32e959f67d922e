// The board's fonts are loaded from their own files: with no fonts in the system's font configuration
// (the test runs with an empty one) each typeface still resolves to its family, weight and pixel height.
#include "assets/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class FontsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zub::RegisterBoardFonts(); }

    // Guards the meaning of the next test: were system fonts visible, they could stand in for the loaded
    // ones.
    void noSystemFontIsAvailable()
    {
        const QStringList families = QFontDatabase::families();
        QVERIFY2(!families.contains(QStringLiteral("Liberation Serif")), qPrintable(families.join(", ")));
        QVERIFY2(!families.contains(QStringLiteral("DejaVu Sans")), qPrintable(families.join(", ")));
    }

    void boardFontResolvesToTheEmbeddedFont_data()
    {
        QTest::addColumn<zub::BoardTypeface>("face");
        QTest::addColumn<int>("pixelHeight");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");

        QTest::newRow("dialog text") << zub::BoardTypeface::SansSerif << 11 << false << "Liberation Sans";
        QTest::newRow("score box") << zub::BoardTypeface::SansSerif << 32 << true << "Liberation Sans";
        QTest::newRow("high-score name") << zub::BoardTypeface::Arial << 27 << true << "Liberation Sans";
        QTest::newRow("letter slot") << zub::BoardTypeface::ArialNarrow << 32 << true
                                     << "Liberation Sans Narrow";
    }
    void boardFontResolvesToTheEmbeddedFont()
    {
        QFETCH(zub::BoardTypeface, face);
        QFETCH(int, pixelHeight);
        QFETCH(bool, bold);
        QFETCH(QString, family);

        const QFont font = zub::BoardFont(face, pixelHeight, bold);
        const QFontInfo resolved(font);

        QCOMPARE(resolved.family(), family);
        QCOMPARE(resolved.pixelSize(), pixelHeight);
        QCOMPARE(resolved.bold(), bold);
        QVERIFY(!resolved.italic());
    }

    // A missing bold face would be imitated by smearing the regular one, so each face is looked up by style.
    void everyEmbeddedFaceIsAvailable_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("style");

        QTest::newRow("sans regular") << "Liberation Sans" << QStringLiteral("Regular");
        QTest::newRow("sans bold") << "Liberation Sans" << QStringLiteral("Bold");
        QTest::newRow("narrow bold") << "Liberation Sans Narrow" << QStringLiteral("Bold");
    }
    void everyEmbeddedFaceIsAvailable()
    {
        QFETCH(QString, family);
        QFETCH(QString, style);

        const QStringList styles = QFontDatabase::styles(family);
        QVERIFY2(styles.contains(style), qPrintable(family + ": " + styles.join(", ")));
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
