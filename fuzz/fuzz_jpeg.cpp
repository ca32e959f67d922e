// Any bytes given to the JPEG decoder come back as a 24-bit picture or as an error that names the picture;
// the decoder never reads outside the bytes, never crashes and never writes past the picture it fills.
#include "assets/jpegdecoder.h"
#include "fuzzsupport.h"
#include "platform/error.h"

using namespace zub;
using namespace zub::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = QStringLiteral("FuzzPicture");
    try {
        const QImage image = DecodeJpeg(InputBytes(data, size), name);
        Check(!image.isNull() && image.format() == QImage::Format_RGB888,
              QStringLiteral("a decoded picture that is not 24-bit colour"));
    } catch (const Error& error) {
        Check(error.message().contains(name),
              QStringLiteral("the error does not name the picture: ") + error.message());
    }
    return 0;
}
