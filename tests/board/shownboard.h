#pragma once

#include "board/mainscr.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class BoardTestData;

// A board window built on test data, shown on the offscreen screen and activated, whose errors are
// recorded instead of being shown in a modal box.
class ShownBoard
{
public:
    explicit ShownBoard(const BoardTestData& data);
    ~ShownBoard();

    zub::TMain& window() const { return *m_window; }
    const zub::Board& board() const;
    const QStringList& errors() const { return m_errors; }

    template <typename T = QWidget> T* find(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }

    // A left click in the middle of the named control, as the player makes it.
    void click(const QString& name) const;
    // Chooses the named menu item.
    void choose(const QString& menuItem) const;
    // Presses Enter in the window.
    void pressEnter() const;

    // The named control's top-left corner in the coordinates of BackPanel.
    QPoint onBackPanel(const QString& name) const;

private:
    std::unique_ptr<zub::TMain> m_window;
    QStringList m_errors;
};
