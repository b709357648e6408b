#pragma once
#include "controls/SkinnedDialog.h"

class QCheckBox;

// The tip shown when the panel is hidden with its Minimize button. The check box stores
// its state at once through the callback.
class CHideTipDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdDoNotShow = 1030 };
    explicit CHideTipDlg(bool noHideTip, QWidget* parent = nullptr);
    QCheckBox* doNotShow() const { return m_check; }

    // Runs the tip modally; in test mode it is only counted.
    static void run(bool noHideTip, const std::function<void(bool)>& onCheck, QWidget* parent);
    static void setTestMode(bool on);
    static int timesShown();

private:
    QCheckBox* m_check;
};
