#pragma once
#include <QPoint>
#include <QString>
#include <QWidget>

class BitmapButton;

// The painted title strip of the tool windows: the skin's title picture, the title in
// white bold "Verdana" 13 pixels high at (10, 5), and on the right an optional "Help"
// button (objectName "id1065"), an optional "Min" button ("minimize") and the "Close"
// button ("id1064"). Pressing the left mouse
// button on the strip moves its top-level window.
class TitleStrip : public QWidget
{
    Q_OBJECT
public:
    enum : int { IdClose = 1064, IdHelp = 1065 };

    explicit TitleStrip(QWidget* parent = nullptr);
    TitleStrip(const QString& title, bool closeButton, bool helpButton, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return m_title; }

    void setCloseButtonVisible(bool on);
    void setHelpButtonVisible(bool on);
    // A "Min" button between Close and Help (hidden unless asked for).
    void setMinimizeButtonVisible(bool on);
    BitmapButton* closeButton() const { return m_close; }
    BitmapButton* helpButton() const { return m_help; }
    BitmapButton* minimizeButton() const { return m_min; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The title font: bold "Verdana", 13 pixels high.
    static QFont titleFont();

Q_SIGNALS:
    void closeClicked();
    void helpClicked();
    void minimizeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeButtons();

    QString m_title;
    BitmapButton* m_close = nullptr;
    BitmapButton* m_help = nullptr;
    BitmapButton* m_min = nullptr;
};
