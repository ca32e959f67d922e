#include "preview.h"

#include "bitmapfiles.h"
#include "boardlayout.h"
#include "gallowspicture.h"
#include "paintkit.h"

#include <QDir>
#include <stdexcept>

namespace zub::artgen {

namespace {

const QColor kMaroon(128, 0, 0);

QImage decoded(const QList<ArtFile>& files, const QString& name)
{
    for (const ArtFile& file : files) {
        if (file.name == name) {
            const QByteArray bytes =
                name.endsWith(QLatin1String(".dib")) ? DibAsBmpFile(file.bytes) : file.bytes;
            const QImage picture = QImage::fromData(bytes);
            if (picture.isNull()) {
                throw std::runtime_error("cannot decode " + name.toStdString());
            }
            return picture;
        }
    }
    throw std::runtime_error("no such art file: " + name.toStdString());
}

void save(const QImage& picture, const QString& folder, const QString& name)
{
    if (!picture.save(QDir(folder).filePath(name))) {
        throw std::runtime_error("cannot write " + QDir(folder).filePath(name).toStdString());
    }
}

void paintPanel(QPainter& painter, const QRect& panel, const QString& text, QPoint textAt)
{
    painter.fillRect(panel, Qt::white);
    painter.setFont(ArtFont(Typeface::Sans, 32, true));
    painter.setPen(kMaroon);
    painter.drawText(QRect(panel.topLeft() + textAt, QSize(panel.width(), 40)), Qt::AlignLeft | Qt::AlignTop,
                     text);
}

QImage boardPreview(const QList<ArtFile>& files)
{
    QImage board(kBoardSize, QImage::Format_RGB32);
    board.fill(Qt::black);
    QPainter painter(&board);
    PrepareArtPainter(painter);
    painter.drawImage(kBackdropOrigin, decoded(files, QStringLiteral("backdrop.jpg")));
    for (const char letter : {'A', 'E', 'G', 'O', 'S', 'T', 'Z'}) {
        painter.drawImage(kTiles[letter - 'A'].PicPos,
                          decoded(files, QStringLiteral("%1Pic.bmp").arg(QLatin1Char(letter))));
    }
    painter.drawImage(kNewWordPicture.topLeft(), decoded(files, QStringLiteral("NewWordPic.bmp")));
    painter.drawImage(kGallowsPicture.topLeft(), decoded(files, QStringLiteral("HANGPOS6.dib")));
    painter.drawImage(kSwitchPicture.topLeft(), decoded(files, QStringLiteral("SWITCHPOS6.dib")));
    const ComponentFlags start;
    paintPanel(painter, kScorePanel, QStringLiteral("2500"), QPoint(start.ScorePointsLabel.Left, 3));
    paintPanel(painter, kBestScorePanel, QStringLiteral("12750"), QPoint(start.HighestScoreLabel.Left, 0));
    painter.fillRect(kWordPanel, Qt::white);
    painter.setPen(kMaroon);
    painter.setFont(ArtFont(Typeface::Sans, 32, true));
    // Texts are drawn from their baseline, 30 pixels below the top of their labels.
    painter.drawText(kWordPanel.topLeft() + QPoint(start.Dashes.Left, kDashesTop + 30),
                     QStringLiteral("_ _ _ _ _ _ _"));
    painter.setFont(ArtFont(Typeface::SansNarrow, 32, true));
    const char word[] = "GA  O S";
    for (int i = 0; i < 7; ++i) {
        painter.drawText(kWordPanel.topLeft() + QPoint(start.Letter[i].Left + 4, kLetterTop + 30),
                         QString(QChar::fromLatin1(word[i])));
    }
    return board;
}

QImage stagesPreview(const QList<ArtFile>& files)
{
    QImage sheet(6 * 280, 2 * 260 + 2 * 150 + 85, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter painter(&sheet);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const int column = (stage - 1) % 6;
        const int row = (stage - 1) / 6;
        painter.drawImage(column * 280 + 5, row * 260 + 5,
                          decoded(files, QStringLiteral("HANGPOS%1.dib").arg(stage)));
        painter.drawImage(column * 280 + 5, 520 + row * 150 + 5,
                          decoded(files, QStringLiteral("SWITCHPOS%1.dib").arg(stage)));
    }
    painter.drawImage(5, 520 + 300 + 5, decoded(files, QStringLiteral("HANGHIGHSCORE.dib")));
    return sheet;
}

QImage panelsPreview(const QList<ArtFile>& files)
{
    QImage sheet(1080, 270, QImage::Format_RGB32);
    sheet.fill(QColor(190, 190, 190)); // the panels' button-face grey
    QPainter painter(&sheet);
    PrepareArtPainter(painter);
    // The three panels side by side, each at its place on the sheet.
    const QPoint enterName(10, 10);
    const QPoint wellDone(380, 10);
    const QPoint about(730, 10);
    painter.drawImage(kNameEntryPicture.translated(enterName),
                      decoded(files, QStringLiteral("entername.jpg")));
    painter.fillRect(kNameField.translated(enterName), Qt::white);
    painter.fillRect(kNameOkButton.translated(enterName), QColor(225, 225, 225));
    painter.drawImage(kWellDonePicture.translated(wellDone), decoded(files, QStringLiteral("welldone.jpg")));
    painter.drawImage(kAboutPicture.topLeft() + about, decoded(files, QStringLiteral("about.jpg")));
    painter.fillRect(kAboutOkButton.translated(about), QColor(225, 225, 225));
    return sheet;
}

QImage smallPreview(const QList<ArtFile>& files)
{
    QImage sheet(600, 340, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter painter(&sheet);
    painter.drawImage(QRect(10, 10, 36 * 6, 18 * 6), decoded(files, QStringLiteral("glyph.bmp")));
    painter.fillRect(QRect(250, 10, 74 * 3 + 20, 75 * 3 + 20), Qt::black);
    painter.drawImage(QRect(260, 20, 74 * 3, 75 * 3), decoded(files, QStringLiteral("skip.bmp")));
    painter.drawImage(QRect(10, 140, 32 * 6, 32 * 6), decoded(files, QStringLiteral("mainicon.ico")));
    painter.drawImage(QPoint(500, 140), decoded(files, QStringLiteral("mainicon.ico")));
    return sheet;
}

} // namespace

void WritePreviews(const QList<ArtFile>& files, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create the folder " + folder.toStdString());
    }
    save(boardPreview(files), folder, QStringLiteral("board.png"));
    save(stagesPreview(files), folder, QStringLiteral("stages.png"));
    save(panelsPreview(files), folder, QStringLiteral("panels.png"));
    save(smallPreview(files), folder, QStringLiteral("small.png"));
}

} // namespace zub::artgen
