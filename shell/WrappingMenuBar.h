#pragma once

#include <QList>
#include <QWidget>

class QMenu;
class QMenuBar;

// The main window's menu: a bar whose top-level menus wrap into further
// rows when they do not fit its width, so every menu stays in sight instead
// of behind an extension arrow. Each row is a menu bar of its own, holding
// the menus that fit; the menus' actions are also the actions() of this
// widget, in menu order. Set it as the main window's menu widget.
class WrappingMenuBar : public QWidget
{
    Q_OBJECT

public:
    explicit WrappingMenuBar(QWidget *parent = nullptr);

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

private:
    class Row;

    // The index of the first menu of every row at a width.
    QList<int> rowStarts(int width) const;
    // Puts the menus into rows for the current width, when they change.
    void arrange();
    // Forgets the rows, so they are made again.
    void rearrange();
    Row *row(int k);

    QList<QMenu *> m_menus;
    Row *m_measure = nullptr;
    QList<Row *> m_rows; // rows beyond those in use are hidden and empty
    QList<int> m_starts; // of the rows made; empty until they are
};
