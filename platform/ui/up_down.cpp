#include "platform/ui/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>


namespace chronel {

UpDown::UpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetBuddy(QLineEdit* buddy, NumberReader reader) {
    if (m_buddy) m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    m_reader = std::move(reader);
    if (m_buddy) m_buddy->installEventFilter(this);
}

void UpDown::SetRange(int lower, int upper) {
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
    m_position = std::clamp(m_position, m_lower, m_upper);
}

void UpDown::SetPosition(int position) { m_position = std::clamp(position, m_lower, m_upper); }

void UpDown::Step(int delta) {
    // Start from what the buddy shows, so a typed number is stepped from, as the user sees it.
    if (m_buddy && m_reader) m_position = std::clamp(m_reader(m_buddy->text().toStdString(), m_lower, m_upper), m_lower, m_upper);
    m_position = std::clamp(m_position + delta, m_lower, m_upper);
    if (m_buddy) m_buddy->setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

}  // namespace chronel
