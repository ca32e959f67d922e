#pragma once

#include "board/mainscr.h"
#include "boardtestdata.h"
#include "game/game.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

// A board window built on a fresh data folder of its own, shown on the offscreen screen and activated,
// whose errors are recorded instead of being shown in a modal box: the test in which it is taken down
// fails when any were reported.
class ShownBoard
{
public:
    explicit ShownBoard(const QString& word = QStringLiteral("BOARD"));
    ~ShownBoard();

    const BoardTestData& data() const { return m_data; }
    zub::TMain& window() const { return *m_window; }
    const zub::ComponentFlags& flags() const { return m_window->game().flags(); }

    // The named control, menu item or timer; a name the board lacks ends the test.
    template <typename T = QWidget> T* find(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("the board has nothing named %s", qPrintable(name));
        return found;
    }

    // A left click in the middle of the named control, sent to the window as the player makes it: it
    // reaches whatever lies topmost there.
    void click(const QString& name) const;
    // Chooses the named menu item.
    void choose(const QString& menuItem) const;

    // When set, takes each error as it is reported instead of recording it.
    std::function<void(const QString& message)> whenError;

private:
    BoardTestData m_data;
    std::unique_ptr<zub::TMain> m_window;
    QStringList m_errors;
};
