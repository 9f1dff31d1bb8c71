#include "locations/ui/locations_dlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

#include "app/core/edit_number.h"
#include "locations/core/save_default_city.h"
#include "platform/ui/message_box.h"
#include "platform/ui/up_down.h"
#include "res/templates/accessible_names.h"
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

constexpr int kLatDeg = kLatitudeDegreesField, kLatMin = kLatitudeMinutesField, kLatSec = kLatitudeSecondsField;
constexpr int kLonDeg = kLongitudeDegreesField, kLonMin = kLongitudeMinutesField, kLonSec = kLongitudeSecondsField;
constexpr int kLatHemisphere = kLatitudeHemisphereList, kLonHemisphere = kLongitudeHemisphereList;
constexpr int kTimeZone = kTimeZoneField;

// Each spinner, its field and its upper limit (all start at 0). Minutes and seconds run to 60.
struct Spinner {
    int upDown;
    int field;
    int upper;
};
constexpr std::array<Spinner, 6> kSpinners = {{
    {kLatitudeDegreesUpDown, kLatDeg, 90},
    {kLatitudeMinutesUpDown, kLatMin, 60},
    {kLatitudeSecondsUpDown, kLatSec, 60},
    {kLongitudeDegreesUpDown, kLonDeg, 180},
    {kLongitudeMinutesUpDown, kLonMin, 60},
    {kLongitudeSecondsUpDown, kLonSec, 60},
}};

// The fields in which Enter applies the place.
constexpr std::array<int, 7> kNumberFields = {kLatDeg, kLonDeg, kLatMin, kLatSec, kLonMin, kLonSec, kTimeZone};

std::string IntText(int value) { return std::to_string(value); }  // the text of "%d"

// Hours east of Greenwich in a field of five characters with two decimals (" 1.00", "-5.00").
std::string TimeZoneText(double hours) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%5.2f", hours);
    return buffer;
}

}  // namespace

CLocationsDlg::CLocationsDlg(QWidget* parent, std::shared_ptr<const Catalogues> catalogues)
    : TemplateDialog(LocationsDialogTemplate(), parent),
      m_catalogues(std::move(catalogues)),
      m_selectedCity(m_catalogues->startup.selectedCity) {
    setModal(false);
    NameControls(LocationsDialogAccessibleNames());
    // A vertical scroll bar only; a name wider than the list ends in "..." and shows whole in
    // its tooltip.
    ControlAs<QListWidget>(kCityList)->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OnClicked(kSetDefaultLocationButton, [this] { OnSetDefaultLocation(); });
    OnPicked(kCityList, [this] { OnSelchangeCityList(); });
    OnClicked(kGoButton, [this] { OnGo(); });
}

bool CLocationsDlg::Create() {
    SetUpSpinners();
    FillCityList();
    ShowCity(m_catalogues->startup.defaultCity);
    SelectItem(kCityList, -1);
    return true;
}

void CLocationsDlg::SetUpSpinners() {
    for (const Spinner& s : kSpinners) {
        auto* upDown = ControlAs<UpDown>(s.upDown);
        upDown->SetBuddy(ControlAs<QLineEdit>(s.field),
                         [](const std::string& text, int lower, int upper) { return ReadEditInt(text, lower, upper, true); });
        upDown->SetRange(0, s.upper);
        upDown->SetPosition(0);
        SetText(s.field, "0");
    }
}

void CLocationsDlg::FillCityList() {
    ClearItems(kCityList);
    const CityTable& cities = m_catalogues->cities;
    std::vector<std::string> names;
    names.reserve(cities.size());
    for (std::size_t row = 0; row < cities.size(); ++row)
        if (cities.Usable(row)) names.push_back(cities.cityNames[row]);
    AddItems(kCityList, names);
    auto* list = ControlAs<QListWidget>(kCityList);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setToolTip(list->item(i)->text());
}

void CLocationsDlg::ShowCity(int row) {
    const CityTable& cities = m_catalogues->cities;
    if (row < 0 || static_cast<std::size_t>(row) >= cities.size()) return;
    const CityRow city = cities.Row(static_cast<std::size_t>(row));
    SetText(kLatDeg, IntText(city.latDeg));
    SetText(kLatMin, IntText(city.latMin));
    SelectItem(kLatHemisphere, city.latLetter == 'S' ? 1 : 0);
    SetText(kLonDeg, IntText(city.lonDeg));
    SetText(kLonMin, IntText(city.lonMin));
    SelectItem(kLonHemisphere, city.lonLetter == 'W' ? 1 : 0);
    SetText(kTimeZone, TimeZoneText(city.timeZone));
}

void CLocationsDlg::OnSelchangeCityList() {
    const int position = SelectedItem(kCityList);
    if (position < 0) return;
    // The list holds the names as the window shows them; compare in that form, so that a name
    // that is not valid UTF-8 still finds its row.
    const QString picked = QString::fromStdString(ItemText(kCityList, position));
    const CityTable& cities = m_catalogues->cities;
    for (std::size_t row = 0; row < cities.size(); ++row) {
        if (!cities.Usable(row) || QString::fromStdString(cities.cityNames[row]) != picked) continue;
        ShowCity(static_cast<int>(row));
        m_selectedCity = static_cast<int>(row);
        emit PlaceChosen(ReadPlace(), static_cast<int>(row));
        return;
    }
}

void CLocationsDlg::OnGo() { emit PlaceChosen(ReadPlace(), std::nullopt); }

ObserverPlace CLocationsDlg::ReadPlace() {
    const bool south = SelectedItem(kLatHemisphere) > 0;
    const bool west = SelectedItem(kLonHemisphere) > 0;

    const double latitude = DmsToDegrees(ReadEditInt(GetText(kLatDeg), 0, 90, true),
                                         ReadEditInt(GetText(kLatMin), 0, 60, true),
                                         ReadEditInt(GetText(kLatSec), 0, 60, true));
    const double longitude = DmsToDegrees(ReadEditInt(GetText(kLonDeg), 0, 180, true),
                                          ReadEditInt(GetText(kLonMin), 0, 60, true),
                                          ReadEditInt(GetText(kLonSec), 0, 60, true));
    ObserverPlace place;
    place.latitude = south ? -latitude : latitude;
    place.longitude = west ? -longitude : longitude;
    place.timeZone = ReadEditDouble(GetText(kTimeZone), -12.0, 12.0, true);
    SetText(kTimeZone, TimeZoneText(place.timeZone));
    return place;
}

void CLocationsDlg::OnSetDefaultLocation() {
    const SaveResult result = SaveDefaultCity(m_selectedCity);
    if (!result.ok)
        ShowMessageBox(this, QString::fromStdString("Could not save the default location.\n" + result.reason));
}

bool CLocationsDlg::KeyPressed(int key, int focusId) {
    if (key == Qt::Key_Escape) {
        reject();  // hides the window; it keeps its contents for the next showing
        return true;
    }
    for (int field : kNumberFields)
        if (focusId == field) OnGo();
    return true;  // Enter never presses "GO" or closes the window
}

}  // namespace chronel
