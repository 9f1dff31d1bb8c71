#include "app/ui/about_dlg.h"

#include "res/templates/templates.h"

namespace chronel {

CAboutDlg::CAboutDlg(QWidget* parent) : TemplateDialog(AboutDialogTemplate(), parent) {
    OnClicked(1, [this] { accept(); });
}

}  // namespace chronel
