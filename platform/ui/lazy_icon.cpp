#include "platform/ui/lazy_icon.h"

#include <QIconEngine>
#include <algorithm>
#include <QPainter>
#include <QPixmap>

#include "platform/ui/png_picture.h"

namespace chronel {
namespace {

class LazyIconEngine : public QIconEngine {
public:
    LazyIconEngine(QString pattern, QList<int> sizes) : m_pattern(std::move(pattern)), m_sizes(std::move(sizes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture at least as large as asked for, else the largest; scaled to fit.
        int chosen = m_sizes.isEmpty() ? 0 : m_sizes.back();
        for (int s : m_sizes)
            if (s >= qMax(size.width(), size.height())) {
                chosen = s;
                break;
            }
        QPixmap picture = ReadPngPicture(m_pattern.arg(chosen));
        if (picture.isNull() || picture.size() == size) return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int s : m_sizes) sizes << QSize(s, s);
        return sizes;
    }

    QIconEngine* clone() const override { return new LazyIconEngine(m_pattern, m_sizes); }

private:
    QString m_pattern;
    QList<int> m_sizes;  // ascending
};

}  // namespace

QIcon LazyIcon(const QString& pathPattern, const QList<int>& sizes) {
    QList<int> ascending = sizes;
    std::sort(ascending.begin(), ascending.end());
    return QIcon(new LazyIconEngine(pathPattern, ascending));
}

}  // namespace chronel
