#include "platform/terminate.h"

#include <QCoreApplication>

namespace zub {

void Terminate()
{
    QCoreApplication::exit(0);
}

} // namespace zub
