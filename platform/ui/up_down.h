#pragma once
// An up-down control: two small arrow buttons bound to the edit on their left (the buddy). It
// holds a range and a position, never wraps around, and writes its position into the buddy as
// a decimal number at each step. The Up and Down keys in the buddy step it too.

#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;
class QToolButton;

namespace chronel {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);
    // Reads the buddy's text as a whole number within [lower, upper]; the window that owns the
    // control decides how typed text is read.
    using NumberReader = std::function<int(const std::string& text, int lower, int upper)>;

    void SetBuddy(QLineEdit* buddy, NumberReader reader);
    QLineEdit* Buddy() const { return m_buddy; }
    void SetRange(int lower, int upper);
    void SetPosition(int position);  // brought into the range; does not touch the buddy
    int Position() const { return m_position; }
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    void Step(int delta);  // moves within the range and writes the buddy's text

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    NumberReader m_reader;
    int m_lower = 0, m_upper = 100, m_position = 0;
};

}  // namespace chronel
