#pragma once

#include "assets/fonts.h"
#include "board/bevelpanel.h"
#include "board/imagecontrol.h"
#include "game/componentflags.h"
#include "game/cues.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace zub {

class Game;

// The window definition of the board: every control with its place, size, colours, bevels, font, caption
// or picture and the flag of the rules that it shows, the menu and the timers. The media players are those
// of the cues (game/cues.h). The window is built, and its state shown, from these tables alone.

// The board's colours by name; ParentColor takes the colour of the parent. clWindowText and clBtnFace are
// the text and button-face colours of a plain light desktop theme, fixed so the board looks the same on
// every desktop.
enum class NamedColor
{
    clBlack,
    clWhite,
    clMaroon,     // RGB 128, 0, 0
    clCream,      // RGB 255, 251, 240
    clWindowText, // black
    clBtnFace,    // light grey
    ParentColor,
};

QColor ColorValue(NamedColor color);

using GameHandler = void (Game::*)();

enum class ControlKind
{
    Panel,
    Image,
    ClickArea, // an image without a picture that takes clicks
    Label,
    BitBtn,
    Edit,
};

struct TextStyle
{
    BoardTypeface face = BoardTypeface::SansSerif; // the board's default face
    int height = 11;                               // character height in pixels
    bool bold = false;
    NamedColor color = NamedColor::clWindowText;
};

// Where a control finds, in the rules' flags, the state it shows.
template <typename Flag> using FlagOf = std::function<const Flag&(const ComponentFlags&)>;

// The flag a control, menu item or timer shows, by its type: a label's caption, place and visibility, a
// click area's Enabled, a picture's or panel's Visible, an image's bitmap resource, a text (a high-score
// label's caption, the name field's text), the board panel's place, a menu item's state, a timer's state.
// None for a control that never changes.
using ShownFlag =
    std::variant<std::monostate, FlagOf<Label>, FlagOf<ClickArea>, FlagOf<Picture>, FlagOf<Panel>,
                 FlagOf<ResourceImage>, FlagOf<QString>, FlagOf<Place>, FlagOf<MenuItem>, FlagOf<TimerFlags>>;

// One control of the board. A control that shows a flag takes its caption, place and visibility from it;
// the others are shown as defined here.
struct ControlDef
{
    ControlKind kind;
    QString name;
    QString parent; // empty: the window's client area
    QRect bounds;   // Left, Top, width, height; a label's size follows its caption
    ShownFlag shows = {};
    NamedColor color = NamedColor::ParentColor; // a panel's colour, a label's background
    Bevel bevelOuter = Bevel::None;
    Bevel bevelInner = Bevel::None;
    int bevelWidth = 1;
    TextStyle font = {};
    QString caption = {};
    QString picture = {}; // the stored picture shown by an image, or the glyph of a bitmap button
    PictureFit fit = PictureFit::TopLeft;
    GameHandler onClick = nullptr;   // click areas and bitmap buttons
    std::optional<Cue> movieOf = {}; // a panel that this cue's movie is drawn into
};

struct MenuItemDef
{
    QString name;
    QString caption;
    MenuItem ComponentFlags::*shows; // a check mark and Enabled that the rules set; none for a plain item
    GameHandler onClick;             // nullptr: handled by the window itself (Exit2Click ends the program)
};

struct MenuDef
{
    QString name;
    QString caption;
    MenuItem ComponentFlags::*shows; // Enabled of the menu as a whole; none for a menu always enabled
    std::vector<MenuItemDef> items;
};

struct TimerDef
{
    QString name;
    TimerFlags ComponentFlags::*shows; // its interval and whether it counts
    GameHandler onTimer;
};

// Every control, in creation order, with the letter tiles of kTiles: parents before their children, and among
// the children of one parent the order that decides which lies above which.
const std::vector<ControlDef>& MainControls();

const std::vector<MenuDef>& MainMenu();
const std::array<TimerDef, 3>& MainTimers();

// True for the kinds drawn on their parent's surface (images, click areas, labels), which always lie
// below the parent's panels, buttons and edits.
bool IsGraphicControl(ControlKind kind);

} // namespace zub
