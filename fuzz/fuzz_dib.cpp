// Any bytes given to the bitmap-resource decoder come back as an 8-bit picture that the bytes hold whole,
// or as an error that names the resource; nothing is read outside the bytes.
#include "assets/dibimage.h"
#include "fuzzsupport.h"
#include "platform/error.h"

using namespace zub;
using namespace zub::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = QStringLiteral("FUZZPOS1");
    try {
        const QImage image = DecodeDib(InputBytes(data, size), name);
        Check(image.format() == QImage::Format_Indexed8 && image.colorCount() == 256,
              QStringLiteral("a decoded picture without the 256-colour table"));
        // The header, the colour table and rows padded to 4 bytes all lie inside the input.
        const qint64 rows = qint64((image.width() + 3) / 4 * 4) * image.height();
        Check(40 + 1024 + rows <= qint64(size), QStringLiteral("a picture larger than its bytes"));
    } catch (const Error& error) {
        Check(error.message().contains(name),
              QStringLiteral("the error does not name the resource: ") + error.message());
    }
    return 0;
}
