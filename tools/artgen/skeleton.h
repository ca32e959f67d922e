#pragma once

#include <QPainter>
#include <QPointF>

namespace zub::artgen {

// The skeleton that hangs from the gallows, drawn one part at a time.
//
// All parts hang from `neck`, the point where the noose closes: the skull sits above it, the spine,
// ribs, arms, pelvis and legs below, so the same anchor joins the parts of every stage.
enum class SkeletonPart
{
    Skull,
    Ribcage, // spine, collar bones and ribs
    Arms,
    PelvisAndLeftLeg,
    RightLeg,
};

void PaintSkeletonPart(QPainter& painter, SkeletonPart part, QPointF neck);

} // namespace zub::artgen
