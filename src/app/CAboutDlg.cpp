#include "app/CAboutDlg.h"

#include "controls/Skin.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : SkinnedDialog(QStringLiteral("About Marrowby"), 0, parent)
{
    auto* layout = new QHBoxLayout(body());
    layout->setContentsMargins(16, 12, 16, 12);
    auto* icon = new QLabel(body());
    icon->setPixmap(Skin::programIcon().pixmap(32, 32));
    layout->addWidget(icon, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(QStringLiteral("Marrowby Version 1.0"), body()));
    auto* ok = new QPushButton(QStringLiteral("OK"), body());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignRight);
    layout->addLayout(column);
}
