// The wait for a window's first real size ends once, when the shown window is exposed at the size the
// window system gives it. (The offscreen screen resizes every maximised window at once, so the longest
// wait of a window system that never does is left to the end-to-end desktops.)
#include "board/firstsizewait.h"

#include <QTest>
#include <QWidget>

using namespace std::chrono_literals;

class FirstSizeWaitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsOnceWhenSized_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("shown, exposed") << false;
        QTest::newRow("maximised, resized") << true;
    }

    void endsOnceWhenSized()
    {
        QFETCH(bool, maximised);
        QWidget window;
        int sized = 0;
        zub::FirstSizeWait wait(window, 1h, [&sized] { ++sized; });
        wait.check(); // not shown yet
        QCOMPARE(sized, 0);

        maximised ? window.showMaximized() : window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents(); // the queued checks
        QCOMPARE(sized, 1);
        QVERIFY(!wait.waiting());

        window.showNormal(); // later resizes and checks change nothing
        QCoreApplication::processEvents();
        wait.check();
        QCOMPARE(sized, 1);
    }
};

QTEST_MAIN(FirstSizeWaitTest)
#include "tst_firstsizewait.moc"
