// What the board looks like, grabbed on the offscreen screen: the backdrop fills its place at its own
// size, and a used tile shows its letter in white where the backdrop shows it in red.
#include "assets/storedpictures.h"
#include "shownboard.h"

#include <QTest>
#include <memory>

namespace {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 220 && qGreen(pixel) > 220 && qBlue(pixel) > 220;
}

int countPixels(const QImage& image, const QRect& area, bool (*matches)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += matches(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

} // namespace

class BoardPictureTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_board = std::make_unique<ShownBoard>(); }
    void cleanup() { m_board.reset(); }

    void backdropFillsItsPlaceAtItsOwnSize()
    {
        const QImage backdrop =
            zub::StoredPicture(QStringLiteral("Backdrop")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(backdrop.size(), QSize(950, 650));
        const QImage board = grabBackPanel().convertToFormat(QImage::Format_RGB32);

        // Corners and middle of the backdrop, and spots the panels leave uncovered, drawn 1:1 at (5, 5).
        for (const QPoint spot : {QPoint(0, 0), QPoint(949, 0), QPoint(0, 649), QPoint(949, 649),
                                  QPoint(500, 200), QPoint(940, 400)}) {
            QCOMPARE(board.pixel(spot + QPoint(5, 5)), backdrop.pixel(spot));
        }
        // Around it, the panel's raised bevel.
        QVERIFY(isWhite(board.pixel(0, 0)));
        QVERIFY(!isWhite(board.pixel(959, 659)));
    }

    // The used O tile's picture, where it lies on BackPanel, shows the letter in white where it was red.
    void usedTileShowsItsLetterInWhite()
    {
        const QRect picture(750, 570, 75, 36);
        const QImage before = grabBackPanel();
        m_board->click(QStringLiteral("oButton"));
        const QImage after = grabBackPanel();

        const int redBefore = countPixels(before, picture, isRed);
        const int redAfter = countPixels(after, picture, isRed);
        const int whiteBefore = countPixels(before, picture, isWhite);
        const int whiteAfter = countPixels(after, picture, isWhite);
        const QString counts =
            QString::asprintf("red %d -> %d, white %d -> %d", redBefore, redAfter, whiteBefore, whiteAfter);
        QVERIFY2(redBefore > 40, qPrintable(counts));
        QVERIFY2(redAfter < redBefore / 4, qPrintable(counts));
        QVERIFY2(whiteAfter > whiteBefore + redBefore / 2, qPrintable(counts));
    }

private:
    QImage grabBackPanel() const { return m_board->find(QStringLiteral("BackPanel"))->grab().toImage(); }

    std::unique_ptr<ShownBoard> m_board;
};

QTEST_MAIN(BoardPictureTest)
#include "tst_boardpicture.moc"
