#include "boardlayout.h"

namespace zub::artgen {

QRect OnBackdrop(const QRect& boardRect)
{
    return boardRect.translated(-kBackdropOrigin);
}

} // namespace zub::artgen
