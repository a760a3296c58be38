#pragma once

#include <QCursor>
#include <QIcon>

namespace quarvel {

// The window's trefoil icon, 16, 32 and 64 pixels (64 serves 32 at scale 2).
QIcon trefoilIcon();

// The note-sheet pointer of the warranty notice, sharp at `devicePixelRatio`.
QCursor notePointer(qreal devicePixelRatio);

}  // namespace quarvel
