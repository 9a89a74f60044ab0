#pragma once

#include <QList>
#include <QWidget>

#include <memory>

class QMenu;
class QMenuBar;

// The main window's menu: a bar whose top-level menus wrap into further
// rows when they do not fit its width, so every menu stays in sight instead
// of behind an extension arrow. Each row is a menu bar of its own, holding
// the menus that fit; the menus' actions are also the actions() of this
// widget, in menu order. Set it as the main window's menu widget.
//
// By keyboard the rows act as one bar: Alt or F10 highlights the first
// menu, Left and Right go through every menu in order, from the end of one
// row to the start of the next and round, also while a menu is open; Down
// opens the highlighted menu and Escape leaves. Only the rows in use are
// child widgets, so the accessibility tree holds each menu once.
class WrappingMenuBar : public QWidget
{
    Q_OBJECT

public:
    explicit WrappingMenuBar(QWidget *parent = nullptr);
    ~WrappingMenuBar() override;

    // A new top-level menu after the others; owned by this widget.
    QMenu *addMenu(const QString &title);

    // The rows in use, top to bottom.
    QList<QMenuBar *> Rows() const;
    int RowHeight() const;
    // The rows the menus take at a width.
    int RowCount(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Row;

    // Keyboard navigation across the rows.
    void enterOrLeave();
    Row *keyboardRow() const;
    // From the first or last menu of row, one step on (+1) or back (-1)
    // into the next or previous row, round from the last to the first.
    void cross(Row *row, int direction);
    void watchWindow();

    // The index of the first menu of every row at a width.
    QList<int> rowStarts(int width) const;
    // Puts the menus into rows for the current width, when they change.
    void arrange();
    // Forgets the rows, so they are made again.
    void rearrange();
    Row *row(int k);

    QList<QMenu *> m_menus;
    // Never shown and no child: holds every menu to measure the items.
    std::unique_ptr<Row> m_measure;
    QList<Row *> m_rows; // the rows in use
    QList<int> m_starts; // of the rows made; empty until they are
    QWidget *m_window = nullptr; // watched for Alt and F10
    bool m_altPressed = false; // Alt went down and nothing else since
};
