#pragma once
#include "controls/SkinnedDialog.h"

// The About box: the program icon, "Marrowby Version 1.0" and OK.
class CAboutDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
