#include "TConnectForm.h"

#include "CvConnectionCheck.h"
#include "CvException.h"
#include "ModuleLauncher.h"
#include "RecentSwitches.h"
#include "SecretStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

namespace {

void selectData(QComboBox *combo, int data)
{
    if (const int k = combo->findData(data); k >= 0)
        combo->setCurrentIndex(k);
}

} // namespace

TConnectForm::TConnectForm(
    SecretStore &secrets, ModuleLauncher &launcher, QString configDirectory, QWidget *parent)
    : QDialog(parent)
    , m_secrets(secrets)
    , m_launcher(launcher)
    , m_configDirectory(std::move(configDirectory))
    , m_check(new CvConnectionCheck(this))
{
    setObjectName(QStringLiteral("ConnectForm"));
    buildLayout();
    connect(m_check, &CvConnectionCheck::progress, this, &TConnectForm::showNote);
    connect(m_check, &CvConnectionCheck::finished, this, &TConnectForm::checkFinished);
    m_readCommunity->setText(QStringLiteral("public"));
    m_writeCommunity->setText(QStringLiteral("private"));
    m_recent = RecentSwitches::Load(m_configDirectory);
    fillRecentList();
    m_address->setFocus();
}

TConnectForm::~TConnectForm()
{
    m_connectingSecrets.wipe();
}

void TConnectForm::fillRecentList()
{
    const QSignalBlocker quiet(m_recentList);
    m_recentList->clear();
    for (const SwitchProfile &p : std::as_const(m_recent)) {
        QString caption = ProfileCaption(p);
        if (p.secretsRemembered)
            caption += QStringLiteral(" (secrets in the keyring)");
        m_recentList->addItem(caption);
    }
}

void TConnectForm::showProfile(const SwitchProfile &profile, const SwitchSecrets &secrets)
{
    m_address->setText(profile.address);
    m_port->setValue(profile.port);
    selectData(m_version, profile.version);
    selectData(m_level, profile.securityLevel);
    m_user->setText(profile.user);
    selectData(m_authProtocol, profile.authProtocol);
    selectData(m_privProtocol, profile.privProtocol);
    m_context->setText(profile.context);
    m_getBulk->setChecked(profile.getBulk);
    m_remember->setChecked(profile.secretsRemembered);
    m_readCommunity->setText(secrets.readCommunity);
    m_writeCommunity->setText(secrets.writeCommunity);
    m_authPass->setText(secrets.authPassPhrase);
    m_privPass->setText(secrets.privPassPhrase);
}

SwitchProfile TConnectForm::profileFromFields() const
{
    SwitchProfile p;
    p.address = m_address->text().trimmed();
    p.port = quint16(m_port->value());
    p.version = quint8(m_version->currentData().toInt());
    if (p.version == 3) {
        p.securityLevel = m_level->currentData().toInt();
        p.user = m_user->text().trimmed();
        p.context = m_context->text().trimmed();
        if (p.securityLevel >= 2)
            p.authProtocol = m_authProtocol->currentData().toInt();
        if (p.securityLevel >= 3)
            p.privProtocol = m_privProtocol->currentData().toInt();
    }
    p.getBulk = p.version == 0 || m_getBulk->isChecked();
    p.secretsRemembered = m_remember->isChecked();
    return p;
}

SwitchSecrets TConnectForm::secretsFromFields() const
{
    SwitchSecrets s;
    if (m_version->currentData().toInt() != 3) {
        s.readCommunity = m_readCommunity->text();
        s.writeCommunity = m_writeCommunity->text();
        return s;
    }
    const int level = m_level->currentData().toInt();
    if (level >= 2)
        s.authPassPhrase = m_authPass->text();
    if (level >= 3)
        s.privPassPhrase = m_privPass->text();
    return s;
}

void TConnectForm::showNote(const QString &text)
{
    m_note->setText(text);
}

void TConnectForm::setBusy(bool busy, bool checking)
{
    m_busy = busy;
    m_fields->setEnabled(!busy);
    m_connectBtn->setEnabled(!busy);
    m_closeBtn->setText(checking ? QStringLiteral("Cancel") : QStringLiteral("Close"));
}

// A recent switch picked: its fields, and its secrets from the keyring when
// they were remembered; another switch's secrets never stay in the fields.
void TConnectForm::RecentListPick(int row)
{
    if (row < 0 || row >= m_recent.size() || m_busy)
        return;
    const SwitchProfile profile = m_recent[row];
    showProfile(profile, SwitchSecrets());
    showNote(QString());
    if (!profile.secretsRemembered)
        return;
    setBusy(true);
    showNote(QStringLiteral("Reading the secrets of %1 from the desktop keyring...")
                 .arg(profile.address));
    QPointer<TConnectForm> self(this);
    m_secrets.read(profile.address,
        [self, profile](std::optional<SwitchSecrets> secrets, const QString &error) {
            if (!self)
                return;
            self->setBusy(false);
            if (secrets) {
                self->showProfile(profile, *secrets);
                self->showNote(QString());
                secrets->wipe();
                return;
            }
            self->m_remember->setChecked(false);
            self->showNote(!error.isEmpty()
                    ? error
                    : QStringLiteral("The desktop keyring holds no secrets of %1: give them again.")
                          .arg(profile.address));
        });
}

void TConnectForm::ConnectBtnClick()
{
    if (m_busy)
        return;
    const SwitchProfile profile = profileFromFields();
    SwitchSecrets secrets = secretsFromFields();
    if (const QString problem = ProfileProblem(profile, secrets); !problem.isEmpty()) {
        secrets.wipe();
        return showNote(problem);
    }
    // The engine's boots counter lives beside the module's, in the folder
    // where the module starts.
    QString error;
    if (!MakePrivateDirectory(m_configDirectory, &error))
        return showNote(error);
    if (!m_sessionStarted) {
        try {
            StartSession(m_configDirectory);
        } catch (const CvException &e) {
            return showNote(e.message());
        }
        m_sessionStarted = true;
    }
    m_connecting = profile;
    m_connectingSecrets = secrets;
    setBusy(true, true);
    showNote(QStringLiteral("Checking %1...").arg(profile.address));
    m_check->start(CheckSettings(profile, secrets), m_timeoutMs);
    secrets.wipe();
}

void TConnectForm::CloseBtnClick()
{
    if (m_check->isRunning())
        m_check->cancel();
    else
        reject();
}

void TConnectForm::checkFinished(const CvConnectionDiagnosis &result)
{
    if (!result.answered()) {
        m_connectingSecrets.wipe();
        setBusy(false);
        if (result.outcome == CvConnectionDiagnosis::Outcome::Cancelled)
            return showNote(QStringLiteral("The check was cancelled; nothing was saved."));
        QString note = result.diagnosis;
        if (!result.catalogued.isEmpty())
            note += QLatin1Char('\n') + result.catalogued;
        return showNote(note);
    }
    if (result.outcome == CvConnectionDiagnosis::Outcome::NotThisFamily) {
        showNote(result.diagnosis);
        setBusy(true);
        QPointer<TConnectForm> self(this);
        const auto answer = QMessageBox::question(this, windowTitle(),
            result.diagnosis
                + QStringLiteral("\n\nOpen the module for %1 anyway?").arg(m_connecting.address));
        if (!self)
            return;
        if (answer != QMessageBox::Yes) {
            m_connectingSecrets.wipe();
            return setBusy(false);
        }
    }
    keepSecrets();
}

// The keyring is told first: remember or forget this switch's secrets, and
// forget those of a switch that falls off the list. The files are written
// when it has answered.
void TConnectForm::keepSecrets()
{
    setBusy(true);
    const QList<SwitchProfile> updated = RecentSwitches::WithOnTop(m_recent, m_connecting);
    QStringList forget;
    for (const SwitchProfile &old : std::as_const(m_recent)) {
        const bool kept = old.address == m_connecting.address ? m_connecting.secretsRemembered
                                                              : updated.contains(old);
        if (old.secretsRemembered && !kept)
            forget.append(old.address);
    }
    m_keyringError.clear();
    // One call more than those made, ended below: a store that answers at
    // once does not finish before every call is made.
    m_keyringCalls = 1 + int(m_connecting.secretsRemembered) + int(forget.size());
    QPointer<TConnectForm> self(this);
    if (m_connecting.secretsRemembered) {
        showNote(QStringLiteral("Keeping the secrets in the desktop keyring..."));
        m_secrets.write(m_connecting.address, m_connectingSecrets, [self](const QString &error) {
            if (!self)
                return;
            self->m_keyringError = error;
            self->keyringCallDone();
        });
    }
    // A secret the keyring does not forget is not used again either: the
    // list no longer says it is there.
    for (const QString &address : std::as_const(forget))
        m_secrets.forget(address, [self](const QString &) {
            if (self)
                self->keyringCallDone();
        });
    keyringCallDone();
}

void TConnectForm::keyringCallDone()
{
    if (--m_keyringCalls > 0)
        return;
    if (!m_keyringError.isEmpty()) {
        m_remember->setChecked(false);
        setBusy(false);
        m_connectingSecrets.wipe();
        return showNote(m_keyringError
            + QStringLiteral("\nThe secrets were not remembered and nothing was saved. "
                             "Connect again to go on without remembering them."));
    }
    saveAndLaunch();
}

void TConnectForm::saveAndLaunch()
{
    QString error;
    const QList<SwitchProfile> updated = RecentSwitches::WithOnTop(m_recent, m_connecting);
    if (!WritePrivateFile(m_configDirectory + QLatin1Char('/') + ConfigFileName(m_connecting),
            ConfigFileContents(m_connecting), &error)
        || !RecentSwitches::Save(m_configDirectory, updated, &error)) {
        m_connectingSecrets.wipe();
        setBusy(false);
        return showNote(error);
    }
    m_recent = updated;
    fillRecentList();
    ModuleHandover handover {
        m_configDirectory, m_connecting.address, ParameterInput(m_connecting, m_connectingSecrets)};
    m_connectingSecrets.wipe();
    showNote(QStringLiteral("Starting the module for %1...").arg(m_connecting.address));
    QPointer<TConnectForm> self(this);
    const bool started = m_launcher.launch(handover, &error);
    if (!self)
        return;
    setBusy(false);
    if (!started)
        return showNote(error);
    accept();
}
