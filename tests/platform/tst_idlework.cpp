// Work put off until the event loop is idle runs in the order given, one piece per turn of the loop, and
// is dropped with its context.
#include "platform/idlework.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <memory>

class IdleWorkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // "first" puts "inner" off in its turn, after "second"; the work of a context deleted before its turn
    // never runs.
    void runsInOrderOnePiecePerTurn()
    {
        QObject context;
        auto gone = std::make_unique<QObject>();
        QStringList ran;
        zub::WhenIdle(context, [&] {
            ran << QStringLiteral("first");
            zub::WhenIdle(context, [&] { ran << QStringLiteral("inner"); });
        });
        zub::WhenIdle(*gone, [&] { ran << QStringLiteral("gone"); });
        zub::WhenIdle(context, [&] { ran << QStringLiteral("second"); });
        gone.reset();
        QVERIFY(ran.isEmpty()); // nothing runs before the event loop turns

        QCoreApplication::processEvents();
        QCOMPARE(ran, QStringList{QStringLiteral("first")});
        QTRY_COMPARE(
            ran, (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("inner")}));
    }
};

QTEST_GUILESS_MAIN(IdleWorkTest)
#include "tst_idlework.moc"
