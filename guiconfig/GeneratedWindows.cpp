#include "GeneratedWindows.h"

#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "HelpTopics.h"
#include "MainWindowState.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TSNMPPanel.h"
#include "WindowCommands.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>

namespace {
double displayScale()
{
    MainWindowState *main = MainWindowState::instance();
    return main ? main->ScaleFactor() : 1.0;
}

int scaled(double scale, int n)
{
    return int(scale * n); // truncated toward zero
}

void addNoteLabel(TConfigForm &form, double s)
{
    CvBindingList &b = form.Bindings();
    if (b.size() <= 6 || !b[6].includeBox || !form.Body() || !form.Body()->container)
        return;
    QCheckBox *box = b[6].includeBox;
    auto *note
        = new QLabel(QStringLiteral("Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))"),
            box->parentWidget());
    note->setObjectName(QStringLiteral("noteLabel"));
    QPalette p = note->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    note->setPalette(p);
    note->adjustSize();
    note->move(box->x(), box->y() + box->height() + scaled(s, 8));
    note->show();
    form.resize(form.width(), form.height() + scaled(s, 20));
    // The note is longer than most grids are wide: the window grows so
    // that it is read whole.
    const int needed = note->x() + note->width() + 20 + form.Body()->buttonBar->width();
    if (form.width() < needed)
        form.resize(needed, form.height());
}

void applyAdjustments(TConfigForm &form, const CvFormDescriptor &d)
{
    const CvAdjustments &a = d.adjust;
    const double s = displayScale();
    if (a.flags & AdjustStop)
        form.ShowStopButton();
    if (a.flags & AdjustEditHidden)
        form.HideEditButton();
    if (a.flags & AdjustNoRowEdit)
        form.DisableRowEditing();
    if (a.flags & AdjustCaption)
        form.setWindowTitle(QString::fromUtf8(d.title));
    if (a.controlsPlus) {
        const int plus = a.controlsScaled ? scaled(s, a.controlsPlus) : a.controlsPlus;
        for (const CvBoundControl &b : form.Bindings()) {
            if (!b.control)
                break;
            b.control->resize(b.control->width() + plus, b.control->height());
        }
    }
    if (a.flags & AdjustFirstTwoControls) {
        CvBindingList &b = form.Bindings();
        for (std::size_t i = 0; i < 2 && i < b.size(); ++i)
            if (b[i].control)
                b[i].control->setGeometry(b[i].control->x() + scaled(s, 5), b[i].control->y(),
                    scaled(s, 142), b[i].control->height());
        form.resize(form.width() + scaled(s, 30), form.height() + scaled(s, 50));
    }
    if (a.height)
        form.resize(form.width(), a.heightScaled ? scaled(s, a.height) : a.height);
    if (a.heightPlus)
        form.resize(form.width(), form.height() + scaled(s, a.heightPlus));
    if (a.widthPlus)
        form.resize(form.width() + scaled(s, a.widthPlus), form.height());
    if (a.flags & AdjustNoteLabel)
        addNoteLabel(form, s);
}
} // namespace

std::unique_ptr<TConfigForm> BuildGeneratedWindow(
    const CvFormDescriptor &d, const QString &instance)
{
    MainWindowState *main = MainWindowState::instance();
    if (main)
        main->SetWindowTitle(QString::fromUtf8(d.title));
    auto form = std::make_unique<TConfigForm>(main ? main->MainWindow() : nullptr);
    // F1 finds the window's help page by its menu path.
    form->setProperty(Help::MenuPathProperty, QString::fromUtf8(d.menuPath));
    auto *request = new CvSNMPRequest2Edits(form.get());
    request->SetVarList(d.variables, d.listKind, d.indexCount);
    if (!instance.isEmpty())
        request->request.varList.instance = instance;

    const auto text = [](const char *t) { return t ? QString::fromUtf8(t) : QString(); };
    const bool table = d.listKind == MVT_FMV || d.listKind == MVT_UMV;
    if (table && d.bindings)
        form->ConfigureTable(request, BindingsFromTable(d.bindings), d.createColumn,
            text(d.createValue), d.deleteColumn, text(d.deleteValue));
    else if (table)
        form->ConfigureTableAuto(
            request, d.createColumn, text(d.createValue), d.deleteColumn, text(d.deleteValue));
    else if (d.bindings)
        form->ConfigureScalar(request, BindingsFromTable(d.bindings));
    else
        form->ConfigureScalarAuto(request);
    applyAdjustments(*form, d);
    return form;
}

void OpenGeneratedWindow(
    const CvFormDescriptor &d, const QString &instance, const QStringList &selectRows)
{
    std::unique_ptr<TConfigForm> form;
    try {
        form = BuildGeneratedWindow(d, instance);
    } catch (const CvException &e) {
        const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QMessageBox::warning(nullptr, caption, e.message());
        return;
    }
    if (!selectRows.isEmpty() && form->tablePanel)
        form->tablePanel->container->adapter->SelectRowsAfterRead(selectRows);
    form->exec();
    form.reset();
    // Closing the RMON switch tells the main window to look at it again.
    if (d.adjust.flags & AdjustCloseHook)
        if (MainWindowState *main = MainWindowState::instance())
            main->ReadRmonState();
}

QList<int> PortMenuPorts()
{
    MainWindowState *main = MainWindowState::instance();
    QMenu *menu = main ? main->PortInfoPopupMenu() : nullptr;
    auto *popup = qobject_cast<QAbstractButton *>(
        menu ? menu->property("PopupComponent").value<QObject *>() : nullptr);
    if (!popup)
        return {};
    QList<int> pressed;
    for (const QAbstractButton *button : std::as_const(main->PortButtons()))
        if (button->isChecked())
            pressed.append(button->property("tag").toInt());
    if (popup->isChecked() && pressed.size() > 1)
        return pressed;
    return {popup->property("tag").toInt()};
}

namespace {
// The table window showing every row of a one-row window's variables.
const CvFormDescriptor *tableOf(const CvFormDescriptor &row)
{
    for (const CvFormDescriptor *d : AllFormDescriptors())
        if (d->variables == row.variables && (d->listKind == MVT_FMV || d->listKind == MVT_UMV))
            return d;
    return nullptr;
}
} // namespace

void RegisterGeneratedWindows()
{
    for (const CvFormDescriptor *d : AllFormDescriptors()) {
        const QString key = QString::fromUtf8(d->menuPath);
        if (key.startsWith(QLatin1String("Port menu > ")))
            WindowCommands::Register(key, [d] {
                const QList<int> ports = PortMenuPorts();
                const CvFormDescriptor *table = tableOf(*d);
                if (ports.size() > 1 && table) {
                    QStringList rows;
                    for (int port : ports)
                        rows.append(QString::number(port));
                    OpenGeneratedWindow(*table, QString(), rows);
                } else if (!ports.isEmpty()) {
                    OpenGeneratedWindow(*d, QString::number(ports.first()));
                }
            });
        else
            WindowCommands::Register(key, [d] { OpenGeneratedWindow(*d); });
    }
}
