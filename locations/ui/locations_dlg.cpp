#include "locations/ui/locations_dlg.h"

#include "app/ui/calendar_dlg.h"
#include "res/templates/templates.h"

namespace chronel {

CLocationsDlg::CLocationsDlg(CCalendarDlg* mainDlg) : TemplateDialog(LocationsDialogTemplate(), mainDlg), m_pMainDlg(mainDlg) {}

bool CLocationsDlg::Create() { return true; }
void CLocationsDlg::OnSelchangeCityList() {}
void CLocationsDlg::OnGo() {}
void CLocationsDlg::OnSetDefaultLocation() {}

}  // namespace chronel
