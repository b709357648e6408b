#include "calc/CMetrologyDlg.h"

#include "controls/MessageBox.h"
#include "calc/NumberText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void setUpList(QListWidget* list)
{
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    list->setPalette(pal);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setMinimumWidth(190);
    list->setMinimumHeight(260);
}

} // namespace

CMetrologyDlg::CMetrologyDlg(QWidget* parent)
    : SkinnedDialog(QStringLiteral("Metrology"), 0, parent)
{
    setObjectName(QStringLiteral("CMetrologyDlg"));

    auto* layout = new QHBoxLayout(body());
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(8);

    m_tree = new QTreeWidget(body());
    m_tree->setObjectName(QStringLiteral("categories"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setMinimumWidth(190);
    for (const UnitCategory& category : m_model.categories())
        m_tree->addTopLevelItem(new QTreeWidgetItem(QStringList{category.name}));
    layout->addWidget(m_tree);

    auto* right = new QGridLayout;
    right->addWidget(new QLabel(QStringLiteral("From"), body()), 0, 0);
    right->addWidget(new QLabel(QStringLiteral("To"), body()), 0, 1);
    m_fromList = new QListWidget(body());
    m_fromList->setObjectName(QStringLiteral("fromList"));
    m_toList = new QListWidget(body());
    m_toList->setObjectName(QStringLiteral("toList"));
    setUpList(m_fromList);
    setUpList(m_toList);
    right->addWidget(m_fromList, 1, 0);
    right->addWidget(m_toList, 1, 1);

    m_fromEdit = new QLineEdit(body());
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    m_toEdit = new QLineEdit(body());
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    m_toEdit->setReadOnly(true);
    right->addWidget(m_fromEdit, 2, 0);
    right->addWidget(m_toEdit, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* convertButton = new QPushButton(QStringLiteral("Convert"), body());
    convertButton->setObjectName(QStringLiteral("convert"));
    convertButton->setDefault(true);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), body());
    closeButton->setObjectName(QStringLiteral("close"));
    closeButton->setAutoDefault(false);
    buttons->addWidget(convertButton);
    buttons->addWidget(closeButton);
    right->addLayout(buttons, 3, 0, 1, 2);
    layout->addLayout(right, 1);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CMetrologyDlg::categorySelected);
    connect(m_fromList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        m_model.setFromIndex(row);
        convert(true);
    });
    connect(m_toList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        m_model.setToIndex(row);
        convert(true);
    });
    // While the user types, only the result follows, so a trailing point or
    // exponent being typed stays in the edit.
    connect(m_fromEdit, &QLineEdit::textEdited, this, [this] { convert(false); });
    connect(convertButton, &QPushButton::clicked, this, [this] { convert(true); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_fromEdit->setText(NumberText::format(m_model.fromValue()));
    m_toEdit->setText(NumberText::format(m_model.toValue()));
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

void CMetrologyDlg::categorySelected()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return;
    m_model.selectCategory(item->text(0));
    fillLists();
    convert(true);
}

void CMetrologyDlg::fillLists()
{
    const UnitCategory* category = m_model.currentCategory();
    for (QListWidget* list : {m_fromList, m_toList}) {
        const QSignalBlocker block(list);
        list->clear();
        if (category)
            list->addItems(category->units);
        // The first unit is the current one, without being highlighted.
        list->setCurrentRow(-1);
    }
}

void CMetrologyDlg::convert(bool rewriteFrom)
{
    bool refused = false;
    if (!m_model.setFromText(m_fromEdit->text())) {
        refused = true;
        MessageBox::info(this, QStringLiteral("Please enter a number."));
    }
    m_model.convert();
    m_toEdit->setText(NumberText::format(m_model.toValue()));
    if (rewriteFrom || refused)
        m_fromEdit->setText(NumberText::format(m_model.fromValue()));
}
