#include "sharedpalette.h"

#include "palette.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zub::artgen {

namespace {

constexpr int kMiddleEntries = kSharedPaletteSize - 2 * kStaticColoursAtEachEnd;
constexpr int kChannelBits = 6;                         // histogram resolution per channel
constexpr int kCoveredDistance = 3 * 9 + 4 * 9 + 2 * 9; // within 3 steps of a static colour

// One occupied histogram cell: the mean colour of its pixels and how much it counts.
struct Cell
{
    double channel[3];
    double weight;
};

// A run of cells that will become one palette entry.
struct Box
{
    std::size_t begin;
    std::size_t end;
    double error; // weighted squared distance of the cells from their mean

    std::size_t size() const { return end - begin; }
};

std::vector<Cell> histogramCells(const QList<QImage>& pictures, const QList<QRgb>& fixed)
{
    constexpr int cellsPerChannel = 1 << kChannelBits;
    constexpr int shift = 8 - kChannelBits;
    std::vector<double> count(cellsPerChannel * cellsPerChannel * cellsPerChannel, 0.0);
    std::vector<double> sums(3 * count.size(), 0.0);
    for (const QImage& picture : pictures) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x) {
                const QRgb c = line[x];
                const std::size_t cell = (static_cast<std::size_t>(qRed(c) >> shift) << (2 * kChannelBits)) |
                                         (static_cast<std::size_t>(qGreen(c) >> shift) << kChannelBits) |
                                         static_cast<std::size_t>(qBlue(c) >> shift);
                count[cell] += 1.0;
                sums[3 * cell] += qRed(c);
                sums[3 * cell + 1] += qGreen(c);
                sums[3 * cell + 2] += qBlue(c);
            }
        }
    }
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < count.size(); ++i) {
        if (count[i] == 0.0) {
            continue;
        }
        Cell cell{{sums[3 * i] / count[i], sums[3 * i + 1] / count[i], sums[3 * i + 2] / count[i]},
                  std::sqrt(count[i])}; // damped, so small details still win entries next to big areas
        const QRgb mean = qRgb(qRound(cell.channel[0]), qRound(cell.channel[1]), qRound(cell.channel[2]));
        const bool covered = std::any_of(fixed.cbegin(), fixed.cend(), [mean](QRgb f) {
            return Palette::distance(mean, f) <= kCoveredDistance;
        });
        if (!covered) {
            cells.push_back(cell);
        }
    }
    return cells;
}

void meanOf(const std::vector<Cell>& cells, const Box& box, double mean[3], double& weight)
{
    weight = 0.0;
    mean[0] = mean[1] = mean[2] = 0.0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        weight += cells[i].weight;
        for (int c = 0; c < 3; ++c) {
            mean[c] += cells[i].weight * cells[i].channel[c];
        }
    }
    for (int c = 0; c < 3; ++c) {
        mean[c] /= weight;
    }
}

Box makeBox(const std::vector<Cell>& cells, std::size_t begin, std::size_t end)
{
    Box box{begin, end, 0.0};
    double mean[3];
    double weight = 0.0;
    meanOf(cells, box, mean, weight);
    for (std::size_t i = begin; i < end; ++i) {
        for (int c = 0; c < 3; ++c) {
            const double d = cells[i].channel[c] - mean[c];
            box.error += cells[i].weight * d * d;
        }
    }
    return box;
}

// Sorts the box's cells along its widest channel and cuts it where half the weight lies on each side.
std::pair<Box, Box> split(std::vector<Cell>& cells, const Box& box)
{
    int widest = 0;
    double widestRange = -1.0;
    for (int c = 0; c < 3; ++c) {
        const auto [low, high] =
            std::minmax_element(cells.begin() + box.begin, cells.begin() + box.end,
                                [c](const Cell& a, const Cell& b) { return a.channel[c] < b.channel[c]; });
        if (high->channel[c] - low->channel[c] > widestRange) {
            widest = c;
            widestRange = high->channel[c] - low->channel[c];
        }
    }
    std::stable_sort(
        cells.begin() + box.begin, cells.begin() + box.end,
        [widest](const Cell& a, const Cell& b) { return a.channel[widest] < b.channel[widest]; });
    double total = 0.0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        total += cells[i].weight;
    }
    double below = 0.0;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        below += cells[i].weight;
        cut = i + 1;
        if (below >= total / 2.0) {
            break;
        }
    }
    return {makeBox(cells, box.begin, cut), makeBox(cells, cut, box.end)};
}

QList<QRgb> medianCut(std::vector<Cell> cells, int entries)
{
    std::vector<Box> boxes;
    if (!cells.empty()) {
        boxes.push_back(makeBox(cells, 0, cells.size()));
    }
    while (static_cast<int>(boxes.size()) < entries) {
        auto worst = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return (a.size() > 1 ? a.error : -1.0) < (b.size() > 1 ? b.error : -1.0);
        });
        if (worst == boxes.end() || worst->size() < 2) {
            break;
        }
        const auto [first, second] = split(cells, *worst);
        *worst = first;
        boxes.push_back(second);
    }
    QList<QRgb> colours;
    for (const Box& box : boxes) {
        double mean[3];
        double weight = 0.0;
        meanOf(cells, box, mean, weight);
        colours.append(qRgb(qRound(mean[0]), qRound(mean[1]), qRound(mean[2])));
    }
    return colours;
}

} // namespace

QList<QRgb> StaticSystemColours()
{
    return {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
        qRgb(192, 220, 192), qRgb(166, 202, 240), // entries 0..9
        qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),
        qRgb(0, 255, 0),     qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),
        qRgb(0, 255, 255),   qRgb(255, 255, 255), // entries 246..255
    };
}

QList<QRgb> BuildSharedPalette(const QList<QImage>& pictures)
{
    const QList<QRgb> fixed = StaticSystemColours();
    QList<QRgb> middle = medianCut(histogramCells(pictures, fixed), kMiddleEntries);
    // Pictures with few colours leave entries over: fill them with a grey ramp.
    for (int step = 0; middle.size() < kMiddleEntries; ++step) {
        const int level = (step * 37) % 256;
        middle.append(qRgb(level, level, level));
    }
    std::stable_sort(middle.begin(), middle.end(), [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });

    QList<QRgb> table = fixed.first(kStaticColoursAtEachEnd);
    table.append(middle);
    table.append(fixed.last(kStaticColoursAtEachEnd));
    return table;
}

} // namespace zub::artgen
