#pragma once
#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the program goes through here: the captions "Error" and "Tip",
// the information icon, the application title as the default caption. In test mode the
// boxes are recorded instead of shown and question() returns the answer set beforehand.
class MessageBox
{
public:
    // Information icon; an empty caption means the application title
    // (QCoreApplication::applicationName(), the executable's name without extension).
    static void info(QWidget* parent, const QString& text, const QString& caption = {});
    // Information icon, caption "Tip".
    static void tip(QWidget* parent, const QString& text);
    // Information icon, caption "Error".
    static void error(QWidget* parent, const QString& text);
    // Stop (critical) icon.
    static void stop(QWidget* parent, const QString& text, const QString& caption = {});
    // Question icon, Yes and No; true for Yes.
    static bool question(QWidget* parent, const QString& text, const QString& caption = {});

    struct Shown
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
    };

    static void setTestMode(bool on);
    static bool testMode();
    // Queues the answer of a coming question() in test mode; each question() takes the
    // oldest queued answer, and answers No when none is queued.
    static void setNextAnswer(bool yes);
    // The boxes recorded in test mode since the last call, oldest first.
    static QList<Shown> takeShown();

    // The caption a box gets for the given caption argument.
    static QString captionFor(const QString& caption);
};
