#pragma once

#include <vector>

#include <QList>
#include <QPointF>
#include <QWidget>

#include "session/session.h"
#include "ui/axis_range.h"
#include "ui/frame_pace.h"
#include "ui/run_samples.h"

class QAbstractAxis;
class QChart;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;
class QVBoxLayout;
struct GraphText;

// Graphs of the run's kept history up to the present, against the simulated
// time: the kinetic energy (linear, rotational, total), the linear momentum's
// length, the angular momentum's z and the orientation's length, whose growth
// from 1 shows that it is never normalised, on a logarithmic axis. After a
// seek they end at the step sought. Each axis is titled with its unit, holds
// zero (the orientation's length starts at 1) and changes only when the data
// leave it or shrink within it. Shown, the graphs take in the run at most once
// per screen frame, and while it runs only once it has moved on a pixel of
// time: what they would draw before is what they show. Hidden, they cost
// nothing and catch up when shown; they are made when first shown.
class PlotsPanel : public QWidget, private SessionListener {
public:
    static constexpr int kWidth = 380;

    PlotsPanel(Session& session, QWidget* parent);

    // The points a graph line holds now, by its name.
    QList<QPointF> Points(const QString& line) const;
    // Takes in the run now, rather than at the next frame.
    void RefreshNow() { pace_.Now(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Graph {
        QChart* chart = nullptr;
        QValueAxis* time = nullptr;
        QValueAxis* linear = nullptr;  // or
        QLogValueAxis* log = nullptr;
        std::vector<PlotLine> lines;
        LinearRange timeRange;
        LinearRange valueRange;
        LogRange logRange;
    };

    void MakeGraphs();
    void AddGraph(const GraphText& text);
    void Applying(const Command& command) override;
    void Stepped() override;
    void Redrawn() override;
    void SetupDone() override;
    void Refresh();
    void ShowRanges(Graph& graph, const std::vector<QList<QPointF>>& points);

    Session& session_;
    RunSamples samples_;
    QVBoxLayout* graphsLayout_ = nullptr;
    std::vector<QLineSeries*> series_;  // by PlotLine; none before MakeGraphs
    std::vector<Graph> graphs_;
    // What the graphs show: the present step, and the samples' first step,
    // count and stride, as last drawn.
    struct Shown {
        long long present = -1;
        long long first = -1;
        std::size_t count = 0;
        long long stride = 1;

        friend bool operator==(const Shown&, const Shown&) = default;
    } shown_;
    FramePace pace_;
    Session::Listening listening_;
};
