#pragma once

#include "game/board.h"

#include <QStringView>
#include <array>

namespace zub {

// One letter tile: its click area and used-tile picture on the board, and the text a word slot must
// equal for the letter to be found there.
struct TileRule
{
    char Letter;
    QStringView Button;    // click area, AButton .. ZButton
    QStringView Pic;       // used-tile picture, APic .. ZPic
    QStringView MatchText; // the capital letter; " I" for I, which the word slots hold with a blank
};

// A to Z; the index is the letter's place in the alphabet and in Board::Tiles.
inline constexpr std::array<TileRule, kTileCount> kTiles{{
    {'A', u"AButton", u"APic", u"A"}, {'B', u"BButton", u"BPic", u"B"}, {'C', u"CButton", u"CPic", u"C"},
    {'D', u"DButton", u"DPic", u"D"}, {'E', u"EButton", u"EPic", u"E"}, {'F', u"FButton", u"FPic", u"F"},
    {'G', u"GButton", u"GPic", u"G"}, {'H', u"HButton", u"HPic", u"H"}, {'I', u"IButton", u"IPic", u" I"},
    {'J', u"JButton", u"JPic", u"J"}, {'K', u"KButton", u"KPic", u"K"}, {'L', u"LButton", u"LPic", u"L"},
    {'M', u"MButton", u"MPic", u"M"}, {'N', u"NButton", u"NPic", u"N"}, {'O', u"oButton", u"OPic", u"O"},
    {'P', u"PButton", u"PPic", u"P"}, {'Q', u"QButton", u"QPic", u"Q"}, {'R', u"RButton", u"RPic", u"R"},
    {'S', u"SButton", u"SPic", u"S"}, {'T', u"tButton", u"TPic", u"T"}, {'U', u"UButton", u"UPic", u"U"},
    {'V', u"VButton", u"VPic", u"V"}, {'W', u"WButton", u"WPic", u"W"}, {'X', u"XButton", u"XPic", u"X"},
    {'Y', u"YButton", u"YPic", u"Y"}, {'Z', u"ZButton", u"ZPic", u"Z"},
}};

// The index in kTiles of a letter 'A' .. 'Z'; throws zub::Error for any other character.
int TileIndex(char letter);

} // namespace zub
