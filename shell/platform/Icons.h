// Icon resources by number. The pictures are 32 x 32 XPM files compiled into the program; each is
// loaded once and kept for the whole run.
#pragma once

class QPainter;
class QPixmap;
class QRect;

// The icon with this number; a null pixmap when the program has none.
const QPixmap& LoadIcon(int id);

// Draws icon `id` centred on `area` at its natural 32 x 32 size. Keys are smaller than the icon,
// so the caller clips; the pictures keep their ink in the central rows for that reason. Pixels
// are never smoothed: at 200% each icon pixel becomes a crisp 2 x 2 block.
void DrawIconCentred(QPainter& painter, const QRect& area, int id);
