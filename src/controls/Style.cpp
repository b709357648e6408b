#include "controls/Style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace Style {

QColor dialogBackground() { return QColor(204, 235, 255); }
QColor skinFrame() { return QColor(58, 120, 188); }

void applyApplicationLook(QApplication& app)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);

    const QColor bg = dialogBackground();
    QPalette pal = app.style()->standardPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Window, bg);
        pal.setColor(group, QPalette::WindowText, Qt::black);
        pal.setColor(group, QPalette::Text, Qt::black);
        pal.setColor(group, QPalette::ButtonText, Qt::black);
        pal.setColor(group, QPalette::Button, QColor(226, 243, 255));
        pal.setColor(group, QPalette::Base, Qt::white);
        pal.setColor(group, QPalette::AlternateBase, QColor(236, 247, 255));
        pal.setColor(group, QPalette::Highlight, QColor(74, 144, 217));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
        pal.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        pal.setColor(group, QPalette::ToolTipText, Qt::black);
    }
    pal.setColor(QPalette::Disabled, QPalette::Window, bg);
    pal.setColor(QPalette::Disabled, QPalette::Button, QColor(214, 236, 250));
    app.setPalette(pal);
}

} // namespace Style
