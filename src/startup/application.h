#pragma once

#include "board/errorreport.h"

#include <QApplication>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace zub {

// The game's application object: owns the windows, runs the message loop and shows errors.
//
// The first window made by CreateForm is the main window of the loop: Run shows it and closing it ends
// the loop. Every error that reaches the application, at start-up or from an event handler, is shown by
// ShowException in one error box and written to standard error; notify is the last net, so no exception
// ever unwinds into Qt's event loop and the game goes on with the next event.
class Application : public QApplication
{
public:
    Application(int& argc, char** argv);
    ~Application() override;

    // The running application object, or null when the running one is not ours.
    static Application* instance();

    // Names the program, sets its icon and leaves the end of the loop to Terminate.
    void Initialize();

    // Builds a window, owned by the application until DestroyForms. The first one is the main window.
    template <typename Form, typename... Args> Form& CreateForm(Args&&... args)
    {
        auto form = std::make_unique<Form>(std::forward<Args>(args)...);
        Form& created = *form;
        m_forms.push_back(std::move(form));
        return created;
    }

    QWidget* MainForm() const;

    // Shows the main window and dispatches events until Terminate.
    void Run();

    // Shows message in the error box (or the reporter that replaced it) and on standard error.
    void ShowException(const QString& message);

    // Replaces the error box, so that tests never block on it. An empty reporter restores the box.
    void setErrorReporter(ErrorReporter reporter);

    // Destroys the windows, the last created first.
    void DestroyForms();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::vector<std::unique_ptr<QWidget>> m_forms;
    ErrorReporter m_reporter;
};

// The message of the exception being handled; call it only inside a catch block. The game's own errors
// carry their message; anything else is described as well as it can be, never as an empty box.
QString DescribeCurrentException();

} // namespace zub
