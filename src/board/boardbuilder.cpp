#include "board/boardbuilder.h"

#include "assets/storedpictures.h"
#include "board/bevelpanel.h"
#include "board/bitbtn.h"
#include "board/boardlabel.h"
#include "board/clickablelabel.h"
#include "board/imagecontrol.h"
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

QWidget* createControl(const ControlDef& def, QWidget* parent, const QColor& parentColor,
                       const BoardEvents& events)
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
        auto* area = new ClickableLabel(parent);
        const GameHandler handler = def.onClick;
        QObject::connect(area, &ClickableLabel::clicked, area, [events, handler] { events.handle(handler); });
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
        QObject::connect(button, &BitBtn::clicked, button, [events, handler] { events.handle(handler); });
        return button;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setFont(font);
        edit->setMaxLength(std::numeric_limits<int>::max());
        QObject::connect(edit, &QLineEdit::textEdited, edit, events.nameTyped);
        return edit;
    }
    }
    return nullptr;
}

// The parent of a control, built before it; a definition that names no such control cannot make a board.
QWidget* parentOf(const ControlDef& def, const QHash<QString, QWidget*>& built, QWidget* clientArea)
{
    if (def.parent.isEmpty())
        return clientArea;
    QWidget* parent = built.value(def.parent);
    if (!parent)
        throw Error(QStringLiteral("The board's window definition has no control named %1 before %2.")
                        .arg(def.parent, def.name));
    return parent;
}

void buildControls(const BoardEvents& events, BoardControls& board)
{
    QHash<QString, QWidget*> built;
    QHash<QWidget*, QColor> colors; // each control's own colour, which its labels take as background
    colors.insert(board.clientArea, ColorValue(NamedColor::clBlack));
    for (const ControlDef& def : MainControls()) {
        QWidget* parent = parentOf(def, built, board.clientArea);
        QWidget* control = createControl(def, parent, colors.value(parent), events);
        control->setObjectName(def.name);
        if (def.kind == ControlKind::Label)
            control->move(def.bounds.topLeft()); // sized to its caption
        else if (def.kind != ControlKind::Image)
            control->setGeometry(def.bounds);
        // Shown with its parent; the flag it shows may hide it.
        control->setVisible(true);
        colors.insert(control, def.kind == ControlKind::Panel ? ColorValue(def.color) : colors.value(parent));
        built.insert(def.name, control);
        board.controls.push_back(control);
        if (def.movieOf)
            board.movieScreens[static_cast<std::size_t>(*def.movieOf)] = control;
        if (!std::holds_alternative<std::monostate>(def.shows))
            board.shown.push_back({control, def.shows});
    }
    // Panels, buttons and edits lie above the images and labels of the same parent, each kind in creation
    // order: raising the windowed controls in creation order gives exactly that stack.
    for (std::size_t row = 0; row < MainControls().size(); ++row) {
        if (!IsGraphicControl(MainControls()[row].kind))
            board.controls[row]->raise();
    }
}

void connectHandler(QAction* action, const BoardEvents& events, GameHandler handler)
{
    if (handler)
        QObject::connect(action, &QAction::triggered, action, [events, handler] { events.handle(handler); });
    else
        QObject::connect(action, &QAction::triggered, action, events.exit);
}

void buildMenu(QMenuBar* menuBar, const BoardEvents& events, BoardControls& board)
{
    for (const MenuDef& def : MainMenu()) {
        QMenu* menu = menuBar->addMenu(def.caption);
        menu->setObjectName(def.name);
        menu->menuAction()->setObjectName(def.name);
        if (def.shows)
            board.shown.push_back({menu->menuAction(), FlagOf<MenuItem>(def.shows)});
        for (const MenuItemDef& item : def.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            connectHandler(action, events, item.onClick);
            if (item.shows) {
                action->setCheckable(true);
                board.shown.push_back({action, FlagOf<MenuItem>(item.shows)});
            }
        }
    }
}

void buildTimers(QObject* owner, const BoardEvents& events, BoardControls& board)
{
    for (const TimerDef& def : MainTimers()) {
        auto* timer = new QTimer(owner);
        timer->setObjectName(def.name);
        // Ticks on the millisecond: a coarse timer may run 5 % off, which brought the music back up to
        // 800 ms away from its 16 s.
        timer->setTimerType(Qt::PreciseTimer);
        const GameHandler handler = def.onTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [events, handler] { events.handle(handler); });
        board.shown.push_back({timer, FlagOf<TimerFlags>(def.shows)});
    }
}

} // namespace

BoardControls BuildBoard(QMainWindow& window, const BoardEvents& events)
{
    BoardControls board;
    board.clientArea = new QWidget(&window);
    board.clientArea->setObjectName(QStringLiteral("ClientArea"));
    window.setCentralWidget(board.clientArea);
    buildControls(events, board);
    buildMenu(window.menuBar(), events, board);
    buildTimers(&window, events, board);
    return board;
}

} // namespace zub
