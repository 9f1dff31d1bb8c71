#pragma once
// The About box: the program's name, version and purpose, and an OK button.

#include "platform/ui/template_dialog.h"

namespace chronel {

class CAboutDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace chronel
