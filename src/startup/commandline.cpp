#include "startup/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace zub {

namespace {

const char* const kProgram = "zub-hangman";
constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

// Whether the game opens its board through a display server: Qt picks X11 or Wayland unless
// QT_QPA_PLATFORM names another platform, and both need the address of a display server.
bool WindowSystem()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith(QLatin1StringView("xcb")) ||
           platform.startsWith(QLatin1StringView("wayland"));
}

// Whether the window system the game would open its board on is out of reach: no display is named.
bool NoDisplay()
{
    return WindowSystem() && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The displays named in the environment; Qt tries the Wayland one first, then the X one.
QString NamedDisplays()
{
    QStringList names;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        names << QStringLiteral("Wayland display \"%1\"").arg(qEnvironmentVariable("WAYLAND_DISPLAY"));
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        names << QStringLiteral("display \"%1\"").arg(qEnvironmentVariable("DISPLAY"));
    return names.join(QStringLiteral(" or "));
}

// A message Qt gave while the application object was made, held back until it is known whether the
// display was reached.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QMutex g_heldLock;
QList<HeldMessage> g_held;
QtMessageHandler g_previous = nullptr;

void PassOnHeldMessages()
{
    const QMutexLocker locker(&g_heldLock);
    for (const HeldMessage& message : std::as_const(g_held))
        g_previous(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                   message.text);
    g_held.clear();
}

// Qt's fatal message while it makes the application object is the one for a platform that could not be
// started; for X11 and Wayland that means the display is out of reach. Any other platform's failure is
// told as Qt tells it.
void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        if (WindowSystem()) {
            std::fprintf(stderr, "%s: cannot connect to %s\n", kProgram, qPrintable(NamedDisplays()));
            std::_Exit(kNoDisplay); // nothing of the game has started, so there is nothing to close
        }
        PassOnHeldMessages();
        g_previous(type, context, text);
        return;
    }
    const QMutexLocker locker(&g_heldLock);
    g_held.append({type, context.category, text});
}

} // namespace

UnreachableDisplayGuard::UnreachableDisplayGuard()
{
    g_previous = qInstallMessageHandler(HoldMessage);
}

UnreachableDisplayGuard::~UnreachableDisplayGuard()
{
    qInstallMessageHandler(g_previous);
    PassOnHeldMessages();
}

namespace {

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
