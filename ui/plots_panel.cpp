#include "ui/plots_panel.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include "session/quantities.h"

namespace {

struct Graph {
    const char* title;
    std::vector<const char*> lines;
};

const Graph kGraphs[] = {
    {"kinetic energy", {"linear", "rotational", "total"}},
    {"linear momentum |p|", {"|p|"}},
    {"angular momentum z", {"L z"}},
    {"orientation length", {"|q|"}},
};

}  // namespace

PlotsPanel::PlotsPanel(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    auto* layout = new QVBoxLayout(this);
    for (const Graph& graph : kGraphs) {
        auto* chart = new QChart;
        chart->setTitle(QString::fromLatin1(graph.title));
        QFont small = chart->titleFont();
        small.setPixelSize(11);
        chart->setTitleFont(small);
        // Four graphs share the height of the drawing area: little chrome each.
        chart->setMargins(QMargins(2, 2, 2, 2));
        chart->setBackgroundRoundness(0);
        chart->legend()->setVisible(graph.lines.size() > 1);
        chart->legend()->setFont(small);
        chart->legend()->setAlignment(Qt::AlignRight);
        auto* time = new QValueAxis(chart);
        auto* value = new QValueAxis(chart);
        for (QValueAxis* axis : {time, value}) {
            axis->setLabelsFont(small);
            axis->setTickCount(3);
            axis->setLabelFormat(QStringLiteral("%.4g"));
        }
        chart->addAxis(time, Qt::AlignBottom);
        chart->addAxis(value, Qt::AlignLeft);
        for (const char* name : graph.lines) {
            auto* series = new QLineSeries(chart);
            series->setName(QString::fromLatin1(name));
            chart->addSeries(series);
            series->attachAxis(time);
            series->attachAxis(value);
            lines_.push_back({series, chart, {}, 0});
        }
        auto* view = new QChartView(chart, this);
        view->setMinimumSize(360, 110);
        layout->addWidget(view);
    }
    listening_ = session_.Listen(*this);
}

QList<QPointF> PlotsPanel::Points(const QString& line) const
{
    for (const Line& each : lines_)
        if (each.series->name() == line) return each.series->points();
    return {};
}

void PlotsPanel::showEvent(QShowEvent*) { Show(true); }

void PlotsPanel::Stepped()
{
    const RigidBody& body = session_.Simulation().body;
    const double t = SimulatedTime(session_.Simulation().steps);
    const KineticEnergy energy = KineticEnergyOf(body);
    const double values[] = {energy.linear,          energy.rotational,
                             energy.total,           std::sqrt(Dot(body.linearMomentum, body.linearMomentum)),
                             body.angularMomentum.z, Length(body.orientation)};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        line.kept.append(QPointF(t, values[i]));
        if (line.kept.size() > kMostPoints) line.kept.removeFirst();
        line.fresh = std::min(line.fresh + 1, line.kept.size());
    }
}

void PlotsPanel::SetupDone()
{
    for (Line& line : lines_) {
        line.kept.clear();
        line.fresh = 0;
        line.series->clear();
    }
}

void PlotsPanel::Redrawn()
{
    if (isVisible()) Show(false);
}

void PlotsPanel::Show(bool wholly)
{
    for (Line& line : lines_) {
        if (wholly) {
            line.series->replace(line.kept);
        } else {
            // Only the points since the last frame; the oldest go when too many.
            for (qsizetype i = line.kept.size() - line.fresh; i < line.kept.size(); ++i)
                line.series->append(line.kept[i]);
            if (const qsizetype excess = line.series->count() - kMostPoints; excess > 0)
                line.series->removePoints(0, static_cast<int>(excess));
        }
        line.fresh = 0;
    }
    // Each graph's axes span what it holds.
    for (std::size_t first = 0; first < lines_.size();) {
        QChart* chart = lines_[first].chart;
        double tLow = 0, tHigh = 0, low = 0, high = 0;
        bool any = false;
        std::size_t i = first;
        for (; i < lines_.size() && lines_[i].chart == chart; ++i)
            for (const QPointF& point : lines_[i].kept) {
                if (!std::isfinite(point.y())) continue;
                tLow = any ? std::min(tLow, point.x()) : point.x();
                tHigh = any ? std::max(tHigh, point.x()) : point.x();
                low = any ? std::min(low, point.y()) : point.y();
                high = any ? std::max(high, point.y()) : point.y();
                any = true;
            }
        // Set anew only when the data leave the axes, with room to grow: a
        // new range makes the chart lay out every point again.
        auto* time = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
        auto* value = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
        if (!any || tLow < time->min() || tHigh > time->max())
            time->setRange(tLow, tHigh + std::max((tHigh - tLow) * 0.5, 2.0));
        if (!any || low < value->min() || high > value->max()) {
            const double room = high > low ? (high - low) * 0.25 : std::max(std::abs(high) * 0.05, 1e-9);
            value->setRange(low - room, high + room);
        }
        first = i;
    }
}
