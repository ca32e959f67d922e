// The board as its window definition builds it, held against facts that do not come from the definition's
// tables: every control lies inside its parent and the board inside its window, the click areas do not
// overlap and each lies over its own tile, panels, buttons and edits lie above the images and labels they
// overlap, every picture and font is found, and a click where each tile lies plays that tile's letter.
// Grabbed on the offscreen screen, the backdrop fills its place at its own size, and a used tile shows
// its letter in white where the backdrop shows it in red. The board's timers keep the game's times.
#include "assets/storedpictures.h"
#include "board/bevelpanel.h"
#include "board/bitbtn.h"
#include "board/boardlabel.h"
#include "board/clickablelabel.h"
#include "board/imagecontrol.h"
#include "board/windowdefinition.h"
#include "game/tiles.h"
#include "shownboard.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// Controls drawn on their parent's surface, which lie below the parent's panels, buttons and edits.
bool isGraphic(const QWidget* control)
{
    return qobject_cast<const zub::ImageControl*>(control) || qobject_cast<const zub::BoardLabel*>(control) ||
           qobject_cast<const zub::ClickableLabel*>(control);
}

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

class WindowDefinitionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_board = std::make_unique<ShownBoard>(); }
    void cleanup() { m_board.reset(); }

    // With a word on the board, every control, shown or not, lies inside its parent; the 960 x 660 board
    // lies inside the window's client area.
    void controlsLieInsideTheirParents()
    {
        const QWidget* back = m_board->find(QStringLiteral("BackPanel"));
        QCOMPARE(back->size(), QSize(960, 660));
        QVERIFY(back->parentWidget()->rect().contains(back->geometry()));
        const QList<QWidget*> controls = back->findChildren<QWidget*>();
        QVERIFY(controls.size() > 100);
        for (const QWidget* control : controls) {
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(control->objectName() + QStringLiteral(" in ") +
                                control->parentWidget()->objectName()));
        }
    }

    // A click can reach only one area, and each tile's used-tile picture, at the size of its bitmap, covers
    // the tile's click area to within 3 pixels: where the click is taken, the used tile shows.
    void clickAreasLieApartEachUnderItsTile()
    {
        const QList<zub::ClickableLabel*> areas = m_board->window().findChildren<zub::ClickableLabel*>();
        QCOMPARE(areas.size(), zub::kTileCount + 1);
        for (const zub::ClickableLabel* area : areas) {
            for (const zub::ClickableLabel* other : areas) {
                QVERIFY2(area == other || !area->geometry().intersects(other->geometry()),
                         qPrintable(area->objectName() + QStringLiteral(" overlaps ") + other->objectName()));
            }
        }
        for (const zub::TileRule& tile : zub::kTiles) {
            const QRect picture = m_board->find(tile.Pic.toString())->geometry();
            const QRect button = m_board->find(tile.Button.toString())->geometry();
            QVERIFY2(picture.adjusted(-3, -3, 3, 3).contains(button), qPrintable(tile.Button.toString()));
        }
    }

    // Among the children of one parent, panels, buttons and edits lie above the images, labels and click
    // areas they overlap, and the about panel above the high-score panel it opens over.
    void panelsButtonsAndEditsLieAboveGraphics()
    {
        for (const QWidget* parent : m_board->window().findChildren<QWidget*>()) {
            QList<const QWidget*> stack; // a widget's children are listed bottom to top
            for (const QObject* child : parent->children()) {
                if (child->isWidgetType())
                    stack << static_cast<const QWidget*>(child);
            }
            for (qsizetype lower = 0; lower < stack.size(); ++lower) {
                for (qsizetype upper = lower + 1; upper < stack.size(); ++upper) {
                    const bool wrong = isGraphic(stack[upper]) && !isGraphic(stack[lower]) &&
                                       stack[upper]->geometry().intersects(stack[lower]->geometry());
                    QVERIFY2(!wrong, qPrintable(stack[upper]->objectName() + QStringLiteral(" lies above ") +
                                                stack[lower]->objectName()));
                }
            }
        }
        const QObjectList& onBoard = m_board->find(QStringLiteral("BackPanel"))->children();
        QVERIFY(onBoard.indexOf(m_board->find(QStringLiteral("AboutPanel"))) >
                onBoard.indexOf(m_board->find(QStringLiteral("GameOverPanel"))));
    }

    // Every image has its picture and every button its glyph; every text is set in the font it asks for,
    // not a stand-in; every label is opaque in the colour of the panel it stands on.
    void picturesFontsAndBackgroundsAreFound()
    {
        for (const zub::ImageControl* image : m_board->window().findChildren<zub::ImageControl*>())
            QVERIFY2(!image->picture().isNull(), qPrintable(image->objectName()));
        for (const zub::BitBtn* button : m_board->window().findChildren<zub::BitBtn*>()) {
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
            QVERIFY2(!button->text().isEmpty(), qPrintable(button->objectName()));
        }
        int texts = 0;
        for (const QWidget* text : m_board->window().findChildren<QWidget*>()) {
            if (!qobject_cast<const zub::BoardLabel*>(text) && !qobject_cast<const zub::BitBtn*>(text) &&
                !qobject_cast<const QLineEdit*>(text))
                continue;
            ++texts;
            const QString font = QFontInfo(text->font()).family();
            QVERIFY2(font == text->font().family(),
                     qPrintable(text->objectName() + QStringLiteral(": ") + font));
            if (qobject_cast<const zub::BoardLabel*>(text)) {
                // The panel's own colour shows at its bottom right corner, inside any bevel.
                QWidget* panel = text->parentWidget();
                const QColor color =
                    panel->grab().toImage().pixelColor(panel->width() - 3, panel->height() - 3);
                QVERIFY2(text->autoFillBackground() && text->palette().color(QPalette::Window) == color,
                         qPrintable(text->objectName()));
            }
        }
        QVERIFY(texts > 40);
    }

    // The backdrop is drawn at its own size where it lies, inside the panel's raised bevel.
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

    void everyTilePlaysItsOwnLetter_data()
    {
        QTest::addColumn<int>("tile");
        for (int i = 0; i < zub::kTileCount; ++i)
            QTest::newRow(qPrintable(zub::kTiles[i].Button.toString())) << i;
    }

    // A click on the tile uses exactly that tile's letter and shows its used-tile picture.
    void everyTilePlaysItsOwnLetter()
    {
        QFETCH(int, tile);
        m_board->click(zub::kTiles[tile].Button.toString());

        for (int i = 0; i < zub::kTileCount; ++i) {
            QCOMPARE(m_board->flags().Tiles[i].Button.Enabled, i != tile);
            QCOMPARE(m_board->find(zub::kTiles[i].Pic.toString())->isHidden(), i != tile);
        }
    }

    void timersKeepTheGamesTimes_data()
    {
        QTest::addColumn<QString>("timer");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("running");
        QTest::newRow("well-done panel") << "WinTimer" << 2500 << false;
        QTest::newRow("name entry after a loss") << "GameOverTimer" << 6000 << false;
        QTest::newRow("music") << "Timer1" << 16000 << true;
    }

    // The well-done panel shows for 2.5 s, the name entry comes 6 s after a loss, and the music returns
    // every 16 s from the moment the board is built: each timer ticks on the millisecond, again and again
    // while the rules keep it enabled, and only the music's timer runs on a new board.
    void timersKeepTheGamesTimes()
    {
        QFETCH(QString, timer);
        QFETCH(int, interval);
        QFETCH(bool, running);
        const QTimer* shown = m_board->find<QTimer>(timer);
        QCOMPARE(shown->interval(), interval);
        QCOMPARE(shown->isActive(), running);
        QVERIFY(!shown->isSingleShot());
        QCOMPARE(shown->timerType(), Qt::PreciseTimer);
    }

private:
    QImage grabBackPanel() const { return m_board->find(QStringLiteral("BackPanel"))->grab().toImage(); }
    std::unique_ptr<ShownBoard> m_board;
};

QTEST_MAIN(WindowDefinitionTest)
#include "tst_windowdefinition.moc"
