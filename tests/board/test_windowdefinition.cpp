// The board as built, held against its window definition: the window, every control with its parent,
// place, size and initial visibility, the panels' colours and bevels, the texts and their fonts, the
// menu, the timers and the stacking of overlapping controls. The expected values are written out here
// from the board's layout tables, independently of the tables the window is built from.
#include "board/bevelpanel.h"
#include "board/boardlabel.h"
#include "board/imagecontrol.h"
#include "board/mainscr.h"
#include "boardtestdata.h"

#include <QAction>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>

using zub::Bevel;

class TestWindowDefinition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void windowAsBuilt();
    void controlsStandWhereDefined_data();
    void controlsStandWhereDefined();
    void labelsAreSizedToTheirText_data();
    void labelsAreSizedToTheirText();
    void panelsHaveTheirColourAndBevel_data();
    void panelsHaveTheirColourAndBevel();
    void textsHaveTheirCaptionAndFont_data();
    void textsHaveTheirCaptionAndFont();
    void menuHasItsItemsAndCheckMarks_data();
    void menuHasItsItemsAndCheckMarks();
    void timersHaveTheirIntervals_data();
    void timersHaveTheirIntervals();
    void laterControlsLieAbove_data();
    void laterControlsLieAbove();

private:
    template <typename T = QWidget> T* find(const QString& name) const
    {
        T* found = m_main->findChild<T*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    std::unique_ptr<BoardTestData> m_data;
    std::unique_ptr<zub::TMain> m_main;
};

void TestWindowDefinition::initTestCase()
{
    m_data = std::make_unique<BoardTestData>();
    qputenv("XDG_DATA_HOME", m_data->paths().dataDir().toLocal8Bit());
    m_main = std::make_unique<zub::TMain>(m_data->paths(), m_data->highScoreFile()); // built, not shown
}

void TestWindowDefinition::cleanupTestCase()
{
    m_main.reset();
}

void TestWindowDefinition::windowAsBuilt()
{
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Hangman Version 1.2 -  Level - Easy - Words 1000+"));
    QVERIFY(m_main->windowState() & Qt::WindowMaximized);
    const Qt::WindowFlags flags = m_main->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_main->windowIcon().isNull());

    const QRect restored = m_main->normalGeometry();
    QCOMPARE(restored.size(), QSize(1003, 757));
    QCOMPARE(restored.center(), m_main->screen()->availableGeometry().center());

    QWidget* client = m_main->centralWidget();
    QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(client->autoFillBackground());
}

// name, parent, Left, Top, width, height (0: not fixed by the definition), visible at creation
void TestWindowDefinition::controlsStandWhereDefined_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("visible");
    const QString back = QStringLiteral("BackPanel");
    auto row = [](const char* name, const QString& parent, int left, int top, int width, int height,
                  bool visible) {
        QTest::newRow(name) << parent << QRect(left, top, width, height) << visible;
    };

    row("BackPanel", QStringLiteral("ClientArea"), 10, 5, 960, 660, true);
    row("Backdrop", back, 5, 5, 950, 650, true);

    // Letter tiles: click area (Left, Top, size), then its used-tile picture (Left, Top, 75 x 36, hidden).
    struct Tile
    {
        const char* button;
        int left, top, width, height;
        const char* picture;
        int pictureLeft, pictureTop;
    };
    const Tile tiles[] = {
        {"AButton", 35, 530, 71, 31, "APic", 35, 529},   {"BButton", 125, 530, 71, 31, "BPic", 125, 529},
        {"CButton", 215, 530, 71, 31, "CPic", 215, 529}, {"DButton", 660, 530, 66, 31, "DPic", 660, 529},
        {"EButton", 750, 530, 66, 31, "EPic", 750, 529}, {"FButton", 840, 530, 66, 31, "FPic", 840, 529},
        {"GButton", 40, 570, 66, 31, "GPic", 38, 570},   {"HButton", 125, 570, 66, 31, "HPic", 128, 570},
        {"IButton", 220, 570, 66, 31, "IPic", 217, 570}, {"JButton", 310, 570, 66, 31, "JPic", 308, 570},
        {"KButton", 400, 570, 66, 36, "KPic", 397, 570}, {"LButton", 490, 570, 66, 36, "LPic", 485, 570},
        {"MButton", 575, 570, 66, 36, "MPic", 575, 571}, {"NButton", 660, 570, 66, 36, "NPic", 661, 570},
        {"oButton", 750, 570, 66, 36, "OPic", 750, 570}, {"PButton", 840, 570, 66, 31, "PPic", 840, 570},
        {"QButton", 40, 610, 66, 31, "QPic", 38, 607},   {"RButton", 125, 610, 66, 31, "RPic", 127, 608},
        {"SButton", 220, 610, 66, 31, "SPic", 219, 608}, {"tButton", 310, 610, 66, 31, "TPic", 308, 608},
        {"UButton", 400, 610, 66, 31, "UPic", 397, 610}, {"VButton", 490, 610, 66, 35, "VPic", 485, 610},
        {"WButton", 575, 610, 66, 35, "WPic", 575, 610}, {"XButton", 660, 610, 66, 30, "XPic", 660, 610},
        {"YButton", 750, 610, 66, 30, "YPic", 751, 610}, {"ZButton", 840, 610, 66, 31, "ZPic", 840, 610},
    };
    for (const Tile& tile : tiles) {
        row(tile.button, back, tile.left, tile.top, tile.width, tile.height, true);
        row(tile.picture, back, tile.pictureLeft, tile.pictureTop, 75, 36, false);
    }
    row("NewWordPic", back, 300, 515, 348, 53, false);
    row("NewWordClick", back, 305, 520, 336, 41, true);

    row("SwitchPosPic", back, 715, 100, 215, 140, true);
    row("HangmanPic", back, 33, 75, 270, 250, true);
    row("ScorePanel", back, 140, 29, 126, 44, true);
    row("ScorePointsLabel", QStringLiteral("ScorePanel"), 2, 3, 0, 0, true);
    row("MovieScreen", back, 33, 75, 270, 250, false);

    const QString panel3 = QStringLiteral("Panel3");
    row("Panel3", back, 40, 336, 436, 106, true);
    row("Dashes", panel3, 17, 50, 0, 0, true);
    const int letterLefts[] = {15, 42, 70, 100, 130, 160, 190, 220, 250, 275, 305, 335, 365};
    for (int n = 1; n <= 13; ++n)
        QTest::addRow("Letter%d", n) << panel3 << QRect(letterLefts[n - 1], 35, 0, 0) << true;

    const QString enterName = QStringLiteral("EnterNamePanel");
    row("EnterNamePanel", back, 340, 93, 346, 204, false);
    row("Image1", enterName, 5, 10, 331, 181, true);
    row("NameOkButton", enterName, 127, 146, 99, 45, true);
    row("NameText", enterName, 32, 65, 269, 37, true);

    row("WellDonePanel", back, 348, 134, 328, 128, false);
    row("Image2", QStringLiteral("WellDonePanel"), 5, 5, 316, 116, true);

    row("HighScorePanel", back, 705, 56, 166, 36, true);
    row("HighestScoreLabel", QStringLiteral("HighScorePanel"), 6, 0, 0, 0, true);

    const QString gameOver = QStringLiteral("GameOverPanel");
    row("GameOverPanel", back, 5, 5, 951, 500, false);
    row("HighScoreImage", gameOver, 225, 5, 500, 75, true);
    row("BitBtn1", gameOver, 425, 432, 101, 40, true);
    row("Panel1", gameOver, 170, 85, 611, 316, true);
    const QString panel1 = QStringLiteral("Panel1");
    for (int k = 1; k <= 10; ++k) {
        const int top = 5 + 30 * (k - 1);
        QTest::addRow("Label%d", k) << panel1 << QRect(k < 10 ? 24 : 10, top, 0, 0) << true;
        QTest::addRow("HSLabel%d", 2 * k - 1) << panel1 << QRect(70, top, 0, 0) << true;
        QTest::addRow("HSLabel%d", 2 * k) << panel1 << QRect(465, top, 0, 0) << true;
    }

    const QString about = QStringLiteral("AboutPanel");
    row("AboutPanel", back, 345, 125, 311, 251, false);
    row("Image3", about, 5, 5, 300, 242, true);
    row("BitBtn2", about, 125, 210, 66, 31, true);
}

void TestWindowDefinition::controlsStandWhereDefined()
{
    QFETCH(QString, parent);
    QFETCH(QRect, bounds);
    QFETCH(bool, visible);

    QWidget* control = find(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->pos(), bounds.topLeft());
    if (bounds.width() > 0)
        QCOMPARE(control->size(), bounds.size());
    QCOMPARE(!control->isHidden(), visible);
}

// Sizes the definition gives for labels at creation; a label is sized to its text, so these hold for the
// embedded fonts to within a pixel or two.
void TestWindowDefinition::labelsAreSizedToTheirText_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("Letter1") << QSize(7, 37);  // empty: one blank
    QTest::newRow("Letter13") << QSize(7, 37); // empty: one blank
    QTest::newRow("Label1") << QSize(15, 32);
    QTest::newRow("Label9") << QSize(15, 32);
    QTest::newRow("Label10") << QSize(30, 32);
    QTest::newRow("HSLabel1") << QSize(125, 32);
    QTest::newRow("HSLabel20") << QSize(125, 32);
}

void TestWindowDefinition::labelsAreSizedToTheirText()
{
    QFETCH(QSize, size);
    const QSize actual = find(QString::fromLatin1(QTest::currentDataTag()))->size();
    const QString both = QStringLiteral("%1 x %2").arg(actual.width()).arg(actual.height());
    QVERIFY2(qAbs(actual.width() - size.width()) <= 2, qPrintable(both));
    QVERIFY2(qAbs(actual.height() - size.height()) <= 2, qPrintable(both));
}

void TestWindowDefinition::panelsHaveTheirColourAndBevel_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<Bevel>("outer");
    QTest::addColumn<Bevel>("inner");
    QTest::addColumn<int>("bevelWidth"); // of the bevels there are

    const QColor white(255, 255, 255);
    const QColor cream(255, 251, 240);
    const QColor buttonFace(240, 240, 240);
    QTest::newRow("BackPanel") << QColor(0, 0, 0) << Bevel::Raised << Bevel::None << 4;
    QTest::newRow("ScorePanel") << white << Bevel::None << Bevel::None << 1;
    QTest::newRow("MovieScreen") << white << Bevel::None << Bevel::None << 1;
    QTest::newRow("Panel3") << white << Bevel::None << Bevel::None << 1;
    QTest::newRow("EnterNamePanel") << buttonFace << Bevel::Raised << Bevel::Raised << 3;
    QTest::newRow("WellDonePanel") << buttonFace << Bevel::Raised << Bevel::None << 1;
    QTest::newRow("HighScorePanel") << white << Bevel::None << Bevel::None << 1;
    QTest::newRow("GameOverPanel") << white << Bevel::Lowered << Bevel::None << 1;
    QTest::newRow("Panel1") << cream << Bevel::Lowered << Bevel::None << 1;
    QTest::newRow("AboutPanel") << buttonFace << Bevel::Raised << Bevel::None << 1;
}

void TestWindowDefinition::panelsHaveTheirColourAndBevel()
{
    QFETCH(QColor, color);
    QFETCH(Bevel, outer);
    QFETCH(Bevel, inner);
    QFETCH(int, bevelWidth);

    const auto* panel = find<zub::BevelPanel>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(panel->color(), color);
    QCOMPARE(panel->bevelOuter(), outer);
    QCOMPARE(panel->bevelInner(), inner);
    if (outer != Bevel::None)
        QCOMPARE(panel->bevelWidth(), bevelWidth);

    // The bevel is drawn: a raised edge is lit on the left and shaded on the right, a lowered one the
    // other way round.
    if (outer != Bevel::None) {
        const QImage drawn = const_cast<zub::BevelPanel*>(panel)->grab().toImage();
        const int middle = drawn.height() / 2;
        const int left = drawn.pixelColor(0, middle).lightness();
        const int right = drawn.pixelColor(drawn.width() - 1, middle).lightness();
        QVERIFY2(outer == Bevel::Raised ? left > right : left < right,
                 qPrintable(QStringLiteral("%1 | %2").arg(left).arg(right)));
    }
}

// name, caption, family, pixel height, bold, text colour
void TestWindowDefinition::textsHaveTheirCaptionAndFont_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("textColor");

    const QString sans = QStringLiteral("Liberation Sans");
    const QString narrow = QStringLiteral("Liberation Sans Narrow");
    const QColor maroon(128, 0, 0);
    const QColor black(0, 0, 0);
    QTest::newRow("ScorePointsLabel") << "0" << sans << 32 << true << maroon;
    QTest::newRow("HighestScoreLabel") << "0" << sans << 32 << true << maroon;
    QTest::newRow("Dashes") << "_ _ _ _ _ _ _ _ _ _ _ _ _ _" << sans << 32 << true << maroon;
    for (int n = 1; n <= 13; ++n)
        QTest::addRow("Letter%d", n) << QString() << narrow << 32 << true << maroon;
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("Label%d", k) << QString::number(k) << sans << 27 << true << maroon;
    for (int n = 1; n <= 20; ++n)
        QTest::addRow("HSLabel%d", n) << "HSLabel1" << sans << 27 << true << black;
    QTest::newRow("NameOkButton") << "OK" << sans << 19 << false << QColor();
    QTest::newRow("BitBtn1") << "OK" << sans << 16 << true << QColor();
    QTest::newRow("BitBtn2") << "OK" << sans << 13 << true << QColor();
    QTest::newRow("NameText") << QString() << sans << 24 << true << QColor();
}

void TestWindowDefinition::textsHaveTheirCaptionAndFont()
{
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    QFETCH(QColor, textColor);

    QWidget* control = find(QString::fromLatin1(QTest::currentDataTag()));
    if (auto* label = qobject_cast<zub::BoardLabel*>(control)) {
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->palette().color(QPalette::WindowText), textColor);
        // Opaque, in the colour of the panel it stands on.
        QVERIFY(label->autoFillBackground());
        const auto* panel = qobject_cast<zub::BevelPanel*>(label->parentWidget());
        QCOMPARE(label->palette().color(QPalette::Window), panel->color());
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->icon().isNull()); // the glyph
        QVERIFY(!button->icon().pixmap(18, 18, QIcon::Disabled).isNull());
    } else {
        QCOMPARE(qobject_cast<QLineEdit*>(control)->text(), caption);
    }
    const QFontInfo font(control->font());
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pixelSize(), pixelHeight);
    QCOMPARE(font.bold(), bold);
}

void TestWindowDefinition::menuHasItsItemsAndCheckMarks_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("position"); // within its menu

    QTest::newRow("Exit1") << "File"
                           << "New Game" << false << 0;
    QTest::newRow("Exit2") << "File"
                           << "Exit" << false << 1;
    QTest::newRow("N10001") << "Words"
                            << "1000+" << true << 0;
    QTest::newRow("N20001") << "Words"
                            << "2000+" << false << 1;
    QTest::newRow("EnableHints1") << "Level"
                                  << "Easy (10)" << true << 0;
    QTest::newRow("EnablePictures1") << "Level"
                                     << "Normal (8)" << false << 1;
    QTest::newRow("EnableBoth1") << "Level"
                                 << "Hard (6)" << false << 2;
    QTest::newRow("Show1") << "Highscore"
                           << "Show" << false << 0;
    QTest::newRow("About1") << "Help"
                            << "About" << false << 0;
}

void TestWindowDefinition::menuHasItsItemsAndCheckMarks()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(bool, checked);
    QFETCH(int, position);

    QStringList menuCaptions;
    for (QAction* top : m_main->menuBar()->actions())
        menuCaptions << top->text();
    QCOMPARE(menuCaptions, QStringList({"File", "Words", "Level", "Highscore", "Help"}));

    auto* item = find<QAction>(QString::fromLatin1(QTest::currentDataTag()));
    QMenu* owner = nullptr;
    for (QAction* top : m_main->menuBar()->actions()) {
        if (top->text() == menu)
            owner = top->menu();
    }
    QVERIFY(owner);
    QCOMPARE(owner->actions().indexOf(item), position);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->isChecked(), checked);
    QVERIFY(item->isEnabled());
    QVERIFY(item->shortcut().isEmpty());
}

void TestWindowDefinition::timersHaveTheirIntervals_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("active");

    QTest::newRow("GameOverTimer") << 6000 << false;
    QTest::newRow("WinTimer") << 2500 << false;
    QTest::newRow("Timer1") << 16000 << true; // counts from the moment the window is built
}

void TestWindowDefinition::timersHaveTheirIntervals()
{
    QFETCH(int, interval);
    QFETCH(bool, active);

    const auto* timer = find<QTimer>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(timer->interval(), interval);
    QCOMPARE(timer->isActive(), active);
    QVERIFY(!timer->isSingleShot());
}

// Bottom to top among the children of one parent: panels, buttons and edits above the images, click
// areas and labels; within each kind, later above earlier.
void TestWindowDefinition::laterControlsLieAbove_data()
{
    QTest::addColumn<QStringList>("bottomToTop");

    QStringList backPanel{"Backdrop"};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter == 'D')
            backPanel << QStringLiteral("NewWordPic");
        backPanel << QStringLiteral("%1Pic").arg(QLatin1Char(letter));
    }
    backPanel << QStringLiteral("NewWordClick");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char first = letter == 'O' ? 'o' : letter == 'T' ? 't' : letter;
        backPanel << QLatin1Char(first) + QStringLiteral("Button");
    }
    backPanel << QStringList{"SwitchPosPic",  "HangmanPic",     "ScorePanel",    "MovieScreen",
                             "Panel3",        "EnterNamePanel", "WellDonePanel", "HighScorePanel",
                             "GameOverPanel", "AboutPanel"};
    QTest::newRow("BackPanel") << backPanel;
    QTest::newRow("EnterNamePanel") << QStringList{"Image1", "NameOkButton", "NameText"};
    QTest::newRow("GameOverPanel") << QStringList{"HighScoreImage", "BitBtn1", "Panel1"};
    QTest::newRow("AboutPanel") << QStringList{"Image3", "BitBtn2"};
}

void TestWindowDefinition::laterControlsLieAbove()
{
    QFETCH(QStringList, bottomToTop);

    QStringList stacked; // a widget's children are listed in stacking order, topmost last
    for (QObject* child : find(QString::fromLatin1(QTest::currentDataTag()))->children()) {
        if (child->isWidgetType() && bottomToTop.contains(child->objectName()))
            stacked << child->objectName();
    }
    QCOMPARE(stacked, bottomToTop);
}

QTEST_MAIN(TestWindowDefinition)
#include "test_windowdefinition.moc"
