// The category pages in the real program on a private X desktop: a Boot item added through
// its dialog is opened at the next start; an alarm's PopUp brings the hidden panel back on
// top, shows its message, and its program runs only once the message is closed.
#include "alarms/AlarmList.h"
#include "support/ChildProcess.h"
#include "support/DesktopTools.h"
#include "panels/LaunchList.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

void clickIn(const QString& window, int x, int y, int button = 1)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y)});
    xdotool({QStringLiteral("click"), QString::number(button)});
}

class PagesDesktop : public ::testing::Test
{
protected:
    TempDir programDir;
    ChildProcess program;

    void SetUp() override
    {
        // Control + Alt + K shows and hides the panel.
        ASSERT_TRUE(prepareProgramDir(qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/'), programDir.path()));
        // A program that leaves a line in a file each time it is opened.
        programDir.write(QStringLiteral("marker.sh"),
            "#!/bin/sh\necho opened >> '" + programDir.file(QStringLiteral("opened.txt")).toUtf8() + "'\n");
        QFile::setPermissions(programDir.file(QStringLiteral("marker.sh")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override
    {
        if (program.isRunning())
            program.stop(10000, 15);
    }

    QString start()
    {
        EXPECT_TRUE(program.start(programDir.file(QStringLiteral("quillora")), {}, {}, programDir.file(QStringLiteral("out.log")),
            programDir.file(QStringLiteral("err.log"))));
        QString id;
        waitUntil([&] { return !(id = visibleWindowsTitled(QStringLiteral("Quillora")).value(0)).isEmpty(); }, 20000);
        return id;
    }
    int timesOpened() const { return int(programDir.read(QStringLiteral("opened.txt")).count("opened")); }
    QString marker() const { return programDir.file(QStringLiteral("marker.sh")); }
};

} // namespace

TEST_F(PagesDesktop, BootItemAddedThroughTheDialogIsOpenedAtTheNextStart)
{
    const QString panel = start();
    ASSERT_FALSE(panel.isEmpty()) << programDir.read(QStringLiteral("err.log")).constData();
    EXPECT_EQ(timesOpened(), 0);

    // The Boot button (category column, fifth), then Add from the menu on the empty list.
    clickIn(panel, 14, 211 + 16);
    const int before = int(programWindows().size());
    clickIn(panel, 100, 250, 3);
    ASSERT_TRUE(waitUntil([&] { return int(programWindows().size()) > before; }, 5000)) << "no menu";
    xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")});
    QString dialog;
    ASSERT_TRUE(waitUntil([&] { return !(dialog = visibleWindows(QStringLiteral("^Boot Setting$")).value(0)).isEmpty(); }, 5000));
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), dialog});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), QStringLiteral("Marker")});
    xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), marker()});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(waitUntil([&] { return visibleWindows(QStringLiteral("^Boot Setting$")).isEmpty(); }, 5000));

    // The dialog's window goes before the page writes the file.
    LaunchList stored;
    ASSERT_TRUE(waitUntil([&] {
        return stored.load(programDir.file(QStringLiteral("Boot.tmp"))) == DataFile::LoadStatus::Loaded && stored.items.size() == 1;
    }, 5000)) << stored.items.size();
    EXPECT_EQ(stored.items.at(0), (LaunchItem{QStringLiteral("Marker"), marker()}));
    EXPECT_EQ(timesOpened(), 0); // added, not opened

    program.stop(10000, 15);
    ASSERT_FALSE(start().isEmpty());
    EXPECT_TRUE(waitUntil([&] { return timesOpened() == 1; }, 10000)) << timesOpened();
}

TEST_F(PagesDesktop, PopUpAlarmBringsTheHiddenPanelBackOnTopAndRunsItsProgramAfterTheMessage)
{
    // The panel starts not top-most; the alarm comes due shortly after the start.
    QByteArray transparence;
    transparence.append(char(255)).append(char(0)).append(char(0));
    for (qint32 v : {600, 10, 810, 450}) {
        char b[4];
        qToLittleEndian(v, b);
        transparence.append(b, 4);
    }
    programDir.write(QStringLiteral("Transparence"), transparence);
    AlarmList alarms;
    AlarmRecord a;
    a.name = QStringLiteral("Tea");
    a.info = QStringLiteral("Tea time");
    a.popUp = 1;
    a.runApp = 1;
    a.runPath = marker();
    a.startTime = QDateTime::currentSecsSinceEpoch() + 12;
    alarms.items = {a};
    ASSERT_TRUE(alarms.store(programDir.file(QStringLiteral("Alarm.tmp"))));

    const QString panel = start();
    ASSERT_FALSE(panel.isEmpty()) << programDir.read(QStringLiteral("err.log")).constData();
    ASSERT_LT(QDateTime::currentSecsSinceEpoch(), a.startTime - 1) << "the program took too long to start";
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")});
    ASSERT_TRUE(waitUntil([&] { return !visibleWindowsTitled(QStringLiteral("Quillora")).contains(panel); }, 5000));

    // The message box: caption the application title, over the panel that is back.
    QString box;
    ASSERT_TRUE(waitUntil([&] { return !(box = visibleWindowsTitled(QStringLiteral("quillora")).value(0)).isEmpty(); }, 25000));
    EXPECT_TRUE(visibleWindowsTitled(QStringLiteral("Quillora")).contains(panel));
    const ToolResult props = runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), panel, QStringLiteral("_NET_WM_STATE")});
    EXPECT_TRUE(props.out.contains("_NET_WM_STATE_ABOVE")) << props.out.constData();
    // The program waits for the message to be closed.
    EXPECT_FALSE(waitUntil([&] { return timesOpened() > 0; }, 1500));
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), box});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(waitUntil([&] { return timesOpened() == 1; }, 10000));

    // Made top-most by the alarm, the panel is saved that way.
    program.stop(10000, 15);
    const QByteArray saved = programDir.read(QStringLiteral("Transparence"));
    ASSERT_EQ(saved.size(), 19);
    EXPECT_EQ(saved.at(2), char(1));
}
