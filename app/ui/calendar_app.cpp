#include "app/ui/calendar_app.h"

#include <QApplication>
#include <clocale>
#include <iostream>

#include "app/ui/calendar_dlg.h"
#include "app/ui/user_settings.h"
#include "platform/ui/cached_panel_style.h"
#include "platform/ui/font_config_reader.h"
#include "platform/ui/lazy_icon.h"

namespace chronel {

void PrepareApplication() {
    // QApplication adopts the user's locale; the fields are formatted and read with printf and
    // scanf conventions, which want '.' as the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("chronel");
    QApplication::setApplicationDisplayName("Chronel");
    QApplication::setOrganizationName("chronel");  // settings in ~/.config/chronel/
    QApplication::setOrganizationDomain("chronel.org");
    QApplication::setDesktopFileName("org.chronel.Chronel");
    QApplication::setApplicationVersion(CHRONEL_VERSION);
    UseCachedPanelStyle();
    QApplication::setWindowIcon(LazyIcon(":/icons/chronel-%1.png", {16, 32, 48, 64, 128, 256}));
}

int CCalendarApp::InitInstance(int& argc, char** argv) {
    FontConfigReader fontConfig;
    QApplication app(argc, argv);
    PrepareApplication();
    const std::shared_ptr<const Catalogues> catalogues = LoadWindowCatalogues();
    fontConfig.Wait();
    CCalendarDlg dialog(catalogues);
    dialog.AttachSettings(OpenUserSettings(std::cerr));
    dialog.exec();
    return 0;
}

}  // namespace chronel
