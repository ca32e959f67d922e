#include "board/mainscr.h"

#include "assets/fonts.h"
#include "assets/storedpictures.h"
#include "board/bevelpanel.h"
#include "board/bitbtn.h"
#include "board/boardbuilder.h"
#include "game/game.h"
#include "platform/error.h"
#include "platform/idlework.h"
#include "platform/media/mediahandle.h"
#include "platform/terminate.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <exception>
#include <utility>

namespace zub {

namespace {

const QSize kRestoredSize(1003, 757);
// How long the first show waits for the window system to give the maximised board its size.
constexpr std::chrono::milliseconds kLongestSizeWait(500);

} // namespace

TMain::TMain(const DataPaths& dataPaths, const QString& highScoreFile, ErrorReporter report, QWidget* parent)
    : QMainWindow(parent), m_report(std::move(report)),
      m_firstSize(*this, kLongestSizeWait, [this] { FormActivate(); })
{
    RegisterBoardFonts();
    setObjectName(QStringLiteral("Main"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(MainIcon());

    m_controls = BuildBoard(
        *this, {.handle = [this](GameHandler handler) { handle(handler); },
                .exit = [this] { Exit2Click(); },
                .nameTyped = [this](const QString& text) { guarded([&] { m_game->setNameText(text); }); }});
    QPalette black = m_controls.clientArea->palette();
    black.setColor(QPalette::Window, ColorValue(NamedColor::clBlack));
    m_controls.clientArea->setPalette(black);
    m_controls.clientArea->setAutoFillBackground(true);
    m_controls.clientArea->setFont(BoardFont(BoardTypeface::SansSerif, 11, false));

    openMediaPlayers(dataPaths);

    const GameFiles files{dataPaths.wordList1000(), dataPaths.wordList2000(), highScoreFile,
                          dataPaths.highScoreTemplate()};
    m_game = std::make_unique<Game>(files, m_cues, m_random);
    m_display = std::make_unique<BoardDisplay>(*this, m_controls);

    placeRestoredBounds();
    setWindowState(Qt::WindowMaximized);
    m_display->show(m_game->flags());
    // While the intro plays, the board is drawn once off screen, so that its first show finds the glyphs
    // of its fonts and its pictures ready: without this the first drawing after Skip Intro took 40-50 ms.
    WhenIdle(*this, [this] { prepareFirstShow(); });
}

void TMain::prepareFirstShow()
{
    if (isVisible())
        return;
    QPixmap canvas(size());
    render(&canvas);
}

TMain::~TMain() = default;

void TMain::openMediaPlayers(const DataPaths& dataPaths)
{
    for (const CueMedia& media : kCues) {
        auto* player = new MediaHandle(this);
        player->setObjectName(media.player);
        if (QWidget* screen = m_controls.movieScreens[static_cast<std::size_t>(media.cue)])
            player->setDisplay(screen);
        player->Open(dataPaths.media(media.file));
        connect(player, &MediaHandle::failed, this, [this](const QString& message) { m_report(message); });
        m_cues.bind(media.cue, *player);
    }
}

void TMain::placeRestoredBounds()
{
    QRect bounds(QPoint(0, 0), kRestoredSize);
    if (const QScreen* shown = screen())
        bounds.moveCenter(shown->availableGeometry().center());
    setGeometry(bounds);
}

void TMain::FormActivate()
{
    guarded(
        [this] { m_game->FormActivate(m_controls.clientArea->width(), m_controls.clientArea->height()); });
}

void TMain::Exit2Click()
{
    Terminate();
}

void TMain::FormClose()
{
    Terminate();
}

void TMain::GameOverTimerTimer()
{
    handle(&Game::GameOverTimerTimer);
}

void TMain::WinTimerTimer()
{
    handle(&Game::WinTimerTimer);
}

void TMain::Timer1Timer()
{
    handle(&Game::Timer1Timer);
}

void TMain::handle(GameHandler handler)
{
    guarded([this, handler] { (m_game.get()->*handler)(); });
}

template <typename Step> void TMain::guarded(Step&& step)
{
    // The steps that ran before a failure have taken effect, so the board shows them before the error
    // box opens over it.
    QString failure;
    try {
        step();
    } catch (const Error& error) {
        failure = error.message();
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    showBoard();
    if (!failure.isEmpty()) {
        repaint();
        m_report(failure);
    }
}

void TMain::showBoard()
{
    try {
        m_display->show(m_game->flags());
    } catch (const Error& error) {
        m_report(error.message());
    }
}

bool TMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        requestFormActivate();
    return QMainWindow::event(event);
}

void TMain::requestFormActivate()
{
    // Queued, so that the window system's pending size changes arrive first.
    QMetaObject::invokeMethod(this, &TMain::activateWhenSized, Qt::QueuedConnection);
}

void TMain::activateWhenSized()
{
    // The rules centre the board in the client area of the first activation, so it must be the area the
    // player gets: until then, an activation only asks whether the board has it.
    if (m_firstSize.waiting())
        m_firstSize.check();
    else
        FormActivate();
}

void TMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void TMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirmTopmostPanel();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMain::confirmTopmostPanel()
{
    // The OK buttons in reverse creation order: a panel created later lies above an earlier one.
    for (std::size_t row = MainControls().size(); row-- > 0;) {
        if (MainControls()[row].kind != ControlKind::BitBtn)
            continue;
        auto* okButton = static_cast<BitBtn*>(m_controls.controls[row]);
        if (!okButton->parentWidget()->isHidden()) {
            okButton->click();
            return;
        }
    }
}

} // namespace zub
