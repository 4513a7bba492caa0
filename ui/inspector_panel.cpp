#include "ui/inspector_panel.h"

#include <cmath>
#include <numbers>

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "session/quantities.h"

namespace {

const char* const kRowNames[] = {"t (steps)",        "total mass",         "body inertia",     "position",
                                 "orientation",      "orientation length", "angle about z",    "linear velocity",
                                 "angular velocity", "linear momentum",    "angular momentum", "force",
                                 "torque",           "kinetic energy"};

// Ten significant digits: enough to see a drift, few enough to read.
QString Number(double value) { return QString::number(value, 'g', 10); }

QString Numbers(std::initializer_list<double> values)
{
    QStringList texts;
    for (double value : values) texts << Number(value);
    return texts.join(QStringLiteral("   "));
}

QString VectorText(Vector3 v) { return Numbers({v.x, v.y, v.z}); }

}  // namespace

InspectorPanel::InspectorPanel(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const char* name : kRowNames) {
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(QString::fromLatin1(name), this), row, 0, Qt::AlignTop);
        grid->addWidget(value, row++, 1);
        rows_.emplace_back(QString::fromLatin1(name), value);
    }
    auto* copy = new QPushButton(QStringLiteral("Copy state"), this);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(session_.StateJson())); });
    grid->addWidget(copy, row++, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(row, 1);
    listening_ = session_.Listen(*this);
}

QString InspectorPanel::Shown(const QString& name) const
{
    for (const auto& [rowName, value] : rows_)
        if (rowName == name) return value->text();
    return {};
}

void InspectorPanel::showEvent(QShowEvent*) { Refresh(); }

void InspectorPanel::Redrawn()
{
    // Hidden, it costs nothing: it catches up when it is shown.
    if (isVisible()) Refresh();
}

void InspectorPanel::Refresh()
{
    const SimulationContext& simulation = session_.Simulation();
    const RigidBody& body = simulation.body;
    const Matrix3& inertia = body.bodyInertia;
    const Quaternion& q = body.orientation;
    const KineticEnergy energy = KineticEnergyOf(body);
    const QString values[] = {
        QStringLiteral("%1 (%2)").arg(Number(SimulatedTime(simulation.steps))).arg(simulation.steps),
        Number(body.totalMass),
        Numbers({inertia(0, 0), inertia(0, 1), inertia(0, 2)}) + QLatin1Char('\n') +
            Numbers({inertia(1, 0), inertia(1, 1), inertia(1, 2)}) + QLatin1Char('\n') +
            Numbers({inertia(2, 0), inertia(2, 1), inertia(2, 2)}),
        VectorText(body.position),
        Numbers({q.w, q.x, q.y, q.z}),
        Number(Length(q)),
        Number(AngleAboutZ(q) * 180 / std::numbers::pi) + QStringLiteral("°"),
        VectorText(body.linearVelocity),
        VectorText(body.angularVelocity),
        VectorText(body.linearMomentum),
        VectorText(body.angularMomentum),
        VectorText(body.force),
        VectorText(body.torque),
        QStringLiteral("linear %1   rotational %2   total %3")
            .arg(Number(energy.linear), Number(energy.rotational), Number(energy.total)),
    };
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].second->setText(values[i]);
}
