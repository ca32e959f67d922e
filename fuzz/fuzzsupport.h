#pragma once

// What the fuzz targets share: the input as bytes, a private folder for the files the game reads and
// writes, a silent cue player and the failed check that stops the fuzzer with its input kept.

#include "silentcues.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zub::fuzz {

// The input without a copy, so that a read past its end is caught by the address checks.
inline QByteArray InputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Stops the run; the fuzzer saves the input that led here.
[[noreturn]] inline void Fail(const QString& what)
{
    std::fprintf(stderr, "check failed: %s\n", qPrintable(what.left(2000)));
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool holds, const QString& what)
{
    if (!holds)
        Fail(what);
}

// A folder of this process, removed when the run ends normally.
inline QString WorkPath(const QString& fileName)
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        Fail(QStringLiteral("no temporary folder: ") + dir.errorString());
    return dir.filePath(fileName);
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

using test::SilentCues; // the rules play their cues into nothing

} // namespace zub::fuzz
