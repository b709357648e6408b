#include "support/FakePlatform.h"
#include "panels/FixedPanels.h"
#include "controls/ItemFileChooser.h"
#include "controls/ItemListView.h"
#include "panels/ItemPanel.h"
#include "panels/LaunchItemDialog.h"
#include "controls/MessageBox.h"
#include "support/ModalHelper.h"
#include "controls/PopupMenu.h"
#include "support/TempDir.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

QStringList rowTexts(const ItemListView* view)
{
    QStringList out;
    for (int i = 0; i < view->count(); ++i)
        out << view->item(i)->text();
    return out;
}

void writeList(const QString& path, const QList<LaunchItem>& items, qint32 last = 0)
{
    LaunchList l;
    l.items = items;
    l.lastOpenedIndex = last;
    ASSERT_TRUE(l.store(path));
}

LaunchList readList(const QString& path)
{
    LaunchList l;
    l.load(path);
    return l;
}

// A program directory with the page icons, as the build's program directory has them.
void writeIcons(const TempDir& dir)
{
    QDir().mkpath(dir.file(QStringLiteral("face")));
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int i = 4; i < 12; ++i)
        for (int j = 4; j < 12; ++j)
            img.setPixel(i, j, qRgb(200, 40, 40));
    for (const char* name : {"boot1.bmp", "favorite1.bmp", "game1.bmp", "work1.bmp", "alarm1.bmp"})
        img.save(dir.file(QStringLiteral("face/") + QLatin1String(name)), "BMP");
}

class PanelsGui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        PopupMenu::setNextChoice(-1);
        ItemFileChooser::clearNextFileName();
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    // Answers the next item dialog with these fields and OK.
    static void answer(const QString& name, const QString& target, int targetId)
    {
        whenModal([=](QDialog* d) {
            setText(d, LaunchItemDialog::IdName, name);
            setText(d, targetId, target);
            click(d, LaunchItemDialog::IdOk);
        });
    }

    FakePlatform fake;
    TempDir dir;
};

} // namespace

TEST_F(PanelsGui, BootOpensItsItemsAtCreationInFileOrder)
{
    writeList(dir.file(QStringLiteral("Boot.tmp")),
        {{QStringLiteral("Editor"), QStringLiteral("/opt/editor")}, {QStringLiteral("Notes"), QStringLiteral("/home/u/notes.txt")}}, 3);
    ItemPanel boot(ItemPanel::Kind::Boot, dir.path(), fake.platform());
    EXPECT_EQ(fake.journal(), (QStringList{QStringLiteral("open /opt/editor open"), QStringLiteral("open /home/u/notes.txt open")}));
    EXPECT_EQ(rowTexts(boot.listView()), (QStringList{QStringLiteral(" Editor"), QStringLiteral(" Notes")}));
    // Boot never changes the index it read.
    EXPECT_EQ(readList(boot.itemFile()).lastOpenedIndex, 3);
}

TEST_F(PanelsGui, EmptyBootShowsThePlaceholderAndAddReplacesIt)
{
    dir.write(QStringLiteral("prog"), "#!/bin/sh\n");
    ItemPanel boot(ItemPanel::Kind::Boot, dir.path(), fake.platform());
    EXPECT_EQ(rowTexts(boot.listView()), (QStringList{QString(), QStringLiteral("Please right-click mouse to add media file.")}));
    EXPECT_TRUE(boot.listView()->item(0)->icon().isNull());

    answer(QStringLiteral("P"), dir.file(QStringLiteral("prog")), LaunchItemDialog::IdDir);
    rightClick(boot.listView(), 1, ItemPanel::IdBootAdd);
    EXPECT_EQ(rowTexts(boot.listView()), QStringList{QStringLiteral(" P")});
    const LaunchList stored = readList(boot.itemFile());
    ASSERT_EQ(stored.items.size(), 1);
    EXPECT_EQ(stored.items.at(0), (LaunchItem{QStringLiteral("P"), dir.file(QStringLiteral("prog"))}));

    // A one- or two-letter item is an item like any other: adding before it keeps it.
    boot.resize(200, 300);
    boot.show();
    answer(QStringLiteral("QR"), dir.file(QStringLiteral("prog")), LaunchItemDialog::IdDir);
    rightClick(boot.listView(), 0, ItemPanel::IdBootAdd);
    EXPECT_EQ(rowTexts(boot.listView()), (QStringList{QStringLiteral(" QR"), QStringLiteral(" P")}));
    EXPECT_EQ(readList(boot.itemFile()).items.size(), 2);
}

TEST_F(PanelsGui, AddInsertsBeforeTheRightClickedRow)
{
    writeList(dir.file(QStringLiteral("Favorite.tmp")),
        {{QStringLiteral("a"), QStringLiteral("a.org")}, {QStringLiteral("b"), QStringLiteral("b.org")},
            {QStringLiteral("c"), QStringLiteral("c.org")}});
    ItemPanel fav(ItemPanel::Kind::Favorite, dir.path(), fake.platform());
    fav.resize(200, 300);
    fav.show();
    EXPECT_TRUE(fake.journal().isEmpty()); // only Boot opens its items
    answer(QStringLiteral("new"), QStringLiteral("n.org"), LaunchItemDialog::IdWebSite);
    rightClick(fav.listView(), 2, ItemPanel::IdFavoriteAdd);
    EXPECT_EQ(rowTexts(fav.listView()),
        (QStringList{QStringLiteral(" a"), QStringLiteral(" b"), QStringLiteral(" new"), QStringLiteral(" c")}));
    answer(QStringLiteral("top"), QStringLiteral("t.org"), LaunchItemDialog::IdWebSite);
    rightClick(fav.listView(), -1, ItemPanel::IdFavoriteAdd);
    EXPECT_EQ(rowTexts(fav.listView()).first(), QStringLiteral(" top"));
    EXPECT_EQ(readList(fav.itemFile()).items.size(), 5);
}

TEST_F(PanelsGui, BootDialogAcceptsOnlyAnExistingFile)
{
    dir.write(QStringLiteral("tool"), "x");
    ItemFileChooser::setNextFileName(dir.file(QStringLiteral("tool")));
    bool stayedOpen = false;
    LaunchItemDialog dialog(LaunchItemDialog::Kind::Boot, {}, nullptr);
    whenModal([&](QDialog* d) {
        setText(d, LaunchItemDialog::IdDir, dir.file(QStringLiteral("missing")));
        click(d, LaunchItemDialog::IdOk);
        stayedOpen = d->isVisible();
        click(d, LaunchItemDialog::IdDirButton); // the chooser answers with "tool"
        click(d, LaunchItemDialog::IdOk);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.item().target, dir.file(QStringLiteral("tool")));
    EXPECT_EQ(ItemFileChooser::lastFilter(), QStringLiteral("EXE File(*.exe)|*.exe|All File(*.*)|*.*||"));
    EXPECT_EQ(MessageBox::takeShown().size(), 0); // no message for a missing file
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Boot Setting"));
}

TEST_F(PanelsGui, DeleteAndPropertyFollowTheSelection)
{
    writeList(dir.file(QStringLiteral("Favorite.tmp")),
        {{QStringLiteral("a"), QStringLiteral("a.org")}, {QStringLiteral("b"), QStringLiteral("b.org")},
            {QStringLiteral("c"), QStringLiteral("c.org")}});
    ItemPanel fav(ItemPanel::Kind::Favorite, dir.path(), fake.platform());
    ItemListView* view = fav.listView();

    // Property with nothing selected does nothing.
    fav.editSelected();
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());

    // Property on "b" (the right-click selects it): the dialog starts with its values; OK
    // shows the bare name.
    fav.resize(200, 300);
    fav.show();
    QString shownName, shownSite;
    whenModal([&](QDialog* d) {
        shownName = child<QLineEdit>(d, LaunchItemDialog::IdName)->text();
        shownSite = child<QLineEdit>(d, LaunchItemDialog::IdWebSite)->text();
        setText(d, LaunchItemDialog::IdName, QStringLiteral("bee"));
        click(d, LaunchItemDialog::IdOk);
    });
    rightClick(view, 1, ItemPanel::IdFavoriteProperty);
    EXPECT_EQ(shownName, QStringLiteral("b"));
    EXPECT_EQ(shownSite, QStringLiteral("b.org"));
    EXPECT_EQ(view->item(1)->text(), QStringLiteral("bee"));
    EXPECT_EQ(readList(fav.itemFile()).items.at(1).name, QStringLiteral("bee"));

    // Cancel leaves the item as it was.
    whenModal([&](QDialog* d) {
        setText(d, LaunchItemDialog::IdName, QStringLiteral("zzz"));
        click(d, LaunchItemDialog::IdCancel);
    });
    fav.editSelected();
    EXPECT_EQ(fav.records().items.at(1).name, QStringLiteral("bee"));

    // Delete the first and last: "bee" stays (with its space again after the rebuild).
    view->clearSelection();
    view->item(0)->setSelected(true);
    view->item(2)->setSelected(true);
    rightClick(view, 2, ItemPanel::IdFavoriteDelete);
    EXPECT_EQ(rowTexts(view), QStringList{QStringLiteral(" bee")});

    // Deleting the last item brings the placeholder back and writes a count of 0.
    view->item(0)->setSelected(true);
    fav.deleteSelected();
    EXPECT_TRUE(view->showsPlaceholder());
    EXPECT_EQ(dir.read(QStringLiteral("Favorite.tmp")).left(4), QByteArray(4, '\0'));

    // The placeholder rows: Delete changes nothing, Property shows the message.
    view->selectAll();
    fav.deleteSelected();
    EXPECT_TRUE(view->showsPlaceholder());
    fav.editSelected();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.at(0).text, QStringLiteral("Please right-click mouse to add the booting file."));
    EXPECT_EQ(shown.at(0).icon, QMessageBox::Information);
}

TEST_F(PanelsGui, FavoriteDoubleClickOpensTheAddressAndRemembersTheRow)
{
    writeList(dir.file(QStringLiteral("Favorite.tmp")),
        {{QStringLiteral("a"), QStringLiteral("  //www.a.org ")}, {QStringLiteral("b"), QStringLiteral("HTTP://B.ORG")}});
    {
        ItemPanel fav(ItemPanel::Kind::Favorite, dir.path(), fake.platform());
        fav.openRow(1);
        fav.openRow(0);
        EXPECT_EQ(readList(fav.itemFile()).lastOpenedIndex, 0);
        fav.openRow(-1);
    }
    EXPECT_EQ(fake.journal(), (QStringList{QStringLiteral("open HTTP://B.ORG open"), QStringLiteral("open http://www.a.org open")}));
    EXPECT_EQ(readList(dir.file(QStringLiteral("Favorite.tmp"))).lastOpenedIndex, -1);
}

TEST_F(PanelsGui, IconsComeFromTheProgramDirectoryNotTheWorkingDirectory)
{
    writeIcons(dir);
    const QString before = QDir::currentPath();
    TempDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    ItemPanel boot(ItemPanel::Kind::Boot, dir.path(), fake.platform());
    GamePanel game(dir.path());
    QDir::setCurrent(before);
    EXPECT_FALSE(boot.listView()->rowIcon().isNull());
    EXPECT_FALSE(boot.listView()->item(1)->icon().isNull());
    EXPECT_FALSE(game.listView()->item(0)->icon().isNull());
    // Black is transparent.
    const QImage icon = boot.listView()->rowIcon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(8, 8)), 255);
}

TEST_F(PanelsGui, GameAndWorkRows)
{
    GamePanel game(dir.path());
    EXPECT_EQ(rowTexts(game.listView()),
        (QStringList{QStringLiteral(" Same Game"), QStringLiteral(" Gobang"), QStringLiteral(" Winlinez"), QStringLiteral(" Tetris")}));
    QList<GamePanel::Game> games;
    QObject::connect(&game, &GamePanel::gameRequested, &game, [&games](GamePanel::Game g) { games << g; });
    Q_EMIT game.listView()->rowDoubleClicked(3);
    Q_EMIT game.listView()->rowDoubleClicked(-1);
    Q_EMIT game.listView()->rowDoubleClicked(0);
    ASSERT_EQ(games.size(), 2);
    EXPECT_EQ(games.at(0), GamePanel::Game::Tetris);
    EXPECT_EQ(games.at(1), GamePanel::Game::SameGame);

    WorkPanel work(dir.path());
    EXPECT_EQ(rowTexts(work.listView()), QStringList{QStringLiteral(" Diary")});
    int diary = 0;
    QObject::connect(&work, &WorkPanel::diaryRequested, &work, [&diary] { ++diary; });
    Q_EMIT work.listView()->rowDoubleClicked(0);
    Q_EMIT work.listView()->rowDoubleClicked(-1);
    EXPECT_EQ(diary, 1);
}

TEST_F(PanelsGui, NoRowIsCurrentWhenAListGetsTheFocus)
{
    // The focus frame would otherwise sit on the first row (the placeholder's empty row,
    // " Same Game") as soon as the page is shown.
    writeList(dir.file(QStringLiteral("Favorite.tmp")), {{QStringLiteral("a"), QStringLiteral("a.org")}});
    ItemPanel boot(ItemPanel::Kind::Boot, dir.path(), fake.platform());
    ItemPanel fav(ItemPanel::Kind::Favorite, dir.path(), fake.platform());
    GamePanel game(dir.path());
    WorkPanel work(dir.path());
    for (QWidget* page : std::initializer_list<QWidget*>{&boot, &fav, &game, &work}) {
        page->resize(200, 300);
        page->show();
        auto* view = page->findChild<ItemListView*>();
        ASSERT_NE(view, nullptr);
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::TabFocusReason, Qt::OtherFocusReason}) {
            view->clearFocus();
            QFocusEvent in(QEvent::FocusIn, reason);
            QApplication::sendEvent(view, &in);
            EXPECT_EQ(view->currentRow(), -1) << page->objectName().toStdString() << ' ' << reason;
        }
    }
    // The keyboard still reaches the rows.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(fav.listView(), &down);
    EXPECT_EQ(fav.listView()->currentRow(), 0);
    // After a rebuild too.
    boot.rebuild();
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(boot.listView(), &in);
    EXPECT_EQ(boot.listView()->currentRow(), -1);
}

TEST_F(PanelsGui, PageGeometry)
{
    ItemPanel boot(ItemPanel::Kind::Boot, dir.path(), fake.platform());
    boot.resize(200, 300);
    boot.show();
    EXPECT_EQ(boot.listView()->geometry(), QRect(5, 10, 178, 271));
    GamePanel game(dir.path());
    game.resize(200, 300);
    game.show();
    EXPECT_EQ(game.listView()->geometry(), QRect(5, 10, 190, 280));
    WorkPanel work(dir.path());
    work.resize(200, 300);
    work.show();
    EXPECT_EQ(work.listView()->geometry(), QRect(5, 10, 190, 283));
}

TEST(ItemFileChooser, FilterConversion)
{
    EXPECT_EQ(ItemFileChooser::qtFilter(QStringLiteral("EXE File(*.exe)|*.exe|All File(*.*)|*.*||")),
        QStringLiteral("EXE File(*.exe);;All File(*)"));
    EXPECT_EQ(ItemFileChooser::qtFilter(QStringLiteral("wave file(*.wav)|*.wav||")), QStringLiteral("wave file(*.wav)"));
}
