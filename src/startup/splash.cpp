#include "startup/splash.h"

#include "assets/datapaths.h"
#include "assets/fonts.h"
#include "assets/gamename.h"
#include "assets/storedpictures.h"
#include "board/clickablelabel.h"
#include "game/cues.h"
#include "platform/media/mediahandle.h"
#include "platform/terminate.h"
#include "startup/application.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace zub {

namespace {

// A plain black rectangle: the window's panels have no bevel.
QWidget* BlackPanel(QWidget* parent, const QRect& bounds)
{
    auto* panel = new QWidget(parent);
    panel->setGeometry(bounds);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    return panel;
}

void MakeWhiteBold(QLabel& label, int pixelHeight)
{
    label.setFont(BoardFont(BoardTypeface::SansSerif, pixelHeight, true));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label.setPalette(palette);
}

QRect ScreenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 569);
}

} // namespace

TSplashScreen::TSplashScreen(const DataPaths& paths, QWidget* parent) : QWidget(parent)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(GameName());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    // Full screen also where no window manager applies the full-screen state.
    const QRect screenBounds = ScreenGeometry();
    setGeometry(screenBounds);
    setWindowState(Qt::WindowFullScreen);

    m_MovieScreen = BlackPanel(this, QRect(0, 0, 620, 480));
    m_Panel1 = BlackPanel(this, QRect(0, 479, 641, 90));

    m_Label1 = new QLabel(QStringLiteral("Zub Hangman 1.2"), m_Panel1);
    m_Label1->setGeometry(0, 71, 118, 13);
    MakeWhiteBold(*m_Label1, 11);

    m_Image1 = new ClickableLabel(m_Panel1);
    m_Image1->setGeometry(0, 11, 57, 59);
    m_Image1->setScaledContents(true);
    m_Image1->setPixmap(QPixmap::fromImage(StoredPicture(QStringLiteral("SkipPicture"))));

    m_Label2 = new ClickableLabel(QStringLiteral("Skip Intro"), m_Panel1);
    m_Label2->setGeometry(0, 58, 79, 20);
    MakeWhiteBold(*m_Label2, 16);

    connect(m_Image1, &ClickableLabel::clicked, this, &TSplashScreen::Image1Click);
    connect(m_Label2, &ClickableLabel::clicked, this, &TSplashScreen::Label2Click);

    // The intro's clock runs from the moment its window is built, so its length counts from here.
    m_Timer1.setInterval(1000);
    connect(&m_Timer1, &QTimer::timeout, this, &TSplashScreen::Timer1Timer);
    m_Timer1.start();

    m_Media = new MediaHandle(this);
    m_Media->setDisplay(m_MovieScreen);
    m_Media->Open(paths.media(kIntroMovie));
    connect(m_Media, &MediaHandle::failed, this, &TSplashScreen::ReportMediaFailure);

    FormCreate(screenBounds.width(), screenBounds.height());
}

QLabel& TSplashScreen::Label1() const
{
    return *m_Label1;
}

void TSplashScreen::setMain(QWidget& main)
{
    m_Main = &main;
}

void TSplashScreen::FormCreate(int screenWidth, int screenHeight)
{
    const int halfWidth = screenWidth / 2;
    const int halfHeight = screenHeight / 2;
    m_MovieScreen->move(halfWidth - 310, halfHeight - 240);
    m_Panel1->move(m_Panel1->x(), screenHeight - 90);
    m_Panel1->resize(screenWidth, m_Panel1->height());
    m_Image1->move(screenWidth - 100, m_Image1->y());
    m_Label2->move(screenWidth - 115, m_Label2->y());
    m_Label1->move(halfWidth - 60, m_Label1->y());
}

void TSplashScreen::FormActivate()
{
    m_Media->Play();
}

void TSplashScreen::Timer1Timer()
{
    ++m_IntroTicks;
    if (m_IntroTicks == kIntroLength) {
        m_Timer1.stop();
        m_Media->Stop();
        ShowBoard();
    }
}

void TSplashScreen::Image1Click()
{
    EndIntro();
}

void TSplashScreen::Label2Click()
{
    EndIntro();
}

void TSplashScreen::EndIntro()
{
    m_Media->Stop();
    m_Timer1.stop();
    ShowBoard();
}

void TSplashScreen::ShowBoard()
{
    m_ended = true;
    if (m_Main) {
        // Maximised from its first show, also where no window manager maximises it, so that the board
        // is centred in the client area it keeps.
        if (const QScreen* screen = m_Main->screen()) {
            m_Main->setGeometry(screen->availableGeometry());
        }
        m_Main->showMaximized();
    }
    hide();
}

void TSplashScreen::ReportMediaFailure(const QString& message)
{
    // A movie that cannot be played is shown as an error; the intro still runs its course.
    if (Application* application = Application::instance()) {
        application->ShowException(message);
    }
}

void TSplashScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Without a window manager the window may never be activated; the movie starts when it is shown.
    if (!m_ended) {
        FormActivate();
    }
}

void TSplashScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_ended) {
        FormActivate();
    }
}

void TSplashScreen::closeEvent(QCloseEvent* event)
{
    // The intro is the main window of the message loop: closing it ends the game.
    event->accept();
    Terminate();
}

} // namespace zub
