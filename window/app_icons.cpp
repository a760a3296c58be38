#include "window/app_icons.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

// Resources of a static library are registered only when something refers to
// them. Outside any namespace, as the registration function is a global one.
static void registerIcons() {
  Q_INIT_RESOURCE(icons);
}

namespace quarvel {
namespace {

constexpr int kPointerSize = 32;

QIcon iconFromSizes(const char* name) {
  registerIcons();
  QIcon icon;
  for (int size : {16, 32, 64}) {
    // Told the format and not to guess, the reader goes straight to the PNG
    // decoder built into Qt; guessing, as QIcon::addFile does, first loads
    // every image-format plugin (and libjpeg) to ask whether it reads the file.
    QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size),
                        "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace

QIcon trefoilIcon() {
  return iconFromSizes("trefoil");
}

QCursor notePointer(qreal devicePixelRatio) {
  const QPixmap sheet =
      iconFromSizes("note").pixmap(QSize(kPointerSize, kPointerSize), devicePixelRatio);
  // The sheet fills its image, so its top left corner points; a hot spot at
  // the origin also means the same in logical and device pixels.
  return QCursor(sheet, 0, 0);
}

}  // namespace quarvel
