#include "TAclRuleForm.h"

#include "CvStandardOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

TAclRuleForm::TAclRuleForm(QWidget *owner)
    : TAclTableForm(owner)
{
}

void TAclRuleForm::SetRule(const Rule &rule)
{
    m_rule = rule;
    connect(rule.get, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(rule.edit, &QPushButton::clicked, this, &TAclRuleForm::EditButtonClick);
    connect(rule.add, &QPushButton::clicked, this, &TAclRuleForm::AddButtonClick);
    connect(rule.remove, &QPushButton::clicked, this, &TAclRuleForm::DeleteButtonClick);
    connect(rule.checkAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(rule.uncheckAll, &QPushButton::clicked, this, [this] { CheckAll(false); });
}

void TAclRuleForm::CreateRuleTable(const CvSNMPVar *vars, const std::function<void()> &bind)
{
    Pane pane;
    pane.list = m_rule.list;
    pane.count = m_rule.count;
    pane.status = m_rule.status;
    pane.keys = m_rule.keys;
    pane.edit = m_rule.edit;
    pane.add = m_rule.add;
    pane.remove = m_rule.remove;
    pane.rowStatus = m_rule.rowStatusBox;
    pane.edits = findChildren<QLineEdit *>();
    pane.includes = findChildren<QCheckBox *>();
    CreateTable(vars, int(m_rule.keys.size()), pane, bind);
}

QList<bool> TAclRuleForm::Ticked(const QList<std::pair<int, QCheckBox *>> &boxes) const
{
    QList<bool> sent(m_rule.rowStatus + 1, false);
    for (const auto &[var, box] : boxes)
        sent[var] = box->isChecked();
    return sent;
}

bool TAclRuleForm::CheckSent(QList<bool> sent, bool add, const QList<Field> &fields,
    const QList<Choice> &choices, QList<int> &excluded)
{
    sent[m_rule.rowStatus] = add || m_rule.rowBox->isChecked();
    QList<QLineEdit *> checked;
    for (const Field &f : fields) {
        if (!sent[f.var])
            continue;
        const QString name = QString::fromLatin1(f.label);
        if (!f.mayBeEmpty && !Filled(f.edit, QString::fromLatin1(EmptyEdit).arg(name)))
            return false;
        if (f.octets > 0 && !HexOf(f.edit, f.octets, name))
            return false;
        checked.append(f.edit);
    }
    for (const Choice &c : choices) {
        if (sent[c.var] && c.box->currentIndex() < 0) {
            RefuseInput(QString::fromLatin1(NotChosen).arg(QLatin1String(c.label)), c.box);
            return false;
        }
    }
    if (!Accepted(checked))
        return false;
    for (int i = m_rule.firstColumn; i <= m_rule.rowStatus; ++i)
        if (!sent[i])
            excluded.append(i);
    return true;
}

bool TAclRuleForm::IdsGiven(const char *idMissing, const char *accessIdMissing)
{
    const QList<QLineEdit *> &keys = m_rule.keys;
    return Filled(keys.at(0), QString::fromLatin1(idMissing))
        && Filled(keys.at(1), QString::fromLatin1(accessIdMissing)) && Accepted(keys);
}

void TAclRuleForm::EditButtonClick()
{
    if (!Ready() || !KeysGiven())
        return;
    if (m_rule.rowBox->isChecked()
        && m_rule.rowStatusBox->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(m_rule.rowStatus, m_rule.rowStatus + 1);
        return;
    }
    QList<int> excluded;
    if (!Exclusions(excluded, false))
        return;
    if (excluded.size() == m_rule.rowStatus + 1 - m_rule.firstColumn) {
        RefuseInput(QString::fromLatin1(NothingChecked), m_rule.firstBox);
        return;
    }
    WriteRow(excluded);
}

void TAclRuleForm::AddButtonClick()
{
    if (!Ready() || !KeysGiven())
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(m_rule.keysInUse), m_rule.keys.first());
        return;
    }
    QComboBox *status = m_rule.rowStatusBox;
    if (m_rule.rowBox->isChecked() && status->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(m_rule.notCreateAndGo), status);
        return;
    }
    // A new row is always made with createAndGo, ticked or not.
    status->setCurrentIndex(RowStatusItem::CreateAndGo);
    QList<int> excluded;
    if (Exclusions(excluded, true))
        WriteRow(excluded);
}

void TAclRuleForm::DeleteButtonClick()
{
    if (!Ready())
        return;
    for (const QLineEdit *key : m_rule.keys)
        if (key->text().isEmpty())
            return;
    DeleteRow(m_rule.rowStatus, m_rule.rowStatus + 1);
}
