#include "platform/textlines.h"

#include "platform/error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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
    QStringDecoder decoder(QStringDecoder::Utf8);
    m_lines = Split(decoder.decode(bytes));
    m_fileName = path;
}

void TextLines::SaveToFile(const QString& path) const
{
    QByteArray bytes;
    for (const QString& text : m_lines) {
        bytes += text.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
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
