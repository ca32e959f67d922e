#include "platform/idlework.h"

#include <QPointer>
#include <QQueue>
#include <QTimer>

namespace zub {

namespace {

struct Work
{
    QPointer<QObject> context;
    std::function<void()> run;
};

QQueue<Work>& waiting()
{
    static QQueue<Work> works;
    return works;
}

// Runs the first piece whose context still exists; the next waits for the following turn of the loop,
// also when this piece throws.
void runNext()
{
    Work work;
    while (!waiting().isEmpty() && !work.context)
        work = waiting().dequeue();
    if (!waiting().isEmpty())
        QTimer::singleShot(0, &runNext);
    if (work.context)
        work.run();
}

} // namespace

void WhenIdle(QObject& context, std::function<void()> work)
{
    waiting().enqueue(Work{&context, std::move(work)});
    if (waiting().size() == 1)
        QTimer::singleShot(0, &runNext);
}

} // namespace zub
