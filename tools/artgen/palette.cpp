#include "palette.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

namespace zub::artgen {

namespace {

// Full error diffusion turns nearly flat areas into visible grain; a little less keeps gradients smooth
// and flat areas calm.
constexpr float kDitherStrength = 0.85F;

int clampChannel(float value)
{
    return std::clamp(static_cast<int>(value + 0.5F), 0, 255);
}

} // namespace

Palette::Palette(QList<QRgb> colours) : m_colours(std::move(colours))
{
    const bool hasOpaque =
        std::any_of(m_colours.cbegin(), m_colours.cend(), [](QRgb c) { return qAlpha(c) != 0; });
    if (m_colours.isEmpty() || m_colours.size() > 256 || !hasOpaque) {
        throw std::invalid_argument("palette: needs 1 to 256 colours, at least one of them opaque");
    }
}

int Palette::distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int Palette::nearestIndex(QRgb colour) const
{
    const QRgb opaque = colour | 0xFF000000U;
    const auto known = m_nearest.constFind(opaque);
    if (known != m_nearest.constEnd()) {
        return *known;
    }
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < m_colours.size(); ++i) {
        if (qAlpha(m_colours[i]) == 0) {
            continue;
        }
        const int d = distance(opaque, m_colours[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    m_nearest.insert(opaque, best);
    return best;
}

int Palette::transparentIndex() const
{
    for (int i = 0; i < m_colours.size(); ++i) {
        if (qAlpha(m_colours[i]) == 0) {
            return i;
        }
    }
    return -1;
}

QImage Palette::quantize(const QImage& picture, Dither dither) const
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage indexed = dither == Dither::None ? quantizeNearest(argb) : quantizeDithered(argb);
    indexed.setColorTable(m_colours);
    return indexed;
}

QImage Palette::quantizeNearest(const QImage& argb) const
{
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(m_colours);
    const int clear = transparentIndex();
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const bool hidden = clear >= 0 && qAlpha(line[x]) < 128;
            out[x] = static_cast<uchar>(hidden ? clear : nearestIndex(line[x]));
        }
    }
    return indexed;
}

// Floyd-Steinberg error diffusion, running left to right and right to left on alternate rows so the
// spread error leaves no diagonal streaks.
QImage Palette::quantizeDithered(const QImage& argb) const
{
    const int width = argb.width();
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(m_colours);
    const int clear = transparentIndex();
    // Error of the current and the next row, three channels per pixel, one pixel of margin each side.
    std::vector<float> current(3 * (width + 2), 0.0F);
    std::vector<float> next(3 * (width + 2), 0.0F);

    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            if (clear >= 0 && qAlpha(line[x]) < 128) {
                out[x] = static_cast<uchar>(clear);
                continue;
            }
            float* error = &current[3 * (x + 1)];
            const QRgb wanted =
                qRgb(clampChannel(qRed(line[x]) + error[0]), clampChannel(qGreen(line[x]) + error[1]),
                     clampChannel(qBlue(line[x]) + error[2]));
            const int index = nearestIndex(wanted);
            out[x] = static_cast<uchar>(index);
            const QRgb got = m_colours[index];
            const float spread[3] = {
                kDitherStrength * static_cast<float>(qRed(wanted) - qRed(got)),
                kDitherStrength * static_cast<float>(qGreen(wanted) - qGreen(got)),
                kDitherStrength * static_cast<float>(qBlue(wanted) - qBlue(got)),
            };
            for (int c = 0; c < 3; ++c) {
                current[3 * (x + 1 + step) + c] += spread[c] * 7.0F / 16.0F;
                next[3 * (x + 1 - step) + c] += spread[c] * 3.0F / 16.0F;
                next[3 * (x + 1) + c] += spread[c] * 5.0F / 16.0F;
                next[3 * (x + 1 + step) + c] += spread[c] * 1.0F / 16.0F;
            }
        }
        std::swap(current, next);
        std::fill(next.begin(), next.end(), 0.0F);
    }
    return indexed;
}

} // namespace zub::artgen
