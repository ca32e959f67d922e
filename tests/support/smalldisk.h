#pragma once

// A disk of 64 KiB in memory mounted over a folder, which a test fills up or makes read-only to see what
// the game does with a player's folder on a full or read-only disk. Mounting needs root; elsewhere
// mounted() is false and the test skips.

#include <QDir>
#include <QFile>
#include <QString>
#include <sys/mount.h>

namespace zub::test {

class SmallDisk
{
public:
    explicit SmallDisk(const QString& folder) : m_folder(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("zub-test", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }

    // Takes up every free byte with a file in a folder of its own, so the folder itself lists only what
    // the game leaves there.
    void fill() const
    {
        QDir(QFile::decodeName(m_folder)).mkdir(QStringLiteral("filler"));
        QFile filler(QFile::decodeName(m_folder + "/filler/bytes"));
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void makeReadOnly() const
    {
        ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace zub::test
