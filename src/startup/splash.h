#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace zub {

class ClickableLabel;
class DataPaths;
class MediaHandle;

// The intro window: the intro movie on a black, borderless full-screen window, with a skip control.
//
// Building the window opens the movie and starts the one-second Timer1; showing it plays the movie. After
// 25 ticks, or at once when the player clicks the skip picture or "Skip Intro", the movie stops, the board
// is shown and the intro hides for good. It stays the main window of the message loop until the end.
class TSplashScreen : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kIntroLength = 25; // Timer1 ticks until the board is shown

    // Opens the intro movie of the data folder; throws zub::Error naming the file when it cannot.
    explicit TSplashScreen(const DataPaths& paths, QWidget* parent = nullptr);

    // The board window that EndIntro shows.
    void setMain(QWidget& main);

    // Places the components for a screen of screenWidth x screenHeight pixels.
    void FormCreate(int screenWidth, int screenHeight);
    void FormActivate();

    void Timer1Timer();
    void Image1Click();
    void Label2Click();

    int IntroTicks() const { return m_IntroTicks; }
    bool introEnded() const { return m_ended; }

    // The components, for the tests.
    QWidget& MovieScreen() const { return *m_MovieScreen; }
    QWidget& Panel1() const { return *m_Panel1; }
    QLabel& Label1() const;
    ClickableLabel& Image1() const { return *m_Image1; }
    ClickableLabel& Label2() const { return *m_Label2; }
    const QTimer& Timer1() const { return m_Timer1; }
    const MediaHandle& Media() const { return *m_Media; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void EndIntro();
    void ShowBoard();
    void ReportMediaFailure(const QString& message);

    QWidget* m_MovieScreen = nullptr;
    QWidget* m_Panel1 = nullptr;
    QLabel* m_Label1 = nullptr;
    ClickableLabel* m_Image1 = nullptr;
    ClickableLabel* m_Label2 = nullptr;
    MediaHandle* m_Media = nullptr;
    QTimer m_Timer1;
    QPointer<QWidget> m_Main;
    int m_IntroTicks = 0;
    bool m_ended = false;
};

} // namespace zub
