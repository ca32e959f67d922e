// Where the game finds its data: the word lists, the high-score template and the media in the data folder,
// and the player's high-score file in the player's own data folder.
#include "assets/datapaths.h"
#include "game/cues.h"

#include <QDir>
#include <QTest>

class DataPathsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataFilesLieInTheDataFolder_data()
    {
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain folder") << "/opt/zub"
                                      << "/opt/zub";
        QTest::newRow("trailing slash") << "/opt/zub/"
                                        << "/opt/zub";
        const QString installed = zub::DataPaths::installedDataDir();
        QTest::newRow("installed folder") << installed << installed;
    }
    void dataFilesLieInTheDataFolder()
    {
        QFETCH(QString, dataDir);
        QFETCH(QString, folder);
        QVERIFY2(QDir::isAbsolutePath(folder), qPrintable(folder));
        const zub::DataPaths paths(dataDir);
        QCOMPARE(paths.wordList1000(), folder + "/datalst2.zub");
        QCOMPARE(paths.wordList2000(), folder + "/datalst.zub");
        QCOMPARE(paths.highScoreTemplate(), folder + "/hang.zub");
        QCOMPARE(paths.media(QStringLiteral("Game over.avi")), folder + "/Intro/Game over.avi");
    }

    // The seven media files by their exact names, spaces and case included: the intro's, then the cues'.
    void mediaKeepTheirNames()
    {
        QCOMPARE(QStringList(zub::kMediaFiles.begin(), zub::kMediaFiles.end()),
                 (QStringList{"Hangman.avi", "Game over.avi", "winner2.wav", "lose2.wav", "backsound1.wav",
                              "newword.wav", "winletter.wav"}));
    }

    void userHighScoresFollowTheDataHome()
    {
        qputenv("XDG_DATA_HOME", "/tmp/zub-data-home");
        QCOMPARE(zub::DataPaths::userHighScores(), QStringLiteral("/tmp/zub-data-home/zub-hangman/hang.zub"));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(zub::DataPaths::userHighScores(), QDir::homePath() + "/.local/share/zub-hangman/hang.zub");
    }
};

QTEST_GUILESS_MAIN(DataPathsTest)
#include "tst_datapaths.moc"
