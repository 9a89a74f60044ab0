#include <QtTest>

class TstExpression : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TstExpression)
#include "tst_expression.moc"
