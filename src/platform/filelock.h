#pragma once

#include <QLockFile>
#include <QString>

namespace zub {

// While it lives, holds the lock file beside a data file (its name with ".lock" after it), so that games
// running at the same time change the file one at a time.
//
// A lock left by a process that has ended is taken over at once. A lock held by a running game is waited
// on for a short while - its holder needs a few milliseconds - and after that the constructor throws
// zub::Error naming the file, as it does when the lock file cannot be made at all; then the message ends
// with the system's reason ("Read-only file system", "No space left on device").
class FileLock
{
public:
    explicit FileLock(const QString& path);

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    static constexpr int kWaitMs = 2000; // how long a lock held by a running game is waited on
    // A lock file that still names no process this long after it was made is known to be left by a game
    // killed as it made it, and is removed; a younger one may be one a running game is still writing.
    static constexpr int kNamelessAfterMs = 1000;

private:
    QLockFile m_lock;
};

} // namespace zub
