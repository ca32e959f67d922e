#include "platform/replacefile.h"

#include "platform/error.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace zub {

namespace {

const QString kSuffix = QStringLiteral(".saving");

} // namespace

void ReplaceFile(const QString& path, const QByteArray& bytes)
{
    const auto fail = [&path](const QString& reason) {
        throw Error(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
    };
    QTemporaryFile file(path + QStringLiteral(".XXXXXX") + kSuffix);
    if (!file.open())
        fail(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(file.errorString());
    // The new file is made readable by its owner alone; the table keeps the modes the player gave it.
    if (QFileInfo::exists(path) && !file.setPermissions(QFile::permissions(path)))
        fail(file.errorString());
    if (::fdatasync(file.handle()) != 0)
        fail(QString::fromLocal8Bit(std::strerror(errno)));
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                            QFile::encodeName(path).toStdString(), error);
    if (error)
        fail(QString::fromStdString(error.message()));
    file.setAutoRemove(false);
}

void RemoveInterruptedReplacements(const QString& path)
{
    const QFileInfo table(path);
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(table.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}") +
        QRegularExpression::escape(kSuffix)));
    const QDir folder = table.absoluteDir();
    const QStringList names = folder.entryList({table.fileName() + QStringLiteral(".*") + kSuffix},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (ours.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

} // namespace zub
