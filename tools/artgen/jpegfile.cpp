#include "jpegfile.h"

#include "jpegmetadata.h"

#include <QColorSpace>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace zub::artgen {

namespace {

constexpr int kApp1 = JPEG_APP0 + 1;
constexpr int kApp13 = JPEG_APP0 + 13;

// The encoder reports errors through this handler, which jumps back out of the compression calls.
struct ErrorJump
{
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr info)
{
    auto* jump = reinterpret_cast<ErrorJump*>(info->err);
    (*info->err->format_message)(info, jump->message);
    std::longjmp(jump->back, 1);
}

void writeMarker(jpeg_compress_struct& info, int marker, const QByteArray& payload)
{
    jpeg_write_marker(&info, marker, reinterpret_cast<const JOCTET*>(payload.constData()),
                      static_cast<unsigned int>(payload.size()));
}

void configure(jpeg_compress_struct& info, const QImage& picture, int quality)
{
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.restart_interval = static_cast<unsigned int>(McusPerRow(picture.width()));
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 2;
    info.density_unit = 1; // dots per inch
    info.X_density = 72;
    info.Y_density = 72;
    info.write_Adobe_marker = TRUE;
}

// Runs the whole compression; returns false with `jump.message` set if the encoder failed. Holds no
// object with a destructor, so the error jump skips nothing that needs cleaning up.
bool compress(ErrorJump& jump, jpeg_compress_struct& info, const QImage& rgb, int quality,
              const QByteArray* segments, const QByteArray& iccProfile, unsigned char** out,
              unsigned long* outSize)
{
    info.err = jpeg_std_error(&jump.manager);
    jump.manager.error_exit = jumpOnError;
    if (setjmp(jump.back) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    configure(info, rgb, quality);
    jpeg_start_compress(&info, TRUE);
    writeMarker(info, kApp1, segments[0]);
    writeMarker(info, kApp1, segments[1]);
    jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET*>(iccProfile.constData()),
                           static_cast<unsigned int>(iccProfile.size()));
    writeMarker(info, kApp13, segments[2]);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

int McusPerRow(int width)
{
    return (width + 7) / 8;
}

QByteArray EncodeJpeg(const QImage& picture, const QString& title, int quality)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const QByteArray segments[3] = {ExifPayload(rgb.size()), XmpPayload(title), ImageResourcePayload()};
    const QByteArray iccProfile = QColorSpace(QColorSpace::SRgb).iccProfile();

    jpeg_compress_struct info{};
    ErrorJump jump{};
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    const bool done = compress(jump, info, rgb, quality, segments, iccProfile, &out, &outSize);
    QByteArray bytes;
    if (done) {
        bytes = QByteArray(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
    }
    std::free(out); // the memory destination allocates with malloc
    if (!done) {
        throw std::runtime_error(std::string("JPEG encoder: ") + jump.message);
    }
    return bytes;
}

} // namespace zub::artgen
