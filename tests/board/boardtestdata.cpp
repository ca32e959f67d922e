#include "boardtestdata.h"

#include "game/cues.h"
#include "testfiles.h"
#include "wavebytes.h"

#include <cmath>
#include <numbers>

using namespace zub::test;

BoardTestData::BoardTestData(const QString& word)
{
    const QByteArray wordList = "1\r\n" + word.toLatin1() + "\r\n";
    write(QStringLiteral("datalst2.zub"), wordList);
    write(QStringLiteral("datalst.zub"), wordList);
    write(QStringLiteral("hang.zub"),
          "Zub Hangman high scores\r\nAnn\r\n1500\r\nBob\r\n1200\r\nCid\r\n1000\r\n"
          "Dee\r\n800\r\nEve\r\n600\r\nFay\r\n500\r\nGus\r\n400\r\nHal\r\n300\r\n"
          "Ivy\r\n200\r\nJon\r\n100\r\nreserved\r\n");

    // A short tone stands in for each sound and the game's shortest movie for each movie: a movie player
    // is only ever given a movie.
    for (const QLatin1StringView name : zub::kMediaFiles) {
        const QString path = m_dir.filePath(QStringLiteral("Intro/") + name);
        if (name.endsWith(QLatin1StringView(".avi")))
            Put(path, ReadBytes(QStringLiteral(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi")));
        else
            WriteTone(path, 120);
    }
}

void BoardTestData::write(const QString& relativePath, const QByteArray& bytes) const
{
    Put(m_dir.filePath(relativePath), bytes);
}

void BoardTestData::remove(const QString& relativePath) const
{
    QFile::remove(m_dir.filePath(relativePath));
}

void BoardTestData::WriteTone(const QString& path, int milliseconds)
{
    constexpr quint32 sampleRate = 22050;
    QList<qint16> samples(sampleRate * milliseconds / 1000);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = qint16(8000 * std::sin(2 * std::numbers::pi * 440.0 * double(i) / sampleRate));
    Put(path, WaveBytes(samples, sampleRate));
}
