// The media layer: a player refuses a folder by name, plays a sound to its end and from the beginning
// again at the next Play - with the real media system and no sound device - and draws a movie into its
// panel. Missing and broken files are the robustness tests' part.
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

class MediaPlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openRefusesAFolder();
    void soundPlaysToItsEndAndAgainFromTheStart();
    void movieSurfaceFillsItsPanel();
    void movieIsDrawnIntoItsPanelWhichMayGoFirst();
    void playAndStopTakeEffectInTheOrderAsked_data();
    void playAndStopTakeEffectInTheOrderAsked();

private:
    QTemporaryDir m_dir;
};

// A folder where a media file belongs is refused by name when it is opened.
void MediaPlayerTest::openRefusesAFolder()
{
    const QString path = m_dir.filePath(QStringLiteral("Intro"));
    QDir(m_dir.path()).mkdir(QStringLiteral("Intro"));

    MediaPlayer player;
    try {
        player.Open(path);
        QFAIL("Open accepted a folder");
    } catch (const zub::Error& error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        QVERIFY2(error.message().contains(QStringLiteral("cannot be read")), qPrintable(error.message()));
    }
    QVERIFY(!player.isOpen());
}

// The one test that waits on real time: the media system plays the tone while the test waits.
void MediaPlayerTest::soundPlaysToItsEndAndAgainFromTheStart()
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

void MediaPlayerTest::movieSurfaceFillsItsPanel()
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
void MediaPlayerTest::movieIsDrawnIntoItsPanelWhichMayGoFirst()
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

void MediaPlayerTest::playAndStopTakeEffectInTheOrderAsked_data()
{
    QTest::addColumn<QString>("asked"); // P: Play, S: Stop, all in one turn of the event loop
    QTest::addColumn<QMediaPlayer::PlaybackState>("state");

    QTest::newRow("play") << QStringLiteral("P") << QMediaPlayer::PlayingState;
    QTest::newRow("stop at once") << QStringLiteral("PS") << QMediaPlayer::StoppedState;
    QTest::newRow("stop, play again") << QStringLiteral("PSP") << QMediaPlayer::PlayingState;
    QTest::newRow("stop unplayed") << QStringLiteral("S") << QMediaPlayer::StoppedState;
}

// Play and Stop return at once, also while the movie is still starting; the state asked for last is the
// state the movie reaches and keeps. A player destroyed with requests still waiting goes quietly.
void MediaPlayerTest::playAndStopTakeEffectInTheOrderAsked()
{
    QFETCH(QString, asked);
    QFETCH(QMediaPlayer::PlaybackState, state);
    const QString movie = QStringLiteral(ZUB_SOURCE_DATA_DIR "/Intro/Hangman.avi");
    if (!QFileInfo::exists(movie))
        QSKIP("the game's movie is not in the source tree");

    QWidget panel;
    auto player = std::make_unique<MediaPlayer>();
    QSignalSpy failures(player.get(), &MediaPlayer::failed);
    player->setDisplay(&panel);
    player->Open(movie);
    for (const QChar request : asked)
        request == u'P' ? player->Play() : player->Stop();
    QCOMPARE(player->playbackState(), state);

    QTest::qWait(500);
    QCOMPARE(player->playbackState(), state);
    QCOMPARE(failures.count(), 0);

    player->Play();
    player.reset();
}

QTEST_MAIN(MediaPlayerTest)
#include "tst_mediaplayer.moc"
