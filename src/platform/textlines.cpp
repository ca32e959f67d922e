#include "platform/textlines.h"

#include "platform/error.h"
#include "platform/replacefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace zub {

void TextLines::LoadFromFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        throw Error(QStringLiteral("Cannot open file \"%1\". It is a folder, not a file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));

    // The decoder drops a leading byte-order mark, so line 0 of a file saved by an editor still reads.
    // Stateless, so that a sequence cut short at the end of the file counts as invalid, not as nothing.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    Encoding encoding = bytes.startsWith("\xef\xbb\xbf") ? Encoding::Utf8WithBom : Encoding::Utf8;
    if (decoder.hasError()) {
        text = QString::fromLatin1(bytes);
        encoding = Encoding::Latin1;
    }
    m_lines = Split(text);
    m_fileName = path;
    m_encoding = encoding;
}

void TextLines::SaveToFile(const QString& path) const
{
    // A Latin-1 file stays Latin-1 while every line fits in it; a character beyond it (a name typed in
    // another script) turns the whole file into UTF-8, so no text is lost and the file still reads whole.
    const auto fitsLatin1 = [](const QString& text) {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    };
    const bool latin1 =
        m_encoding == Encoding::Latin1 && std::all_of(m_lines.begin(), m_lines.end(), fitsLatin1);
    QByteArray bytes = m_encoding == Encoding::Utf8WithBom ? QByteArray("\xef\xbb\xbf") : QByteArray();
    for (const QString& text : m_lines) {
        bytes += latin1 ? text.toLatin1() : text.toUtf8();
        bytes += "\r\n";
    }
    ReplaceFile(path, bytes);
}

const QString& TextLines::line(int index) const
{
    checkIndex(index);
    return m_lines[index];
}

void TextLines::setLine(int index, const QString& text)
{
    checkIndex(index);
    m_lines[index] = text;
}

QStringList TextLines::Split(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

void TextLines::checkIndex(int index) const
{
    if (index >= 0 && index < m_lines.size())
        return;
    QString message = QStringLiteral("List index out of bounds (%1)").arg(index);
    if (!m_fileName.isEmpty())
        message += QStringLiteral(" in %1").arg(m_fileName);
    throw Error(message);
}

} // namespace zub
