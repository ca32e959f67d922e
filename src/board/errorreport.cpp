#include "board/errorreport.h"

#include "assets/gamename.h"

#include <QMessageBox>
#include <QPointer>
#include <QTextStream>
#include <QWidget>

namespace zub {

ErrorReporter MessageBoxReporter(QWidget* parent)
{
    return [owner = QPointer<QWidget>(parent)](const QString& message) {
        QTextStream(stderr) << message << Qt::endl;
        QMessageBox::critical(owner, GameName(), message);
    };
}

} // namespace zub
