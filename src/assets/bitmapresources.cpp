#include "assets/bitmapresources.h"

#include "assets/dibimage.h"
#include "platform/error.h"

#include <QFile>
#include <QRegularExpression>

namespace zub {

QImage LoadFromResourceName(const QString& name)
{
    // Resource names are whole names in capitals; anything else (paths, empty names) is not one of ours.
    static const QRegularExpression validName(QStringLiteral("^[A-Z0-9]+$"));
    QFile file(QStringLiteral(":/zub/bitmaps/%1.dib").arg(name));
    if (!validName.match(name).hasMatch() || !file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("There is no bitmap resource named \"%1\".").arg(name));
    return DecodeDib(file.readAll(), name);
}

} // namespace zub
