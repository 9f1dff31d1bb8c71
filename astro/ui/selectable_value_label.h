#pragma once
// A one-line value that changes with every day shown yet can be selected with the mouse and
// copied, like a QLabel with Qt::TextSelectableByMouse, at a small part of that label's cost.
//
// A selectable QLabel keeps its text in a QTextDocument: each new text is laid out again as a
// document, and each paint goes through the document's layout, about 0.3 M instructions for a
// value of a few characters. Most values are never selected, so this label shows its value
// itself: it lays the line out once per value and, a new value differing from the old one in
// a character or two ("04:43" becoming "04:44"), repaints only the glyphs that changed. The
// moment the user reaches for the text (a press, a double click, the context menu, a key while
// it has the focus) it becomes the ordinary selectable QLabel holding the value, so selecting,
// copying and the context menu are Qt's own, until the next new value, which drops any
// selection as a QLabel's new text does.
//
// It stays a QLabel for the rest, on purpose without a Q_OBJECT of its own, so that Qt gives it
// a QLabel's accessible interface: static text whose name is the value (kept as the accessible
// name), labelled by the row's name whose buddy it is.
//
// Defined here in full: the build lists this folder's window sources one by one
// (astro/CMakeLists.txt), and a source file of its own would need a line there.

#include <QFontInfo>
#include <QGlyphRun>
#include <QHash>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace chronel {

class SelectableValueLabel : public QLabel {
public:
    explicit SelectableValueLabel(QWidget* parent = nullptr) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setTextInteractionFlags(Qt::NoTextInteraction);  // a QLabel's default: links by mouse
        setFocusPolicy(Qt::ClickFocus);                  // what a mouse-selectable QLabel has
        // It fills its own background with the painter that draws the text: filled by Qt, the
        // background takes a painter of its own at every repaint. Opaque, it also leaves the
        // widgets beneath alone.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    const QString& Value() const { return value_; }

    // Shows a new value; the same value again leaves the label as it is, a selection included.
    void SetValue(const QString& value) {
        if (value == value_) return;
        value_ = value;
        setAccessibleName(value_);
        if (Selectable()) {  // back to showing the value itself, repainted whole
            setTextInteractionFlags(Qt::NoTextInteraction);
            setFocusPolicy(Qt::ClickFocus);
            setText(QString());
            LayOut();
            update();
            return;
        }
        const Line before = std::move(line_);
        LayOut();
        const QRect changed = ChangedRect(before, line_);
        if (!changed.isEmpty()) update(changed);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (Selectable()) {
            QPainter(this).fillRect(event->rect(), palette().brush(backgroundRole()));
            QLabel::paintEvent(event);
            return;
        }
        if (line_.font != font() || line_.width != contentsRect().width()) LayOut();
        QPainter p(this);
        p.fillRect(event->rect(), palette().brush(backgroundRole()));
        if (line_.runs.isEmpty()) return;  // no text: the background is all there is
        p.setPen(palette().color(foregroundRole()));
        if (line_.fixedAdvances) {
            // Only the glyphs whose ink meets the part to paint: a new value repaints a glyph
            // or two, and the others would only be clipped away glyph by glyph.
            const QRect part = event->rect();
            const auto& g = line_.glyphs;
            const auto first = std::find_if(g.begin(), g.end(), [&](const PlacedGlyph& x) { return x.inkRight > part.left(); });
            const auto last = std::find_if(first, g.end(), [&](const PlacedGlyph& x) { return x.inkLeft >= part.right() + 1; });
            if (first == g.begin() && last == g.end()) {
                p.drawGlyphRun(line_.origin, line_.runs.front());
            } else if (first != last) {
                const QGlyphRun& all = line_.runs.front();
                const qsizetype from = first - g.begin(), count = last - first;
                QGlyphRun some;
                some.setRawFont(all.rawFont());
                some.setGlyphIndexes(all.glyphIndexes().mid(from, count));
                some.setPositions(all.positions().mid(from, count));
                p.drawGlyphRun(line_.origin, some);
            }
            return;
        }
        for (const QGlyphRun& run : line_.runs) p.drawGlyphRun(line_.origin, run);
    }

    // The user reaches for the text: from here on it is the selectable QLabel.
    void mousePressEvent(QMouseEvent* event) override {
        BecomeSelectable();
        QLabel::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        BecomeSelectable();
        QLabel::mouseDoubleClickEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        BecomeSelectable();
        QLabel::contextMenuEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        BecomeSelectable();
        QLabel::keyPressEvent(event);
    }

private:
    // The line as laid out: its glyph runs and where they are drawn; for a line of fixed
    // advances also each glyph with the horizontal extent of its ink (widget coordinates),
    // which tells what a new value must repaint.
    struct PlacedGlyph {
        quint32 index;
        qreal x;
        qreal inkLeft, inkRight;
        bool operator==(const PlacedGlyph& o) const { return index == o.index && x == o.x; }
    };
    struct Line {
        QFont font;
        int width = -1;
        QPointF origin;
        QList<QGlyphRun> runs;
        bool fixedAdvances = false;
        std::vector<PlacedGlyph> glyphs;  // by x, when fixedAdvances
    };
    struct Glyph {
        quint32 index;
        qreal advance;
        qreal inkLeft, inkRight;  // from the pen position
    };

    bool Selectable() const { return textInteractionFlags() != Qt::NoTextInteraction; }

    void BecomeSelectable() {
        if (Selectable()) return;
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setText(value_);
    }

    void LayOut() {
        if (rawFontOf_ != font() || !rawFont_.isValid()) {
            rawFontOf_ = font();
            rawFont_ = QRawFont::fromFont(rawFontOf_);
            monospaced_ = QFontInfo(rawFontOf_).fixedPitch();
            glyphCache_.clear();
        }
        line_ = Line{font(), contentsRect().width(), {}, {}, false, {}};
        if (value_.isEmpty()) return;
        if (!LayOutFixedAdvances()) LayOutShaped();
    }

    // Where a selectable QLabel puts its document: at the left of the contents, moved down by
    // half the height left over (rounded down to a whole pixel) when centred.
    QPointF Origin(qreal lineHeight) const {
        const QRect cr = contentsRect();
        const int h = qRound(lineHeight);
        const int down = alignment() & Qt::AlignVCenter  ? qMax((cr.height() - h) / 2, 0)
                         : alignment() & Qt::AlignBottom ? qMax(cr.height() - h, 0)
                                                         : 0;
        return QPointF(cr.x(), cr.y() + down);
    }

    // A monospaced font, left to right, and characters that need no shaping: each character is
    // its glyph at the font's (hinted) advance, which is what the text engine lays out too,
    // without the cost of shaping. Anything else is left to the text engine.
    bool LayOutFixedAdvances() {
        if (!monospaced_ || layoutDirection() != Qt::LeftToRight) return false;
        std::vector<Glyph> glyphs;
        glyphs.reserve(value_.size());
        qreal advance = 0;
        for (const QChar ch : value_) {
            auto glyph = glyphCache_.constFind(ch.unicode());
            if (glyph == glyphCache_.constEnd()) {
                // Latin letters, digits and signs below the combining marks, general
                // punctuation and the minus sign.
                const char16_t u = ch.unicode();
                const bool plain = (u >= 0x20 && u < 0x300) || (u >= 0x2000 && u < 0x2070) || u == 0x2212;
                quint32 index = 0;
                int count = 1;
                if (!plain || !rawFont_.glyphIndexesForChars(&ch, 1, &index, &count) || index == 0) return false;
                QPointF step;
                rawFont_.advancesForGlyphIndexes(&index, &step, 1);
                const QRectF ink = rawFont_.boundingRect(index);
                glyph = glyphCache_.insert(u, Glyph{index, step.x(), ink.left(), ink.right()});
            }
            glyphs.push_back(*glyph);
            advance += glyph->advance;
        }
        const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
        qreal x = h & Qt::AlignRight     ? line_.width - advance
                  : h & Qt::AlignHCenter ? (line_.width - advance) / 2
                                         : 0;
        const qreal ascent = rawFont_.ascent();
        line_.origin = Origin(ascent + rawFont_.descent());
        QList<quint32> indexes;
        QList<QPointF> positions;
        indexes.reserve(glyphs.size());
        positions.reserve(glyphs.size());
        line_.glyphs.reserve(glyphs.size());
        for (const Glyph& g : glyphs) {
            indexes.append(g.index);
            positions.append(QPointF(x, ascent));
            // At a whole pixel the glyph's image covers just its ink; at a fraction of a pixel
            // it may reach into the pixel beyond on either side.
            const qreal at = line_.origin.x() + x;
            const qreal bleed = at == std::floor(at) ? 0 : 1;
            line_.glyphs.push_back(PlacedGlyph{g.index, at, at + g.inkLeft - bleed, at + g.inkRight + bleed});
            x += g.advance;
        }
        QGlyphRun run;
        run.setRawFont(rawFont_);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        line_.runs.append(run);
        line_.fixedAdvances = true;
        return true;
    }

    // One line, aligned across the contents' width as the document of a selectable QLabel is.
    void LayOutShaped() {
        QTextLayout layout(value_, line_.font);
        QTextOption option(alignment() & Qt::AlignHorizontal_Mask);  // left and right follow the direction
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(line_.width);
        layout.endLayout();
        line_.runs = layout.glyphRuns();
        line_.origin = Origin(line.height());
    }

    // The part of the label a new line must repaint: the ink of every glyph that is not drawn
    // at the same place in both lines, full height; the whole label when either line was not
    // laid out glyph by glyph.
    QRect ChangedRect(const Line& before, const Line& after) const {
        if (!before.fixedAdvances || !after.fixedAdvances || before.origin != after.origin) return rect();
        qreal left = width(), right = 0;
        auto widen = [&](const PlacedGlyph& g) {
            left = std::min(left, g.inkLeft);
            right = std::max(right, g.inkRight);
        };
        // Both lists run by x: a glyph is kept when the other list has the same glyph there.
        auto kept = [](const std::vector<PlacedGlyph>& in, const PlacedGlyph& g) {
            const auto at = std::lower_bound(in.begin(), in.end(), g.x,
                                             [](const PlacedGlyph& p, qreal x) { return p.x < x; });
            return at != in.end() && *at == g;
        };
        for (const PlacedGlyph& g : before.glyphs)
            if (!kept(after.glyphs, g)) widen(g);
        for (const PlacedGlyph& g : after.glyphs)
            if (!kept(before.glyphs, g)) widen(g);
        if (right <= left) return {};
        const int x0 = std::max(0, static_cast<int>(std::floor(left)));
        const int x1 = std::min(width(), static_cast<int>(std::ceil(right)));
        return QRect(x0, 0, x1 - x0, height());
    }

    QString value_;
    Line line_;
    QFont rawFontOf_;
    QRawFont rawFont_;
    bool monospaced_ = false;
    QHash<char16_t, Glyph> glyphCache_;  // of the characters this label has shown
};

}  // namespace chronel
