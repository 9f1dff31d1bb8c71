#include "app/ui/user_settings.h"

#include <ostream>

namespace chronel {

std::unique_ptr<QSettings> OpenUserSettings(std::ostream& errors) {
    auto settings = std::make_unique<QSettings>();
    settings->allKeys();  // reads the file now, so a broken one is found before anything is shown
    const QSettings::Status status = settings->status();
    if (status == QSettings::NoError) return settings;
    errors << settings->fileName().toStdString() << ": "
           << (status == QSettings::FormatError ? "not a settings file" : "cannot be read")
           << "; using the default settings\n";
    return nullptr;
}

}  // namespace chronel
