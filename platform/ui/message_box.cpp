#include "platform/ui/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace chronel {
namespace {
std::function<void(const QString&)>& Handler() {
    static std::function<void(const QString&)> handler;
    return handler;
}
}  // namespace

void SetMessageBoxHandler(std::function<void(const QString&)> handler) { Handler() = std::move(handler); }

void ShowMessageBox(QWidget* parent, const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

}  // namespace chronel
