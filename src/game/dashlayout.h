#pragma once

#include "game/componentflags.h"

#include <array>

namespace zub {

inline constexpr int kShortestWord = 3;
inline constexpr int kLongestWord = 13;
inline constexpr int kParkedLeft = 420; // Left of a letter slot past the end of the word

// Whether a word of this length is on the board: the word start draws only words of 3 to 13 letters, and
// WordLength stays 0 until the first word start succeeds.
constexpr bool IsWordLength(int length)
{
    return length >= kShortestWord && length <= kLongestWord;
}

// Where the row of dashes and the thirteen letter slots stand for one word length. The slots are not
// evenly spaced: each sits over its dash in the board's font.
struct DashLayout
{
    int Dashes;                               // Left of Dashes
    std::array<int, kLetterSlotCount> Letter; // Left of Letter1 .. Letter<length>; the rest are parked
};

// Indexed by word length - kShortestWord.
inline constexpr std::array<DashLayout, kLongestWord - kShortestWord + 1> kDashLayouts{{
    {187, {184, 212, 242}},
    {172, {170, 198, 226, 256}},
    {157, {154, 182, 212, 242, 271}},
    {142, {140, 168, 198, 226, 255, 284}},
    {127, {124, 154, 182, 212, 241, 270, 299}},
    {112, {110, 140, 168, 196, 225, 254, 283, 313}},
    {97, {94, 124, 152, 182, 211, 240, 267, 297, 325}},
    {82, {78, 108, 138, 166, 195, 226, 253, 283, 313, 341}},
    {67, {64, 94, 122, 152, 181, 210, 239, 267, 297, 325, 355}},
    {52, {49, 78, 107, 136, 166, 194, 222, 252, 280, 310, 338, 367}},
    {37, {35, 64, 94, 121, 150, 179, 210, 238, 266, 296, 324, 354, 382}},
}};

} // namespace zub
