// Where the game finds its data: the word lists, the high-score template and the media in the data folder,
// and the player's high-score file in the player's own data folder.
#include "assets/datapaths.h"
#include "assets/medianames.h"

#include <QDir>
#include <QTest>

class DataPathsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataFilesLieInTheDataFolder_data()
    {
        QTest::addColumn<QString>("dataDir");
        QTest::newRow("plain folder") << "/opt/zub";
        QTest::newRow("trailing slash") << "/opt/zub/";
    }
    void dataFilesLieInTheDataFolder()
    {
        QFETCH(QString, dataDir);
        const zub::DataPaths paths(dataDir);
        QCOMPARE(paths.wordList1000(), QStringLiteral("/opt/zub/datalst2.zub"));
        QCOMPARE(paths.wordList2000(), QStringLiteral("/opt/zub/datalst.zub"));
        QCOMPARE(paths.highScoreTemplate(), QStringLiteral("/opt/zub/hang.zub"));
        QCOMPARE(paths.media(QStringLiteral("Game over.avi")),
                 QStringLiteral("/opt/zub/Intro/Game over.avi"));
    }

    // The seven media files by their exact names, spaces and case included, one for each player.
    void mediaKeepTheirNames()
    {
        using namespace zub::MediaNames;
        const QStringList names{Media, GameOverMovie, BackSound, MediaWin, LoseLetter, WinSound, NewWord};
        QCOMPARE(names, (QStringList{"Hangman.avi", "Game over.avi", "backsound1.wav", "winletter.wav",
                                     "lose2.wav", "winner2.wav", "newword.wav"}));
        QCOMPARE(QStringList(All.begin(), All.end()), names);
    }

    void installedDataFolderIsAbsolute()
    {
        const QString dataDir = zub::DataPaths::installedDataDir();
        QVERIFY2(QDir::isAbsolutePath(dataDir), qPrintable(dataDir));
        QCOMPARE(zub::DataPaths(dataDir).wordList1000(), dataDir + "/datalst2.zub");
    }

    void userHighScoresFollowTheDataHome_data()
    {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("data home set")
            << QByteArray("/tmp/zub-data-home") << "/tmp/zub-data-home/zub-hangman/hang.zub";
        QTest::newRow("data home unset")
            << QByteArray() << QDir::homePath() + "/.local/share/zub-hangman/hang.zub";
    }
    void userHighScoresFollowTheDataHome()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        if (dataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHome);
        const QString path = zub::DataPaths::userHighScores();
        if (saved.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(path, expected);
    }
};

QTEST_GUILESS_MAIN(DataPathsTest)
#include "tst_datapaths.moc"
