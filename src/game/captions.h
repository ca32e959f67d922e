#pragma once

#include <QStringView>
#include <array>

namespace zub {

// The window captions. The commands replace the caption whole with one of these fixed texts; nothing
// else changes it.
struct CaptionTable
{
    QStringView Start;                  // at creation
    std::array<QStringView, 2> NewGame; // New Game, by the checked Words item: 1000+, 2000+
    std::array<QStringView, 3> Level;   // a level chosen: Easy, Normal, Hard (no Words part)
    std::array<QStringView, 2> Words;   // a Words item chosen: 1000+, 2000+ (always naming Easy)
};

inline constexpr CaptionTable kCaptions{
    u"Hangman Version 1.2 -  Level - Easy - Words 1000+",
    {u"Hangman Version 1.2 - Level - Easy - Words 1000+",
     u"Hangman Version 1.2 - Level - Easy - Words 2000+"},
    {u"Hangman Version 1.2 - Level - Easy", u"Hangman Version 1.2 - Level - Normal",
     u"Hangman Version 1.2 - Level - Hard"},
    {u"Hangman Version 1.2 - Level - Easy -Words 1000+", u"Hangman Version 1.2 - Level - Easy -Words 2000+"},
};

} // namespace zub
