// The media layer: a player opens its file once, refuses a missing one by name, plays a sound to its end
// and from the beginning again at the next Play - with the real media system and no sound device - and
// reports a file it cannot play without stopping the game.
#include "boardtestdata.h"
#include "platform/error.h"
#include "platform/media/mediaplayer.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

using zub::MediaPlayer;

class TestMediaPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openRefusesWhatIsNotAReadableFile_data();
    void openRefusesWhatIsNotAReadableFile();
    void playWithoutAFileIsAnError();
    void soundPlaysToItsEndAndAgainFromTheStart();
    void unplayableFileIsReportedOnceByName();
    void movieSurfaceFillsItsPanel();
    void movieIsDrawnIntoItsPanelWhichMayGoFirst();

private:
    QTemporaryDir m_dir;
};

void TestMediaPlayer::openRefusesWhatIsNotAReadableFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << QStringLiteral("Game over.avi") << QStringLiteral("does not exist");
    QTest::newRow("a folder") << QStringLiteral("Intro") << QStringLiteral("cannot be read");
}

void TestMediaPlayer::openRefusesWhatIsNotAReadableFile()
{
    QFETCH(QString, fileName);
    QFETCH(QString, reason);
    QDir(m_dir.path()).mkdir(QStringLiteral("Intro"));
    const QString path = m_dir.filePath(fileName);

    MediaPlayer player;
    try {
        player.Open(path);
        QFAIL("Open accepted a file that cannot be played");
    } catch (const zub::Error& error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
    QVERIFY(!player.isOpen());
}

void TestMediaPlayer::playWithoutAFileIsAnError()
{
    MediaPlayer player;
    QVERIFY_THROWS_EXCEPTION(zub::Error, player.Play());
    player.Stop(); // stopping a player that never played is harmless
}

// The one test that waits on real time: the media system plays the tone while the test waits.
void TestMediaPlayer::soundPlaysToItsEndAndAgainFromTheStart()
{
    const QString path = m_dir.filePath(QStringLiteral("tone.wav"));
    BoardTestData::WriteTone(path, 150);
    MediaPlayer player;
    QSignalSpy failures(&player, &MediaPlayer::failed);
    player.Open(path);

    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(player.timesPlayedToEnd(), 1, 20000);
    QCOMPARE(player.mediaStatus(), QMediaPlayer::EndOfMedia);

    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(player.timesPlayedToEnd(), 2, 20000);
    QCOMPARE(failures.count(), 0);
}

void TestMediaPlayer::unplayableFileIsReportedOnceByName()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.wav"));
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, '\x5a'));
    broken.close();

    MediaPlayer player;
    QSignalSpy failures(&player, &MediaPlayer::failed);
    player.Open(path); // the file exists; what it holds shows only when the media system reads it
    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(failures.count(), 1, 20000);
    QVERIFY2(failures.at(0).at(0).toString().contains(path), qPrintable(failures.at(0).at(0).toString()));

    player.Play(); // a second attempt does not report the same file again
    QTest::qWait(200);
    QCOMPARE(failures.count(), 1);
}

void TestMediaPlayer::movieSurfaceFillsItsPanel()
{
    QWidget panel;
    panel.resize(270, 250);
    MediaPlayer player;
    player.setDisplay(&panel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    const auto surfaces = panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(surfaces.size(), 1);
    QCOMPARE(surfaces.first()->geometry(), panel.rect());
}

// The game's own movie, played into a panel, shows its pictures there; the panel may then be destroyed
// while the movie still plays, as when the board closes during the game-over movie.
void TestMediaPlayer::movieIsDrawnIntoItsPanelWhichMayGoFirst()
{
    const QString movie = QStringLiteral(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi");
    if (!QFileInfo::exists(movie))
        QSKIP("the game's movie is not in the source tree");

    MediaPlayer player;
    QSignalSpy failures(&player, &MediaPlayer::failed);
    auto panel = std::make_unique<QWidget>();
    panel->resize(270, 250);
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(Qt::white));
    player.setDisplay(panel.get());
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    const QImage blank = panel->grab().toImage();

    player.Open(movie);
    player.Play();
    QTRY_VERIFY_WITH_TIMEOUT(panel->grab().toImage() != blank, 20000);

    panel.reset();
    QTest::qWait(300); // the movie plays on into a sink no panel shows
    QCOMPARE(player.playbackState(), QMediaPlayer::PlayingState);
    QCOMPARE(failures.count(), 0);
}

QTEST_MAIN(TestMediaPlayer)
#include "test_mediaplayer.moc"
