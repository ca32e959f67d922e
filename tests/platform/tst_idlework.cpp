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
    void runsInOrderOnePiecePerTurn();
    void dropsWorkWhoseContextIsGone();
    void workAddedByWorkRunsAfterIt();
};

void IdleWorkTest::runsInOrderOnePiecePerTurn()
{
    QObject context;
    QStringList ran;
    zub::WhenIdle(context, [&] { ran << QStringLiteral("first"); });
    zub::WhenIdle(context, [&] { ran << QStringLiteral("second"); });
    QVERIFY(ran.isEmpty()); // nothing runs before the event loop turns

    QCoreApplication::processEvents();
    QCOMPARE(ran, QStringList{QStringLiteral("first")});
    QTRY_COMPARE(ran, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

void IdleWorkTest::dropsWorkWhoseContextIsGone()
{
    QObject kept;
    auto gone = std::make_unique<QObject>();
    QStringList ran;
    zub::WhenIdle(*gone, [&] { ran << QStringLiteral("gone"); });
    zub::WhenIdle(kept, [&] { ran << QStringLiteral("kept"); });
    gone.reset();

    QTRY_COMPARE(ran, QStringList{QStringLiteral("kept")});
}

void IdleWorkTest::workAddedByWorkRunsAfterIt()
{
    QObject context;
    QStringList ran;
    zub::WhenIdle(context, [&] {
        ran << QStringLiteral("outer");
        zub::WhenIdle(context, [&] { ran << QStringLiteral("inner"); });
    });
    QTRY_COMPARE(ran, (QStringList{QStringLiteral("outer"), QStringLiteral("inner")}));
}

QTEST_GUILESS_MAIN(IdleWorkTest)
#include "tst_idlework.moc"
