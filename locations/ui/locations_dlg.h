#pragma once
// The Locations window: the observer's place, picked from the city table or typed as degrees,
// minutes and seconds with hemispheres and a time zone. Picking a city or pressing "GO" sets
// g_latitude, g_longitude and g_timeZone and has the main window recompute the rise and set
// times. Closing it (close box, Escape) only hides it.
//
// Keys: Enter in one of the seven number fields runs "GO"; Enter anywhere else does nothing
// (it neither presses "GO" nor closes the window). Tab and Shift+Tab move through the controls
// in template order; the Up and Down keys step the degrees, minutes and seconds.

#include "platform/ui/template_dialog.h"


namespace chronel {

class CCalendarDlg;

class CLocationsDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CLocationsDlg(CCalendarDlg* mainDlg);

    // Sets up the controls: the spinners with their ranges at 0, every city of g_cities in the
    // sorted list, the default city's values in the fields, no list item selected. Recomputes
    // nothing. False when the window could not be made.
    bool Create();

    // The list's pick: the first row of g_cities with the picked name fills the fields (the
    // seconds stay as typed), becomes g_selectedCity, names the main window's place button, and
    // the place is applied as by "GO".
    void OnSelchangeCityList();

    // Applies the fields: degrees clamped to 0..90 (latitude) or 0..180 (longitude), minutes
    // and seconds to 0..60, the time zone to -12..12 hours and written back "%5.2f"; the
    // hemisphere lists' second items (S, W) negate, no selection counts as N or E. The typed
    // degrees, minutes and seconds stay in their fields; the place button is left alone.
    void OnGo();

    // Stores g_selectedCity as the default city for the next start; a failure is reported in a
    // message box and changes nothing.
    void OnSetDefaultLocation();

protected:
    bool KeyPressed(int key, int focusId) override;

private:
    void SetUpSpinners();
    void FillCityList();
    void ShowCity(int row);  // fields from row of g_cities; a row outside the table changes nothing

    CCalendarDlg* m_pMainDlg;
};

}  // namespace chronel
