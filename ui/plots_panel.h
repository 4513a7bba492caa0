#pragma once

#include <array>
#include <vector>

#include <QList>
#include <QPointF>
#include <QWidget>

#include "session/session.h"

class QChart;
class QLineSeries;

// Graphs against the simulated time since the last setup: the kinetic energy
// (linear, rotational, total), the linear momentum's length, the angular
// momentum's z and the orientation's length, whose drift from 1 shows that it
// is never normalised. Each keeps the last kMostPoints points and is cleared
// at every setup. The data is kept while the panel is hidden; the graphs take
// it in at most once per frame, and only while shown.
class PlotsPanel : public QWidget, private SessionListener {
public:
    static constexpr int kMostPoints = 10000;

    PlotsPanel(Session& session, QWidget* parent);

    // The points a graph line holds now, by its name.
    QList<QPointF> Points(const QString& line) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Line {
        QLineSeries* series;
        QChart* chart;
        QList<QPointF> kept;  // the last kMostPoints, oldest first
        qsizetype fresh = 0;  // the newest of `kept` that the series does not hold yet
    };

    void Stepped() override;
    void SetupDone() override;
    void Redrawn() override;
    void Show(bool wholly);

    Session& session_;
    std::vector<Line> lines_;
    Session::Listening listening_;
};
