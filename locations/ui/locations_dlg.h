#pragma once
// The Locations window: the observer's place, picked from the city table or typed as degrees,
// minutes and seconds with hemispheres and a time zone.

#include "platform/ui/template_dialog.h"

namespace chronel {

class CCalendarDlg;

class CLocationsDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CLocationsDlg(CCalendarDlg* mainDlg);

    // Sets up the controls (spinners, city list, the default city's values); false when the
    // window could not be made.
    bool Create();

    void OnSelchangeCityList();
    void OnGo();
    void OnSetDefaultLocation();

private:
    CCalendarDlg* m_pMainDlg;
};

}  // namespace chronel
