#include "platform/integers.h"

#include "platform/error.h"

#include <limits>

namespace zub {

int StrToInt(const QString& text)
{
    const auto invalid = [&text] {
        return Error(QStringLiteral("'%1' is not a valid integer value").arg(Excerpt(text)));
    };
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        throw invalid();

    // The magnitude is gathered in 64 bits and checked after every digit, so no length can overflow it.
    const qint64 limit =
        negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            throw invalid();
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            throw invalid();
    }
    return int(negative ? -magnitude : magnitude);
}

QString IntToStr(int value)
{
    return QString::number(value);
}

} // namespace zub
