#pragma once
#include "controls/SkinnedDialog.h"
#include "games/scores/SameBallTopList.h"

class QLabel;
class QLineEdit;

// "Input your name": asked when a Winlinez score enters the table.
class CInputNameDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdName = 1011 };
    explicit CInputNameDlg(QWidget* parent = nullptr);
    QString name() const;
    // Runs the dialog; the typed name when OK closed it, otherwise the empty name.
    static QString ask(QWidget* parent);

private:
    QLineEdit* m_name;
};

// "Winlinez TopScore": the table text of the Winlinez high scores.
class CTopScoreDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdTable = 1002 };
    CTopScoreDlg(const QString& tableText, QWidget* parent = nullptr);
};

// "Please input your Name": asked when a SameBall result enters the top five. OK takes
// only a name of two characters or more; "Close" ends it with whatever the edit holds.
class CSameBallNameDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdName = 1025 };
    explicit CSameBallNameDlg(QWidget* parent = nullptr);
    QString name() const;
    static QString ask(QWidget* parent);

    void accept() override;

private:
    QLineEdit* m_name;
};

// "Score List": SameBall's top five with a message; the new entry's name in red.
class CScoreListDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { IdFirstName = 1003, IdMessage = 1008, IdFirstScore = 1009 };
    // highlight: the slot of the new entry (1..5) or 0.
    CScoreListDlg(const SameBallTopList& list, int highlight, const QString& message, QWidget* parent = nullptr);
};
