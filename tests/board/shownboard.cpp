#include "shownboard.h"

#include "boardtestdata.h"
#include "game/game.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <stdexcept>

ShownBoard::ShownBoard(const BoardTestData& data)
    : m_window(std::make_unique<zub::TMain>(data.paths(), data.highScoreFile()))
{
    m_window->setErrorReporter([this](const QString& message) { m_errors << message; });
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        throw std::runtime_error("the board window was not exposed");
    // Activation reaches the rules through a queued call; deliver it now rather than waiting for it.
    QCoreApplication::sendPostedEvents(m_window.get(), QEvent::MetaCall);
    if (board().HighScoreImage.ResourceName.isEmpty())
        throw std::runtime_error("showing the board did not start play");
}

ShownBoard::~ShownBoard() = default;

const zub::Board& ShownBoard::board() const
{
    return m_window->game().board();
}

void ShownBoard::click(const QString& name) const
{
    QWidget* control = find(name);
    if (!control)
        throw std::runtime_error("no control named " + name.toStdString());
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void ShownBoard::choose(const QString& menuItem) const
{
    auto* action = m_window->findChild<QAction*>(menuItem);
    if (!action)
        throw std::runtime_error("no menu item named " + menuItem.toStdString());
    action->trigger();
}

void ShownBoard::pressEnter() const
{
    QTest::keyClick(m_window.get(), Qt::Key_Return);
}

QPoint ShownBoard::onBackPanel(const QString& name) const
{
    QWidget* control = find(name);
    return control->mapTo(find(QStringLiteral("BackPanel")), QPoint(0, 0));
}
