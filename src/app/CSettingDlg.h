#pragma once
#include "controls/SkinnedDialog.h"

class QCheckBox;
class LineTrackBar;

// The panel's settings window: every change applies at once; OK, Cancel and Close only
// close it (nothing is undone).
class CSettingDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdTransparence = 1020, IdRunOnLogon = 1021, IdNoHideTip = 1022, IdAlwaysOnTop = 1023 };

    explicit CSettingDlg(QWidget* parent = nullptr);

    // Copies the panel's values in (before the window is shown).
    void setValues(int alpha, bool runOnLogon, bool runAvailable, bool noHideTip, bool alwaysOnTop);
    void setNoHideTip(bool on);

    LineTrackBar* transparence() const { return m_alpha; }

Q_SIGNALS:
    void alphaChanged(int alpha); // already limited to 0..255
    void runOnLogonClicked(bool on);
    void noHideTipClicked(bool on);
    void alwaysOnTopClicked(bool on);

private:
    LineTrackBar* m_alpha;
    QCheckBox* m_run;
    QCheckBox* m_noTip;
    QCheckBox* m_onTop;
};
