#pragma once

#include <QColor>
#include <QLabel>

namespace zub {

// A label of the board: one line of plain text on an opaque box of its background colour, always sized
// to its text. An empty label keeps the size of one blank, so it still occupies its place in the row.
class BoardLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BoardLabel(QWidget* parent = nullptr);

    void setColors(const QColor& text, const QColor& background);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToText();
};

} // namespace zub
