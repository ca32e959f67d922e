#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <algorithm>

namespace zub {

// The chunks of one RIFF list (a wave file's, a movie's, or a list inside a movie): each id with the
// offset and size of its body. A size that runs past the bytes is cut to what is there, so nothing
// outside them is ever read.
class RiffChunks
{
public:
    RiffChunks(const QByteArray& bytes, qsizetype from, qsizetype to)
        : m_bytes(bytes), m_at(from), m_end(std::min(to, bytes.size()))
    {}

    bool next()
    {
        if (m_at + 8 > m_end)
            return false;
        id = QByteArrayView(m_bytes.constData() + m_at, 4);
        body = m_at + 8;
        size = std::min<qsizetype>(qFromLittleEndian<quint32>(m_bytes.constData() + m_at + 4), m_end - body);
        m_at = body + size + (size & 1); // bodies are padded to an even length
        return true;
    }
    // The type of a LIST chunk; empty for any other.
    QByteArrayView listType() const
    {
        return id == "LIST" && size >= 4 ? QByteArrayView(m_bytes.constData() + body, 4) : QByteArrayView();
    }

    QByteArrayView id;
    qsizetype body = 0;
    qsizetype size = 0;

private:
    const QByteArray& m_bytes;
    qsizetype m_at;
    qsizetype m_end;
};

} // namespace zub
