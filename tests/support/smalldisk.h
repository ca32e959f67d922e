#pragma once

// A disk of 64 KiB in memory mounted over a folder, which a test fills up or makes read-only to see what
// the game does with a player's folder on a full or read-only disk. Mounting needs root; elsewhere
// mounted() is false and the test skips.

#include <QDir>
#include <QFile>
#include <sys/mount.h>

namespace zub::test {

class SmallDisk
{
public:
    explicit SmallDisk(const QString& folder) : m_folder(folder), m_name(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("zub-test", m_name.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_name.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }

    // Takes up every free byte with a file in a folder of its own, so that the disk's top folder lists
    // only what the game leaves there: the write stops where the disk is full.
    void fill() const
    {
        QDir(m_folder).mkdir(QStringLiteral("filler"));
        QFile filler(m_folder + QStringLiteral("/filler/bytes"));
        if (filler.open(QIODevice::WriteOnly))
            filler.write(QByteArray(128 * 1024, 'x'));
    }
    void makeReadOnly() const
    {
        ::mount(nullptr, m_name.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    }

private:
    QString m_folder;
    QByteArray m_name;
    bool m_mounted = false;
};

} // namespace zub::test
