#include "platform/ui/png_picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <cmath>

namespace chronel {
namespace {

QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QPixmap ReadPngPicture(const QString& path) {
    const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
    for (int n = static_cast<int>(std::ceil(ratio)); n >= 2 && dot > 0; --n) {
        const QString variant = path.left(dot) + QStringLiteral("@%1x").arg(n) + path.mid(dot);
        if (!QFile::exists(variant)) continue;
        QImage image = ReadPng(variant);
        if (image.isNull()) break;
        image.setDevicePixelRatio(n);
        return QPixmap::fromImage(std::move(image));
    }
    return QPixmap::fromImage(ReadPng(path));
}

}  // namespace chronel
