#pragma once
#include <QString>

// What the PopUp action needs of the main panel.
class PopUpHost
{
public:
    virtual ~PopUpHost() = default;
    // Shows the panel when it is hidden; when it is not top-most, makes it top-most,
    // raises it, keeps alwaysOnTop on (so it is saved that way) and refreshes the settings
    // window's "Always on top." check box.
    virtual void bringPanelForward() = 0;
    // A plain modal message box with an OK button; returns when the user has closed it.
    virtual void showAlarmMessage(const QString& info) = 0;
};
