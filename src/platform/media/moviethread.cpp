#include "platform/media/moviethread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>

namespace zub {

namespace {

// Never deleted: a thread that did not end in time must not be destroyed while it runs.
QThread* g_thread = nullptr;
QObject* g_context = nullptr; // lives on the thread, to run the end there
// Touched on the movie thread only.
int g_holds = 0;
bool g_ending = false;

void endWhenFree()
{
    if (g_ending && g_holds == 0)
        g_thread->quit();
}

// Runs while the application object is destroyed. Feeds whose deletion is still queued are deleted as
// the thread finishes.
void stopMovieThread()
{
    QMetaObject::invokeMethod(g_context, [] {
        g_ending = true;
        endWhenFree();
    });
    if (!g_thread->wait(QDeadlineTimer(kMovieThreadEndMs)))
        std::fputs("zub-hangman: a movie did not stop in time and is left behind.\n", stderr);
}

} // namespace

QThread& MovieThread()
{
    if (!g_thread) {
        g_thread = new QThread;
        g_thread->setObjectName(QStringLiteral("movie pictures"));
        g_context = new QObject;
        g_context->moveToThread(g_thread);
        g_thread->start();
        qAddPostRoutine(stopMovieThread);
    }
    return *g_thread;
}

void HoldMovieThread()
{
    ++g_holds;
}

void LetGoOfMovieThread()
{
    --g_holds;
    endWhenFree();
}

} // namespace zub
