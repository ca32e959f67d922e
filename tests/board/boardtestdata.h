#pragma once

#include "assets/datapaths.h"

#include <QString>
#include <QTemporaryDir>

// A data folder of the game's own shape, made afresh for one test: both word lists hold one word, the
// high-score table holds Ann 1500, Bob 1200 ... Jon 100, every sound is a short tone and every movie the
// game's shortest.
class BoardTestData
{
public:
    explicit BoardTestData(const QString& word = QStringLiteral("BOARD"));

    QString folder() const { return m_dir.path(); }
    zub::DataPaths paths() const { return zub::DataPaths(m_dir.path()); }
    QString highScoreFile() const { return m_dir.filePath(QStringLiteral("player/hang.zub")); }

    // Replaces a file of the folder (relative path) with the given bytes.
    void write(const QString& relativePath, const QByteArray& bytes) const;
    void remove(const QString& relativePath) const;

    // Writes a mono 16-bit wave file holding a tone of the given length.
    static void WriteTone(const QString& path, int milliseconds);

private:
    QTemporaryDir m_dir;
};
