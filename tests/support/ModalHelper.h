#pragma once
#include "controls/ItemListView.h"
#include "controls/PopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QAbstractButton>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

// Acts on the next modal dialog as soon as it is open: `act` gets it (fill fields, press
// buttons). A dialog that is still open after `act` and the time-out is rejected and the
// test fails, so a stray modal loop never hangs the run.
inline void whenModal(std::function<void(QDialog*)> act, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(timeoutMs);
    auto acted = std::make_shared<QDialog*>(nullptr);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, deadline, acted] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && !*acted) {
            *acted = dialog;
            act(dialog);
            if (!dialog->isVisible()) {
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        if (*acted && (!dialog || dialog != *acted || !dialog->isVisible())) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (deadline->hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (dialog) {
                ADD_FAILURE() << "a modal dialog stayed open: " << dialog->windowTitle().toStdString();
                dialog->reject();
            } else {
                ADD_FAILURE() << "no modal dialog came";
            }
        }
    });
    timer->start();
}

template <class W>
W* child(QWidget* parent, int id)
{
    W* w = parent->findChild<W*>(QStringLiteral("id%1").arg(id));
    EXPECT_NE(w, nullptr) << "no control id" << id;
    return w;
}

inline void setText(QWidget* parent, int id, const QString& text)
{
    if (auto* e = child<QLineEdit>(parent, id))
        e->setText(text);
}

inline void click(QWidget* parent, int id)
{
    if (auto* b = child<QAbstractButton>(parent, id))
        b->click();
}

// Right-clicks a row of a page's list (or empty space with row -1) and chooses `id` from
// the menu that opens.
inline void rightClick(ItemListView* view, int row, int id)
{
    PopupMenu::setNextChoice(id);
    QPoint pos(2, 2);
    if (row >= 0)
        pos = view->visualItemRect(view->item(row)).center();
    else
        pos = QPoint(5, view->viewport()->height() - 3);
    // As with a real mouse: the press (which selects the row under it), the release,
    // then the context menu request.
    const QPoint global = view->viewport()->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), QPointF(global), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), QPointF(global), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &release);
    QContextMenuEvent ev(QContextMenuEvent::Mouse, pos, global);
    QApplication::sendEvent(view->viewport(), &ev);
}
