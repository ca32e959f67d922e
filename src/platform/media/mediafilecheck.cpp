#include "platform/media/mediafilecheck.h"

#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace zub {

namespace {

// A sound is held in memory while the game runs; the music, the longest, is well under 1 MB.
constexpr qint64 kLongestWaveBytes = 32 * 1024 * 1024;

} // namespace

bool IsWaveFile(const QString& fileName)
{
    return fileName.endsWith(QLatin1StringView(".wav"), Qt::CaseInsensitive);
}

std::optional<CheckedWave> ReadCheckedMediaFile(const QString& fileName)
{
    const QString shownName = QDir::toNativeSeparators(fileName);
    const QFileInfo file(fileName);
    if (!file.exists())
        throw Error(QStringLiteral("Cannot open media file \"%1\": the file does not exist.").arg(shownName));
    QFile reading(fileName);
    if (!file.isFile() || !reading.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open media file \"%1\": the file cannot be read.").arg(shownName));
    if (!IsWaveFile(fileName))
        return std::nullopt;
    if (reading.size() > kLongestWaveBytes)
        throw Error(QStringLiteral("Cannot open media file \"%1\": it is too long for a sound of the game.")
                        .arg(shownName));
    QByteArray wave = reading.readAll();
    const WaveFormat format = ReadWaveHeader(wave, shownName);
    return CheckedWave{std::move(wave), format};
}

} // namespace zub
