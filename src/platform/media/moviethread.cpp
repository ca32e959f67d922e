#include "platform/media/moviethread.h"

#include <QCoreApplication>
#include <QThread>

namespace zub {

namespace {

QThread& movieThread()
{
    static QThread thread;
    return thread;
}

// Runs while the application object is destroyed. Feeds whose deletion is still queued are deleted as
// the thread finishes.
void stopMovieThread()
{
    movieThread().quit();
    movieThread().wait();
}

} // namespace

QThread& MovieThread()
{
    QThread& thread = movieThread();
    if (!thread.isRunning() && !thread.isFinished()) {
        thread.setObjectName(QStringLiteral("movie pictures"));
        thread.start();
        qAddPostRoutine(stopMovieThread);
    }
    return thread;
}

} // namespace zub
