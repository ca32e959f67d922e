#include "game/game.h"

#include <utility>

namespace zub {

Game::Game(GameFiles files, CuePlayer& cues, RandomSource& random)
    : m_files(std::move(files)), m_cues(cues), m_random(random)
{}

} // namespace zub
