#include "controls/MessageBox.h"

#include <QCoreApplication>

namespace {
struct TestState
{
    bool on = false;
    QList<bool> answers;
    QList<MessageBox::Shown> shown;
};

TestState& state()
{
    static TestState s;
    return s;
}

int show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, MessageBox::captionFor(caption), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}
} // namespace

QString MessageBox::captionFor(const QString& caption)
{
    return caption.isEmpty() ? QCoreApplication::applicationName() : caption;
}

void MessageBox::info(QWidget* parent, const QString& text, const QString& caption)
{
    if (state().on) {
        state().shown.append({captionFor(caption), text, QMessageBox::Information});
        return;
    }
    show(parent, QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::tip(QWidget* parent, const QString& text)
{
    info(parent, text, QStringLiteral("Tip"));
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    info(parent, text, QStringLiteral("Error"));
}

void MessageBox::stop(QWidget* parent, const QString& text, const QString& caption)
{
    if (state().on) {
        state().shown.append({captionFor(caption), text, QMessageBox::Critical});
        return;
    }
    show(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBox::question(QWidget* parent, const QString& text, const QString& caption)
{
    if (state().on) {
        state().shown.append({captionFor(caption), text, QMessageBox::Question});
        return state().answers.isEmpty() ? false : state().answers.takeFirst();
    }
    return show(parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes)
        == QMessageBox::Yes;
}

void MessageBox::setTestMode(bool on)
{
    state().on = on;
    state().answers.clear();
    state().shown.clear();
}

bool MessageBox::testMode() { return state().on; }

void MessageBox::setNextAnswer(bool yes) { state().answers.append(yes); }

QList<MessageBox::Shown> MessageBox::takeShown()
{
    QList<Shown> out;
    out.swap(state().shown);
    return out;
}
