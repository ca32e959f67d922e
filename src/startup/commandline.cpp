#include "startup/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace zub {

namespace {

const char* const kProgram = "zub-hangman";
constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

// Whether the window system the game would open its board on is out of reach: Qt picks X11 or Wayland
// unless QT_QPA_PLATFORM names another platform, and both need the address of a display server.
bool NoDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool windowSystem = platform.isEmpty() || platform.startsWith(QLatin1StringView("xcb")) ||
                              platform.startsWith(QLatin1StringView("wayland"));
    return windowSystem && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The options, parsed by Qt's parser. The help and version options are our own rather than the parser's
// ready-made ones, which add Qt's options (--help-all) that the game would not answer.
std::optional<int> AnswerOptions(int argc, char* argv[])
{
    QCoreApplication core(argc, argv); // the parser takes the program's name and arguments from it
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A full-screen hangman game for one player."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOptions({help, version});
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString error =
            parsed ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst())
                   : parser.errorText();
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, qPrintable(error),
                     kProgram);
        return kUsageError;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", kProgram, ZUB_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[])
{
    if (argc > 1) {
        if (const std::optional<int> status = AnswerOptions(argc, argv))
            return status;
    }
    if (NoDisplay()) {
        std::fprintf(stderr, "%s: cannot connect to a display: set DISPLAY or WAYLAND_DISPLAY\n", kProgram);
        return kNoDisplay;
    }
    return std::nullopt;
}

} // namespace zub
