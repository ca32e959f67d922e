// The game in its own windows, timed from inside: from the "Skip Intro" click to the board's first paint
// with its first word, from each letter tile's press to the end of the board's next paint, and the
// memory after the intro and after ten words. Playing on is the soak: resident memory, threads and open
// files after the tenth word against those after the last. Clicks are sent to the controls with
// QTest::mouseClick; the paints are real, on the platform the program runs on (xcb on a virtual X server in
// bench/run.sh).
//
// Usage: zub-bench-board [least tile clicks] [least words] [--trace]
//   --trace: every event delivery longer than 5 ms is written to standard error, to find slow handlers
#include "assets/datapaths.h"
#include "benchapplication.h"
#include "board/mainscr.h"
#include "boardplayer.h"
#include "processfigures.h"
#include "startup/splash.h"
#include "startup/startup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace zub::bench;

constexpr double kFrame = 1.0 / 60; // one frame at 60 Hz: the goal for every figure timed here
constexpr int kIntroSeenMs = 1000;
constexpr double kSoakGrowthGoalMiB = 2;

zub::TMain* FindBoard()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* board = qobject_cast<zub::TMain*>(window))
            return board;
    }
    return nullptr;
}

std::string MiB(const ProcessMemory& memory)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f MiB / %.1f MiB", double(memory.residentKiB) / 1024,
                  double(memory.peakKiB) / 1024);
    return text;
}

std::string Percentiles(const std::vector<double>& samples)
{
    const Spread s = SpreadOf(samples);
    return Milliseconds(s.median) + " / " + Milliseconds(s.p99) + " / " + Milliseconds(s.max);
}

int Fail(const char* why)
{
    std::fprintf(stderr, "zub-bench-board: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const int leastClicks = argc > 1 ? std::atoi(argv[1]) : 500;
    const int leastWords = argc > 2 ? std::atoi(argv[2]) : 10;

    // The player's own high-score table goes to a folder of the run, never the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());

    BenchApplication application(argc, argv);
    if (argc > 3 && std::string(argv[3]) == "--trace")
        application.traceDeliveriesOver(0.005);
    int errors = 0;
    application.setErrorReporter([&errors](const QString&) { ++errors; });
    application.Initialize();
    const zub::DataPaths data(QStringLiteral(ZUB_BENCH_DATA_DIR));
    zub::CreateGameForms(application, data, zub::DataPaths::userHighScores());
    auto* intro = dynamic_cast<zub::TSplashScreen*>(application.MainForm());
    zub::TMain* board = FindBoard();
    if (!intro || !board)
        return Fail("the game's windows were not built");
    intro->show();
    if (!QTest::qWaitForWindowExposed(intro, 10000))
        return Fail("the intro never appeared");

    // The intro plays for a second before Skip Intro, as it does for a player who sees it and clicks; the
    // click at once is timed on the X server by zub-bench-startup.
    ProcessEventsUntil([] { return false; }, kIntroSeenMs);
    BoardPlayer player(application, *intro, *board);
    const double skip = player.skipIntro();
    if (skip < 0)
        return Fail("the board never showed its first word after Skip Intro");
    ProcessEventsUntil([] { return false; }, 1000);
    const ProcessMemory afterIntro = ReadProcessMemory();

    ProcessMemory afterTenWords;
    ProcessHandles handlesAfterTenWords;
    int words = 0;
    while (words < leastWords || int(player.tileClicks().size()) < leastClicks) {
        if (!player.playWord())
            return Fail(
                ("the board stopped answering the tiles in word " + std::to_string(words + 1)).c_str());
        if (++words == 10) {
            afterTenWords = ReadProcessMemory();
            handlesAfterTenWords = ReadProcessHandles();
        }
    }
    if (words < 10) {
        afterTenWords = ReadProcessMemory();
        handlesAfterTenWords = ReadProcessHandles();
    }
    // The media system's players finish their last cue on threads of their own; let them settle.
    ProcessEventsUntil([] { return false; }, 1000);
    const ProcessMemory atTheEnd = ReadProcessMemory();
    const ProcessHandles handlesAtTheEnd = ReadProcessHandles();

    PrintHeader("Inside the game on " + QApplication::platformName().toStdString() + " (" +
                std::to_string(words) + " words: " + std::to_string(player.wordsWon()) + " won, " +
                std::to_string(player.wordsLost()) + " lost)");
    PrintRow("Skip Intro click to first paint with word", Milliseconds(skip), "< 16.7 ms",
             Verdict(skip < kFrame));
    const Spread clicks = SpreadOf(player.tileClicks());
    PrintRow("tile press to painted, " + std::to_string(player.tileClicks().size()) + " clicks",
             "p50 " + Milliseconds(clicks.median));
    PrintRow("", "p99 " + Milliseconds(clicks.p99), "p99 < 16.7 ms", Verdict(clicks.p99 < kFrame));
    PrintRow("", "max " + Milliseconds(clicks.max));
    PrintRow("  of which handling (p50 / p99 / max)", Percentiles(player.tileHandling()));
    PrintRow("New Word tile press to painted (p50/p99/max)", Percentiles(player.nextWordClicks()));
    if (player.unpaintedClicks() > 0)
        PrintRow("clicks followed by no paint", std::to_string(player.unpaintedClicks()));
    PrintRow("VmRSS / VmHWM after the intro", MiB(afterIntro));
    PrintRow("VmRSS / VmHWM after " + std::to_string(std::min(words, 10)) + " words", MiB(afterTenWords));
    PrintRow("VmRSS / VmHWM after " + std::to_string(words) + " words", MiB(atTheEnd));
    const double growthMiB = double(atTheEnd.residentKiB - afterTenWords.residentKiB) / 1024;
    char growth[32];
    std::snprintf(growth, sizeof growth, "%+.1f MiB", growthMiB);
    PrintRow("VmRSS growth, word 10 to " + std::to_string(words), growth, "<= 2 MiB",
             Verdict(growthMiB <= kSoakGrowthGoalMiB));
    PrintRow("threads, word 10 to " + std::to_string(words),
             std::to_string(handlesAfterTenWords.threads) + " -> " + std::to_string(handlesAtTheEnd.threads),
             "no growth", Verdict(handlesAtTheEnd.threads <= handlesAfterTenWords.threads));
    PrintRow("open files, word 10 to " + std::to_string(words),
             std::to_string(handlesAfterTenWords.openFiles) + " -> " +
                 std::to_string(handlesAtTheEnd.openFiles),
             "no growth", Verdict(handlesAtTheEnd.openFiles <= handlesAfterTenWords.openFiles));
    PrintRow("names entered in the high-score table", std::to_string(player.namesEntered()));
    if (errors > 0)
        PrintRow("errors the game reported", std::to_string(errors));

    application.DestroyForms();
    return 0;
}
