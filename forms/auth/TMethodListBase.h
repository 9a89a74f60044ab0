#pragma once

#include "THandLaidForm.h"

#include <QList>
#include <array>

class CvSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
struct CvSNMPVar;

// What the login and enable method list windows share: a selective-write
// window over a list name, four methods (type and server group) and a row
// status. Methods after "local" (or "local-enable") and "none" never run:
// the window asks before writing such a list and, if told to go on, leaves
// those methods as the switch has them.
class TMethodListBase : public THandLaidForm
{
    Q_OBJECT

public:
    struct Controls
    {
        QTreeWidget *list = nullptr;
        QLineEdit *name = nullptr;
        std::array<QComboBox *, 4> types {};
        std::array<QLineEdit *, 4> groups {};
        QComboBox *row = nullptr;
        QPushButton *get = nullptr, *edit = nullptr, *add = nullptr, *del = nullptr;
        QStatusBar *bar = nullptr;
        QLabel *count = nullptr;
    };
    struct Texts
    {
        const char *nameMissing;
        const char *nameTaken;
    };

    CvSNMPRequest2Edits *Request() const { return m_request; }

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    // True when no configured method follows "local"/"local-enable" or
    // "none" (item indexes 5 and 6); a type that is empty or "other" is not
    // configured.
    bool CheckMethodOrder() const;

    static constexpr const char *OrderQuestion
        = "Method(s) after method local and none is(are) ineffective. Do you want to change "
          "your configurations?";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";
    static constexpr const char *GroupMissing
        = "The server group of a server-group method must be set.";

protected:
    TMethodListBase(QWidget *owner, const CvSNMPVar *vars, Texts texts);
    // Called once by the derived constructor, after its form is set up.
    void SetControls(const Controls &controls);
    void FormCreate() override;

private:
    bool configured(int method) const;
    // The first method after which nothing runs, or -1.
    int lastEffective() const;
    bool nameGiven();
    // The methods' exclusions; false when the input was refused or the
    // operator chose to change the list.
    bool methodExclusions(QList<int> &excluded);
    void write(const QList<int> &excluded);
    void ShowNoSelection();
    void ClearPane();

    const CvSNMPVar *m_vars;
    Texts m_texts;
    Controls c;
    CvSNMPRequest2Edits *m_request = nullptr;
    bool m_clearing = false;
};
