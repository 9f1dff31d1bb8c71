#pragma once
// Reads one of the program's own PNG pictures (a resource path such as ":/moon/moon_140.png").
//
// QPixmap(path) lets the reader guess the format: before it uses the built-in PNG decoder it
// loads every image-format plugin installed (GIF, ICO, JPEG...) to ask each whether it reads
// the file, which costs more than decoding the picture. Our pictures are known to be PNG, so
// the reader is told so and guesses nothing. As QPixmap(path) does, a screen scaled by N picks
// the "@Nx" variant (moon_140@2x.png) where there is one. A missing or broken picture gives a
// null pixmap.
#include <QPixmap>
#include <QString>

namespace chronel {

QPixmap ReadPngPicture(const QString& path);

}  // namespace chronel
