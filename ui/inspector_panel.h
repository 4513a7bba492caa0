#pragma once

#include <vector>

#include <QWidget>

#include "session/session.h"
#include "ui/frame_pace.h"

class QLabel;

// Every quantity of the body as numbers, with its unit: time and steps, mass,
// the inertia tensor, the principal moments and where their axes lie,
// position, orientation and its length and turn about z, velocities, momenta,
// force, torque and kinetic energies. Four significant digits, in columns of
// a fixed width, so that the panel never grows with its numbers; a part of a
// vector or matrix below a millionth of a millionth of its largest part is
// rounding dust and reads 0. "Copy state" puts the exact state line on the
// clipboard. Shown, it follows the session at most once per screen frame, and
// formats only the rows whose numbers changed.
class InspectorPanel : public QWidget, private SessionListener {
public:
    InspectorPanel(Session& session, QWidget* parent);

    // The value shown in the row named `name`, as shown; empty if none.
    QString Shown(const QString& name) const;
    // Shows the session as it is now, rather than at the next frame.
    void RefreshNow() { pace_.Now(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QString name;
        QLabel* value = nullptr;
        std::vector<double> shown;  // the numbers its text was made from
    };

    void Redrawn() override;
    void Refresh();

    Session& session_;
    std::vector<Row> rows_;
    FramePace pace_;
    Session::Listening listening_;
};
