// The media layer: a player refuses a folder by name, spreads the starts of one sound asked at the same
// moment and drops those not yet made at Stop, restarts the music, and draws a movie into its panel.
// Missing and broken files are the robustness tests' part.
#include "boardtestdata.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/moviethread.h"
#include "platform/media/soundcue.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <memory>
#include <random>

using zub::MediaPlayer;
using namespace zub::test;

class MediaPlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A folder where a media file belongs is refused by name when it is opened.
    void openRefusesAFolder()
    {
        const QString path = m_dir.filePath(QStringLiteral("Intro"));
        QVERIFY(QDir().mkpath(path));
        MediaPlayer player;
        CheckErrorNames(ErrorOf([&] { player.Open(path); }), path, QStringLiteral("cannot be read"));
        QVERIFY(!player.isOpen());
    }

    void startsOfOneMomentAreSpreadAndStopDropsThose_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("started");
        QTest::newRow("three starts, all made") << false << false << 3;
        QTest::newRow("stop drops the starts due") << false << true << 1;
        QTest::newRow("the music restarts at once") << true << false << 3;
    }

    // Three Plays in one handler, as for a letter at three places: the first starts at once, the others
    // SoundCue::kStaggerMs apart, unless Stop comes first; the music starts at every Play.
    void startsOfOneMomentAreSpreadAndStopDropsThose()
    {
        QFETCH(bool, restart);
        QFETCH(bool, stop);
        QFETCH(int, started);
        const QString path = m_dir.filePath(QStringLiteral("tone.wav"));
        BoardTestData::WriteTone(path, 150);
        MediaPlayer player;
        player.Open(path);
        QVERIFY(player.sound());
        if (restart)
            player.sound()->setRepeat(zub::SoundCue::Repeat::Restart);

        for (int i = 0; i < 3; ++i)
            player.Play();
        QCOMPARE(player.sound()->timesStarted(), restart ? 3 : 1);
        if (stop) {
            // Four starts asked at one moment: the last is made after every dropped start was due.
            MediaPlayer witness;
            witness.Open(path);
            for (int i = 0; i < 4; ++i)
                witness.Play();
            player.Stop();
            QTRY_COMPARE(witness.sound()->timesStarted(), 4);
        }
        QTRY_COMPARE(player.sound()->timesStarted(), started);
    }

    // The movie's surface fills its panel. The game's own movie, played into it with its sound played
    // apart, shows its pictures there, and played again while it plays runs on, its sound too; the panel
    // may then be destroyed while the movie still plays, as when the board closes during the game-over
    // movie, and the movie plays on to its end.
    void movieIsDrawnIntoTheWholeOfItsPanelWhichMayGoFirst()
    {
        MediaPlayer player;
        QSignalSpy failures(&player, &MediaPlayer::failed);
        auto panel = std::make_unique<QWidget>();
        panel->resize(270, 250);
        panel->setAutoFillBackground(true);
        panel->setPalette(QPalette(Qt::white));
        player.setDisplay(panel.get());
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        const auto surfaces = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(surfaces.size(), 1);
        QCOMPARE(surfaces.first()->geometry(), panel->rect());

        const QString movie = QStringLiteral(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi");
        if (!QFileInfo::exists(movie))
            QSKIP("the game's movie is not in the source tree");
        const QImage blank = panel->grab().toImage();
        player.Open(movie);
        player.LoadSoundtrack();
        QVERIFY(player.soundtrack());
        player.Play();
        player.Play();
        QTRY_VERIFY_WITH_TIMEOUT(panel->grab().toImage() != blank, 20000);
        QCOMPARE(player.soundtrack()->timesStarted(), 1);

        panel.reset();
        QTRY_COMPARE_WITH_TIMEOUT(player.timesPlayedToEnd(), 1, 20000); // into a sink no panel shows
        QCOMPARE(failures.count(), 0);
        QVERIFY(!player.isPlaying());
    }

    // Movies played and then stopped or dropped at random moments of their start, while the media system
    // may still be building their playback, never stall the movie thread nor make a good file reported as
    // broken: a movie played after them plays to its end, and the program ends with one more movie just
    // started. ZUB_MOVIE_SECONDS=60 makes a long run.
    void moviesTakenDownAtAnyMomentOfTheirStartLeaveTheMovieThreadFree()
    {
        // The game's own movie, in two players: a movie player only ever plays the game's movies.
        const QString movie = QStringLiteral(ZUB_SOURCE_DATA_DIR "/Intro/Game over.avi");
        const quint32 seed = QRandomGenerator::system()->generate();
        qInfo("random moments drawn from seed %u", seed);
        std::mt19937 random(seed);
        QStringList failures;
        const auto newPlayer = [&](const QString& file) {
            auto player = std::make_unique<MediaPlayer>();
            connect(player.get(), &MediaPlayer::failed, [&](const QString& why) { failures << why; });
            player->Open(file);
            return player;
        };
        std::vector<std::unique_ptr<MediaPlayer>> players;
        for (int i = 0; i < 2; ++i)
            players.push_back(newPlayer(movie));
        // Whether the movie thread has taken every request made so far, within 10 s: each round starts on an
        // idle thread, and a stalled one fails the test.
        auto* marker = new QObject;
        marker->moveToThread(&zub::MovieThread());
        const auto caughtUp = [marker] {
            const auto reached = std::make_shared<std::atomic_bool>(false);
            QMetaObject::invokeMethod(marker, [reached] { *reached = true; });
            for (int waited = 0; !*reached && waited < 10000; ++waited)
                QThread::usleep(1000);
            return bool(*reached);
        };
        const int seconds = std::max(3, qEnvironmentVariableIntValue("ZUB_MOVIE_SECONDS"));
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < 1000 * seconds) {
            std::unique_ptr<MediaPlayer>& player = players[random() % players.size()];
            player->Play();
            QThread::usleep(1u << (random() % 17)); // from a microsecond to 65 ms into its start
            if (random() % 2)
                player->Stop();
            else
                player = newPlayer(player->fileName());
            QVERIFY2(caughtUp(), "the movie thread stalled");
        }
        marker->deleteLater();
        players.clear();
        const auto last = newPlayer(movie);
        last->Play();
        QTRY_COMPARE_WITH_TIMEOUT(last->timesPlayedToEnd(), 1, 20000);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        m_startedAtExit.Open(movie);
        m_startedAtExit.Play();
    }

private:
    QTemporaryDir m_dir;
    MediaPlayer m_startedAtExit;
};

QTEST_MAIN(MediaPlayerTest)
#include "tst_mediaplayer.moc"
