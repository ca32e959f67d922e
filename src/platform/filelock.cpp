#include "platform/filelock.h"

#include "platform/error.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zub {

namespace {

// A lock file that names no process was left by one killed between making the file and writing its name
// into it: QLockFile cannot tell that it is stale until it is 30 s old. A lock file is written at once, so
// one that still names nobody after a second is stale; removeStaleLockFile() still leaves it alone while
// a running process holds it.
bool RemoveNamelessLock(QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    const QDateTime written = QFileInfo(lock.fileName()).lastModified();
    return written.isValid() && written.msecsTo(QDateTime::currentDateTime()) > FileLock::kNamelessAfterMs &&
           lock.removeStaleLockFile();
}

// A game killed while it took over a stale lock can leave QLockFile's own helper locks behind: the lock's
// name with ".rmlock", and, when that helper was itself taken over, ".rmlock" again, to any depth. One
// that names no process would block every later take-over for 30 s; one whose process has ended is taken
// over and removed. The deepest go first, as each guards the take-over of the one above it.
void RemoveLeftHelperLocks(const QString& lockName)
{
    const QFileInfo lock(lockName);
    QStringList names = lock.absoluteDir().entryList({lock.fileName() + QStringLiteral(".rmlock*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const QRegularExpression helper(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(lock.fileName()) + QStringLiteral("(\\.rmlock)+")));
    for (const QString& name : std::as_const(names)) {
        if (!helper.match(name).hasMatch())
            continue;
        QLockFile left(lock.absoluteDir().filePath(name));
        if (!RemoveNamelessLock(left) && left.tryLock(0))
            left.unlock();
    }
}

// Why the lock file could not be made, in the system's words where errno still holds them.
QString SystemReason(QLockFile::LockError error, int failure)
{
    if (failure != 0)
        return QString::fromLocal8Bit(std::strerror(failure));
    return error == QLockFile::PermissionError ? QStringLiteral("Permission denied")
                                               : QStringLiteral("Unknown error");
}

} // namespace

// QLockFile's own wait sleeps 100 ms and then longer between its tries, while a placement holds the lock
// for a millisecond or two: trying every few milliseconds gets the lock as soon as it is free. A lock
// whose process has ended is taken over by tryLock() itself.
//
// QLockFile tells only "permission" or "unknown" when the lock file cannot be made; the errno of the
// open or write that failed is still set when tryLock() returns, and it says why: a read-only file
// system, a full disk, a folder the player may not write.
FileLock::FileLock(const QString& path) : m_lock(path + QStringLiteral(".lock"))
{
    constexpr int kRetryMs = 3;
    const QDeadlineTimer deadline(kWaitMs);
    for (errno = 0; !m_lock.tryLock(0); errno = 0) {
        const int failure = errno;
        if (m_lock.error() == QLockFile::LockFailedError) {
            RemoveLeftHelperLocks(m_lock.fileName());
            if (RemoveNamelessLock(m_lock))
                continue;
        }
        if (m_lock.error() != QLockFile::LockFailedError)
            throw Error(QStringLiteral("Cannot lock file \"%1\": cannot create \"%2\". %3")
                            .arg(path, m_lock.fileName(), SystemReason(m_lock.error(), failure)));
        if (deadline.hasExpired())
            throw Error(QStringLiteral("File \"%1\" is being changed by another game (lock \"%2\"). "
                                       "Nothing was changed; try again.")
                            .arg(path, m_lock.fileName()));
        QThread::msleep(kRetryMs);
    }
    RemoveLeftHelperLocks(m_lock.fileName()); // debris of a game killed while it took over
}

} // namespace zub
