#include "tools/driver/script_runner.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <chrono>
#include <istream>
#include <ostream>
#include <sstream>

#include "app/ui/calendar_dlg.h"
#include "platform/ui/up_down.h"

namespace chronel {
namespace {

std::string Rest(std::istringstream& in) {
    std::string rest;
    std::getline(in, rest);
    if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
    return rest;
}

// The widget that takes keys for a control: an editable list's edit part, or the control.
QWidget* KeyTarget(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) return combo->lineEdit();
    return control;
}

void Settle() { QCoreApplication::processEvents(); }

// Types text as key presses. Qt Test's key clicks know ASCII characters only; any other
// character (a script is UTF-8: "München", "Łódź") goes as a key event that carries the
// character as its text, as an input method delivers it.
void TypeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(target, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

void Focus(QWidget* control) {
    QWidget* window = control->window();
    if (!window->isVisible()) window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    KeyTarget(control)->setFocus(Qt::OtherFocusReason);
    Settle();
}

bool PickItem(QWidget* control, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->findText(text, Qt::MatchExactly);
        if (index < 0) return false;
        combo->showPopup();
        Settle();
        QAbstractItemView* view = combo->view();
        const QModelIndex item = view->model()->index(index, combo->modelColumn(), view->rootIndex());
        view->scrollTo(item);
        Settle();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        Settle();
        if (view->isVisible()) combo->hidePopup();
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty()) return false;
        Focus(list);
        list->scrollToItem(found.front());
        Settle();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
        Settle();
        return true;
    }
    return false;
}

}  // namespace

ScriptRunner::ScriptRunner(CCalendarDlg& main, std::ostream& out, std::ostream& err, std::ostream* timings)
    : m_main(main), m_out(out), m_err(err), m_timings(timings) {}

int ScriptRunner::Run(std::istream& script) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        const auto start = std::chrono::steady_clock::now();
        if (!RunLine(line, number)) return 2;
        if (m_timings)
            *m_timings << std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() << '\n';
        m_out.flush();
        // Escape or the close box on the main window ends the program.
        if (!m_main.isVisible()) break;
    }
    m_out.flush();
    return 0;
}

bool ScriptRunner::RunLine(const std::string& line, int lineNumber) {
    std::istringstream in(line);
    std::string action, windowName;
    in >> action >> windowName;
    auto fail = [&](const std::string& why) {
        m_err << "line " << lineNumber << ": " << why << ": " << line << std::endl;
        return false;
    };
    static const char* const kActions[] = {"type", "key", "click", "dblclick", "select", "dump", "get"};
    if (std::find(std::begin(kActions), std::end(kActions), action) == std::end(kActions))
        return fail("unknown action '" + action + "'");
    if (windowName != "main" && windowName != "locations" && windowName != "computus")
        return fail("unknown window '" + windowName + "'");
    TemplateDialog* window = windowName == "main"        ? &m_main
                             : windowName == "locations" ? m_main.LocationsWindow()
                                                         : m_main.ComputusWindow();

    auto dumpLine = [&](const ControlTemplate& c) {
        std::string text;
        QWidget* w = window->Control(c.id);
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w))
            text = window->ItemText(c.id, window->SelectedItem(c.id));
        else if (auto* upDown = qobject_cast<UpDown*>(w))
            text = std::to_string(upDown->Position());
        else
            text = window->GetText(c.id);
        m_out << windowName << '\t' << c.id << '\t' << text;
        if (!window->ControlShown(c.id)) m_out << "\t#hidden";
        m_out << '\n';
    };

    if (action == "dump") {
        if (!window) {
            m_out << windowName << "\t-\t#not-created\n";
            return true;
        }
        for (const ControlTemplate& c : window->Template().controls)
            if (c.id != kNoId) dumpLine(c);
        if (window == &m_main) {
            const std::optional<int> picture = m_main.MoonPictureShown();
            m_out << "main\tmoon\t" << (picture ? std::to_string(*picture) : std::string("-")) << '\n';
            m_out << "main\tasWritten\t" << m_main.AsWrittenNote() << '\n';
        }
        return true;
    }

    std::string idText;
    in >> idText;
    int id = 0;
    try {
        std::size_t used = 0;
        id = std::stoi(idText, &used);
        if (used != idText.size()) throw std::invalid_argument("id");
    } catch (const std::exception&) {
        return fail("bad control number '" + idText + "'");
    }
    if (!window) return fail("window '" + windowName + "' is not created");
    QWidget* control = window->Control(id);
    if (!control) return fail("unknown control " + idText + " in window '" + windowName + "'");
    const ControlTemplate* tmpl = nullptr;
    for (const ControlTemplate& c : window->Template().controls)
        if (c.id == id) tmpl = &c;

    if (action == "get") {
        dumpLine(*tmpl);
        return true;
    }
    if (action == "type") {
        const std::string text = Rest(in);
        Focus(control);
        QWidget* target = KeyTarget(control);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Backspace);
        TypeText(target, QString::fromStdString(text));
        Settle();
        return true;
    }
    if (action == "key") {
        std::string keyName;
        in >> keyName;
        Qt::Key key;
        if (keyName == "Enter") key = Qt::Key_Return;
        else if (keyName == "Escape") key = Qt::Key_Escape;
        else if (keyName == "Tab") key = Qt::Key_Tab;
        else if (keyName == "Up") key = Qt::Key_Up;
        else if (keyName == "Down") key = Qt::Key_Down;
        else return fail("unknown key '" + keyName + "'");
        Focus(control);
        QTest::keyClick(KeyTarget(control), key);
        Settle();
        return true;
    }
    if (action == "click" || action == "dblclick") {
        // A click needs no keyboard focus, only a window on screen to receive it.
        if (!control->window()->isVisible()) control->window()->show();
        // Through the window, as the windowing system delivers clicks: a double click is two
        // presses and releases in quick succession, which Qt itself turns into a double click.
        QWidget* top = control->window();
        const QPoint at = control->mapTo(top, control->rect().center());
        if (action == "click")
            QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
        else
            QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
        Settle();
        return true;
    }
    // select
    const std::string text = Rest(in);
    if (!qobject_cast<QComboBox*>(control) && !qobject_cast<QListWidget*>(control))
        return fail("control " + idText + " is not a list");
    if (!PickItem(control, QString::fromStdString(text))) return fail("no item '" + text + "' in list " + idText);
    return true;
}

}  // namespace chronel
