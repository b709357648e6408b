#include "controls/PopupMenu.h"

#include "controls/Skin.h"

#include <QMouseEvent>

namespace {
int& nextChoice()
{
    static int id = -1;
    return id;
}

QIcon itemIcon()
{
    QIcon icon;
    icon.addPixmap(Skin::resource(Skin::MenuImage), QIcon::Normal);
    icon.addPixmap(Skin::resource(Skin::MenuImageHighlighted), QIcon::Active);
    icon.addPixmap(Skin::resource(Skin::MenuImageHighlighted), QIcon::Selected);
    return icon;
}
} // namespace

PopupMenu::PopupMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("popupMenu"));
    setStyleSheet(QStringLiteral(
        "QMenu { background: #eaf6ff; border: 1px solid #3a78bc; padding: 2px; }"
        "QMenu::item { color: black; padding: 4px 18px 4px 26px; border: 1px solid transparent; }"
        "QMenu::item:selected { color: white; border: 1px solid #2a5f9e;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fb0ec, stop:1 #3a78bc); }"
        "QMenu::item:disabled { color: #8aa4bd; }"
        "QMenu::icon { padding-left: 6px; }"
        "QMenu::separator { height: 1px; background: #9cc6ea; margin: 3px 6px; }"));
}

void PopupMenu::addItem(int id, const QString& text)
{
    QAction* action = addAction(itemIcon(), text);
    action->setData(id);
    action->setIconVisibleInMenu(true);
}

QAction* PopupMenu::item(int id) const
{
    for (QAction* a : actions())
        if (!a->isSeparator() && a->data().toInt() == id)
            return a;
    return nullptr;
}

int PopupMenu::exec(const QPoint& globalPos)
{
    if (nextChoice() != -1) {
        const int id = nextChoice();
        nextChoice() = -1;
        return id;
    }
    QAction* chosen = QMenu::exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

void PopupMenu::setNextChoice(int id) { nextChoice() = id; }

void PopupMenu::mouseReleaseEvent(QMouseEvent* event)
{
    // The right button chooses too: hand its release on as a left-button release.
    if (event->button() == Qt::RightButton) {
        QMouseEvent left(event->type(), event->position(), event->scenePosition(),
                         event->globalPosition(), Qt::LeftButton, Qt::NoButton, event->modifiers(),
                         event->pointingDevice());
        QMenu::mouseReleaseEvent(&left);
        event->setAccepted(left.isAccepted());
        return;
    }
    QMenu::mouseReleaseEvent(event);
}
