// The Player page on the offscreen platform, over a fake playback component: its rows,
// menu, buttons, bars and layout.
#include "controls/BitmapButton.h"
#include "controls/ItemFileChooser.h"
#include "controls/ItemListView.h"
#include "controls/LineTrackBar.h"
#include "controls/MessageBox.h"
#include "player/MediaWindow.h"
#include "player/PlayerPage.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"
#include "FakeMedia.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

class PlayerGui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        ItemFileChooser::clearNextFileName();
        for (const char* name : {"a.mp3", "b.wav", "c.avi", "d.mp3"})
            media.write(QString::fromLatin1(name), "x");
        fakeMedia.durations = {{file("a.mp3"), 3}, {file("b.wav"), 2}, {file("c.avi"), 2}, {file("d.mp3"), 2}};
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    std::unique_ptr<PlayerPage> open()
    {
        auto t = std::make_unique<FakeTicker>();
        ticker = t.get();
        auto page = std::make_unique<PlayerPage>(dir.path(), fake.platform(), nullptr, std::move(t),
                                                 [this](PlayerPage*) { return &fakeMedia; });
        page->resize(175, 330);
        page->show();
        return page;
    }
    QString file(const char* name) const { return media.file(QString::fromLatin1(name)); }
    QStringList files(std::initializer_list<const char*> names) const
    {
        QStringList out;
        for (const char* n : names)
            out << file(n);
        return out;
    }
    static QStringList rows(PlayerPage& page)
    {
        QStringList texts;
        for (int i = 0; i < page.listView()->count(); ++i)
            texts << page.listView()->item(i)->text();
        return texts;
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            fakeMedia.advance(0.2);
            ticker->fire();
        }
    }

    FakePlatform fake;
    TempDir dir;   // the program directory
    TempDir media; // the user's media files
    FakeMedia fakeMedia;
    FakeTicker* ticker = nullptr;
};

} // namespace

TEST_F(PlayerGui, LayoutBarsAndTheEmptyList)
{
    auto page = open();
    EXPECT_TRUE(page->listView()->showsPlaceholder());
    EXPECT_EQ(rows(*page), (QStringList{QString(), QStringLiteral("Please right-click mouse to add media file.")}));
    EXPECT_EQ(page->listView()->geometry(), QRect(5, 10, 175 - 22, 330 - 74));
    const int ids[] = {PlayerPage::IdFirst, PlayerPage::IdPlay, PlayerPage::IdPause, PlayerPage::IdStop, PlayerPage::IdLast, PlayerPage::IdMute};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(page->button(ids[i])->geometry(), QRect(5 + 16 * i, 330 - 24, 16, 19)) << ids[i];
    EXPECT_EQ(page->volumeBar()->geometry().left(), 106);
    EXPECT_EQ(page->volumeBar()->geometry().right(), 174);
    EXPECT_EQ(page->positionBar()->geometry().topLeft(), QPoint(8, 330 - 39));
    EXPECT_EQ(page->timeText()->text(), QStringLiteral("00:00"));
    EXPECT_EQ(page->timeText()->geometry().left(), page->positionBar()->geometry().right() + 3);
    EXPECT_EQ(page->positionBar()->minimum(), 0);
    EXPECT_EQ(page->positionBar()->maximum(), 101);
    EXPECT_EQ(page->positionBar()->value(), 0);
    EXPECT_EQ(page->volumeBar()->maximum(), 51);
    EXPECT_EQ(page->volumeBar()->value(), 48);
    EXPECT_NE(page->findChild<QSpinBox*>(QStringLiteral("id1016")), nullptr);
    EXPECT_NE(page->findChild<QSpinBox*>(QStringLiteral("id1018")), nullptr);

    // Play, a double-click and Last on the empty list tell the user what to do.
    click(page.get(), PlayerPage::IdPlay);
    const auto shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.at(0).text, QStringLiteral("Please right-click mouse to add media file."));
    EXPECT_EQ(page->mediaWindow(), nullptr);
}

TEST_F(PlayerGui, OpenNumbersTheRowsAndColoursThePlayingOne)
{
    auto page = open();
    ItemFileChooser::setNextFileNames(files({"a.mp3", "b.wav", "c.avi"}));
    rightClick(page->listView(), 1, PlayerPage::IdOpen);
    EXPECT_EQ(ItemFileChooser::lastFilter(), PlayerPage::fileFilter());
    EXPECT_EQ(ItemFileChooser::lastStartIn(), dir.path()) << "the program directory before any choice";
    EXPECT_EQ(rows(*page), (QStringList{QStringLiteral(" 1 a.mp3"), QStringLiteral(" 2 b.wav"), QStringLiteral(" 3 c.avi")}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(page->listView()->item(i)->foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(fakeMedia.loads, files({"a.mp3"}));

    tick();
    QListWidgetItem* first = page->listView()->item(0);
    EXPECT_EQ(first->foreground().color(), QColor(54, 159, 45));
    EXPECT_TRUE(first->isSelected());
    tick(15);
    EXPECT_EQ(fakeMedia.loads.last(), file("b.wav"));
    tick();
    EXPECT_EQ(first->foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(page->listView()->item(1)->foreground().color(), QColor(54, 159, 45));

    // The chooser starts where the last choice was made.
    ItemFileChooser::setNextFileNames({});
    rightClick(page->listView(), -1, PlayerPage::IdOpen);
    EXPECT_EQ(ItemFileChooser::lastStartIn(), media.path().chopped(1));
    EXPECT_EQ(page->listView()->count(), 3) << "a cancelled chooser changes nothing";
}

TEST_F(PlayerGui, AddOnTheSecondRowAndDelete)
{
    auto page = open();
    ItemFileChooser::setNextFileNames(files({"a.mp3", "b.wav"}));
    rightClick(page->listView(), -1, PlayerPage::IdAdd);
    EXPECT_EQ(rows(*page), (QStringList{QStringLiteral(" 1 a.mp3"), QStringLiteral(" 2 b.wav")}));
    ItemFileChooser::setNextFileNames(files({"c.avi", "d.mp3"}));
    rightClick(page->listView(), 1, PlayerPage::IdAdd);
    EXPECT_EQ(rows(*page), (QStringList{QStringLiteral(" 1 a.mp3"), QStringLiteral(" 2 c.avi"), QStringLiteral(" 3 d.mp3"),
                              QStringLiteral(" 4 b.wav")}));

    page->listView()->clearSelection();
    page->listView()->item(0)->setSelected(true);
    page->listView()->item(2)->setSelected(true);
    rightClick(page->listView(), 2, PlayerPage::IdDelete);
    EXPECT_EQ(rows(*page), (QStringList{QStringLiteral(" 1 c.avi"), QStringLiteral(" 2 b.wav")}));
    page->listView()->selectAll();
    rightClick(page->listView(), 0, PlayerPage::IdDelete);
    EXPECT_TRUE(page->listView()->showsPlaceholder());
    // Delete on the placeholder does nothing.
    page->listView()->selectAll();
    rightClick(page->listView(), 1, PlayerPage::IdDelete);
    EXPECT_TRUE(page->listView()->showsPlaceholder());
}

TEST_F(PlayerGui, ButtonsBarsAndMute)
{
    auto page = open();
    ItemFileChooser::setNextFileNames(files({"a.mp3", "b.wav", "c.avi"}));
    page->openFiles();
    tick(5);
    // The timer's updates of the bars seek nothing and set no volume.
    EXPECT_GT(page->positionBar()->value(), 1);
    for (const QString& call : fakeMedia.calls)
        EXPECT_FALSE(call.startsWith(QStringLiteral("setPosition"))) << call.toStdString();
    // The user's moves do.
    page->positionBar()->slider()->setValue(50);
    EXPECT_EQ(fakeMedia.calls.last(), QStringLiteral("setPosition 1.5"));
    page->volumeBar()->slider()->setValue(51);
    EXPECT_EQ(fakeMedia.vol, 100);
    page->volumeBar()->numberBox()->setValue(0);
    EXPECT_EQ(fakeMedia.vol, 0);

    click(page.get(), PlayerPage::IdMute);
    EXPECT_TRUE(page->button(PlayerPage::IdMute)->isSelected()) << "M shows its pressed look while muted";
    EXPECT_EQ(fake.sound().muteCalls(), QList<bool>{true});
    click(page.get(), PlayerPage::IdMute);
    EXPECT_FALSE(page->button(PlayerPage::IdMute)->isSelected());

    click(page.get(), PlayerPage::IdLast);
    EXPECT_EQ(fakeMedia.loads.last(), file("b.wav"));
    click(page.get(), PlayerPage::IdPause);
    EXPECT_EQ(fakeMedia.calls.last(), QStringLiteral("pause"));
    click(page.get(), PlayerPage::IdStop);
    EXPECT_EQ(fakeMedia.calls.last(), QStringLiteral("stop"));
    click(page.get(), PlayerPage::IdFirst);
    EXPECT_EQ(fakeMedia.calls.last(), QStringLiteral("setPosition 0"));
    click(page.get(), PlayerPage::IdPlay);
    EXPECT_EQ(fakeMedia.calls.last(), QStringLiteral("start %1 1").arg(file("b.wav")));

    // A double-click plays the row.
    const QPoint at = page->listView()->visualItemRect(page->listView()->item(2)).center();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), QPointF(page->listView()->viewport()->mapToGlobal(at)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->listView()->viewport(), &dbl);
    EXPECT_EQ(fakeMedia.loads.last(), file("c.avi"));
}

TEST_F(PlayerGui, TheTimeTextWidensForLongFiles)
{
    auto page = open();
    fakeMedia.durations[file("a.mp3")] = 7200;
    ItemFileChooser::setNextFileNames(files({"a.mp3"}));
    page->openFiles();
    const int narrow = page->timeText()->width();
    fakeMedia.pos = 3725;
    tick();
    EXPECT_EQ(page->timeText()->text(), QStringLiteral("01:02:05"));
    EXPECT_EQ(page->timeText()->width(), narrow + PlayerPage::WideTimeExtra);
}

TEST_F(PlayerGui, FilesAreKeptBetweenRuns)
{
    {
        auto page = open();
        ItemFileChooser::setNextFileNames(files({"a.mp3", "b.wav"}));
        page->openFiles();
        page->controller().next();
    }
    auto again = open();
    EXPECT_EQ(rows(*again), (QStringList{QStringLiteral(" 1 a.mp3"), QStringLiteral(" 2 b.wav")}));
    EXPECT_EQ(again->controller().list().currentIndex, 1);
    EXPECT_EQ(again->controller().list().lastFolder, media.path().chopped(1));
}

TEST(MediaWindowGui, SizesTitleButtonsKeysAndClose)
{
    MediaWindow window;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(window.size(), QSize(screen.width() / 2, screen.height() / 2 + 100)) << "first size";
    EXPECT_EQ(window.component()->geometry(), QRect(6, 24, window.width() - 12, window.height() - 30));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("My Player"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.show();
    const int w = window.width();
    EXPECT_EQ(child<QWidget>(&window, MediaWindow::IdHide)->geometry(), QRect(w - 71, 0, 20, 24));
    EXPECT_EQ(child<QWidget>(&window, MediaWindow::IdZoom)->geometry(), QRect(w - 51, 0, 20, 24));
    EXPECT_EQ(child<QWidget>(&window, MediaWindow::IdClose)->geometry(), QRect(w - 31, 0, 31, 24));

    // Without a picture the component takes 280 x 170 at any zoom; the window fits around
    // it, centred on the desktop.
    window.zoom(4);
    EXPECT_EQ(window.zoomChoice(), 4);
    EXPECT_EQ(window.component()->size(), QSize(280, 170));
    EXPECT_EQ(window.size(), QSize(292, 200));
    const QRect area = window.screen()->availableGeometry();
    EXPECT_EQ(window.pos(), QPoint(area.x() + (area.width() - 292) / 2, area.y() + (area.height() - 200) / 2));

    // Enter, Escape and Space stop the window's timer and go no further.
    window.start(QStringLiteral("/nonexistent/x.avi"), true);
    EXPECT_TRUE(window.timerActive());
    for (int key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
        window.start(QStringLiteral("/nonexistent/x.avi"), false);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        EXPECT_TRUE(press.isAccepted());
        EXPECT_FALSE(window.timerActive()) << key;
        EXPECT_TRUE(window.isVisible());
    }

    // Hide does nothing; Close stops and hides, and says so.
    click(&window, MediaWindow::IdHide);
    EXPECT_TRUE(window.isVisible());
    bool closed = false;
    QObject::connect(&window, &MediaWindow::closed, &window, [&] { closed = true; });
    window.start(QStringLiteral("/nonexistent/x.avi"), true);
    click(&window, MediaWindow::IdClose);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.timerActive());
    EXPECT_EQ(window.player()->playbackState(), QMediaPlayer::StoppedState);
}
