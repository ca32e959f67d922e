#pragma once

#include <QColor>
#include <QWidget>

namespace zub {

// The bevel of a panel's edge: none, raised (light above and left, dark below and right) or lowered.
enum class Bevel
{
    None,
    Raised,
    Lowered,
};

// A panel: a rectangle of one colour framed by an outer and an optional inner bevel of the same width.
class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    explicit BevelPanel(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    void setBevels(Bevel outer, Bevel inner, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = Qt::black;
    Bevel m_outer = Bevel::None;
    Bevel m_inner = Bevel::None;
    int m_bevelWidth = 1;
};

} // namespace zub
