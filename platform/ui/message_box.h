#pragma once
// Message boxes with one OK button. Tests and the driver can take the messages instead of
// showing a modal box.

#include <QString>
#include <functional>

class QWidget;

namespace chronel {

void ShowMessageBox(QWidget* parent, const QString& text);

// While set, ShowMessageBox hands the text to handler and shows nothing.
void SetMessageBoxHandler(std::function<void(const QString&)> handler);

}  // namespace chronel
