#pragma once

// Shared by the malformed-input, rule and text-line tests: files in a temporary folder, a random source
// that draws a chosen number, a cue player that plays nothing, and the error an action throws.

#include "game/cues.h"
#include "platform/error.h"
#include "platform/randomsource.h"
#include "silentcues.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace zub::test {

// Stand-ins for what a path may hold besides a file's bytes.
inline const QByteArray kMissing = "<no file>";
inline const QByteArray kFolder = "<a folder>";

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The bytes of a file; a missing file reads as a null array, unlike an empty one.
inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes path hold contents in place of the file it held: the bytes of a file, a folder (kFolder) or nothing
// at all (kMissing). The folders above it are made as needed.
inline void Put(const QString& path, const QByteArray& contents)
{
    QDir(path).removeRecursively();
    QFile::remove(path);
    if (contents != kMissing)
        QVERIFY(QDir().mkpath(contents == kFolder ? path : QFileInfo(path).path()));
    if (contents != kMissing && contents != kFolder)
        WriteBytes(path, contents);
}

// What path holds, in the terms of Put, to show that an action left it as it was.
inline QByteArray Contents(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() ? kFolder : info.exists() ? ReadBytes(path) : kMissing;
}

// Always draws the same number, so a test chooses the line a draw takes.
class FixedRandom final : public RandomSource
{
public:
    explicit FixedRandom(int value) : m_value(value) {}
    int next() override { return m_value; }

private:
    int m_value;
};

// The message of the zub::Error that action throws, or a null text when it throws none.
template <typename Action> QString ErrorOf(Action&& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

// What every error about a bad file must be: it names the file, says what is wrong and stays short
// enough for an error box, however long the offending line.
inline void CheckErrorNames(const QString& message, const QString& path, const QString& fragment)
{
    constexpr qsizetype kLongestMessage = 600;
    QVERIFY2(!message.isNull(), "no error");
    QVERIFY2(message.contains(path), qPrintable(message.left(kLongestMessage)));
    QVERIFY2(message.contains(fragment), qPrintable(message.left(kLongestMessage)));
    QVERIFY2(message.size() <= kLongestMessage + path.size(),
             qPrintable(QStringLiteral("%1 characters: %2").arg(message.size()).arg(message.left(200))));
}

} // namespace zub::test
