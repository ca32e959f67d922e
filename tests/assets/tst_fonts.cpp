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
    // Were system fonts visible, they could stand in for the loaded ones.
    void initTestCase()
    {
        zub::RegisterBoardFonts();
        const QStringList families = QFontDatabase::families();
        QVERIFY2(!families.contains(QStringLiteral("Liberation Serif")), qPrintable(families.join(", ")));
        QVERIFY2(!families.contains(QStringLiteral("DejaVu Sans")), qPrintable(families.join(", ")));
    }

    // A missing bold face would be imitated by smearing the regular one, so each face is also looked up by
    // its style.
    void boardFontResolvesToTheEmbeddedFont_data()
    {
        QTest::addColumn<zub::BoardTypeface>("face");
        QTest::addColumn<int>("pixelHeight");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("style");
        QTest::newRow("dialog text") << zub::BoardTypeface::SansSerif << 11 << false << "Liberation Sans"
                                     << "Regular";
        QTest::newRow("score box") << zub::BoardTypeface::SansSerif << 32 << true << "Liberation Sans"
                                   << "Bold";
        QTest::newRow("high-score name") << zub::BoardTypeface::Arial << 27 << true << "Liberation Sans"
                                         << "Bold";
        QTest::newRow("letter slot") << zub::BoardTypeface::ArialNarrow << 32 << true
                                     << "Liberation Sans Narrow"
                                     << "Bold";
    }
    void boardFontResolvesToTheEmbeddedFont()
    {
        QFETCH(zub::BoardTypeface, face);
        QFETCH(int, pixelHeight);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        QFETCH(QString, style);
        const QFontInfo resolved(zub::BoardFont(face, pixelHeight, bold));
        QCOMPARE(resolved.family(), family);
        QCOMPARE(resolved.pixelSize(), pixelHeight);
        QCOMPARE(resolved.bold(), bold);
        QVERIFY(!resolved.italic());
        const QStringList styles = QFontDatabase::styles(family);
        QVERIFY2(styles.contains(style), qPrintable(family + ": " + styles.join(", ")));
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
