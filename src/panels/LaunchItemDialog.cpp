#include "panels/LaunchItemDialog.h"

#include "controls/ItemFileChooser.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString idName(int id)
{
    return QStringLiteral("id%1").arg(id);
}
} // namespace

LaunchItemDialog::LaunchItemDialog(Kind kind, const LaunchItem& item, QWidget* parent)
    : SkinnedDialog(kind == Kind::Boot ? QStringLiteral("Boot Setting") : QStringLiteral("Favorite Setting"), 0, parent),
      m_kind(kind)
{
    auto* grid = new QGridLayout;
    m_name = new QLineEdit(item.name);
    m_name->setObjectName(idName(IdName));
    m_target = new QLineEdit(item.target);
    m_target->setMinimumWidth(260);
    grid->addWidget(new QLabel(QStringLiteral("Name")), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, kind == Kind::Boot ? 2 : 1);
    if (kind == Kind::Boot) {
        m_target->setObjectName(idName(IdDir));
        auto* dir = new QPushButton(QStringLiteral("Dir"));
        dir->setObjectName(idName(IdDirButton));
        dir->setAutoDefault(false);
        connect(dir, &QPushButton::clicked, this, &LaunchItemDialog::chooseFile);
        grid->addWidget(new QLabel(QStringLiteral("Dir")), 1, 0);
        grid->addWidget(m_target, 1, 1);
        grid->addWidget(dir, 1, 2);
    } else {
        m_target->setObjectName(idName(IdWebSite));
        grid->addWidget(new QLabel(QStringLiteral("WebSite")), 1, 0);
        grid->addWidget(m_target, 1, 1);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(idName(IdOk));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(idName(IdCancel));
    connect(ok, &QPushButton::clicked, this, &LaunchItemDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &LaunchItemDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(body());
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

LaunchItem LaunchItemDialog::item() const
{
    return {m_name->text(), m_target->text()};
}

void LaunchItemDialog::accept()
{
    // A boot item must name a file that exists; until it does, OK does nothing.
    if (m_kind == Kind::Boot && !QFileInfo(m_target->text()).isFile())
        return;
    SkinnedDialog::accept();
}

void LaunchItemDialog::chooseFile()
{
    const QString path = ItemFileChooser::openFile(this, windowTitle(), bootFilter());
    if (!path.isEmpty())
        m_target->setText(path);
}
