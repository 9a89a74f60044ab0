// The connect window's controls and which of them the chosen version needs.
#include "TConnectForm.h"

#include "CvSecurityProtocols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct VersionChoice
{
    int code;
    const char *name;
};

const VersionChoice versions[] = {{0, "SNMPv1"}, {1, "SNMPv2c"}, {3, "SNMPv3"}};

const char *const levels[] = {
    "noAuthNoPriv: no authentication, no privacy",
    "authNoPriv: authentication, no privacy",
    "authPriv: authentication and privacy",
};

QLineEdit *lineEdit(const char *name, bool secret)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    if (secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

QComboBox *TConnectForm::protocolCombo(const char *name, int which)
{
    auto *combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    for (const CvSecurityProtocol &p : which == 0 ? AuthProtocols() : PrivProtocols())
        combo->addItem(QLatin1String(p.caption), p.code);
    // HMAC-SHA and AES-128 first: what agents commonly offer.
    combo->setCurrentIndex(combo->findData(which == 0 ? 3 : 4));
    return combo;
}

void TConnectForm::buildLayout()
{
    setWindowTitle(QLatin1String(Title));
    m_fields = new QWidget;
    m_fields->setObjectName(QStringLiteral("Fields"));
    auto *fieldsLayout = new QVBoxLayout(m_fields);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);

    m_recentList = new QListWidget;
    m_recentList->setObjectName(QStringLiteral("RecentList"));
    m_recentList->setMaximumHeight(m_recentList->fontMetrics().height() * 7);
    auto *recentLabel = new QLabel(QStringLiteral("&Recent switches"));
    recentLabel->setBuddy(m_recentList);
    m_recentList->setAccessibleName(QStringLiteral("Recent switches"));
    fieldsLayout->addWidget(recentLabel);
    fieldsLayout->addWidget(m_recentList);

    m_address = lineEdit("AddressEdit", false);
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("PortSpin"));
    m_port->setRange(1, 65535);
    m_port->setValue(161);
    m_version = new QComboBox;
    m_version->setObjectName(QStringLiteral("VersionCombo"));
    for (const VersionChoice &v : versions)
        m_version->addItem(QLatin1String(v.name), v.code);
    m_version->setCurrentIndex(1);
    m_readCommunity = lineEdit("ReadCommunityEdit", true);
    m_writeCommunity = lineEdit("WriteCommunityEdit", true);
    m_user = lineEdit("UserEdit", false);
    m_level = new QComboBox;
    m_level->setObjectName(QStringLiteral("SecurityLevelCombo"));
    for (int k = 0; k < 3; ++k)
        m_level->addItem(QLatin1String(levels[k]), k + 1);
    m_authProtocol = protocolCombo("AuthProtocolCombo", 0);
    m_authPass = lineEdit("AuthPassEdit", true);
    m_privProtocol = protocolCombo("PrivProtocolCombo", 1);
    m_privPass = lineEdit("PrivPassEdit", true);
    m_context = lineEdit("ContextEdit", false);
    m_getBulk = new QCheckBox(QStringLiteral("Read tables with &get-bulk"));
    m_getBulk->setObjectName(QStringLiteral("GetBulkCheck"));
    m_getBulk->setChecked(true);
    m_getBulk->setToolTip(QStringLiteral(
        "Untick for an agent that mishandles get-bulk: tables are then read one row a request."));

    m_form = new QFormLayout;
    // Each field is named by its label, for keyboard and screen-reader users.
    const auto row = [this](const char *label, const char *name, QWidget *field) {
        m_form->addRow(QString::fromUtf8(label), field);
        field->setAccessibleName(QString::fromUtf8(name));
    };
    row("&Address", "Address", m_address);
    row("&Port", "Port", m_port);
    row("&Version", "Version", m_version);
    row("Read co&mmunity", "Read community", m_readCommunity);
    row("&Write community", "Write community", m_writeCommunity);
    row("&User", "User", m_user);
    row("Security &level", "Security level", m_level);
    row("Au&thentication protocol", "Authentication protocol", m_authProtocol);
    row("Authentication pass p&hrase", "Authentication pass phrase", m_authPass);
    row("Privac&y protocol", "Privacy protocol", m_privProtocol);
    row("Privacy pass phra&se", "Privacy pass phrase", m_privPass);
    row("Conte&xt", "Context", m_context);
    m_form->addRow(m_getBulk);
    m_getBulk->setAccessibleName(QStringLiteral("Read tables with get-bulk"));
    fieldsLayout->addLayout(m_form);

    m_remember = new QCheckBox(QStringLiteral("Remember secrets in the desktop &keyring"));
    m_remember->setObjectName(QStringLiteral("RememberSecretsCheck"));
    m_remember->setAccessibleName(QStringLiteral("Remember secrets in the desktop keyring"));
    m_remember->setToolTip(QStringLiteral(
        "Keeps the communities or pass phrases in the desktop's keyring, never in a file. "
        "Untick to forget them."));
    fieldsLayout->addWidget(m_remember);

    // The progress of a check and why it failed, in the window's own colours.
    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("DiagnosisLabel"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_note->setMinimumWidth(m_note->fontMetrics().averageCharWidth() * 60);

    m_connectBtn = new QPushButton(QStringLiteral("&Connect"));
    m_connectBtn->setObjectName(QStringLiteral("ConnectBtn"));
    m_connectBtn->setDefault(true);
    m_closeBtn = new QPushButton(QStringLiteral("Close"));
    m_closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(m_connectBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_closeBtn, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fields);
    layout->addWidget(m_note);
    layout->addWidget(buttons);

    connect(m_version, &QComboBox::currentIndexChanged, this, &TConnectForm::showRowsForVersion);
    connect(m_level, &QComboBox::currentIndexChanged, this, &TConnectForm::showRowsForVersion);
    connect(m_recentList, &QListWidget::currentRowChanged, this, &TConnectForm::RecentListPick);
    connect(m_connectBtn, &QPushButton::clicked, this, &TConnectForm::ConnectBtnClick);
    connect(m_closeBtn, &QPushButton::clicked, this, &TConnectForm::CloseBtnClick);
    showRowsForVersion();
}

void TConnectForm::showRowsForVersion()
{
    const bool v3 = m_version->currentData().toInt() == 3;
    const int level = m_level->currentData().toInt();
    for (QWidget *w : {m_readCommunity, m_writeCommunity})
        m_form->setRowVisible(w, !v3);
    for (QWidget *w : {static_cast<QWidget *>(m_user), static_cast<QWidget *>(m_level),
             static_cast<QWidget *>(m_context)})
        m_form->setRowVisible(w, v3);
    for (QWidget *w : {static_cast<QWidget *>(m_authProtocol), static_cast<QWidget *>(m_authPass)})
        m_form->setRowVisible(w, v3 && level >= 2);
    for (QWidget *w : {static_cast<QWidget *>(m_privProtocol), static_cast<QWidget *>(m_privPass)})
        m_form->setRowVisible(w, v3 && level >= 3);
    // SNMPv1 has no get-bulk.
    m_form->setRowVisible(m_getBulk, m_version->currentData().toInt() != 0);
}
