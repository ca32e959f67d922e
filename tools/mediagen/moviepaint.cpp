#include "moviepaint.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zub::mediagen {

namespace {

const QString kFontFile = QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf");
QString g_fontFamily;

// A fixed scatter of stars: position, size and twinkle, the same on every run.
struct Star
{
    double x; // 0 .. 1 across the sky
    double y; // 0 .. 1 down the sky
    double radius;
    double phase;
};

Star starAt(int index)
{
    const auto fraction = [](double value) { return value - std::floor(value); };
    const double n = index + 1;
    return Star{fraction(n * 0.754877666), fraction(n * 0.569840291), 0.5 + fraction(n * 0.381966) * 1.1,
                fraction(n * 0.618034) * 2.0 * std::numbers::pi};
}

} // namespace

void LoadMovieFonts()
{
    if (!g_fontFamily.isEmpty()) {
        return;
    }
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        throw std::runtime_error("cannot load the lettering font " + kFontFile.toStdString() +
                                 " (Debian package fonts-liberation)");
    }
    g_fontFamily = families.first();
}

QFont LetteringFont(qreal pixelHeight)
{
    QFont font(g_fontFamily);
    font.setPixelSize(int(std::lround(pixelHeight)));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage NewFrame(QSize size)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(Qt::black);
    return frame;
}

void PrepareMoviePainter(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(centre - ink.center());
    return path;
}

void PaintGlow(QPainter& painter, const QPainterPath& path, const QColor& colour, int radius)
{
    // Drawn small and scaled up smoothly, which blurs it; a margin keeps the halo from being cut off.
    constexpr int kShrink = 4;
    const QRectF area = path.boundingRect().adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius);
    const QSize smallSize(std::max(1, int(area.width()) / kShrink),
                          std::max(1, int(area.height()) / kShrink));
    QImage small(smallSize, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    {
        QPainter smallPainter(&small);
        PrepareMoviePainter(smallPainter);
        smallPainter.scale(1.0 / kShrink, 1.0 / kShrink);
        smallPainter.translate(-area.topLeft());
        smallPainter.setPen(QPen(colour, radius));
        smallPainter.setBrush(colour);
        smallPainter.drawPath(path);
    }
    // Two smooth passes spread the halo further than one.
    const QImage halfBlurred = small.scaled(smallSize / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .scaled(smallSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(area, halfBlurred);
}

void PaintNightSky(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom,
                   double time, int starCount)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, top);
    sky.setColorAt(1.0, bottom);
    painter.fillRect(area, sky);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < starCount; ++i) {
        const Star star = starAt(i);
        const double twinkle = 0.55 + 0.45 * std::sin(star.phase + time * (1.3 + star.radius));
        painter.setBrush(QColor(255, 250, 230, int(60 + 160 * twinkle)));
        const QPointF at(area.left() + star.x * area.width(),
                         area.top() + star.y * star.y * area.height() * 0.8);
        painter.drawEllipse(at, star.radius, star.radius);
    }
    painter.restore();
}

void PaintBeam(QPainter& painter, const QRectF& rect, const QColor& wood)
{
    const bool upright = rect.height() > rect.width();
    painter.save();
    QLinearGradient shade(upright ? rect.topLeft() : rect.topLeft(),
                          upright ? rect.topRight() : rect.bottomLeft());
    shade.setColorAt(0.0, wood.lighter(135));
    shade.setColorAt(0.35, wood);
    shade.setColorAt(1.0, wood.darker(160));
    painter.setPen(QPen(wood.darker(260), 1.2));
    painter.setBrush(shade);
    painter.drawRoundedRect(rect, 1.5, 1.5);
    painter.setPen(QPen(wood.darker(140), 0.8));
    const double across = upright ? rect.width() : rect.height();
    for (int line = 1; line < 3; ++line) {
        const double offset = across * line / 3.0 + std::sin(line * 2.1) * 1.2;
        if (upright) {
            painter.drawLine(QPointF(rect.left() + offset, rect.top() + 3),
                             QPointF(rect.left() + offset, rect.bottom() - 3));
        } else {
            painter.drawLine(QPointF(rect.left() + 3, rect.top() + offset),
                             QPointF(rect.right() - 3, rect.top() + offset));
        }
    }
    painter.restore();
}

void PaintVignette(QPainter& painter, const QRectF& area, double strength)
{
    QRadialGradient shadow(area.center(), std::hypot(area.width(), area.height()) / 2);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 0));
    shadow.setColorAt(0.6, QColor(0, 0, 0, 0));
    shadow.setColorAt(1.0, QColor(0, 0, 0, int(255 * std::clamp(strength, 0.0, 1.0))));
    painter.fillRect(area, shadow);
}

} // namespace zub::mediagen
