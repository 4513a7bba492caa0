#include "ui/plots_panel.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <QVBoxLayout>

#include "session/quantities.h"
#include "session/units.h"
#include "ui/panel_body.h"
#include "ui/unit_text.h"

// A graph's words: its title, the value axis's title, its lines' names.
struct GraphText {
    QString title;
    QString valueTitle;
    std::vector<std::pair<PlotLine, QString>> lines;
    bool logarithmic = false;
};

namespace {

// The quantity and its unit in the title, the unit again beside the axis:
// four graphs share the height of the drawing area, so the axis has room for
// little more.
std::vector<GraphText> Graphs()
{
    return {
        {QCoreApplication::translate("PlotsPanel", "Kinetic energy (%1)").arg(UnitText(unit::kEnergy)),
         UnitText(unit::kEnergy),
         {{PlotLine::LinearEnergy, QCoreApplication::translate("PlotsPanel", "linear")},
          {PlotLine::RotationalEnergy, QCoreApplication::translate("PlotsPanel", "rotational")},
          {PlotLine::TotalEnergy, QCoreApplication::translate("PlotsPanel", "total")}}},
        {QCoreApplication::translate("PlotsPanel", "Linear momentum's length |p| (%1)").arg(UnitText(unit::kMomentum)),
         UnitText(unit::kMomentum),
         {{PlotLine::MomentumLength, QStringLiteral("|p|")}}},
        {QCoreApplication::translate("PlotsPanel", "Angular momentum about z, Lz (%1)")
             .arg(UnitText(unit::kAngularMomentum)),
         UnitText(unit::kAngularMomentum),
         {{PlotLine::AngularMomentumZ, QStringLiteral("Lz")}}},
        {QCoreApplication::translate("PlotsPanel", "Orientation's length |q|, never normalised"),
         QCoreApplication::translate("PlotsPanel", "log scale"),
         {{PlotLine::OrientationLength, QStringLiteral("|q|")}},
         true},
    };
}

// The energies and |p| cannot go below zero, Lz can: every linear axis holds
// zero. The time axis starts at the oldest step kept, and spans 20 time units
// (100 steps) at first.
constexpr AxisRule kValueRule{.holdsZero = true, .leastSpan = 0.0};
constexpr AxisRule kTimeRule{.holdsZero = false, .leastSpan = 20.0, .mostIntervals = 5};

// Only finite values reach the graphs, and only positive ones a logarithmic
// axis: Qt Charts ignores the others noisily.
bool Plottable(double value, bool logarithmic) { return std::isfinite(value) && (!logarithmic || value > 0); }

// In the order that never asks for more ticks than either range has: an axis
// lays out a label at each.
void SetLinear(QValueAxis* axis, const LinearRange& range)
{
    axis->setTickAnchor(0.0);
    if (range.interval >= axis->tickInterval()) {
        axis->setTickInterval(range.interval);
        axis->setRange(range.low, range.high);
    } else {
        axis->setRange(range.low, range.high);
        axis->setTickInterval(range.interval);
    }
}

}  // namespace

PlotsPanel::PlotsPanel(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), series_(kPlotLines), pace_(*this, [this] { Refresh(); })
{
    setFixedWidth(kWidth);
    QWidget* inner = ScrollingBody(*this);
    graphsLayout_ = new QVBoxLayout(inner);
    graphsLayout_->setContentsMargins(0, 0, 0, 0);
    graphsLayout_->setSpacing(2);
    listening_ = session_.Listen(*this);
}

// Made when first wanted: charts made hidden are still laid out when the
// window is first shown, which would delay its first picture about as much
// as painting all the rest of it.
void PlotsPanel::MakeGraphs()
{
    if (!graphs_.empty()) return;
    for (const GraphText& text : Graphs()) AddGraph(text);
}

void PlotsPanel::AddGraph(const GraphText& text)
{
    QFont small = font();
    small.setPixelSize(10);
    QFont bold = small;
    bold.setPixelSize(11);
    bold.setBold(true);
    Graph graph;
    graph.chart = new QChart;
    graph.chart->setTitle(text.title);
    graph.chart->setTitleFont(bold);
    // Four graphs share the height of the drawing area: little chrome each.
    graph.chart->setMargins(QMargins(2, 0, 4, 0));
    graph.chart->layout()->setContentsMargins(0, 0, 0, 0);
    graph.chart->setBackgroundRoundness(0);
    // The axes' numbers with the window's decimal point (the chart takes
    // the default locale).
    graph.chart->setLocalizeNumbers(true);
    graph.chart->legend()->setVisible(text.lines.size() > 1);
    graph.chart->legend()->setFont(small);
    graph.chart->legend()->setAlignment(Qt::AlignRight);
    graph.time = new QValueAxis(graph.chart);
    graph.time->setTickInterval(1e300);  // none until the first range
    graph.time->setTitleText(QCoreApplication::translate("PlotsPanel", "time (%1)").arg(UnitText(unit::kTime)));
    graph.time->setTickType(QValueAxis::TicksDynamic);
    QAbstractAxis* value = nullptr;
    if (text.logarithmic) {
        graph.log = new QLogValueAxis(graph.chart);
        value = graph.log;
    } else {
        graph.linear = new QValueAxis(graph.chart);
        graph.linear->setTickInterval(1e300);
        graph.linear->setTickType(QValueAxis::TicksDynamic);
        value = graph.linear;
    }
    value->setTitleText(text.valueTitle);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(graph.time), value}) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
    }
    graph.time->setLabelFormat(QStringLiteral("%g"));
    if (graph.linear) graph.linear->setLabelFormat(QStringLiteral("%g"));
    if (graph.log) graph.log->setLabelFormat(QStringLiteral("%g"));
    graph.chart->addAxis(graph.time, Qt::AlignBottom);
    graph.chart->addAxis(value, Qt::AlignLeft);
    for (const auto& [line, name] : text.lines) {
        auto* series = new QLineSeries(graph.chart);
        series->setName(name);
        graph.chart->addSeries(series);
        series->attachAxis(graph.time);
        series->attachAxis(value);
        series_[static_cast<std::size_t>(line)] = series;
        graph.lines.push_back(line);
    }
    graph.timeRange = LinearRangeFor({}, kTimeRule);
    graph.valueRange = LinearRangeFor({}, kValueRule);
    SetLinear(graph.time, graph.timeRange);
    if (graph.linear) SetLinear(graph.linear, graph.valueRange);
    if (graph.log) {
        graph.log->setBase(graph.logRange.base);
        graph.log->setRange(graph.logRange.low, graph.logRange.high);
    }
    auto* view = new QChartView(graph.chart, graphsLayout_->parentWidget());
    view->setFrameShape(QFrame::NoFrame);
    view->setMinimumHeight(130);
    // Nothing to do with the keys: no stop on the way of Tab.
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    graphsLayout_->addWidget(view);
    view->show();  // now, not after the panel's first frame
    graphs_.push_back(graph);
}

QList<QPointF> PlotsPanel::Points(const QString& line) const
{
    for (const QLineSeries* series : series_)
        if (series != nullptr && series->name() == line) return series->points();
    return {};
}

void PlotsPanel::showEvent(QShowEvent*) { pace_.Now(); }

void PlotsPanel::Applying(const Command& command)
{
    if (command.kind == CommandKind::Seek) samples_.DropAfter(command.count);
}

void PlotsPanel::Stepped()
{
    if (isVisible()) pace_.Request();
}

void PlotsPanel::Redrawn()
{
    if (isVisible()) pace_.Request();
}

void PlotsPanel::SetupDone() { samples_.Clear(); }

void PlotsPanel::Refresh()
{
    MakeGraphs();
    const SimulationContext& simulation = session_.Simulation();
    samples_.Follow(session_.KeptHistory(), simulation.steps, simulation.body.totalMass);
    const std::vector<RunSamples::Sample>& samples = samples_.Samples();
    const Shown now{simulation.steps, samples.empty() ? -1 : samples.front().step, samples.size(), samples_.Stride()};
    if (now == shown_) return;
    // A run that has gone on less than a pixel of time is drawn as it is, to
    // the pixel; once halted, it is drawn to its last step.
    const QRectF plot = graphs_.front().chart->plotArea();
    const LinearRange& time = graphs_.front().timeRange;
    if (session_.Running() && shown_.present >= 0 && now.present > shown_.present && now.first == shown_.first &&
        now.stride == shown_.stride && plot.width() > 0 &&
        (SimulatedTime(now.present) - SimulatedTime(shown_.present)) * plot.width() < time.high - time.low)
        return;
    shown_ = now;

    std::vector<QList<QPointF>> points(kPlotLines);
    for (std::size_t line = 0; line < kPlotLines; ++line) {
        const bool logarithmic = static_cast<PlotLine>(line) == PlotLine::OrientationLength;
        points[line].reserve(static_cast<qsizetype>(samples.size()));
        for (const RunSamples::Sample& sample : samples)
            if (Plottable(sample.values[line], logarithmic))
                points[line].append(QPointF(SimulatedTime(sample.step), sample.values[line]));
    }
    for (Graph& graph : graphs_) ShowRanges(graph, points);
    for (std::size_t line = 0; line < kPlotLines; ++line) series_[line]->replace(points[line]);
}

// A new range makes the chart lay out its points again: set only when the
// data leave the one shown, or shrink well within it.
void PlotsPanel::ShowRanges(Graph& graph, const std::vector<QList<QPointF>>& points)
{
    DataSpan time{}, value{};
    bool any = false;
    for (PlotLine line : graph.lines)
        for (const QPointF& point : points[static_cast<std::size_t>(line)]) {
            time = any ? DataSpan{std::min(time.low, point.x()), std::max(time.high, point.x())}
                       : DataSpan{point.x(), point.x()};
            value = any ? DataSpan{std::min(value.low, point.y()), std::max(value.high, point.y())}
                        : DataSpan{point.y(), point.y()};
            any = true;
        }
    if (!any) value = graph.log ? DataSpan{1, 1} : DataSpan{};
    const LinearRange timeRange = FollowLinear(graph.timeRange, time, kTimeRule);
    if (timeRange != graph.timeRange) SetLinear(graph.time, graph.timeRange = timeRange);
    if (graph.linear) {
        const LinearRange range = FollowLinear(graph.valueRange, value, kValueRule);
        if (range != graph.valueRange) SetLinear(graph.linear, graph.valueRange = range);
    } else {
        const LogRange range = FollowLog(graph.logRange, value);
        if (range != graph.logRange) {
            graph.logRange = range;
            graph.log->setBase(range.base);
            graph.log->setRange(range.low, range.high);
        }
    }
}
