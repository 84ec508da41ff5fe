#include "qt/favorites/FavoritesIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

#include "favorites/FavoritesImages.h"

namespace corvane {

namespace {

constexpr int kSize = 16;

// Draws at twice the size too, for screens that scale.
QIcon drawn(const std::function<void(QPainter&)>& paint) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(kSize * scale, kSize * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paint(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

const QColor kFolderFill(0xE8, 0xB8, 0x4A);
const QColor kFolderBack(0xC9, 0x96, 0x2B);
const QColor kFolderLine(0x8A, 0x62, 0x10);

void paintPage(QPainter& p, const QColor& fill) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(10.5, 1.5);
  page.lineTo(13.5, 4.5);
  page.lineTo(13.5, 14.5);
  page.lineTo(3.5, 14.5);
  page.closeSubpath();
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
  p.setBrush(fill);
  p.drawPath(page);
  p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
  p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

QIcon themed(const char* name, const QIcon& fallback) {
  return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

}  // namespace

QIcon FavoritesIcons::closedFolder() {
  static const QIcon icon = themed("folder", drawn([](QPainter& p) {
                                     p.setPen(QPen(kFolderLine, 1));
                                     p.setBrush(kFolderBack);
                                     p.drawRoundedRect(QRectF(1.5, 2.5, 6, 3), 1, 1);
                                     p.setBrush(kFolderFill);
                                     p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1, 1);
                                   }));
  return icon;
}

QIcon FavoritesIcons::openFolder() {
  static const QIcon icon = themed("folder-open", drawn([](QPainter& p) {
                                     p.setPen(QPen(kFolderLine, 1));
                                     p.setBrush(kFolderBack);
                                     p.drawRoundedRect(QRectF(1.5, 2.5, 6, 3), 1, 1);
                                     p.drawRect(QRectF(1.5, 4.5, 12, 9));
                                     QPainterPath front;
                                     front.moveTo(1.5, 13.5);
                                     front.lineTo(4.5, 7.5);
                                     front.lineTo(15.0, 7.5);
                                     front.lineTo(12.5, 13.5);
                                     front.closeSubpath();
                                     p.setBrush(kFolderFill);
                                     p.drawPath(front);
                                   }));
  return icon;
}

QIcon FavoritesIcons::link() {
  static const QIcon icon = themed("text-html", drawn([](QPainter& p) {
                                     paintPage(p, Qt::white);
                                     p.setPen(QPen(QColor(0x1F, 0x5F, 0xB0), 1));
                                     p.setBrush(QColor(0x6F, 0xA8, 0xE8));
                                     p.drawEllipse(QPointF(8.5, 9.5), 3.5, 3.5);
                                     p.drawLine(QPointF(5.0, 9.5), QPointF(12.0, 9.5));
                                     p.drawLine(QPointF(8.5, 6.0), QPointF(8.5, 13.0));
                                   }));
  return icon;
}

QIcon FavoritesIcons::badLink() {
  static const QIcon icon =
      themed("image-missing", drawn([](QPainter& p) {
               paintPage(p, QColor(0xE4, 0xE4, 0xE4));
               p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
               p.drawLine(QPointF(6.0, 7.0), QPointF(11.0, 12.0));
               p.drawLine(QPointF(11.0, 7.0), QPointF(6.0, 12.0));
             }));
  return icon;
}

QIcon FavoritesIcons::forKey(const QString& key) {
  if (key == QLatin1String(kClosedFolderImage)) return closedFolder();
  if (key == QLatin1String(kOpenFolderImage)) return openFolder();
  if (key == QLatin1String(kLocalDocImage)) return link();
  if (key == QLatin1String(kBadLinkImage)) return badLink();
  return {};
}

}  // namespace corvane
