#pragma once

#include "controls/SkinnedDialog.h"
#include "calc/UnitConverter.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

// The "Metrology" window: the category tree, the "From" and "To" unit lists
// and the two value edits. It holds a UnitConverter and converts on every
// change of the category, a unit or the "From" text.
class CMetrologyDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    explicit CMetrologyDlg(QWidget* parent = nullptr);

    const UnitConverter& model() const { return m_model; }

private:
    void categorySelected();
    void fillLists();
    // Reads the "From" text (telling the user when it is not a number),
    // converts and shows the result; the "From" edit is rewritten in the
    // number format when asked or when its text was refused.
    void convert(bool rewriteFrom);

    UnitConverter m_model;
    QTreeWidget* m_tree = nullptr;
    QListWidget* m_fromList = nullptr;
    QListWidget* m_toList = nullptr;
    QLineEdit* m_fromEdit = nullptr;
    QLineEdit* m_toEdit = nullptr;
};
