// The clock faces, the stopwatch and the "Calibrate Time" group as windows, on a fake clock
// and desktop, with the pictures the build draws into the program directory.
#include "controls/CGridCtrl.h"
#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"
#include "controls/PopupMenu.h"
#include "support/FakePlatform.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "timekeeping/CCartoonClock.h"
#include "timekeeping/CNumberClock.h"
#include "timekeeping/CPointerClock.h"
#include "timekeeping/CStopWatchDlg.h"
#include "timekeeping/CalibrateTimeGroup.h"
#include "timekeeping/ClockPictures.h"
#include "timekeeping/LedDigitRow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QString programDir()
{
    return qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/');
}

qint64 utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc()).toSecsSinceEpoch();
}

QImage picture(const QString& name)
{
    return ClockPictures::load(programDir() + name);
}

// Whether the part of `shot` at `at` shows `piece` exactly.
bool shows(const QImage& shot, QPoint at, const QImage& piece)
{
    return shot.copy(QRect(at, piece.size())).convertToFormat(QImage::Format_RGB32)
        == piece.convertToFormat(QImage::Format_RGB32);
}

class ClockWindows : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"UTC"};
    FakePlatform fake;

    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        ItemFileChooser::clearNextFileName();
        fake.desktop().setScreen(QRect(0, 0, 1280, 1024));
        fake.desktop().setWorkArea(QRect(0, 0, 1280, 994));
    }
    void TearDown() override { MessageBox::setTestMode(false); }
};

// At 3:00:00 the hour hand points right and the other two up; the outline is the dots.
TEST_F(ClockWindows, PointerClockHandsAndOutline)
{
    fake.clock().setNow(utc(2024, 5, 6, 3, 0, 0));
    CPointerClock clock(fake.clock(), fake.desktop());
    EXPECT_EQ(clock.geometry(), QRect(1280 - 242, 994 - 242, 172, 172));
    EXPECT_TRUE(clock.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(clock.windowFlags() & Qt::FramelessWindowHint);

    const QImage shot = clock.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint c(86, 86);
    const auto colourAt = [&](QPoint p) { return QColor(shot.pixel(p)); };
    // The tips of the hands are painted round the centre: hour 40 right, minute 60 and second
    // 70 up (the second hand painted over the minute hand where they meet).
    EXPECT_EQ(colourAt(c + QPoint(40, 0)), CPointerClock::handColour());
    EXPECT_EQ(colourAt(c + QPoint(0, -60)), CPointerClock::secondColour());
    EXPECT_EQ(colourAt(c + QPoint(0, -70)), CPointerClock::secondColour());
    EXPECT_EQ(clock.hands().minute[5].center(), QRect(86, 26, 6, 6).center());
    EXPECT_EQ(colourAt(c + QPoint(-40, 0)), CPointerClock::edgeColour()); // nothing to the left but the tail
    EXPECT_EQ(colourAt(c - QPoint(3, 3)), CPointerClock::markColour());    // the centre dot
    EXPECT_EQ(colourAt(c + QPoint(78 - 3, -3)), CPointerClock::markColour()); // three o'clock mark

    // The outline holds the dots and their 3-pixel edges, and nothing between them.
    const QRegion outline = clock.outline();
    EXPECT_TRUE(outline.contains(c + QPoint(40, 0)));
    EXPECT_TRUE(outline.contains(c + QPoint(3 + 40 + 1, 3))); // the edge below and right of the tip
    EXPECT_EQ(colourAt(c + QPoint(3 + 40 + 1, 3)), CPointerClock::edgeColour());
    EXPECT_FALSE(outline.contains(c + QPoint(25, 25)));
    EXPECT_FALSE(outline.contains(QPoint(2, 2)));
    EXPECT_EQ(clock.mask(), outline);

    // A second later the second hand has moved on; the outline follows.
    fake.clock().advance(15);
    clock.refresh();
    EXPECT_TRUE(clock.outline().contains(c + QPoint(3 + 70, 3)));
    EXPECT_FALSE(clock.outline().contains(c + QPoint(3, 3 - 70)));

    // Too small a window comes back to 172 x 172.
    clock.show();
    clock.resize(120, 200);
    EXPECT_TRUE(waitUntil([&] { return clock.size() == QSize(172, 172); }, 2000)) << clock.width() << "x" << clock.height();
    // A double click hides it.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(c), QPointF(clock.mapToGlobal(c)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&clock, &dbl);
    EXPECT_FALSE(clock.isVisible());
}

// On 5 March 2006 the date reads 05 03 2006, day first, drawn from the digit strips.
TEST_F(ClockWindows, NumberClockDrawsTheDigitsOfTheTimeAndDate)
{
    fake.clock().setNow(utc(2006, 3, 5, 9, 7, 58));
    CNumberClock clock(fake.clock(), fake.desktop(), programDir());
    EXPECT_EQ(clock.size(), QSize(151, 72));
    EXPECT_LE((clock.geometry().center() - QRect(0, 0, 1280, 994).center()).manhattanLength(), 2);
    EXPECT_EQ(clock.worker().digits(), (NumberClock::Digits{0, 9, 0, 7, 5, 8, 0, 5, 0, 3, 2, 0, 0, 6}));

    const QImage large = picture(QStringLiteral("bmp/Clock/NumberLarge.bmp"));
    const QImage small = picture(QStringLiteral("bmp/Clock/NumberSmall.bmp"));
    ASSERT_FALSE(large.isNull());
    ASSERT_FALSE(small.isNull());
    const QImage shot = clock.grab().toImage();
    const NumberClock::Digits digits = clock.worker().digits();
    for (int i = 0; i < NumberClock::DigitCount; ++i) {
        const bool big = NumberClock::isLarge(i);
        const QImage& strip = big ? large : small;
        const int w = big ? 24 : 12, h = big ? 34 : 17;
        EXPECT_TRUE(shows(shot, NumberClock::digitPosition(i), strip.copy(w * digits[size_t(i)], 0, w, h))) << i;
    }
    // Rounded corners: the corner pixel is cut, the middle of each edge is not.
    const QRegion outline = clock.mask();
    EXPECT_FALSE(outline.contains(QPoint(0, 0)));
    EXPECT_FALSE(outline.contains(QPoint(150, 71)));
    EXPECT_TRUE(outline.contains(QPoint(75, 0)));
    EXPECT_TRUE(outline.contains(QPoint(0, 36)));
}

TEST_F(ClockWindows, CartoonClockFindsItsDisplayAndCutsItsOutline)
{
    // Two places with bars: the one further right wins, as the scan goes column by column.
    QImage skin(260, 60, QImage::Format_RGB32);
    skin.fill(qRgb(255, 0, 255));
    for (int x = 1; x < 259; ++x)
        for (int y = 1; y < 59; ++y)
            skin.setPixel(x, y, qRgb(200, 220, 240));
    for (QPoint at : {QPoint(5, 10), QPoint(30, 20)})
        for (int i = 0; i < 25; ++i) {
            skin.setPixel(at.x(), at.y() + i, qRgb(0, 0, 0));
            skin.setPixel(at.x() + 109, at.y() + i, qRgb(0, 0, 0));
        }
    EXPECT_EQ(CCartoonClock::findDisplayOrigin(skin), QPoint(30, 20));
    // Bars one pixel short are no display.
    skin.setPixel(30 + 109, 20 + 24, qRgb(1, 1, 1));
    EXPECT_EQ(CCartoonClock::findDisplayOrigin(skin), QPoint(5, 10));
    const QRegion outline = CCartoonClock::skinOutline(skin);
    EXPECT_FALSE(outline.contains(QPoint(0, 0)));
    EXPECT_FALSE(outline.contains(QPoint(259, 30)));
    EXPECT_TRUE(outline.contains(QPoint(1, 1)));
    EXPECT_EQ(outline.boundingRect(), QRect(1, 1, 258, 58));
}

// 23:59:59, then 00:00:00, in the digits of the current colour; "Cyan" chosen is marked.
TEST_F(ClockWindows, CartoonClockShowsTheTimeAndMarksItsChoices)
{
    fake.clock().setNow(utc(2024, 5, 6, 23, 59, 59));
    CCartoonClock clock(fake.clock(), programDir());
    EXPECT_EQ(clock.windowOpacity(), 220 / 255.0);
    const QImage girl = picture(QStringLiteral("bmp/Clock/Girl.bmp"));
    ASSERT_FALSE(girl.isNull());
    EXPECT_EQ(clock.size(), girl.size());
    EXPECT_EQ(clock.displayOrigin(), CCartoonClock::findDisplayOrigin(girl));
    EXPECT_NE(clock.displayOrigin(), QPoint());
    EXPECT_FALSE(clock.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(clock.mask().contains(clock.displayOrigin()));

    clock.show();
    EXPECT_EQ(clock.shownTime(), QTime(23, 59, 59));
    const auto expectShows = [&](QTime time, const QString& strip) {
        const QImage digits = picture(QStringLiteral("bmp/Clock/") + strip);
        ASSERT_FALSE(digits.isNull());
        const QImage shot = clock.grab().toImage();
        for (const CartoonClock::Piece& p : CartoonClock::pieces(time))
            EXPECT_TRUE(shows(shot, clock.displayOrigin() + QPoint(p.x, 0), digits.copy(p.sourceX, 0, p.width, 25)))
                << time.toString().toStdString() << " at " << p.x;
    };
    expectShows(QTime(23, 59, 59), QStringLiteral("Liquid Crystal.bmp"));
    fake.clock().advance(1);
    clock.tick();
    EXPECT_EQ(clock.shownTime(), QTime(0, 0, 0));
    expectShows(QTime(0, 0, 0), QStringLiteral("Liquid Crystal.bmp"));

    // The menu: the current skin and colour marked; choosing "Cyan" makes it current.
    const auto marked = [&](const QString& submenu) {
        std::unique_ptr<PopupMenu> menu(clock.createMenu(nullptr));
        QStringList out;
        for (QAction* a : menu->findChild<QMenu*>(submenu)->actions())
            if (a->isChecked())
                out << a->text();
        return out;
    };
    EXPECT_EQ(marked(QStringLiteral("Skin")), QStringList{QStringLiteral("Girl")});
    EXPECT_EQ(marked(QStringLiteral("Font")), QStringList{QStringLiteral("Liquid Crystal")});
    PopupMenu::setNextChoice(CCartoonClock::FontCommand + 5);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), clock.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&clock, &menuEvent);
    EXPECT_EQ(marked(QStringLiteral("Font")), QStringList{QStringLiteral("Cyan")});
    expectShows(QTime(0, 0, 0), QStringLiteral("Cyan.bmp"));

    // Another skin: another size, outline and display origin.
    clock.command(CCartoonClock::SkinCommand + 0);
    const QImage plain = picture(QStringLiteral("bmp/Clock/No.bmp"));
    EXPECT_EQ(clock.size(), plain.size());
    EXPECT_EQ(clock.displayOrigin(), CCartoonClock::findDisplayOrigin(plain));
    EXPECT_EQ(marked(QStringLiteral("Skin")), QStringList{QStringLiteral("No")});

    // "Close" hides it; shown again it starts from the current time at once.
    clock.command(CCartoonClock::CloseCommand);
    EXPECT_FALSE(clock.isVisible());
    fake.clock().advance(125);
    clock.show();
    EXPECT_EQ(clock.shownTime(), QTime(0, 2, 5));
}

// A picture that is missing or not a bitmap leaves the size and outline as they were.
TEST_F(ClockWindows, CartoonClockKeepsItsShapeWithoutAPicture)
{
    TempDir dir;
    QDir().mkpath(dir.file(QStringLiteral("bmp/Clock")));
    QFile::copy(programDir() + QStringLiteral("bmp/Clock/Girl.bmp"), dir.file(QStringLiteral("bmp/Clock/Girl.bmp")));
    dir.write(QStringLiteral("bmp/Clock/Snoopy.bmp"), QByteArray("GIF89a not a bitmap"));
    CCartoonClock clock(fake.clock(), dir.path());
    const QSize size = clock.size();
    const QRegion outline = clock.mask();
    for (int skin : {5, 6}) { // Snoopy (not a bitmap), Donald Duck (missing)
        clock.setSkin(skin);
        EXPECT_EQ(clock.skin(), skin);
        EXPECT_EQ(clock.size(), size);
        EXPECT_EQ(clock.mask(), outline);
    }
    EXPECT_TRUE(ClockPictures::load(dir.file(QStringLiteral("bmp/Clock/Snoopy.bmp"))).isNull());
}

TEST_F(ClockWindows, LedRowRightAlignsAndBlanksUnknownCharacters)
{
    LedDigitRow row(12, programDir());
    EXPECT_EQ(row.size(), QSize(216, 32));
    row.setText(QStringLiteral("01|02|03|456"));
    EXPECT_EQ(row.glyphs(), (QList<int>{0, 1, 14, 0, 2, 14, 0, 3, 14, 4, 5, 6}));
    row.setText(QStringLiteral("12:5A"));
    EXPECT_EQ(row.glyphs(), (QList<int>{10, 10, 10, 10, 10, 10, 10, 1, 2, 15, 5, 11}));
    row.setText(QStringLiteral("P.-x"));
    EXPECT_EQ(row.glyphs().mid(8), (QList<int>{12, 13, 16, 10}));
}

TEST_F(ClockWindows, StopwatchCountsSnapsAndSaves)
{
    CStopWatchDlg dlg(fake.clock(), programDir());
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("StopWatch"));
    auto* startStop = dlg.findChild<QPushButton*>(QStringLiteral("startStop"));
    auto* snap = dlg.findChild<QPushButton*>(QStringLiteral("snap"));
    auto* reset = dlg.findChild<QPushButton*>(QStringLiteral("reset"));
    ASSERT_TRUE(startStop && snap && reset);
    EXPECT_EQ(dlg.display()->text(), QStringLiteral("00|00|00|000"));
    EXPECT_FALSE(snap->isEnabled());
    EXPECT_FALSE(reset->isEnabled());
    EXPECT_EQ(dlg.display()->pos(), QPoint(5, 22));
    EXPECT_EQ(startStop->geometry(), QRect(7, 63, 47, 20));
    dlg.show();

    startStop->click();
    EXPECT_EQ(startStop->text(), QStringLiteral("Stop"));
    EXPECT_TRUE(snap->isEnabled());
    fake.clock().advanceMs(3723456);
    // The 88 ms refresh picks the time up.
    EXPECT_TRUE(waitUntil([&] { return dlg.display()->text() == QStringLiteral("01|02|03|456"); }, 2000));
    EXPECT_FALSE(dlg.results()->isVisible());
    snap->click();
    EXPECT_TRUE(dlg.results()->isVisible());
    CGridCtrl* grid = dlg.results()->grid();
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->itemText(0, 0), QStringLiteral("No."));
    EXPECT_EQ(grid->itemText(0, 1), QStringLiteral("Time"));
    EXPECT_EQ(grid->itemText(1, 0), QStringLiteral("1"));
    EXPECT_EQ(grid->itemText(1, 1), QStringLiteral("01:02:03:456"));
    EXPECT_EQ(grid->itemText(2, 0), QString());
    EXPECT_EQ(grid->itemFormat(1, 1), Qt::AlignCenter);
    fake.clock().advanceMs(1000);
    snap->click();
    fake.clock().advanceMs(1000);
    snap->click();
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->itemText(3, 0), QStringLiteral("3"));

    // Save under "laps": laps.txt holds the header and the three rows.
    TempDir dir;
    ItemFileChooser::setNextFileName(dir.file(QStringLiteral("laps")));
    dlg.results()->findChild<QPushButton*>(QStringLiteral("save"))->click();
    EXPECT_EQ(ItemFileChooser::lastFilter(), QStringLiteral("Text File(*.txt)|*.txt||"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(dir.read(QStringLiteral("laps.txt")).constData()),
                                            dir.read(QStringLiteral("laps.txt")).size() / 2);
    EXPECT_EQ(text, QStringLiteral("No.\tTime\n1\t01:02:03:456\n2\t01:02:04:456\n3\t01:02:05:456\n"));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    // A file that cannot be written is reported.
    ItemFileChooser::setNextFileName(dir.file(QStringLiteral("no/such/folder/laps")));
    dlg.results()->findChild<QPushButton*>(QStringLiteral("save"))->click();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("laps.txt")));

    // Stop, ten seconds, Start: it goes on from the time shown.
    startStop->click();
    EXPECT_EQ(startStop->text(), QStringLiteral("Start"));
    EXPECT_FALSE(snap->isEnabled());
    EXPECT_TRUE(reset->isEnabled());
    EXPECT_EQ(dlg.display()->text(), QStringLiteral("01|02|05|456"));
    fake.clock().advanceMs(10000);
    startStop->click();
    fake.clock().advanceMs(44);
    EXPECT_TRUE(waitUntil([&] { return dlg.display()->text() == QStringLiteral("01|02|05|500"); }, 2000));

    // Reset, while stopped: nothing counted, no results, the buttons as they were.
    startStop->click();
    reset->click();
    EXPECT_EQ(dlg.display()->text(), QStringLiteral("00|00|00|000"));
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(startStop->text(), QStringLiteral("Start"));
    EXPECT_FALSE(snap->isEnabled());
    EXPECT_TRUE(reset->isEnabled());

    // "Close" hides the stopwatch; "Hide" and "Close" hide the results.
    dlg.body()->findChild<QPushButton*>(QStringLiteral("close"))->click();
    EXPECT_FALSE(dlg.isVisible());
    dlg.results()->findChild<QPushButton*>(QStringLiteral("hide"))->click();
    EXPECT_FALSE(dlg.results()->isVisible());
}

TEST_F(ClockWindows, CalibrationGroupWithoutNetworkIsDisabled)
{
    fake.network().setConnected(false);
    CalibrateTimeGroup group(fake.clock(), fake.network());
    group.setUp();
    EXPECT_EQ(group.log()->toPlainText(), QStringLiteral("\n\n\tNot connecte to internet."));
    EXPECT_FALSE(group.servers()->isEnabled());
    EXPECT_FALSE(group.calibrateButton()->isEnabled());
    EXPECT_EQ(group.servers()->count(), 14);
    EXPECT_EQ(group.servers()->toolTip(), QStringLiteral("Please choose time server."));
    EXPECT_EQ(group.calibrateButton()->toolTip(), QStringLiteral("Click it to start to callidate the time."));
}

TEST_F(ClockWindows, CalibrationGroupShowsTheChosenServer)
{
    QCoreApplication::setApplicationName(QStringLiteral("quillora"));
    CalibrateTimeGroup group(fake.clock(), fake.network());
    group.setUp();
    EXPECT_EQ(group.log()->toPlainText(), QStringLiteral("\n\n\tConnecte to internet by LAN."));
    EXPECT_TRUE(group.calibrateButton()->isEnabled());
    EXPECT_EQ(group.client().selectedServer(), TimeServerClient::servers().first());
    group.servers()->setCurrentIndex(3);
    Q_EMIT group.servers()->activated(3);
    EXPECT_EQ(group.client().selectedServer(), TimeServerClient::servers().at(3));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, TimeServerClient::servers().at(3));
    EXPECT_EQ(shown[0].caption, QStringLiteral("quillora"));
}

} // namespace
