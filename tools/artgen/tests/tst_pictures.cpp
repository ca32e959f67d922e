// The painted pictures fit the board: each used-tile picture changes only its own letter, and under
// the tile's click area; New Word's lettering lies under its click area.

#include "boardlayout.h"
#include "boardpicture.h"

#include <QPainter>
#include <QTest>

using namespace zub;
using namespace zub::artgen;

namespace {

// The bounding box of the pixels that differ between two pictures of the same size, within `wanted` or
// everywhere.
QRect difference(const QImage& a, const QImage& b, const QRect& wanted = {})
{
    const QRect area = wanted.isNull() ? a.rect() : wanted.intersected(a.rect());
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_red = PaintBoard(kLetterRed, kNewWordRed);
        m_white = PaintBoard(kUsedLetterWhite, kNewWordRed);
        m_locked = PaintBoard(kLetterRed, kNewWordGrey);
        QCOMPARE(m_red.size(), kBackdropSize);
    }

    void usedTileChangesOnlyItsLetter_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 26; ++i) {
            QTest::newRow(QByteArray(1, char('A' + i)).constData()) << i;
        }
    }

    // The letter lies inside its used-tile picture, clear of its edges (so no part of it is cut off
    // there), and under its click area: showing the picture recolours the whole letter, and a click on
    // the letter reaches the tile.
    void usedTileChangesOnlyItsLetter()
    {
        QFETCH(int, index);
        const TileRule& tile = kTiles[index];
        const QRect picture = OnBackdrop(tile.PicArea());
        const QRect letter = difference(m_red, m_white, picture);
        QVERIFY2(letter.isValid(), "the letter does not change colour");
        QVERIFY2(picture.adjusted(1, 1, -1, -1).contains(letter), "the letter runs to the picture's edge");
        QVERIFY2(OnBackdrop(tile.ButtonArea).contains(letter), "the letter reaches outside its click area");
    }

    // Outside the tiles the two boards are the same, pixel for pixel.
    void lettersAreTheOnlyDifference()
    {
        QImage masked = m_white.copy();
        QPainter painter(&masked);
        for (const TileRule& tile : kTiles) {
            painter.drawImage(OnBackdrop(tile.PicArea()).topLeft(), m_red.copy(OnBackdrop(tile.PicArea())));
        }
        painter.end();
        QCOMPARE(masked, m_red);
    }

    void newWordLetteringLiesUnderItsClickArea()
    {
        const QRect lettering = difference(m_red, m_locked);
        QVERIFY(lettering.isValid());
        QVERIFY(OnBackdrop(kNewWordPicture).contains(lettering));
        QVERIFY(OnBackdrop(kNewWordClick).contains(lettering));
    }

private:
    QImage m_red;    // letters not yet guessed, New Word open
    QImage m_white;  // every letter used
    QImage m_locked; // New Word locked
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
