#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/linux/IniProfile.h"
#include "platform/linux/IniRegistry.h"
#include "platform/linux/PosixFiles.h"
#include "support/TempDir.h"

namespace {

const QString RunKey = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN");
const QString Desktop = QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\Desktop");

// Each test gets its own XDG_CONFIG_HOME.
class IniStores : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("config")).toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_saved); }
    QString config(const QString& name) const { return m_dir.path() + QStringLiteral("config/") + name; }
    QByteArray readConfig(const QString& name) const
    {
        QFile f(config(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempDir m_dir;
    QByteArray m_saved;
};

} // namespace

TEST_F(IniStores, RegistryKeepsExactKeysNamesAndValuesAcrossInstances)
{
    // Values that an INI file would mangle unless escaped, written and read by separate objects.
    const struct { QString key, name, value; } cases[] = {
        {RunKey, QStringLiteral("Quillora"), QStringLiteral("zzz:")},
        {Desktop, QStringLiteral("ScreenSaveTimeOut"), QStringLiteral("600")},
        {Desktop, QStringLiteral("SCRNSAVE.EXE"), QStringLiteral("C:\\WINDOWS\\ssstars.scr")},
        {Desktop, QStringLiteral("a=b"), QStringLiteral(" two\nlines\r\\ and = sign ")},
        {Desktop, QStringLiteral("[odd"), QStringLiteral("")},
        {Desktop, QStringLiteral("WithZero"), QStringLiteral("value") + QChar(0)},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(IniRegistry().writeString(c.key, c.name, c.value)) << c.name.toStdString();
    const IniRegistry reader;
    for (const auto& c : cases) {
        EXPECT_TRUE(reader.hasValue(c.key, c.name)) << c.name.toStdString();
        EXPECT_EQ(reader.readString(c.key, c.name), c.value) << c.name.toStdString();
        // The system's registry ignores case in key paths and value names.
        EXPECT_EQ(reader.readString(c.key.toLower(), c.name.toUpper()), c.value) << c.name.toStdString();
    }
    EXPECT_TRUE(readConfig(QStringLiteral("Quillora/registry.ini")).contains("[HKEY_CURRENT_USER\\Control Panel\\Desktop]"));

    IniRegistry r;
    EXPECT_TRUE(r.writeString(Desktop, QStringLiteral("screensavetimeout"), QStringLiteral("60")));
    EXPECT_EQ(r.readString(Desktop, QStringLiteral("ScreenSaveTimeOut")), QStringLiteral("60"));
    EXPECT_TRUE(r.removeValue(Desktop, QStringLiteral("ScreenSaveTimeOut")));
    EXPECT_FALSE(r.removeValue(Desktop, QStringLiteral("ScreenSaveTimeOut")));
    EXPECT_FALSE(r.hasValue(Desktop, QStringLiteral("ScreenSaveTimeOut")));
    EXPECT_FALSE(r.hasValue(QStringLiteral("HKEY_CURRENT_USER\\Nothing"), QStringLiteral("x")));
    EXPECT_EQ(r.readString(QStringLiteral("HKEY_CURRENT_USER\\Nothing"), QStringLiteral("x")), QString());
}

TEST_F(IniStores, RunValueDrivesTheAutostartEntry)
{
    const QString entry = config(QStringLiteral("autostart/quillora.desktop"));
    IniRegistry r;
    // A path with a space and a shell character, written with its terminating zero.
    const QString program = m_dir.path() + QStringLiteral("my apps/quillora$1");
    ASSERT_TRUE(r.writeString(RunKey, QStringLiteral("Quillora"), program + QChar(0)));
    EXPECT_EQ(r.readString(RunKey, QStringLiteral("Quillora")), program + QChar(0));
    ASSERT_TRUE(QFile::exists(entry));
    const QByteArray text = readConfig(QStringLiteral("autostart/quillora.desktop"));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n")) << text.constData();
    EXPECT_TRUE(text.contains("\nType=Application\n")) << text.constData();
    EXPECT_TRUE(text.contains("\nName=Quillora\n")) << text.constData();
    // Exec quoting, then the string escape of desktop files: \$ becomes \\$.
    const QString exec = QStringLiteral("\nExec=\"%1\"\n").arg(QString(program).replace(QStringLiteral("$"), QStringLiteral("\\\\$")));
    EXPECT_TRUE(text.contains(exec.toUtf8())) << text.constData();

    ASSERT_TRUE(r.writeString(RunKey, QStringLiteral("Quillora"), QStringLiteral("zzz:")));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_EQ(r.readString(RunKey, QStringLiteral("Quillora")), QStringLiteral("zzz:"));

    ASSERT_TRUE(r.writeString(RunKey.toLower(), QStringLiteral("QUILLORA"), QStringLiteral("/usr/bin/quillora")));
    EXPECT_TRUE(readConfig(QStringLiteral("autostart/quillora.desktop")).contains("\nExec=/usr/bin/quillora\n"));
    ASSERT_TRUE(r.removeValue(RunKey, QStringLiteral("Quillora")));
    EXPECT_FALSE(QFile::exists(entry));

    // Other values under the Run key leave the entry alone.
    ASSERT_TRUE(r.writeString(RunKey, QStringLiteral("Quillora"), QStringLiteral("/usr/bin/quillora")));
    ASSERT_TRUE(r.writeString(RunKey, QStringLiteral("Other"), QStringLiteral("zzz:")));
    EXPECT_TRUE(QFile::exists(entry));
}

TEST_F(IniStores, AutostartEntryIsValidForTheDesktopTools)
{
    if (QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v desktop-file-validate >/dev/null")}) != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    ASSERT_TRUE(IniRegistry().writeString(RunKey, QStringLiteral("Quillora"), QStringLiteral("/opt/my apps/quillora")));
    QProcess p;
    p.start(QStringLiteral("desktop-file-validate"), {config(QStringLiteral("autostart/quillora.desktop"))});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().constData();
}

TEST_F(IniStores, ProfileReadsWhatItWritesAndTheLeadingIntegerOfHandEdits)
{
    IniProfile writer;
    ASSERT_TRUE(writer.writeInt(QStringLiteral("HotKey"), QStringLiteral("sk"), 6));
    ASSERT_TRUE(writer.writeInt(QStringLiteral("HotKey"), QStringLiteral("vk"), 'K'));
    ASSERT_TRUE(writer.writeInt(QStringLiteral("HotKeyWindow"), QStringLiteral("vk"), -3));
    EXPECT_EQ(readConfig(QStringLiteral("quillora.ini")), QByteArray("[HotKey]\nsk=6\nvk=75\n\n[HotKeyWindow]\nvk=-3\n"));

    QFile f(config(QStringLiteral("quillora.ini")));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("[Edited]\r\nplain=  42  \r\nsuffix=12abc\r\nword=abc\r\nhuge=99999999999\r\n");
    f.close();
    const IniProfile p;
    const struct { const char* section; const char* key; int fallback; int expected; } cases[] = {
        {"HotKey", "sk", 0, 6},         {"hotkey", "VK", 0, 'K'},     {"HotKeyWindow", "vk", 0, -3},
        {"HotKeyWindow", "sk", 0, 0},   {"HotKeyWindow", "sk", 9, 9}, {"Missing", "vk", 0, 0},
        {"Edited", "plain", 0, 42},     {"Edited", "suffix", 0, 12},  {"Edited", "word", 7, 7},
        {"Edited", "huge", 0, INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(p.readInt(QLatin1String(c.section), QLatin1String(c.key), c.fallback), c.expected)
            << c.section << "/" << c.key;
}

TEST_F(IniStores, ResetAttributesGivesTheOwnerReadAndWrite)
{
    m_dir.write(QStringLiteral("data.tmp"), "x");
    const QByteArray path = QFile::encodeName(m_dir.file(QStringLiteral("data.tmp")));
    ASSERT_EQ(chmod(path.constData(), 0440), 0);
    PosixFiles files;
    EXPECT_TRUE(files.resetAttributes(m_dir.file(QStringLiteral("data.tmp"))));
    struct stat st{};
    ASSERT_EQ(stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(files.resetAttributes(m_dir.file(QStringLiteral("missing"))));
}
