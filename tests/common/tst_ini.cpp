#include <QtTest>

class TstIni : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
