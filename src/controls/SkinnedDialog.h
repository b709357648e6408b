#pragma once
#include <QDialog>

class TitleStrip;

// The frame of every tool window: frameless, the painted title strip at the top (with
// "Close" and, for a help context other than 0, "Help"), a thin skin border, and the
// body below where the window puts its layout and controls. Close rejects the dialog
// (it hides); Help and F1 open the help page of the context. Enter and Escape behave
// as in any QDialog unless a subclass overrides keyPressEvent.
class SkinnedDialog : public QDialog
{
    Q_OBJECT
public:
    SkinnedDialog(const QString& title, int helpContext, QWidget* parent = nullptr);

    // Put your layout and controls in here.
    QWidget* body() const { return m_body; }
    TitleStrip* titleStrip() const { return m_title; }
    int helpContext() const { return m_helpContext; }

    // Sets the caption shown in the strip (and the window title).
    void setTitle(const QString& title);

    // Moves the window to the centre of the desktop's work area (of the screen it is on).
    void centreOnDesktop();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showHelp();

    TitleStrip* m_title = nullptr;
    QWidget* m_body = nullptr;
    int m_helpContext = 0;
};
