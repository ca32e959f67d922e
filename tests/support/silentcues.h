#pragma once

#include "game/cues.h"

namespace zub::test {

// A cue player that plays nothing, for tests and fuzz targets that check the rules' state only.
class SilentCues final : public CuePlayer
{
public:
    void Play(Cue) override {}
    void Stop(Cue) override {}
};

} // namespace zub::test
