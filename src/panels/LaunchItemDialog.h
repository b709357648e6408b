#pragma once
#include "panels/LaunchItem.h"
#include "controls/SkinnedDialog.h"

class QLineEdit;
class QPushButton;

// The item dialogs of the launch lists: "Boot Setting" (name and the file to open, with
// a chooser; OK only for an existing file) and "Favorite Setting" (name and web site).
class LaunchItemDialog : public SkinnedDialog
{
    Q_OBJECT
public:
    enum class Kind { Boot, Favorite };
    enum : int { IdOk = 1, IdCancel = 2, IdName = 1011, IdWebSite = 1038, IdDirButton = 1040, IdDir = 1041 };

    LaunchItemDialog(Kind kind, const LaunchItem& item, QWidget* parent = nullptr);

    LaunchItem item() const;
    Kind kind() const { return m_kind; }

    static QString bootFilter() { return QStringLiteral("EXE File(*.exe)|*.exe|All File(*.*)|*.*||"); }

public Q_SLOTS:
    void accept() override;

private:
    void chooseFile();

    Kind m_kind;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_target = nullptr;
};
