#include "mail/MessageListModel.h"

#include <gtest/gtest.h>

namespace {

MailRecord record(const char* sender, const char* subject, qint32 size)
{
    MailRecord r;
    r.sender = QLatin1String(sender);
    r.subject = QLatin1String(subject);
    r.size = size;
    r.path = QStringLiteral("/m/") + QLatin1String(subject);
    return r;
}

QStringList column(const MessageListModel& m, int c)
{
    QStringList out;
    for (int row = 0; row < m.rowCount(); ++row)
        out << m.data(m.index(row, c)).toString();
    return out;
}

} // namespace

TEST(MessageListModel, ColumnsAsDeclared)
{
    const auto columns = MessageListModel::parseColumns(MessageListModel::columnText());
    ASSERT_EQ(columns.size(), 6);
    const QStringList names{QStringLiteral("Sender"), QStringLiteral("State"), QStringLiteral("Subject"),
                            QStringLiteral("Date"), QStringLiteral("Size"), QStringLiteral("DIR")};
    const int widths[] = {120, 90, 250, 200, 64, 64};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(columns[i].name, names[i]);
        EXPECT_EQ(columns[i].width, widths[i]);
    }
    MessageListModel m;
    m.setRecords({record("Ann", "b", 512), record("cy", "A", 1048576)});
    EXPECT_EQ(column(m, MessageListModel::Size), (QStringList{QStringLiteral("0.5K"), QStringLiteral("1.0M")}));
    EXPECT_EQ(column(m, MessageListModel::State), (QStringList{QStringLiteral("all"), QStringLiteral("all")}));
    EXPECT_EQ(column(m, MessageListModel::Dir), (QStringList{QStringLiteral("/m/b"), QStringLiteral("/m/A")}));
}

// Text columns sort without regard to case, Size by bytes (not by its text), equal rows keep
// their listing order; column -1 gives the listing order back, and new records keep the
// chosen order.
TEST(MessageListModel, SortingKeepsRecordsAndOrder)
{
    MessageListModel m;
    m.setRecords({record("b", "x", 2000), record("A", "y", 900000), record("b", "z", 3 * 1048576), record("c", "w", 10)});
    m.sort(MessageListModel::Sender);
    EXPECT_EQ(column(m, MessageListModel::Subject).join(QString()), QStringLiteral("yxzw"));
    m.sort(MessageListModel::Size, Qt::DescendingOrder);
    EXPECT_EQ(column(m, MessageListModel::Subject).join(QString()), QStringLiteral("zyxw"));
    EXPECT_EQ(m.record(0)->subject, QStringLiteral("z"));
    m.sort(-1);
    EXPECT_EQ(column(m, MessageListModel::Subject).join(QString()), QStringLiteral("xyzw"));
    m.sort(MessageListModel::Subject);
    m.setRecords({record("q", "b", 1), record("r", "a", 1)});
    EXPECT_EQ(column(m, MessageListModel::Subject).join(QString()), QStringLiteral("ab"));
    EXPECT_EQ(m.record(5), nullptr);
}
