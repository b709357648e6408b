#include "controls/MessageBox.h"
#include "controls/Style.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class MessageBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { MessageBox::setTestMode(true); }
    void TearDown() override { MessageBox::setTestMode(false); }
};

// The application title is the executable's name without its extension.
QString applicationTitle() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }
} // namespace

TEST_F(MessageBoxTest, CaptionsAndIcons)
{
    struct Case
    {
        std::function<void()> show;
        QString caption;
        QMessageBox::Icon icon;
    };
    const QString text = QStringLiteral("Please enter a number.");
    const Case cases[] = {
        {[&] { MessageBox::info(nullptr, text); }, applicationTitle(), QMessageBox::Information},
        {[&] { MessageBox::info(nullptr, text, QStringLiteral("Own")); }, QStringLiteral("Own"),
         QMessageBox::Information},
        {[&] { MessageBox::tip(nullptr, text); }, QStringLiteral("Tip"), QMessageBox::Information},
        {[&] { MessageBox::error(nullptr, text); }, QStringLiteral("Error"), QMessageBox::Information},
        {[&] { MessageBox::stop(nullptr, text); }, applicationTitle(), QMessageBox::Critical},
        {[&] { MessageBox::stop(nullptr, text, QStringLiteral("Quillora")); }, QStringLiteral("Quillora"),
         QMessageBox::Critical},
        {[&] { MessageBox::question(nullptr, text); }, applicationTitle(), QMessageBox::Question},
    };
    for (const Case& c : cases) {
        c.show();
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].caption, c.caption);
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].icon, c.icon);
    }
    EXPECT_FALSE(applicationTitle().isEmpty());
}

TEST_F(MessageBoxTest, QuestionsTakeTheQueuedAnswersInOrderThenNo)
{
    MessageBox::setNextAnswer(true);
    MessageBox::setNextAnswer(false);
    MessageBox::setNextAnswer(true);
    EXPECT_TRUE(MessageBox::question(nullptr, QStringLiteral("1")));
    EXPECT_FALSE(MessageBox::question(nullptr, QStringLiteral("2")));
    EXPECT_TRUE(MessageBox::question(nullptr, QStringLiteral("3")));
    EXPECT_FALSE(MessageBox::question(nullptr, QStringLiteral("4")));
    EXPECT_EQ(MessageBox::takeShown().size(), 4);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
}

TEST_F(MessageBoxTest, RealBoxCarriesCaptionIconAndTheLightBlueBackground)
{
    Style::applyApplicationLook(*qApp);
    MessageBox::setTestMode(false);
    QString caption;
    QColor background;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
    QTimer timer;
    QDeadlineTimer deadline(5000);
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            icon = box->icon();
            background = box->grab().toImage().pixelColor(2, 2);
            seen = true;
            box->accept();
        } else if (deadline.hasExpired()) {
            timer.stop();
        }
    });
    timer.start();
    MessageBox::error(nullptr, QStringLiteral("Error in LoadLibrary."));
    EXPECT_TRUE(seen);
    EXPECT_EQ(caption, QStringLiteral("Error"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(background, QColor(204, 235, 255));
}
