#pragma once

#include "game/captions.h"

#include <QString>
#include <array>

namespace zub {

// The board's component flags that carry game state.
//
// The rules write these flags and the window shows them; nothing here is a widget. Member names are the
// component names of the board window, so that `NewWordClick.Enabled` reads the same in the rules, the
// window and the tests.

inline constexpr int kLetterSlotCount = 13; // Letter1 .. Letter13
inline constexpr int kTileCount = 26;       // AButton .. ZButton
inline constexpr int kRankCount = 10;       // rank 1 .. rank 10 of the high-score table

struct Label
{
    QString Caption;
    bool Visible = true;
    int Left = 0;

    bool operator==(const Label&) const = default;
};

// Where a panel lies in its parent.
struct Place
{
    int Left = 0;
    int Top = 0;

    bool operator==(const Place&) const = default;
};

struct ClickArea
{
    bool Enabled = true;

    bool operator==(const ClickArea&) const = default;
};

struct Picture
{
    bool Visible = false;

    bool operator==(const Picture&) const = default;
};

struct Panel
{
    bool Visible = false;

    bool operator==(const Panel&) const = default;
};

// An image whose picture is a bitmap resource loaded by name; empty until the first load.
struct ResourceImage
{
    QString ResourceName;

    bool operator==(const ResourceImage&) const = default;
};

struct MenuItem
{
    bool Enabled = true;
    bool Checked = false;

    bool operator==(const MenuItem&) const = default;
};

// A timer of the board: the window runs a real timer while Enabled holds and delivers its ticks.
struct TimerFlags
{
    int Interval = 0;
    bool Enabled = false;

    bool operator==(const TimerFlags&) const = default;
};

// One letter tile: the click area over the backdrop and the used-tile picture under it.
struct Tile
{
    ClickArea Button; // AButton .. ZButton (oButton, tButton)
    Picture Pic;      // APic .. ZPic

    bool operator==(const Tile&) const = default;
};

struct ComponentFlags
{
    QString Caption = kCaptions.Start.toString();

    Place BackPanel{10, 5};

    std::array<Tile, kTileCount> Tiles{}; // index 0 is A, 25 is Z
    ClickArea NewWordClick;
    Picture NewWordPic;

    ResourceImage HangmanPic;
    ResourceImage SwitchPosPic;
    ResourceImage HighScoreImage;

    Label ScorePointsLabel{QStringLiteral("0"), true, 2};
    Label HighestScoreLabel{QStringLiteral("0"), true, 6};
    Label Dashes{QStringLiteral("_ _ _ _ _ _ _ _ _ _ _ _ _ _"), true, 17};
    std::array<Label, kLetterSlotCount> Letter{{{{}, true, 15},
                                                {{}, true, 42},
                                                {{}, true, 70},
                                                {{}, true, 100},
                                                {{}, true, 130},
                                                {{}, true, 160},
                                                {{}, true, 190},
                                                {{}, true, 220},
                                                {{}, true, 250},
                                                {{}, true, 275},
                                                {{}, true, 305},
                                                {{}, true, 335},
                                                {{}, true, 365}}};
    // HSLabel1 .. HSLabel20: odd numbers hold the names, even numbers the scores (index 0 is HSLabel1).
    std::array<QString, 2 * kRankCount> HSLabel = filled(QStringLiteral("HSLabel1"));

    Panel MovieScreen;
    Panel EnterNamePanel;
    Panel WellDonePanel;
    Panel GameOverPanel;
    Panel AboutPanel;

    QString NameText; // the text of the name-entry field, as the player typed it

    // The menu items whose state the rules change.
    MenuItem Hints1; // the Level menu
    MenuItem N10001{true, true};
    MenuItem N20001;
    MenuItem EnableHints1{true, true}; // Easy (10)
    MenuItem EnablePictures1;          // Normal (8)
    MenuItem EnableBoth1;              // Hard (6)

    TimerFlags GameOverTimer{6000, false};
    TimerFlags WinTimer{2500, false};
    TimerFlags Timer1{16000, true};

    bool operator==(const ComponentFlags&) const = default;

private:
    static std::array<QString, 2 * kRankCount> filled(const QString& text)
    {
        std::array<QString, 2 * kRankCount> all;
        all.fill(text);
        return all;
    }
};

} // namespace zub
