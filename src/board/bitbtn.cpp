#include "board/bitbtn.h"

#include <QBitmap>
#include <QIcon>
#include <QPixmap>

namespace zub {

namespace {

QPixmap glyphHalf(const QImage& glyph, int index, const QColor& transparent)
{
    const int halfWidth = glyph.width() / 2;
    QPixmap half = QPixmap::fromImage(glyph.copy(index * halfWidth, 0, halfWidth, glyph.height()));
    half.setMask(half.createMaskFromColor(transparent, Qt::MaskInColor));
    return half;
}

} // namespace

BitBtn::BitBtn(QWidget* parent) : QPushButton(parent)
{
    // A click does not take the keyboard focus from the name field; Enter is handled by the window.
    setFocusPolicy(Qt::TabFocus);
}

void BitBtn::setGlyph(const QImage& glyph)
{
    if (glyph.width() < 2 || glyph.height() < 1)
        return;
    const QColor transparent = glyph.pixelColor(0, glyph.height() - 1);
    QIcon icon;
    icon.addPixmap(glyphHalf(glyph, 0, transparent), QIcon::Normal);
    icon.addPixmap(glyphHalf(glyph, 1, transparent), QIcon::Disabled);
    setIcon(icon);
    setIconSize(QSize(glyph.width() / 2, glyph.height()));
}

} // namespace zub
