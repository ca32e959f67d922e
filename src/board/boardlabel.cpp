#include "board/boardlabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace zub {

BoardLabel::BoardLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    fitToText();
}

void BoardLabel::setColors(const QColor& text, const QColor& background)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, text);
    colors.setColor(QPalette::Window, background);
    setPalette(colors);
}

void BoardLabel::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    fitToText();
}

void BoardLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void BoardLabel::fitToText()
{
    const QFontMetrics metrics(font());
    const QString measured = text().isEmpty() ? QStringLiteral(" ") : text();
    resize(metrics.horizontalAdvance(measured), metrics.height());
}

} // namespace zub
