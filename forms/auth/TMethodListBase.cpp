#include "TMethodListBase.h"

#include "AuthVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "SelectiveWrite.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace {
constexpr int localItem = 5; // "local" or "local-enable"
constexpr int noneItem = 6;
const QString serverGroup = QStringLiteral("server-group");
} // namespace

TMethodListBase::TMethodListBase(QWidget *owner, const CvSNMPVar *vars, Texts texts)
    : THandLaidForm(owner)
    , m_vars(vars)
    , m_texts(texts)
{
}

void TMethodListBase::SetControls(const Controls &controls)
{
    c = controls;
    connect(c.get, &QPushButton::clicked, this, &TMethodListBase::GetButtonClick);
    connect(c.edit, &QPushButton::clicked, this, &TMethodListBase::EditButtonClick);
    connect(c.add, &QPushButton::clicked, this, &TMethodListBase::AddButtonClick);
    connect(c.del, &QPushButton::clicked, this, &TMethodListBase::DeleteButtonClick);
    FollowRowCount(c.list, c.count);
}

void TMethodListBase::FormCreate()
{
    using namespace MethodList;
    m_request = AddRequest(m_vars, MVT_UMV, 1);
    m_request->asynchronous = false;
    Run(m_request, [this] {
        m_request->BindListView(c.list, true);
        OnListClick(*m_request, this, &TMethodListBase::ListView1Click);
        m_request->BindEdit(Name, QStringLiteral("%s{l15}"), c.name);
        for (int m = 0; m < Methods; ++m) {
            m_request->BindComboBox(TypeOf(m), c.types[m]);
            m_request->BindEdit(GroupOf(m), QStringLiteral("%s{l15}"), c.groups[m]);
        }
        m_request->BindComboBox(RowStatus, c.row);
        m_request->SetMessageTarget(c.bar);
    });
    ClearPane();
    ShowNoSelection();
    Run(m_request, [this] { m_request->Read(); });
}

void TMethodListBase::ShowNoSelection()
{
    c.edit->setEnabled(false);
    c.del->setEnabled(false);
    c.add->setEnabled(true);
    c.name->setEnabled(true);
    c.row->setCurrentIndex(RowStatusItem::CreateAndGo);
}

void TMethodListBase::ClearPane()
{
    m_clearing = true;
    c.list->clearSelection();
    m_clearing = false;
    c.name->clear();
    for (QLineEdit *group : c.groups)
        group->clear();
}

void TMethodListBase::ListView1Click()
{
    if (m_clearing)
        return;
    const bool selected = !SelectedCaption(c.list).isEmpty();
    if (!selected) {
        ShowNoSelection();
        return;
    }
    c.edit->setEnabled(true);
    c.del->setEnabled(true);
    c.add->setEnabled(false);
    c.name->setEnabled(false);
}

void TMethodListBase::GetButtonClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ShowNoSelection();
    ClearPane();
}

bool TMethodListBase::configured(int method) const
{
    const QString type = c.types[method]->currentText();
    return !type.isEmpty() && type != QLatin1String("other");
}

int TMethodListBase::lastEffective() const
{
    for (int m = 0; m < MethodList::Methods; ++m) {
        const int item = c.types[m]->currentIndex();
        if (configured(m) && (item == localItem || item == noneItem))
            return m;
    }
    return -1;
}

bool TMethodListBase::CheckMethodOrder() const
{
    const int last = lastEffective();
    if (last < 0)
        return true;
    for (int m = last + 1; m < MethodList::Methods; ++m)
        if (configured(m))
            return false;
    return true;
}

bool TMethodListBase::nameGiven()
{
    if (!c.name->text().isEmpty())
        return true;
    RefuseInput(QString::fromLatin1(m_texts.nameMissing), c.name);
    return false;
}

bool TMethodListBase::methodExclusions(QList<int> &excluded)
{
    using namespace MethodList;
    int dropAfter = Methods;
    if (!CheckMethodOrder()) {
        const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QMessageBox box(QMessageBox::Question, caption, QString::fromLatin1(OrderQuestion),
            QMessageBox::Yes | QMessageBox::No, this);
        if (box.exec() != QMessageBox::No)
            return false;
        dropAfter = lastEffective();
    }
    for (int m = 0; m < Methods; ++m) {
        if (m > dropAfter || !configured(m)) {
            excluded << TypeOf(m) << GroupOf(m);
        } else if (c.types[m]->currentText() != serverGroup) {
            excluded << GroupOf(m);
        } else if (c.groups[m]->text().isEmpty()) {
            RefuseInput(QString::fromLatin1(GroupMissing), c.groups[m]);
            return false;
        }
    }
    return true;
}

void TMethodListBase::write(const QList<int> &excluded)
{
    Run(m_request, [&] { WriteExcluding(*m_request, excluded); });
    ShowNoSelection();
    ClearPane();
}

void TMethodListBase::EditButtonClick()
{
    using namespace MethodList;
    if (AnyBusy() || !m_request || !nameGiven())
        return;
    if (!EditsAccepted(*m_request, {c.name, c.groups[0], c.groups[1], c.groups[2], c.groups[3]}))
        return;
    if (c.row->currentIndex() == RowStatusItem::Destroy) {
        write({Group1, Type2, Group2, Type3, Group3, Type4, Group4});
        return;
    }
    QList<int> excluded {RowStatus};
    if (methodExclusions(excluded))
        write(excluded);
}

void TMethodListBase::AddButtonClick()
{
    if (AnyBusy() || !m_request || !nameGiven())
        return;
    if (!EditsAccepted(*m_request, {c.name, c.groups[0], c.groups[1], c.groups[2], c.groups[3]}))
        return;
    if (RowWithCaption(c.list, c.name->text())) {
        RefuseInput(QString::fromLatin1(m_texts.nameTaken), c.name);
        return;
    }
    if (c.row->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), c.row);
        return;
    }
    QList<int> excluded;
    if (methodExclusions(excluded))
        write(excluded);
}

void TMethodListBase::DeleteButtonClick()
{
    using namespace MethodList;
    const QString name = SelectedCaption(c.list);
    if (AnyBusy() || !m_request || name.isEmpty())
        return;
    c.name->setText(name);
    c.row->setCurrentIndex(RowStatusItem::Destroy);
    write({Group1, Type2, Group2, Type3, Group3, Type4, Group4});
}
