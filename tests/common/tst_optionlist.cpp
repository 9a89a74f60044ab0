#include <QtTest>

class TstOptionlist : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TstOptionlist)
#include "tst_optionlist.moc"
