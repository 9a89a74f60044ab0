#pragma once

#include <QChartView>
#include <QPointF>

class QLineSeries;
class QDateTimeAxis;
class QValueAxis;

// The rate of one counter over time: points are (wall clock ms, rate).
class RateChart : public QChartView
{
    Q_OBJECT

public:
    explicit RateChart(QWidget *parent = nullptr);

    void Show(const QString &name, const QString &unit, const QList<QPointF> &points);
    int PointCount() const;

private:
    QLineSeries *m_series = nullptr; // owned by the chart
    QDateTimeAxis *m_time = nullptr;
    QValueAxis *m_rate = nullptr;
};
