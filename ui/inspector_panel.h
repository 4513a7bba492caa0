#pragma once

#include <vector>

#include <QWidget>

#include "session/session.h"

class QLabel;

// Every quantity of the body as numbers, refreshed with every frame while the
// panel is shown: time and steps, mass and inertia, position, orientation and
// its turn about z, velocities, momenta, force, torque and kinetic energies.
// "Copy state" puts the state line on the clipboard.
class InspectorPanel : public QWidget, private SessionListener {
public:
    InspectorPanel(Session& session, QWidget* parent);

    // The value shown in the row named `name`, as shown; empty if none.
    QString Shown(const QString& name) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Redrawn() override;
    void Refresh();

    Session& session_;
    std::vector<std::pair<QString, QLabel*>> rows_;
    Session::Listening listening_;
};
