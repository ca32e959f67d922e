#include "assets/storedpictures.h"

#include "assets/jpegdecoder.h"
#include "platform/error.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <array>
#include <future>
#include <map>
#include <mutex>

namespace zub {

namespace {

enum class PictureFormat
{
    Jpeg,
    Bmp,
};

struct PictureFile
{
    QLatin1StringView component;
    QLatin1StringView fileName;
    PictureFormat format;
};

// The pictures other than the 26 used-tile pictures, which are named "APic.bmp" .. "ZPic.bmp".
constexpr std::array PictureFiles{
    PictureFile{QLatin1StringView("Backdrop"), QLatin1StringView("backdrop.jpg"), PictureFormat::Jpeg},
    PictureFile{QLatin1StringView("Image1"), QLatin1StringView("entername.jpg"), PictureFormat::Jpeg},
    PictureFile{QLatin1StringView("Image2"), QLatin1StringView("welldone.jpg"), PictureFormat::Jpeg},
    PictureFile{QLatin1StringView("Image3"), QLatin1StringView("about.jpg"), PictureFormat::Jpeg},
    PictureFile{QLatin1StringView("NewWordPic"), QLatin1StringView("NewWordPic.bmp"), PictureFormat::Bmp},
    PictureFile{QLatin1StringView("Glyph"), QLatin1StringView("glyph.bmp"), PictureFormat::Bmp},
    PictureFile{QLatin1StringView("SkipPicture"), QLatin1StringView("skip.bmp"), PictureFormat::Bmp},
};

const QString PictureFolder = QStringLiteral(":/zub/pictures/");

// Where a stored picture lives among the resources, and how it is decoded.
struct PictureSource
{
    QString path;
    PictureFormat format;
};

PictureSource findPicture(const QString& name)
{
    for (const PictureFile& file : PictureFiles) {
        if (file.component == name)
            return {PictureFolder + file.fileName, file.format};
    }
    static const QRegularExpression tilePicture(QStringLiteral("^[A-Z]Pic$"));
    if (tilePicture.match(name).hasMatch())
        return {PictureFolder + name + QStringLiteral(".bmp"), PictureFormat::Bmp};
    throw Error(QStringLiteral("There is no stored picture named \"%1\".").arg(name));
}

QByteArray readPictureBytes(const QString& name, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            QStringLiteral("The stored picture %1 (%2) is missing from the program.").arg(name, path));
    return file.readAll();
}

// Complete BMP and icon files are read by Qt's own readers.
QImage decodeWithQt(const QString& name, const QString& path, const QByteArray& bytes, const char* format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw Error(QStringLiteral("The stored picture %1 (%2) cannot be read: %3.")
                        .arg(name, path, reader.errorString()));
    return image;
}

QImage decodeStoredPicture(const QString& name)
{
    const PictureSource source = findPicture(name);
    const QByteArray bytes = readPictureBytes(name, source.path);
    if (source.format == PictureFormat::Jpeg)
        return DecodeJpeg(bytes, name);
    const QImage image = decodeWithQt(name, source.path, bytes, "bmp");
    if (name == QLatin1StringView("SkipPicture"))
        return WithBottomLeftColourTransparent(image);
    return image;
}

// Pictures being decoded ahead, by name; each is taken out by the first StoredPicture that asks for it.
struct Prefetched
{
    std::mutex lock;
    std::map<QString, std::future<QImage>> pictures;
};

Prefetched& prefetched()
{
    static Prefetched ahead;
    return ahead;
}

} // namespace

QImage WithBottomLeftColourTransparent(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

void PrefetchStoredPictures()
{
    Prefetched& ahead = prefetched();
    const std::scoped_lock guard(ahead.lock);
    for (const PictureFile& file : PictureFiles) {
        const QString name = file.component;
        if (file.format == PictureFormat::Jpeg && !ahead.pictures.contains(name))
            ahead.pictures.emplace(name, std::async(std::launch::async, decodeStoredPicture, name));
    }
}

QImage StoredPicture(const QString& name)
{
    std::future<QImage> picture;
    {
        Prefetched& ahead = prefetched();
        const std::scoped_lock guard(ahead.lock);
        if (const auto found = ahead.pictures.find(name); found != ahead.pictures.end()) {
            picture = std::move(found->second);
            ahead.pictures.erase(found);
        }
    }
    // A picture decoded ahead brings its error, if it had one, with it.
    return picture.valid() ? picture.get() : decodeStoredPicture(name);
}

QIcon MainIcon()
{
    const QString name = QStringLiteral("MAINICON");
    const QString path = PictureFolder + QStringLiteral("mainicon.ico");
    return QIcon(QPixmap::fromImage(decodeWithQt(name, path, readPictureBytes(name, path), "ico")));
}

} // namespace zub
