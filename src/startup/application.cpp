#include "startup/application.h"

#include "assets/gamename.h"
#include "assets/storedpictures.h"
#include "platform/error.h"

#include <QMessageBox>
#include <QWidget>
#include <cstdio>
#include <exception>

namespace zub {

namespace {

void ShowErrorBox(const QString& message)
{
    QMessageBox::critical(nullptr, GameName(), message);
}

// The game paints with the raster engine only. Saying so before the application object exists also keeps
// the media library's conversion of movie frames off OpenGL: on a machine without a graphics card its
// set-up took a quarter of a second at the first frame of a movie, and every frame after it 15-20 ms.
int& rasterOnly(int& argc)
{
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    return argc;
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(rasterOnly(argc), argv) {}

Application::~Application()
{
    DestroyForms();
}

Application* Application::instance()
{
    return dynamic_cast<Application*>(QCoreApplication::instance());
}

void Application::Initialize()
{
    setApplicationName(QStringLiteral("zub-hangman"));
    setApplicationVersion(QStringLiteral("1.2"));
    setDesktopFileName(QStringLiteral("io.github.zubhangman.ZubHangman"));
    setWindowIcon(MainIcon());
    // Hiding the intro or closing an error box must not end the game: only Terminate and the close of
    // the main window do.
    setQuitOnLastWindowClosed(false);
}

QWidget* Application::MainForm() const
{
    return m_forms.empty() ? nullptr : m_forms.front().get();
}

void Application::Run()
{
    if (QWidget* main = MainForm()) {
        main->show();
    }
    exec();
}

void Application::ShowException(const QString& message)
{
    std::fprintf(stderr, "zub-hangman: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
    if (m_reporter) {
        m_reporter(message);
    } else {
        ShowErrorBox(message);
    }
}

void Application::setErrorReporter(ErrorReporter reporter)
{
    m_reporter = std::move(reporter);
}

void Application::DestroyForms()
{
    while (!m_forms.empty()) {
        m_forms.pop_back();
    }
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(DescribeCurrentException());
    }
    return false;
}

QString DescribeCurrentException()
{
    try {
        throw;
    } catch (const Error& error) {
        return error.message();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("An unexpected error stopped the game's last action.");
    }
}

} // namespace zub
