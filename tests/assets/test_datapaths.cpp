// Where the game finds its data: the word lists, the high-score template and the media in the data folder,
// and the player's high-score file in the player's own data folder.
#include "assets/datapaths.h"
#include "assets/medianames.h"

#include <QDir>
#include <QTest>
#include <algorithm>

class TestDataPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataFilesLieInTheDataFolder_data();
    void dataFilesLieInTheDataFolder();
    void mediaLieInTheIntroFolder_data();
    void mediaLieInTheIntroFolder();
    void installedDataFolderIsAbsolute();
    void userHighScoresFollowTheDataHome_data();
    void userHighScoresFollowTheDataHome();
};

void TestDataPaths::dataFilesLieInTheDataFolder_data()
{
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<QString>("wordList1000");
    QTest::addColumn<QString>("wordList2000");
    QTest::addColumn<QString>("highScores");

    QTest::newRow("plain folder") << "/usr/share/zub-hangman"
                                  << "/usr/share/zub-hangman/datalst2.zub"
                                  << "/usr/share/zub-hangman/datalst.zub"
                                  << "/usr/share/zub-hangman/hang.zub";
    QTest::newRow("trailing slash") << "/opt/zub/"
                                    << "/opt/zub/datalst2.zub"
                                    << "/opt/zub/datalst.zub"
                                    << "/opt/zub/hang.zub";
    QTest::newRow("space in the folder name") << "/opt/Zub Hangman"
                                              << "/opt/Zub Hangman/datalst2.zub"
                                              << "/opt/Zub Hangman/datalst.zub"
                                              << "/opt/Zub Hangman/hang.zub";
}

void TestDataPaths::dataFilesLieInTheDataFolder()
{
    QFETCH(QString, dataDir);
    QFETCH(QString, wordList1000);
    QFETCH(QString, wordList2000);
    QFETCH(QString, highScores);

    const zub::DataPaths paths(dataDir);

    QCOMPARE(paths.wordList1000(), wordList1000);
    QCOMPARE(paths.wordList2000(), wordList2000);
    QCOMPARE(paths.highScoreTemplate(), highScores);
}

void TestDataPaths::mediaLieInTheIntroFolder_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");

    // The seven media files by their exact names, spaces and case included.
    const QString intro = QStringLiteral("/opt/zub/Intro/");
    QTest::newRow("intro movie") << QString(zub::MediaNames::Media) << intro + "Hangman.avi";
    QTest::newRow("game-over movie") << QString(zub::MediaNames::GameOverMovie) << intro + "Game over.avi";
    QTest::newRow("background music") << QString(zub::MediaNames::BackSound) << intro + "backsound1.wav";
    QTest::newRow("letter found") << QString(zub::MediaNames::MediaWin) << intro + "winletter.wav";
    QTest::newRow("wrong letter") << QString(zub::MediaNames::LoseLetter) << intro + "lose2.wav";
    QTest::newRow("word won") << QString(zub::MediaNames::WinSound) << intro + "winner2.wav";
    QTest::newRow("new word") << QString(zub::MediaNames::NewWord) << intro + "newword.wav";
}

void TestDataPaths::mediaLieInTheIntroFolder()
{
    QFETCH(QString, fileName);
    QFETCH(QString, expected);

    QCOMPARE(zub::DataPaths(QStringLiteral("/opt/zub")).media(fileName), expected);
    QVERIFY(std::find(zub::MediaNames::All.begin(), zub::MediaNames::All.end(), fileName) !=
            zub::MediaNames::All.end());
}

void TestDataPaths::installedDataFolderIsAbsolute()
{
    const QString dataDir = zub::DataPaths::installedDataDir();

    QVERIFY2(QDir::isAbsolutePath(dataDir), qPrintable(dataDir));
    QCOMPARE(zub::DataPaths(dataDir).wordList1000(), dataDir + "/datalst2.zub");
}

void TestDataPaths::userHighScoresFollowTheDataHome_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QString>("expected");

    QTest::newRow("data home set") << QByteArray("/tmp/zub-data-home")
                                   << "/tmp/zub-data-home/zub-hangman/hang.zub";
    QTest::newRow("data home unset") << QByteArray()
                                     << QDir::homePath() + "/.local/share/zub-hangman/hang.zub";
}

void TestDataPaths::userHighScoresFollowTheDataHome()
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

QTEST_GUILESS_MAIN(TestDataPaths)
#include "test_datapaths.moc"
