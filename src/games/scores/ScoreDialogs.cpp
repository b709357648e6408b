#include "games/scores/ScoreDialogs.h"

#include "controls/TitleStrip.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& text, int id, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QStringLiteral("id%1").arg(id));
    b->setMinimumWidth(72);
    return b;
}

QLineEdit* nameEdit(int id, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("id%1").arg(id));
    e->setMaxLength(32);
    e->setMinimumWidth(200);
    return e;
}

// A row of buttons on the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace

CInputNameDlg::CInputNameDlg(QWidget* parent)
    : SkinnedDialog(QStringLiteral("Input your name"), 0, parent)
{
    setObjectName(QStringLiteral("CInputNameDlg"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(new QLabel(QStringLiteral("Please input your name:"), body()));
    m_name = nameEdit(IdName, body());
    layout->addWidget(m_name);
    QPushButton* ok = button(QStringLiteral("OK"), 1, body());
    QPushButton* cancel = button(QStringLiteral("Cancel"), 2, body());
    ok->setDefault(true);
    layout->addLayout(buttonRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_name->setFocus();
}

QString CInputNameDlg::name() const
{
    return m_name->text();
}

QString CInputNameDlg::ask(QWidget* parent)
{
    CInputNameDlg dlg(parent);
    dlg.centreOnDesktop();
    return dlg.exec() == QDialog::Accepted ? dlg.name() : QString();
}

CTopScoreDlg::CTopScoreDlg(const QString& tableText, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Winlinez TopScore"), 0, parent)
{
    setObjectName(QStringLiteral("CTopScoreDlg"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(14, 10, 14, 10);
    auto* table = new QLabel(tableText, body());
    table->setObjectName(QStringLiteral("id%1").arg(IdTable));
    // The ranks and scores line up in a fixed-pitch font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(11);
    table->setFont(fixed);
    table->setTextFormat(Qt::PlainText);
    table->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    table->setMinimumSize(240, 9 * QFontMetrics(fixed).lineSpacing());
    layout->addWidget(table, 1);
    QPushButton* close = button(QStringLiteral("Close"), 1, body());
    close->setDefault(true);
    layout->addLayout(buttonRow({close}));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

CSameBallNameDlg::CSameBallNameDlg(QWidget* parent)
    : SkinnedDialog(QStringLiteral("Please input your Name"), 0, parent)
{
    setObjectName(QStringLiteral("CSameBallNameDlg"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(12, 10, 12, 10);
    m_name = nameEdit(IdName, body());
    layout->addWidget(m_name);
    QPushButton* ok = button(QStringLiteral("OK"), 1, body());
    ok->setDefault(true);
    layout->addLayout(buttonRow({ok}));
    connect(ok, &QPushButton::clicked, this, &CSameBallNameDlg::accept);
    m_name->setFocus();
    // The caption may grow to the refusal text.
    setMinimumWidth(TitleStrip(QStringLiteral("Sorry! your name is above two character."), true, false).sizeHint().width() + 8);
}

QString CSameBallNameDlg::name() const
{
    return m_name->text();
}

void CSameBallNameDlg::accept()
{
    if (m_name->text().size() < 2) {
        setTitle(QStringLiteral("Sorry! your name is above two character."));
        return;
    }
    SkinnedDialog::accept();
}

QString CSameBallNameDlg::ask(QWidget* parent)
{
    CSameBallNameDlg dlg(parent);
    dlg.centreOnDesktop();
    dlg.exec();
    return dlg.name();
}

CScoreListDlg::CScoreListDlg(const SameBallTopList& list, int highlight, const QString& message, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Score List"), 0, parent)
{
    setObjectName(QStringLiteral("CScoreListDlg"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(16, 10, 16, 10);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(11);
    for (int i = 0; i < SameBallTopList::Slots; ++i) {
        const SameBallTopList::Entry e = list.read(i + 1);
        auto* rank = new QLabel(QString::number(i + 1) + QLatin1Char('.'), body());
        auto* name = new QLabel(e.name, body());
        name->setObjectName(QStringLiteral("id%1").arg(IdFirstName + i));
        name->setTextFormat(Qt::PlainText);
        name->setMinimumWidth(160);
        auto* score = new QLabel(QString::asprintf("%4d", int(e.score)), body());
        score->setObjectName(QStringLiteral("id%1").arg(IdFirstScore + i));
        score->setFont(fixed);
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (i + 1 == highlight) {
            QPalette pal = name->palette();
            pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
            name->setPalette(pal);
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
        }
        grid->addWidget(rank, i, 0);
        grid->addWidget(name, i, 1);
        grid->addWidget(score, i, 2);
    }
    layout->addLayout(grid);
    auto* text = new QLabel(message, body());
    text->setObjectName(QStringLiteral("id%1").arg(IdMessage));
    text->setWordWrap(true);
    text->setMinimumHeight(QFontMetrics(text->font()).lineSpacing() * 2);
    layout->addWidget(text);
    QPushButton* ok = button(QStringLiteral("OK"), 1, body());
    ok->setDefault(true);
    layout->addLayout(buttonRow({ok}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
