#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QRgb>

namespace zub::artgen {

// A fixed list of colours and the mapping of painted pictures onto it.
//
// An entry with alpha 0 is the palette's transparent entry: it is never chosen for a colour, only for
// pixels that are mostly transparent. Distances weigh green most and blue least, close to how the eye
// judges the difference between two colours.
class Palette
{
public:
    enum class Dither
    {
        None,          // every pixel takes its nearest entry
        FloydSteinberg // the mapping error is spread to the neighbours, so gradients keep their look
    };

    explicit Palette(QList<QRgb> colours);

    const QList<QRgb>& colours() const { return m_colours; }

    // The opaque entry nearest to `colour` (alpha ignored); the lowest index among equals.
    int nearestIndex(QRgb colour) const;

    // The picture as Format_Indexed8 with this palette as its colour table.
    QImage quantize(const QImage& picture, Dither dither) const;

    static int distance(QRgb a, QRgb b);

private:
    QImage quantizeNearest(const QImage& argb) const;
    QImage quantizeDithered(const QImage& argb) const;
    int transparentIndex() const;

    QList<QRgb> m_colours;
    mutable QHash<QRgb, int> m_nearest; // memo of nearestIndex by opaque colour
};

} // namespace zub::artgen
