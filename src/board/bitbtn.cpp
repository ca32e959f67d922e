#include "board/bitbtn.h"

#include "assets/storedpictures.h"

#include <QIcon>
#include <QPixmap>

namespace zub {

BitBtn::BitBtn(QWidget* parent) : QPushButton(parent)
{
    // A click does not take the keyboard focus from the name field; Enter is handled by the window.
    setFocusPolicy(Qt::TabFocus);
}

void BitBtn::setGlyph(const QImage& glyph)
{
    if (glyph.width() < 2 || glyph.height() < 1)
        return;
    const QImage keyed = WithBottomLeftColourTransparent(glyph);
    const int halfWidth = glyph.width() / 2;
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(keyed.copy(0, 0, halfWidth, glyph.height())), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(keyed.copy(halfWidth, 0, halfWidth, glyph.height())), QIcon::Disabled);
    setIcon(icon);
    setIconSize(QSize(glyph.width() / 2, glyph.height()));
}

} // namespace zub
