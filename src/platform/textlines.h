#pragma once

#include <QString>
#include <QStringList>

namespace zub {

// A text file held as a list of lines: read whole, changed line by line, written whole.
//
// Reading splits at CR LF, CR or LF, so a final line break adds no empty line; writing puts CR LF after
// every line, the last one included. The bytes are UTF-8 both ways, except that a file which is not valid
// UTF-8 (8-bit text from another editor) is read as Latin-1, one character per byte, and written back so
// while its text fits, and a leading byte-order mark is written back too: a line the game does not change
// keeps its bytes.
// Every failure throws zub::Error that names the file: one that cannot be read or written, or a line
// index that is not in the list.
class TextLines
{
public:
    // Replaces the whole list with the lines of the file. On failure the list stays as it was.
    void LoadFromFile(const QString& path);
    // Writes the whole list to a new file that then replaces the old one, so a failed or interrupted
    // write leaves the previous content whole.
    void SaveToFile(const QString& path) const;

    const QString& line(int index) const;
    void setLine(int index, const QString& text);
    const QStringList& lines() const { return m_lines; }

    // The list of lines in the text, split at CR LF, CR or LF.
    static QStringList Split(const QString& text);

private:
    void checkIndex(int index) const;

    enum class Encoding
    {
        Utf8,
        Utf8WithBom,
        Latin1,
    };

    QStringList m_lines;
    QString m_fileName;                   // the file last loaded, named in index errors
    Encoding m_encoding = Encoding::Utf8; // how the file last loaded was written; saving writes the same
};

} // namespace zub
