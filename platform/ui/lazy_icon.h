#pragma once
// An icon made of pictures at several sizes that reads a picture only when one is asked for
// (a plain QIcon reads every file as it is added, which costs start-up time even where no
// window system ever shows the icon).

#include <QIcon>
#include <QList>

namespace chronel {

// pathPattern holds "%1" for the size in pixels, e.g. ":/icons/chronel-%1.png".
QIcon LazyIcon(const QString& pathPattern, const QList<int>& sizes);

}  // namespace chronel
