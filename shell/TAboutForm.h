#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the module's pictures, name, notice and version. Shift+Alt+F3
// while OK has the focus shows the long version line with the build number.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

    static QString VersionLine();
    static QString LongVersionLine();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_picture1;
    QLabel *m_picture2;
    QLabel *m_moduleName;
    QLabel *m_notice;
    QLabel *m_version;
    QPushButton *m_ok;
};
