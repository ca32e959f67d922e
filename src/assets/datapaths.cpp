#include "assets/datapaths.h"

#include <QDir>
#include <QStandardPaths>
#include <utility>

namespace zub {

DataPaths::DataPaths(QString dataDir) : m_dataDir(std::move(dataDir)) {}

QString DataPaths::installedDataDir()
{
    return QStringLiteral(ZUB_DATA_DIR);
}

QString DataPaths::wordList1000() const
{
    return QDir(m_dataDir).filePath(QStringLiteral("datalst2.zub"));
}

QString DataPaths::wordList2000() const
{
    return QDir(m_dataDir).filePath(QStringLiteral("datalst.zub"));
}

QString DataPaths::highScoreTemplate() const
{
    return QDir(m_dataDir).filePath(QStringLiteral("hang.zub"));
}

QString DataPaths::media(const QString& fileName) const
{
    return QDir(m_dataDir).filePath(QStringLiteral("Intro/") + fileName);
}

QString DataPaths::userHighScores()
{
    // The installed data folder is not writable for a player, so the table lives in the player's own
    // data folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zub-hangman/hang.zub");
}

} // namespace zub
