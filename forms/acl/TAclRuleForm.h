#pragma once

#include "TAclTableForm.h"

class QPushButton;

// What the rule windows share on top of the table window: a rule is keyed by
// its profile and access ID; Edit writes the ticked fields, or destroys the
// row when its status is ticked and set to destroy; Add refuses keys in use
// and always creates with createAndGo; Delete sends the index and the
// destroy alone.
class TAclRuleForm : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TAclRuleForm(QWidget *owner);

    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    static constexpr const char *NotChosen = "%1 should be chosed.";

protected:
    struct Rule
    {
        int firstColumn = 0; // the first column after the index
        int rowStatus = 0; // the last column
        QCheckBox *rowBox = nullptr;
        QCheckBox *firstBox = nullptr; // takes the focus when nothing is ticked
        const char *keysInUse = nullptr;
        const char *notCreateAndGo = nullptr;
        QPushButton *get = nullptr, *edit = nullptr, *add = nullptr, *remove = nullptr;
        QPushButton *checkAll = nullptr, *uncheckAll = nullptr;
        QTreeWidget *list = nullptr;
        QLabel *count = nullptr;
        QStatusBar *status = nullptr;
        QList<QLineEdit *> keys; // the profile and access ID edits
        QComboBox *rowStatusBox = nullptr;
    };
    // The list, its count, the status bar and the buttons: every rule
    // window names them alike.
    template <class Ui> static Rule CommonParts(const Ui &ui)
    {
        Rule rule;
        rule.list = ui.ListView1;
        rule.count = ui.StaticText1;
        rule.status = ui.StatusBar1;
        rule.get = ui.GetButton;
        rule.edit = ui.EditButton;
        rule.add = ui.AddButton;
        rule.remove = ui.DeleteButton;
        return rule;
    }
    // Connects the buttons; called once the form is set up.
    void SetRule(const Rule &rule);
    // The table over vars, on the pane the rule names: every edit and
    // include box of the window. The window binds its controls in bind.
    void CreateRuleTable(const CvSNMPVar *vars, const std::function<void()> &bind);

    // Checks the keys (and what else comes before the fields); false when
    // refused, with the message shown.
    virtual bool KeysGiven() = 0;
    // Checks the fields to send and lists the columns left out; false when
    // refused.
    virtual bool Exclusions(QList<int> &excluded, bool add) = 0;

    // For Exclusions: a sent edit must be filled (and hold exactly octets
    // hexadecimal octets when octets > 0), a sent choice chosen. A text
    // field (mayBeEmpty) is sent empty too: that is a value of its own.
    struct Field
    {
        int var;
        QLineEdit *edit;
        const char *label;
        int octets = 0;
        bool mayBeEmpty = false;
    };
    struct Choice
    {
        int var;
        QComboBox *box;
        const char *label;
    };
    // The columns whose boxes are ticked, sized to the row status.
    QList<bool> Ticked(const QList<std::pair<int, QCheckBox *>> &boxes) const;
    // Checks the sent fields in order, adds the row status, and lists the
    // rest as excluded.
    bool CheckSent(QList<bool> sent, bool add, const QList<Field> &fields,
        const QList<Choice> &choices, QList<int> &excluded);
    // The two ID edits filled, then their formats.
    bool IdsGiven(const char *idMissing, const char *accessIdMissing);

private:
    Rule m_rule;
};
