// The media generator: composes the game's sounds and renders its two movies into a folder.

#include "mediafiles.h"
#include "moviepaint.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

int main(int argc, char* argv[])
{
    // Movies are painted off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the game's sounds and movies into a folder."));
    parser.addHelpOption();
    const QCommandLineOption encoder(QStringLiteral("encoder"), QStringLiteral("The video encoder to run."),
                                     QStringLiteral("program"), QStringLiteral("ffmpeg"));
    parser.addOption(encoder);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the media files go."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    try {
        zub::mediagen::LoadMovieFonts();
        zub::mediagen::WriteMediaFiles(parser.positionalArguments().first(), parser.value(encoder));
    } catch (const std::exception& error) {
        QTextStream(stderr) << "zub-mediagen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
