#pragma once

class QThread;

namespace zub {

// The one thread on which every movie's pictures are received and converted. It starts at first use and
// stops when the application object goes.
QThread& MovieThread();

} // namespace zub
