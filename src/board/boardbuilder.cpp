#include "board/boardbuilder.h"

#include "assets/storedpictures.h"
#include "board/bevelpanel.h"
#include "board/bitbtn.h"
#include "board/boardlabel.h"
#include "board/clickareacontrol.h"
#include "board/imagecontrol.h"
#include "game/tiles.h"
#include "platform/error.h"

#include <QAction>
#include <QHash>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <limits>

namespace zub {

namespace {

using EventSink = std::function<void(GameHandler)>;

QWidget* createControl(const ControlDef& def, QWidget* parent, const QColor& parentColor,
                       const EventSink& onEvent)
{
    const QFont font = BoardFont(def.font.face, def.font.height, def.font.bold);
    switch (def.kind) {
    case ControlKind::Panel: {
        auto* panel = new BevelPanel(parent);
        panel->setColor(ColorValue(def.color));
        panel->setBevels(def.bevelOuter, def.bevelInner, def.bevelWidth);
        return panel;
    }
    case ControlKind::Image: {
        auto* image = new ImageControl(parent);
        image->setGeometry(def.bounds); // an image sized to its picture takes the picture's size below
        image->setFit(def.fit);
        if (!def.picture.isEmpty())
            image->setPicture(StoredPicture(def.picture));
        return image;
    }
    case ControlKind::ClickArea: {
        auto* area = new ClickAreaControl(parent);
        const GameHandler handler = def.onClick;
        QObject::connect(area, &ClickAreaControl::clicked, area, [onEvent, handler] { onEvent(handler); });
        return area;
    }
    case ControlKind::Label: {
        auto* label = new BoardLabel(parent);
        label->setFont(font);
        const bool ownBackground = def.color != NamedColor::ParentColor;
        label->setColors(ColorValue(def.font.color), ownBackground ? ColorValue(def.color) : parentColor);
        label->setCaption(def.caption);
        return label;
    }
    case ControlKind::BitBtn: {
        auto* button = new BitBtn(parent);
        button->setFont(font);
        button->setText(def.caption);
        button->setGlyph(StoredPicture(def.picture));
        const GameHandler handler = def.onClick;
        QObject::connect(button, &BitBtn::clicked, button, [onEvent, handler] { onEvent(handler); });
        return button;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setFont(font);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    }
    return nullptr;
}

// The control of that name and kind; a definition without it cannot make a board.
template <typename T, typename Base> T* named(const QHash<QString, Base*>& controls, const QString& name)
{
    T* control = qobject_cast<T*>(controls.value(name));
    if (!control)
        throw Error(QStringLiteral("The board's window definition has no %1 named %2.")
                        .arg(QLatin1StringView(T::staticMetaObject.className()), name));
    return control;
}

void findControls(const QHash<QString, QWidget*>& all, BoardControls& c)
{
    for (int i = 0; i < kTileCount; ++i) {
        c.tileButtons[i] = named<ClickAreaControl>(all, kTiles[i].Button.toString());
        c.tilePictures[i] = named<ImageControl>(all, kTiles[i].Pic.toString());
    }
    c.BackPanel = named<BevelPanel>(all, QStringLiteral("BackPanel"));
    c.NewWordClick = named<ClickAreaControl>(all, QStringLiteral("NewWordClick"));
    c.NewWordPic = named<ImageControl>(all, QStringLiteral("NewWordPic"));
    c.HangmanPic = named<ImageControl>(all, QStringLiteral("HangmanPic"));
    c.SwitchPosPic = named<ImageControl>(all, QStringLiteral("SwitchPosPic"));
    c.HighScoreImage = named<ImageControl>(all, QStringLiteral("HighScoreImage"));
    c.ScorePointsLabel = named<BoardLabel>(all, QStringLiteral("ScorePointsLabel"));
    c.HighestScoreLabel = named<BoardLabel>(all, QStringLiteral("HighestScoreLabel"));
    c.Dashes = named<BoardLabel>(all, QStringLiteral("Dashes"));
    for (int n = 1; n <= kLetterSlotCount; ++n)
        c.Letter[n - 1] = named<BoardLabel>(all, QStringLiteral("Letter%1").arg(n));
    for (int n = 1; n <= 2 * kRankCount; ++n)
        c.HSLabel[n - 1] = named<BoardLabel>(all, QStringLiteral("HSLabel%1").arg(n));
    c.MovieScreen = named<BevelPanel>(all, QStringLiteral("MovieScreen"));
    c.EnterNamePanel = named<BevelPanel>(all, QStringLiteral("EnterNamePanel"));
    c.WellDonePanel = named<BevelPanel>(all, QStringLiteral("WellDonePanel"));
    c.GameOverPanel = named<BevelPanel>(all, QStringLiteral("GameOverPanel"));
    c.AboutPanel = named<BevelPanel>(all, QStringLiteral("AboutPanel"));
    c.NameText = named<QLineEdit>(all, QStringLiteral("NameText"));
    c.NameOkButton = named<BitBtn>(all, QStringLiteral("NameOkButton"));
    c.BitBtn1 = named<BitBtn>(all, QStringLiteral("BitBtn1"));
    c.BitBtn2 = named<BitBtn>(all, QStringLiteral("BitBtn2"));
}

void buildControls(QWidget* clientArea, const EventSink& onEvent, BoardControls& controls)
{
    QHash<QString, QWidget*> all;
    QHash<QWidget*, QColor> colors; // each control's own colour, which its labels take as background
    colors.insert(clientArea, ColorValue(NamedColor::clBlack));
    for (const ControlDef& def : MainControls()) {
        QWidget* parent = def.parent.isEmpty() ? clientArea : named<QWidget>(all, def.parent);
        QWidget* control = createControl(def, parent, colors.value(parent), onEvent);
        control->setObjectName(def.name);
        if (def.kind == ControlKind::Label)
            control->move(def.bounds.topLeft()); // sized to its caption
        else if (def.kind != ControlKind::Image)
            control->setGeometry(def.bounds);
        control->setVisible(def.visible);
        colors.insert(control, def.kind == ControlKind::Panel ? ColorValue(def.color) : colors.value(parent));
        all.insert(def.name, control);
    }
    // Panels, buttons and edits lie above the images and labels of the same parent, each kind in creation
    // order: raising the windowed controls in creation order gives exactly that stack.
    for (const ControlDef& def : MainControls()) {
        if (!IsGraphicControl(def.kind))
            all.value(def.name)->raise();
    }
    findControls(all, controls);
}

void buildMenu(QMenuBar* menuBar, const EventSink& onEvent, BoardControls& controls)
{
    QHash<QString, QAction*> actions;
    for (const MenuDef& def : MainMenu()) {
        QMenu* menu = menuBar->addMenu(def.caption);
        menu->setObjectName(def.name);
        menu->menuAction()->setObjectName(def.name);
        actions.insert(def.name, menu->menuAction());
        for (const MenuItemDef& item : def.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            if (item.onClick) {
                const GameHandler handler = item.onClick;
                QObject::connect(action, &QAction::triggered, action,
                                 [onEvent, handler] { onEvent(handler); });
            }
            actions.insert(item.name, action);
        }
    }
    controls.Exit2 = named<QAction>(actions, QStringLiteral("Exit2"));
    controls.Hints1 = named<QAction>(actions, QStringLiteral("Hints1"));
    controls.N10001 = named<QAction>(actions, QStringLiteral("N10001"));
    controls.N20001 = named<QAction>(actions, QStringLiteral("N20001"));
    controls.EnableHints1 = named<QAction>(actions, QStringLiteral("EnableHints1"));
    controls.EnablePictures1 = named<QAction>(actions, QStringLiteral("EnablePictures1"));
    controls.EnableBoth1 = named<QAction>(actions, QStringLiteral("EnableBoth1"));
}

void buildTimers(QObject* owner, const EventSink& onEvent, BoardControls& controls)
{
    QHash<QString, QTimer*> timers;
    for (const TimerDef& def : MainTimers()) {
        auto* timer = new QTimer(owner);
        timer->setObjectName(def.name);
        timer->setInterval(def.interval);
        // Ticks on the millisecond: a coarse timer may run 5 % off, which brought the music back up to
        // 800 ms away from its 16 s.
        timer->setTimerType(Qt::PreciseTimer);
        const GameHandler handler = def.onTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [onEvent, handler] { onEvent(handler); });
        if (def.enabled)
            timer->start();
        timers.insert(def.name, timer);
    }
    controls.GameOverTimer = named<QTimer>(timers, QStringLiteral("GameOverTimer"));
    controls.WinTimer = named<QTimer>(timers, QStringLiteral("WinTimer"));
    controls.Timer1 = named<QTimer>(timers, QStringLiteral("Timer1"));
}

} // namespace

BoardControls BuildBoard(QMainWindow& window, const std::function<void(GameHandler)>& onEvent)
{
    BoardControls controls;
    controls.clientArea = new QWidget(&window);
    controls.clientArea->setObjectName(QStringLiteral("ClientArea"));
    window.setCentralWidget(controls.clientArea);
    buildControls(controls.clientArea, onEvent, controls);
    buildMenu(window.menuBar(), onEvent, controls);
    buildTimers(&window, onEvent, controls);
    return controls;
}

} // namespace zub
