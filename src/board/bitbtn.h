#pragma once

#include <QImage>
#include <QPushButton>

namespace zub {

// A push button with a caption and a two-image glyph: the left half of the glyph is shown while the
// button is enabled, the right half while it is disabled. The colour of the glyph's bottom-left pixel is
// left out, so the button face shows through.
class BitBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit BitBtn(QWidget* parent = nullptr);

    void setGlyph(const QImage& glyph);
};

} // namespace zub
