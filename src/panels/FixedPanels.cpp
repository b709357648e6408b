#include "panels/FixedPanels.h"

#include "controls/ItemListView.h"

#include <QResizeEvent>

namespace {
void paintWhite(QWidget* w)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    w->setPalette(pal);
}
} // namespace

GamePanel::GamePanel(const QString& programDir, QWidget* parent)
    : QWidget(parent), m_view(new ItemListView(programDir + QStringLiteral("face/game1.bmp"), QString(), ItemListView::Look::Default, this))
{
    setObjectName(QStringLiteral("GamePanel"));
    paintWhite(this);
    m_view->setObjectName(QStringLiteral("itemList"));
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setFixedRows(rowTexts());
    connect(m_view, &ItemListView::rowDoubleClicked, this, [this](int row) {
        if (row >= 0 && row <= int(Game::Tetris))
            Q_EMIT gameRequested(Game(row));
    });
}

QStringList GamePanel::rowTexts()
{
    return {QStringLiteral(" Same Game"), QStringLiteral(" Gobang"), QStringLiteral(" Winlinez"), QStringLiteral(" Tetris")};
}

void GamePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(5, 10, qMax(0, width() - 10), qMax(0, height() - 20));
}

WorkPanel::WorkPanel(const QString& programDir, QWidget* parent)
    : QWidget(parent), m_view(new ItemListView(programDir + QStringLiteral("face/work1.bmp"), QString(), ItemListView::Look::Default, this))
{
    setObjectName(QStringLiteral("WorkPanel"));
    paintWhite(this);
    m_view->setObjectName(QStringLiteral("itemList"));
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setFixedRows({QStringLiteral(" Diary")});
    connect(m_view, &ItemListView::rowDoubleClicked, this, [this](int row) {
        if (row == 0)
            Q_EMIT diaryRequested();
    });
}

void WorkPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(5, 10, qMax(0, width() - 10), qMax(0, height() - 17));
}
