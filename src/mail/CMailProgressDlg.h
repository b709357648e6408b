#pragma once
#include "controls/SkinnedDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of a receive (dialog 429) or a send (dialog 430), caption
// "Progress": a text line, a bar from 0 to 100, "Cancel" and the title strip's "Close".
// Pressing the left mouse button on either button aborts the transfer at once (on the
// press, before any click completes) and hides the window, also when nothing runs.
class CMailProgressDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdText = 1134, IdBar = 1137, IdCancel = 2 };

    explicit CMailProgressDlg(int dialogId, QWidget* parent = nullptr);

    // Replaces the text when it differs; a percent above 0 moves the bar (at most to 100);
    // `hide` hides the window.
    void ShowProgress(const QString& text, int percent, bool hide);

    QString text() const;
    int percent() const;
    int dialogId() const { return m_dialogId; }

Q_SIGNALS:
    void abortRequested();

private:
    void abortPressed();

    int m_dialogId;
    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
};
