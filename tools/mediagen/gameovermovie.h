#pragma once

#include "assets/gallowsgeometry.h"

#include <QImage>
#include <QSize>

namespace zub::mediagen {

// The game-over movie, 270 x 250, played over the gallows picture after a lost word: the night scene
// of the gallows, the trapdoor falls open, the sky turns red and "GAME OVER" drops into place. Its last
// frame stays on the board until a new game starts, so it is a finished picture of its own.
namespace gameover {

constexpr QSize kFrameSize = gallows::kSize; // exactly over the gallows picture
constexpr int kFramesPerSecond = 12;
constexpr double kLength = 4.0;

constexpr double kTrapdoorOpens = 0.6;
constexpr double kTrapdoorOpen = 0.8;
constexpr double kRedStart = 0.9;
constexpr double kRedFull = 2.0;
constexpr double kWordsStart = 1.4;
constexpr double kWordsSettled = 2.1;

constexpr int FrameCount()
{
    return int(kLength * kFramesPerSecond);
}

} // namespace gameover

// One frame of the game-over movie at `time` seconds.
QImage GameOverFrame(double time);

} // namespace zub::mediagen
