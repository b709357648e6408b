#pragma once
#include "controls/SkinnedDialog.h"
#include "games/winlinez/CFivePlusGameModel.h"

class QLineEdit;

// "Winlinez Setting": the birth weights (1..100), the animation intervals (1..200 ms) and
// the score for an extra ball (1..500). OK refuses a value out of its range, as the usual
// range check of a dialog does: a message, and the field gets the focus again.
class CFivePlusSettingDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdCommon = 1007, IdAny = 1008, IdCrack = 1009,
        IdShow = 1010, IdMove = 1011, IdSelect = 1012, IdScoreStep = 1013,
    };

    explicit CFivePlusSettingDlg(const CFivePlusGameModel::Settings& settings, QWidget* parent = nullptr);
    CFivePlusGameModel::Settings settings() const { return m_settings; }

    void accept() override;

private:
    struct Field
    {
        QLineEdit* edit;
        int low;
        int high;
        int CFivePlusGameModel::Settings::*value;
    };
    QList<Field> m_fields;
    CFivePlusGameModel::Settings m_settings;
};
