#pragma once

#include "game/componentflags.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>
#include <array>

namespace zub {

// The used-tile picture that shows under a tile once its letter is guessed; every one is this size.
inline constexpr QSize kUsedTileSize(75, 36);

// One letter tile, as the rules, the board window and the picture generator all read it: the click area
// over the backdrop, the used-tile picture under it, and the text a word slot must equal for the letter to
// be found there. Places are in the coordinates of the board panel. A click area's handler is named after
// it with "Click" appended (AButtonClick).
struct TileRule
{
    char Letter;
    QStringView Button;    // click area, AButton .. ZButton (oButton, tButton)
    QRect ButtonArea;      // Left, Top, width, height of the click area
    QStringView Pic;       // used-tile picture, APic .. ZPic
    QPoint PicPos;         // top-left of the used-tile picture, kUsedTileSize in size
    QStringView MatchText; // the capital letter; " I" for I, which the word slots hold with a blank

    constexpr QRect PicArea() const { return {PicPos, kUsedTileSize}; }
};

// A to Z; the index is the letter's place in the alphabet and in ComponentFlags::Tiles. Each used-tile
// picture was placed by hand over its tile on the backdrop, so its offset from the click area varies.
inline constexpr std::array<TileRule, kTileCount> kTiles{{
    {'A', u"AButton", {35, 530, 71, 31}, u"APic", {35, 529}, u"A"},
    {'B', u"BButton", {125, 530, 71, 31}, u"BPic", {125, 529}, u"B"},
    {'C', u"CButton", {215, 530, 71, 31}, u"CPic", {215, 529}, u"C"},
    {'D', u"DButton", {660, 530, 66, 31}, u"DPic", {660, 529}, u"D"},
    {'E', u"EButton", {750, 530, 66, 31}, u"EPic", {750, 529}, u"E"},
    {'F', u"FButton", {840, 530, 66, 31}, u"FPic", {840, 529}, u"F"},
    {'G', u"GButton", {40, 570, 66, 31}, u"GPic", {38, 570}, u"G"},
    {'H', u"HButton", {125, 570, 66, 31}, u"HPic", {128, 570}, u"H"},
    {'I', u"IButton", {220, 570, 66, 31}, u"IPic", {217, 570}, u" I"},
    {'J', u"JButton", {310, 570, 66, 31}, u"JPic", {308, 570}, u"J"},
    {'K', u"KButton", {400, 570, 66, 36}, u"KPic", {397, 570}, u"K"},
    {'L', u"LButton", {490, 570, 66, 36}, u"LPic", {485, 570}, u"L"},
    {'M', u"MButton", {575, 570, 66, 36}, u"MPic", {575, 571}, u"M"},
    {'N', u"NButton", {660, 570, 66, 36}, u"NPic", {661, 570}, u"N"},
    {'O', u"oButton", {750, 570, 66, 36}, u"OPic", {750, 570}, u"O"},
    {'P', u"PButton", {840, 570, 66, 31}, u"PPic", {840, 570}, u"P"},
    {'Q', u"QButton", {40, 610, 66, 31}, u"QPic", {38, 607}, u"Q"},
    {'R', u"RButton", {125, 610, 66, 31}, u"RPic", {127, 608}, u"R"},
    {'S', u"SButton", {220, 610, 66, 31}, u"SPic", {219, 608}, u"S"},
    {'T', u"tButton", {310, 610, 66, 31}, u"TPic", {308, 608}, u"T"},
    {'U', u"UButton", {400, 610, 66, 31}, u"UPic", {397, 610}, u"U"},
    {'V', u"VButton", {490, 610, 66, 35}, u"VPic", {485, 610}, u"V"},
    {'W', u"WButton", {575, 610, 66, 35}, u"WPic", {575, 610}, u"W"},
    {'X', u"XButton", {660, 610, 66, 30}, u"XPic", {660, 610}, u"X"},
    {'Y', u"YButton", {750, 610, 66, 30}, u"YPic", {751, 610}, u"Y"},
    {'Z', u"ZButton", {840, 610, 66, 31}, u"ZPic", {840, 610}, u"Z"},
}};

// The index in kTiles of a letter 'A' .. 'Z'; throws zub::Error for any other character.
int TileIndex(char letter);

} // namespace zub
