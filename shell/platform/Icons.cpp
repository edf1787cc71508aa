#include "Icons.h"

#include <QPainter>
#include <QPixmap>
#include <map>

const QPixmap& LoadIcon(int id) {
  static std::map<int, QPixmap> cache;
  auto it = cache.find(id);
  if (it == cache.end())
    it = cache.emplace(id, QPixmap(QStringLiteral(":/icons/icon_%1.xpm").arg(id))).first;
  return it->second;
}

void DrawIconCentred(QPainter& painter, const QRect& area, int id) {
  const QPixmap& icon = LoadIcon(id);
  if (icon.isNull()) return;
  const QSize size = icon.size();  // 32 x 32 logical pixels, device pixel ratio 1
  const QPoint topLeft(area.x() + (area.width() - size.width()) / 2,
                       area.y() + (area.height() - size.height()) / 2);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(QRect(topLeft, size), icon);
  painter.restore();
}
