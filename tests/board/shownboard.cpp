#include "shownboard.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <stdexcept>

ShownBoard::ShownBoard(const QString& word) : m_data(word)
{
    qputenv("XDG_DATA_HOME", m_data.folder().toLocal8Bit());
    m_window =
        std::make_unique<zub::TMain>(m_data.paths(), m_data.highScoreFile(), [this](const QString& message) {
            if (whenError)
                whenError(message);
            else
                m_errors << message;
        });
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        throw std::runtime_error("the board window was not exposed");
    // Activation reaches the rules through a queued call; deliver it now rather than waiting for it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    if (flags().HighScoreImage.ResourceName.isEmpty())
        throw std::runtime_error("showing the board did not start play");
}

ShownBoard::~ShownBoard()
{
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(u'\n')));
}

void ShownBoard::click(const QString& name) const
{
    const QWidget* control = find(name);
    const QPoint middle = control->mapTo(m_window.get(), control->rect().center());
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, middle);
}

void ShownBoard::choose(const QString& menuItem) const
{
    find<QAction>(menuItem)->trigger();
}
