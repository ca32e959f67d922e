#include "assets/jpegdecoder.h"

#include "assets/picturelimits.h"
#include "platform/error.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace zub {

namespace {

constexpr qint64 MaxDecodedBytes = 100 * 1024 * 1024;

// libjpeg's error manager extended by the place to jump back to. libjpeg is C: its error exit must not
// return, and a C++ exception must not unwind through its frames, so errors leave by longjmp and are
// turned into zub::Error only once the decoder's frames are gone.
struct JumpingErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jumpBack, 1);
}

// Trace messages are dropped and nothing reaches stderr. A warning means corrupt or missing data, which
// would otherwise be drawn as grey, so the game treats it as an error of the picture.
void failOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        jumpOnError(info);
}

// One decompressor with its error manager; destroyed whichever way decoding ends.
struct Decompressor
{
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};

    Decompressor()
    {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = jumpOnError;
        errors.base.emit_message = failOnWarning;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

// The two functions below are the only places that call setjmp. Between setjmp and any longjmp there
// live only plain C data, so no destructor is skipped. Each returns false when libjpeg failed.

bool readHeader(Decompressor& decoder, const unsigned char* data, unsigned long size)
{
    if (setjmp(decoder.errors.jumpBack) != 0)
        return false;
    jpeg_create_decompress(&decoder.info);
    jpeg_mem_src(&decoder.info, data, size);
    jpeg_read_header(&decoder.info, TRUE);
    return true;
}

bool readPixels(Decompressor& decoder, unsigned char* firstLine, qsizetype bytesPerLine)
{
    if (setjmp(decoder.errors.jumpBack) != 0)
        return false;
    jpeg_decompress_struct& info = decoder.info;
    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = 1;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW line = firstLine + qsizetype(info.output_scanline) * bytesPerLine;
        jpeg_read_scanlines(&info, &line, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

Error decoderError(Decompressor& decoder, const QString& what)
{
    char text[JMSG_LENGTH_MAX] = {};
    decoder.errors.base.format_message(reinterpret_cast<j_common_ptr>(&decoder.info), text);
    return Error(QStringLiteral("JPEG error #%1 in %2 (%3)")
                     .arg(decoder.errors.base.msg_code)
                     .arg(what, QString::fromLocal8Bit(text)));
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes, const QString& what)
{
    Decompressor decoder;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (!readHeader(decoder, data, static_cast<unsigned long>(bytes.size())))
        throw decoderError(decoder, what);

    const JDIMENSION width = decoder.info.image_width;
    const JDIMENSION height = decoder.info.image_height;
    if (width > kMaxPictureSide || height > kMaxPictureSide || qint64(width) * height * 3 > MaxDecodedBytes)
        throw Error(QStringLiteral("The JPEG picture %1 is too large to decode: %2 x %3 pixels.")
                        .arg(what)
                        .arg(width)
                        .arg(height));

    QImage image(int(width), int(height), QImage::Format_RGB888);
    if (image.isNull())
        throw Error(QStringLiteral("There is not enough memory to decode the JPEG picture %1.").arg(what));
    if (!readPixels(decoder, image.bits(), image.bytesPerLine()))
        throw decoderError(decoder, what);
    return image;
}

} // namespace zub
