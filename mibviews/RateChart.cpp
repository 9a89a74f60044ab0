#include "RateChart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <memory>

RateChart::RateChart(QWidget *parent)
    : QChartView(parent)
{
    setObjectName(QStringLiteral("RateChart"));
    auto *chart = new QChart; // owned by the view
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_series = new QLineSeries(chart);
    m_series->setPointsVisible(true);
    chart->addSeries(m_series);
    m_time = new QDateTimeAxis(chart);
    m_time->setFormat(QStringLiteral("hh:mm:ss"));
    m_time->setTickCount(6);
    m_rate = new QValueAxis(chart);
    m_rate->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_time, Qt::AlignBottom);
    chart->addAxis(m_rate, Qt::AlignLeft);
    m_series->attachAxis(m_time);
    m_series->attachAxis(m_rate);
    // setChart releases the chart the view made for itself to the caller.
    std::unique_ptr<QChart> made(QChartView::chart());
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(180);
}

void RateChart::Show(const QString &name, const QString &unit, const QList<QPointF> &points)
{
    chart()->setTitle(QStringLiteral("%1: %2 per second")
                          .arg(name, unit.isEmpty() ? QStringLiteral("change") : unit));
    m_series->replace(points);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const double first = points.isEmpty() ? double(now - 60000) : points.first().x();
    const double last = points.isEmpty() ? double(now) : std::max(points.last().x(), first + 10000);
    m_time->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first)),
        QDateTime::fromMSecsSinceEpoch(qint64(last)));
    double top = 1;
    for (const QPointF &p : points)
        top = std::max(top, p.y());
    m_rate->setRange(0, top * 1.15);
    m_rate->applyNiceNumbers();
    m_rate->setTitleText(
        unit.isEmpty() ? QStringLiteral("per second") : unit + QStringLiteral("/s"));
}

int RateChart::PointCount() const
{
    return int(m_series->count());
}
