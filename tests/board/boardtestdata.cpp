#include "boardtestdata.h"

#include "assets/medianames.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

template <typename T> void append(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

BoardTestData::BoardTestData(const QString& word)
{
    const QByteArray wordList = crlfLines({QStringLiteral("1"), word});
    write(QStringLiteral("datalst2.zub"), wordList);
    write(QStringLiteral("datalst.zub"), wordList);

    QStringList table{QStringLiteral("Zub Hangman high scores")};
    const QStringList names{"Ann", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy", "Jon"};
    const QStringList scores{"1500", "1200", "1000", "800", "600", "500", "400", "300", "200", "100"};
    for (int rank = 0; rank < 10; ++rank)
        table << names[rank] << scores[rank];
    table << QStringLiteral("reserved");
    write(QStringLiteral("hang.zub"), crlfLines(table));

    // The media layer plays files by their content, so a tone also stands in for the movie.
    for (const QLatin1StringView name : zub::MediaNames::All)
        WriteTone(m_dir.filePath(QStringLiteral("Intro/") + name), 120);
}

void BoardTestData::write(const QString& relativePath, const QByteArray& bytes) const
{
    writeFile(m_dir.filePath(relativePath), bytes);
}

void BoardTestData::remove(const QString& relativePath) const
{
    QFile::remove(m_dir.filePath(relativePath));
}

void BoardTestData::WriteTone(const QString& path, int milliseconds)
{
    constexpr quint32 sampleRate = 22050;
    constexpr quint16 bytesPerSample = 2;
    const quint32 samples = sampleRate * quint32(milliseconds) / 1000;
    const quint32 dataSize = samples * bytesPerSample;

    QByteArray bytes("RIFF");
    append<quint32>(bytes, 36 + dataSize);
    bytes += "WAVEfmt ";
    append<quint32>(bytes, 16);
    append<quint16>(bytes, 1); // PCM
    append<quint16>(bytes, 1); // mono
    append<quint32>(bytes, sampleRate);
    append<quint32>(bytes, sampleRate * bytesPerSample);
    append<quint16>(bytes, bytesPerSample);
    append<quint16>(bytes, 16);
    bytes += "data";
    append<quint32>(bytes, dataSize);
    for (quint32 i = 0; i < samples; ++i)
        append<qint16>(bytes, qint16(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / sampleRate)));
    writeFile(path, bytes);
}
