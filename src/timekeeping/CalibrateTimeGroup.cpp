#include "timekeeping/CalibrateTimeGroup.h"

#include "controls/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

CalibrateTimeGroup::CalibrateTimeGroup(Clock& clock, Network& network, QWidget* parent)
    : QGroupBox(QStringLiteral("Calibrate Time"), parent), m_client(clock, network)
{
    setObjectName(QStringLiteral("calibrateTime"));
    m_servers = new QComboBox(this);
    m_servers->setObjectName(QStringLiteral("servers"));
    m_servers->addItems(TimeServerClient::servers());
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_calibrate = new QPushButton(QStringLiteral("Calibrate"), this);
    m_calibrate->setObjectName(QStringLiteral("calibrate"));
    m_calibrate->setAutoDefault(false);
    m_checkNet = new QPushButton(QStringLiteral("Check Net"), this);
    m_checkNet->setObjectName(QStringLiteral("checkNet"));
    m_checkNet->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_servers, 0, 0, 1, 2);
    layout->addWidget(m_log, 1, 0, 1, 2);
    layout->addWidget(m_calibrate, 2, 0);
    layout->addWidget(m_checkNet, 2, 1);
    layout->setRowStretch(1, 1);

    m_dots.setInterval(1000);
    connect(&m_dots, &QTimer::timeout, &m_client, &TimeServerClient::tick);
    connect(&m_client, &TimeServerClient::tickingChanged, this, [this](bool on) {
        if (on)
            m_dots.start();
        else
            m_dots.stop();
    });
    connect(&m_client, &TimeServerClient::logChanged, this, &CalibrateTimeGroup::showLog);
    connect(&m_client, &TimeServerClient::calibrationEnabledChanged, this, &CalibrateTimeGroup::setEnabledControls);
    connect(m_servers, &QComboBox::activated, this, &CalibrateTimeGroup::serverChosen);
    connect(m_calibrate, &QPushButton::clicked, this, [this] {
        m_client.selectServer(m_servers->currentText());
        m_client.calibrate();
    });
    connect(m_checkNet, &QPushButton::clicked, &m_client, &TimeServerClient::checkNet);
}

void CalibrateTimeGroup::setUp()
{
    m_servers->setCurrentIndex(0);
    m_client.selectServer(m_servers->currentText());
    m_client.checkNet();
    m_servers->setToolTip(QStringLiteral("Please choose time server."));
    m_calibrate->setToolTip(QStringLiteral("Click it to start to callidate the time."));
}

void CalibrateTimeGroup::serverChosen(int index)
{
    const QString address = m_servers->itemText(index);
    m_client.selectServer(address);
    MessageBox::info(this, address);
}

void CalibrateTimeGroup::showLog()
{
    QString text = m_client.log();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_log->setPlainText(text);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void CalibrateTimeGroup::setEnabledControls(bool on)
{
    m_servers->setEnabled(on);
    m_calibrate->setEnabled(on);
}
