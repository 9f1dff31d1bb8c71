#pragma once
// The Locations window: the observer's place, picked from the city table or typed as degrees,
// minutes and seconds with hemispheres and a time zone. Picking a city or pressing "GO" tells
// the main window of the new place through PlaceChosen. Closing it (close box, Escape) only
// hides it.
//
// Keys: Enter in one of the seven number fields runs "GO"; Enter anywhere else does nothing
// (it neither presses "GO" nor closes the window). Tab and Shift+Tab move through the controls
// in template order; the Up and Down keys step the degrees, minutes and seconds.

#include <memory>
#include <optional>
#include <string>

#include "app/core/catalogues.h"
#include "locations/core/observer_place.h"
#include "platform/ui/template_dialog.h"

namespace chronel {

class CLocationsDlg : public TemplateDialog {
    Q_OBJECT
public:
    CLocationsDlg(QWidget* parent, std::shared_ptr<const Catalogues> catalogues);

    // Sets up the controls: the spinners with their ranges at 0, every city of the table in the
    // sorted list (usable rows only), the default city's values in the fields, no list item selected. Recomputes
    // nothing. False when the window could not be made.
    bool Create();

    // The list's pick: the first row of the table with the picked name fills the fields (the
    // seconds stay as typed), becomes the selected city, and the place is chosen with the
    // city's name.
    void OnSelchangeCityList();

    // Applies the fields: degrees clamped to 0..90 (latitude) or 0..180 (longitude), minutes
    // and seconds to 0..60, the time zone to -12..12 hours and written back "%5.2f"; the
    // hemisphere lists' second items (S, W) negate, no selection counts as N or E. The typed
    // degrees, minutes and seconds stay in their fields; the place is chosen without a name.
    void OnGo();

    // Stores the selected city as the default city for the next start; a failure is reported
    // in a message box and changes nothing.
    void OnSetDefaultLocation();

    // The row that "Set as default Location" stores: the last picked city, at first the city
    // the program started with.
    int SelectedCity() const { return m_selectedCity; }

signals:
    // cityRow is the picked city's row of the table; empty for typed coordinates.
    void PlaceChosen(const chronel::ObserverPlace& position, std::optional<int> cityRow);

protected:
    bool KeyPressed(int key, int focusId) override;

private:
    void SetUpSpinners();
    void FillCityList();
    ObserverPlace ReadPlace();  // the typed fields, brought into range and the zone written back
    void ShowCity(int row);  // fields from a row of the table; a row outside it changes nothing

    std::shared_ptr<const Catalogues> m_catalogues;
    int m_selectedCity;
};

}  // namespace chronel
