// zub-artgen: paints the game's pictures and writes them into the art folder.
//
//   zub-artgen OUTPUT_FOLDER [--preview PREVIEW_FOLDER]

#include "artwriter.h"
#include "preview.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    // Painting needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zub-artgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Paints the pictures of Zub Hangman."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("Folder to write the pictures into."));
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     QStringLiteral("Also write PNG previews into <folder>."),
                                     QStringLiteral("folder"));
    parser.addOption(preview);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    const QString output = parser.positionalArguments().constFirst();

    try {
        const QList<zub::artgen::ArtFile> files = zub::artgen::MakeArtFiles();
        zub::artgen::WriteArtFiles(files, output);
        for (const zub::artgen::ArtFile& file : files) {
            std::printf("%8lld  %s\n", static_cast<long long>(file.bytes.size()),
                        qPrintable(QDir(output).filePath(file.name)));
        }
        if (parser.isSet(preview)) {
            zub::artgen::WritePreviews(files, parser.value(preview));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zub-artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
