#pragma once
// The Computus window: Easter Sunday of the year shown in the main window, by the Catholic
// reckoning and by the Orthodox one as a Julian and as a Gregorian date. It shows the texts it
// is given; closing it only hides it.

#include "easter/core/computus_texts.h"
#include "platform/ui/template_dialog.h"

namespace chronel {

class CComputusDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CComputusDlg(QWidget* parent);

    bool Create();  // false when the window could not be made
    void ShowEaster(const ComputusTexts& texts);

protected:
    bool KeyPressed(int key, int focusId) override;

private:
    void ShowCatholicEaster(const ComputusTexts& texts);
    void ShowOrthodoxEaster(const ComputusTexts& texts);
};

}  // namespace chronel
