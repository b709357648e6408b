#pragma once
#include "controls/SkinnedDialog.h"
#include "games/tetris/TetrisSettings.h"

#include <QLineEdit>

#include <array>

class QCheckBox;
class QComboBox;

// A key field of "Tetris Setting": click into it and press a key; it keeps that key's
// virtual-key code and shows its name. Tab, Enter and Escape keep their dialog meaning.
class KeyCaptureEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit KeyCaptureEdit(QWidget* parent = nullptr);
    int virtualKey() const { return m_vk; }
    void setKey(int vk, const QString& name);

protected:
    bool event(QEvent* event) override;

private:
    int m_vk = 0;
};

// "Tetris Setting": each player's four keys, the second player's "Enable", the grades
// (and the hidden step lists). The values become the game's on OK.
class CTetrisSettingDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdMainLeft = 1137, IdMainRight = 1138, IdMainRotate = 1139, IdMainDrop = 1140,
        IdSecondLeft = 1133, IdSecondRight = 1134, IdSecondRotate = 1135, IdSecondDrop = 1136,
        IdMainEnable = 1131, IdSecondEnable = 1132, IdMainGrade = 1123, IdSecondGrade = 1129,
        IdMainStep = 1141, IdSecondStep = 1130, IdOk = 1, IdCancel = 2,
    };

    explicit CTetrisSettingDlg(const TetrisSettings& settings, QWidget* parent = nullptr);

    // The settings as the dialog shows them.
    TetrisSettings settings() const;

private:
    QWidget* makeGroup(const QString& title, int side);
    void updateSecondGroup();

    TetrisSettings m_settings;
    std::array<std::array<KeyCaptureEdit*, 4>, 2> m_keys{};
    std::array<QCheckBox*, 2> m_enable{};
    std::array<QComboBox*, 2> m_grade{};
    std::array<QComboBox*, 2> m_step{};
    QWidget* m_secondGroup = nullptr;
};
