#include "artwriter.h"

#include "bannerpicture.h"
#include "bitmapfiles.h"
#include "boardlayout.h"
#include "boardpicture.h"
#include "gallowspicture.h"
#include "iconfile.h"
#include "jpegfile.h"
#include "palette.h"
#include "panelpictures.h"
#include "sharedpalette.h"
#include "smallpictures.h"
#include "switchpicture.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace zub::artgen {

namespace {

constexpr int kJpegQuality = 90;

QString stageName(const char* prefix, int stage)
{
    return QStringLiteral("%1%2.dib").arg(QLatin1String(prefix)).arg(stage);
}

// The stage pictures and the banner share one colour table, built from all of them together.
void addBitmapResources(QList<ArtFile>& files)
{
    QList<QImage> pictures;
    QStringList names;
    for (int stage = 1; stage <= kStageCount; ++stage) {
        pictures.append(PaintGallows(stage));
        names.append(stageName("HANGPOS", stage));
    }
    for (int stage = 1; stage <= kStageCount; ++stage) {
        pictures.append(PaintSwitch(stage));
        names.append(stageName("SWITCHPOS", stage));
    }
    pictures.append(PaintHighScoreBanner());
    names.append(QStringLiteral("HANGHIGHSCORE.dib"));

    const Palette shared(BuildSharedPalette(pictures));
    for (int i = 0; i < pictures.size(); ++i) {
        files.append({names[i], EncodeDib8(shared.quantize(pictures[i], Palette::Dither::FloydSteinberg))});
    }
}

void addBoardPictures(QList<ArtFile>& files)
{
    files.append(
        {QStringLiteral("backdrop.jpg"),
         EncodeJpeg(PaintBoard(kLetterRed, kNewWordRed), QStringLiteral("Zub Hangman board"), kJpegQuality)});
    // The same board with every letter used and New Word locked: each used-tile picture and the
    // locked New Word picture is cut from it at the place it is shown.
    const QImage used = PaintBoard(kUsedLetterWhite, kNewWordGrey);
    for (const TileRule& tile : kTiles) {
        files.append({tile.Pic.toString() + QStringLiteral(".bmp"),
                      EncodeBmp24(used.copy(OnBackdrop(tile.PicArea())))});
    }
    files.append({QStringLiteral("NewWordPic.bmp"), EncodeBmp24(used.copy(OnBackdrop(kNewWordPicture)))});
}

void addPanelPictures(QList<ArtFile>& files)
{
    files.append({QStringLiteral("entername.jpg"),
                  EncodeJpeg(PaintNameEntry(), QStringLiteral("Zub Hangman new high score"), kJpegQuality)});
    files.append({QStringLiteral("welldone.jpg"),
                  EncodeJpeg(PaintWellDone(), QStringLiteral("Zub Hangman well done"), kJpegQuality)});
    files.append({QStringLiteral("about.jpg"),
                  EncodeJpeg(PaintAbout(), QStringLiteral("About Zub Hangman"), kJpegQuality)});
}

void addSmallPictures(QList<ArtFile>& files)
{
    files.append({QStringLiteral("glyph.bmp"), EncodeBmp4(PaintGlyph())});
    files.append({QStringLiteral("skip.bmp"), EncodeBmp24(PaintSkip())});
    files.append({QStringLiteral("mainicon.ico"), EncodeIcon4(PaintIcon())});
}

} // namespace

qsizetype ExpectedFileSize(const QString& name)
{
    if (name.startsWith(QLatin1String("HANGPOS"))) {
        return 69064;
    }
    if (name.startsWith(QLatin1String("SWITCHPOS"))) {
        return 31304;
    }
    if (name == QLatin1String("HANGHIGHSCORE.dib")) {
        return 38564;
    }
    if (name == QLatin1String("NewWordPic.bmp")) {
        return 55386;
    }
    if (name.endsWith(QLatin1String("Pic.bmp"))) {
        return 8262;
    }
    if (name == QLatin1String("glyph.bmp")) {
        return 478;
    }
    if (name == QLatin1String("skip.bmp")) {
        return 16854;
    }
    if (name == QLatin1String("mainicon.ico")) {
        return 766;
    }
    return -1;
}

QList<ArtFile> MakeArtFiles()
{
    QList<ArtFile> files;
    addBitmapResources(files);
    addBoardPictures(files);
    addPanelPictures(files);
    addSmallPictures(files);
    for (const ArtFile& file : files) {
        const qsizetype expected = ExpectedFileSize(file.name);
        if (expected >= 0 && file.bytes.size() != expected) {
            throw std::runtime_error(QStringLiteral("%1 came out at %2 bytes instead of %3")
                                         .arg(file.name)
                                         .arg(file.bytes.size())
                                         .arg(expected)
                                         .toStdString());
        }
    }
    return files;
}

void WriteArtFiles(const QList<ArtFile>& files, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create the folder " + folder.toStdString());
    }
    for (const ArtFile& file : files) {
        QSaveFile out(QDir(folder).filePath(file.name));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit()) {
            throw std::runtime_error("cannot write " + out.fileName().toStdString() + ": " +
                                     out.errorString().toStdString());
        }
    }
}

} // namespace zub::artgen
