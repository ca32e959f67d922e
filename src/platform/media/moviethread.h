#pragma once

class QThread;

namespace zub {

// The one thread on which every movie's playback is built and taken down and its pictures are received and
// converted. It starts at first use and ends when the application object goes, once no playback holds it
// (see HoldMovieThread); the application waits for that at most kMovieThreadEndMs and then leaves it.
QThread& MovieThread();
constexpr int kMovieThreadEndMs = 10000;

// On the movie thread: a playback that cannot be taken down yet holds the thread until it lets go, so that
// the end of the application does not cut it off in the middle of its start.
void HoldMovieThread();
void LetGoOfMovieThread();

} // namespace zub
