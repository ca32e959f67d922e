#pragma once

#include <QByteArray>
#include <cstdint>

namespace zub::artgen {

// Appends fixed-width integers to a byte buffer in little- or big-endian order.
//
// The bitmap and icon formats are little-endian throughout; the JPEG metadata blocks mix both orders.
class ByteWriter
{
public:
    explicit ByteWriter(QByteArray& bytes) : m_bytes(bytes) {}

    void u8(std::uint32_t value) { m_bytes.append(static_cast<char>(value & 0xFF)); }
    void u16le(std::uint32_t value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32le(std::uint32_t value)
    {
        u16le(value);
        u16le(value >> 16);
    }
    void i32le(std::int32_t value) { u32le(static_cast<std::uint32_t>(value)); }
    void u16be(std::uint32_t value)
    {
        u8(value >> 8);
        u8(value);
    }
    void u32be(std::uint32_t value)
    {
        u16be(value >> 16);
        u16be(value);
    }
    void bytes(const QByteArray& data) { m_bytes.append(data); }
    void zeros(qsizetype count) { m_bytes.append(count, '\0'); }

private:
    QByteArray& m_bytes;
};

} // namespace zub::artgen
