#include "board/boarddisplay.h"

#include "assets/bitmapresources.h"
#include "board/bevelpanel.h"
#include "board/boardlabel.h"
#include "board/clickareacontrol.h"
#include "board/imagecontrol.h"
#include "platform/error.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace zub {

namespace {

void setShown(QWidget* control, bool visible)
{
    if (control->isHidden() == visible)
        control->setVisible(visible);
}

void setEnabled(QWidget* control, bool enabled)
{
    if (control->isEnabled() != enabled)
        control->setEnabled(enabled);
}

void setLeft(QWidget* control, int left)
{
    if (control->x() != left)
        control->move(left, control->y());
}

void showMenuItem(QAction* action, const MenuItem& item)
{
    if (action->isEnabled() != item.Enabled)
        action->setEnabled(item.Enabled);
    if (action->isChecked() != item.Checked)
        action->setChecked(item.Checked);
}

void showTimer(QTimer* timer, const TimerFlags& flags)
{
    if (timer->interval() != flags.Interval)
        timer->setInterval(flags.Interval);
    if (flags.Enabled && !timer->isActive())
        timer->start();
    else if (!flags.Enabled && timer->isActive())
        timer->stop();
}

} // namespace

BoardDisplay::BoardDisplay(QWidget& window, const BoardControls& controls)
    : m_window(window), m_controls(controls)
{}

void BoardDisplay::show(const ComponentFlags& board)
{
    const BoardControls& c = m_controls;
    if (m_window.windowTitle() != board.Caption)
        m_window.setWindowTitle(board.Caption);

    if (c.BackPanel->pos() != QPoint(board.BackPanel.Left, board.BackPanel.Top))
        c.BackPanel->move(board.BackPanel.Left, board.BackPanel.Top);

    for (int i = 0; i < kTileCount; ++i) {
        setEnabled(c.tileButtons[i], board.Tiles[i].Button.Enabled);
        setShown(c.tilePictures[i], board.Tiles[i].Pic.Visible);
    }
    setEnabled(c.NewWordClick, board.NewWordClick.Enabled);
    setShown(c.NewWordPic, board.NewWordPic.Visible);

    showLabel(c.ScorePointsLabel, board.ScorePointsLabel);
    showLabel(c.HighestScoreLabel, board.HighestScoreLabel);
    showLabel(c.Dashes, board.Dashes);
    for (int n = 0; n < kLetterSlotCount; ++n)
        showLabel(c.Letter[n], board.Letter[n]);
    for (int n = 0; n < 2 * kRankCount; ++n)
        c.HSLabel[n]->setCaption(board.HSLabel[n]);

    setShown(c.MovieScreen, board.MovieScreen.Visible);
    setShown(c.EnterNamePanel, board.EnterNamePanel.Visible);
    setShown(c.WellDonePanel, board.WellDonePanel.Visible);
    setShown(c.GameOverPanel, board.GameOverPanel.Visible);
    setShown(c.AboutPanel, board.AboutPanel.Visible);

    if (c.NameText->text() != board.NameText)
        c.NameText->setText(board.NameText);

    showMenuItem(c.Hints1, board.Hints1);
    showMenuItem(c.N10001, board.N10001);
    showMenuItem(c.N20001, board.N20001);
    showMenuItem(c.EnableHints1, board.EnableHints1);
    showMenuItem(c.EnablePictures1, board.EnablePictures1);
    showMenuItem(c.EnableBoth1, board.EnableBoth1);

    showTimer(c.GameOverTimer, board.GameOverTimer);
    showTimer(c.WinTimer, board.WinTimer);
    showTimer(c.Timer1, board.Timer1);

    QString error;
    showResource(c.SwitchPosPic, m_switchResource, board.SwitchPosPic.ResourceName, error);
    showResource(c.HangmanPic, m_hangmanResource, board.HangmanPic.ResourceName, error);
    showResource(c.HighScoreImage, m_highScoreResource, board.HighScoreImage.ResourceName, error);
    if (!error.isEmpty())
        throw Error(error);
}

void BoardDisplay::showLabel(BoardLabel* label, const ::zub::Label& flags)
{
    label->setCaption(flags.Caption);
    setLeft(label, flags.Left);
    setShown(label, flags.Visible);
}

void BoardDisplay::showResource(ImageControl* image, QString& shownName, const QString& wantedName,
                                QString& error)
{
    if (wantedName == shownName)
        return;
    // The name counts as shown even when it fails, so one broken resource is reported once, not after
    // every click; the image keeps its previous picture.
    shownName = wantedName;
    if (wantedName.isEmpty()) {
        image->setPicture({});
        return;
    }
    try {
        image->setPicture(LoadFromResourceName(wantedName));
    } catch (const Error& e) {
        if (error.isEmpty())
            error = e.message();
    }
}

} // namespace zub
