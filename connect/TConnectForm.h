#pragma once

#include "PrivateFiles.h"
#include "SwitchProfile.h"

#include <QDialog>
#include <QList>

class CvConnectionCheck;
struct CvConnectionDiagnosis;
class ModuleLauncher;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class SecretStore;

// "Connect to a Switch": the operator names a switch (or picks a recent
// one), Connect checks that its agent answers, and only then the switch is
// kept on top of the recent list, its secrets in the keyring when asked,
// and the module started for it. A check that fails shows why and keeps
// the fields for another try; nothing is saved then.
class TConnectForm : public QDialog
{
    Q_OBJECT

public:
    TConnectForm(SecretStore &secrets, ModuleLauncher &launcher,
        QString configDirectory = OperatorConfigDirectory(), QWidget *parent = nullptr);
    ~TConnectForm() override;

    static constexpr const char *Title = "Connect to a Switch";
    static constexpr int DefaultCheckTimeoutMs = 3000;

    // A check, a keyring call or the start of the module is under way.
    bool IsBusy() const { return m_busy; }
    void setCheckTimeout(int ms) { m_timeoutMs = ms; }

private:
    void buildLayout();
    QComboBox *protocolCombo(const char *name, int which);
    void fillRecentList();
    void showProfile(const SwitchProfile &profile, const SwitchSecrets &secrets);
    SwitchProfile profileFromFields() const;
    SwitchSecrets secretsFromFields() const;
    void showRowsForVersion();
    void showNote(const QString &text);
    void setBusy(bool busy, bool checking = false);

    void RecentListPick(int row);
    void ConnectBtnClick();
    void CloseBtnClick();
    void checkFinished(const CvConnectionDiagnosis &result);
    void keepSecrets();
    void keyringCallDone();
    void saveAndLaunch();

    SecretStore &m_secrets;
    ModuleLauncher &m_launcher;
    const QString m_configDirectory;
    QList<SwitchProfile> m_recent;
    CvConnectionCheck *m_check = nullptr;
    bool m_sessionStarted = false;
    bool m_busy = false;
    int m_timeoutMs = DefaultCheckTimeoutMs;
    // The switch being connected, while its check and keyring calls run.
    SwitchProfile m_connecting;
    SwitchSecrets m_connectingSecrets;
    int m_keyringCalls = 0;
    QString m_keyringError;

    QWidget *m_fields = nullptr;
    QFormLayout *m_form = nullptr;
    QListWidget *m_recentList = nullptr;
    QLineEdit *m_address = nullptr;
    QSpinBox *m_port = nullptr;
    QComboBox *m_version = nullptr;
    QLineEdit *m_readCommunity = nullptr;
    QLineEdit *m_writeCommunity = nullptr;
    QLineEdit *m_user = nullptr;
    QComboBox *m_level = nullptr;
    QComboBox *m_authProtocol = nullptr;
    QLineEdit *m_authPass = nullptr;
    QComboBox *m_privProtocol = nullptr;
    QLineEdit *m_privPass = nullptr;
    QLineEdit *m_context = nullptr;
    QCheckBox *m_getBulk = nullptr;
    QCheckBox *m_remember = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_connectBtn = nullptr;
    QPushButton *m_closeBtn = nullptr;
};
