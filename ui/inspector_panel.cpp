#include "ui/inspector_panel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "session/quantities.h"
#include "session/units.h"
#include "ui/language.h"
#include "ui/panel_body.h"
#include "ui/unit_text.h"

namespace {

// How a row's numbers are shown.
enum class Shape {
    Fields,      // each in a field, `columns` a line
    Separately,  // as Fields, each with a scale of its own: no dust
    Time,        // the time in tenths and the steps
    EveryDigit,  // one number with all seventeen digits
};

struct RowForm {
    const char* name;
    std::string_view unit;
    // Over the name: what the row holds.
    const char* tip;
    // A line of numbers; more numbers than that make more lines.
    int columns = 3;
    Shape shape = Shape::Fields;
    // The scale a value that stands alone is read against: an angle's is a
    // half turn, so that 3e-30° of rounding reads 0.
    double scale = 0.0;
};

constexpr int kSignificantDigits = 4;
// "-1.235e+15", and a space between fields; an exponent of three digits,
// which only a run near the end of the range of numbers reaches, pushes the
// fields after it one place on.
constexpr int kFieldWidth = 10;
// Relative to the largest part of a vector or matrix, rounding dust: the sums
// that make them round at about 1e-16 of it.
constexpr double kDust = 1e-12;

const RowForm kRows[] = {
    {QT_TRANSLATE_NOOP("InspectorPanel", "time"), unit::kTime,
     QT_TRANSLATE_NOOP("InspectorPanel", "simulated time, and the steps of 0.2 since the last setup"), 2, Shape::Time},
    {QT_TRANSLATE_NOOP("InspectorPanel", "total mass"), unit::kMass,
     QT_TRANSLATE_NOOP("InspectorPanel", "density × the discs' area"), 1},
    {QT_TRANSLATE_NOOP("InspectorPanel", "body inertia"), unit::kInertia,
     QT_TRANSLATE_NOOP("InspectorPanel",
                       "about the centre of mass, in the body's own frame, whose x and y are the data file's")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "principal moments"), unit::kInertia,
     QT_TRANSLATE_NOOP("InspectorPanel", "the smaller and the larger moment in the plane, and the moment about z"), 3,
     Shape::Separately},
    {QT_TRANSLATE_NOOP("InspectorPanel", "principal axis"), unit::kAngle,
     QT_TRANSLATE_NOOP(
         "InspectorPanel",
         "the smaller moment's axis, counter-clockwise from the body's own x axis, in (−90°, 90°]; the larger "
         "moment's axis lies at right angles to it"),
     1, Shape::Fields, 180},
    {QT_TRANSLATE_NOOP("InspectorPanel", "position"), unit::kLength,
     QT_TRANSLATE_NOOP("InspectorPanel", "of the centre of mass")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "orientation"),
     {},
     QT_TRANSLATE_NOOP("InspectorPanel", "w, x, y, z; never normalised by the step"),
     4},
    {QT_TRANSLATE_NOOP("InspectorPanel", "orientation length"),
     {},
     QT_TRANSLATE_NOOP("InspectorPanel", "how far the step has let the orientation grow from 1"),
     2,
     Shape::EveryDigit},
    {QT_TRANSLATE_NOOP("InspectorPanel", "angle about z"), unit::kAngle,
     QT_TRANSLATE_NOOP("InspectorPanel", "the turn of the normalised orientation"), 1, Shape::Fields, 180},
    {QT_TRANSLATE_NOOP("InspectorPanel", "linear velocity"), unit::kVelocity,
     QT_TRANSLATE_NOOP("InspectorPanel", "of the centre of mass")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "angular velocity"), unit::kAngularVelocity,
     QT_TRANSLATE_NOOP("InspectorPanel", "ω = I⁻¹L, in the world's frame")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "linear momentum"), unit::kMomentum,
     QT_TRANSLATE_NOOP("InspectorPanel", "p = m·v")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "angular momentum"), unit::kAngularMomentum,
     QT_TRANSLATE_NOOP("InspectorPanel", "L, about the centre of mass")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "force"), unit::kForce,
     QT_TRANSLATE_NOOP("InspectorPanel",
                       "accumulated: every push adds its drag; a bounce reverses it with the momentum")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "torque"), unit::kTorque,
     QT_TRANSLATE_NOOP("InspectorPanel", "accumulated about the centre of mass; a bounce keeps it")},
    {QT_TRANSLATE_NOOP("InspectorPanel", "kinetic energy"), unit::kEnergy,
     QT_TRANSLATE_NOOP("InspectorPanel", "linear ½m·v², rotational ½ω·L, and their total"), 3, Shape::Separately},
};

QString Field(double value, double scale)
{
    // Dust, and the sign of zero, tell a reader nothing.
    if (value == 0 || std::abs(value) < scale * kDust) return QStringLiteral("0").rightJustified(kFieldWidth);
    return LocalNumber(value, 'g', kSignificantDigits).rightJustified(kFieldWidth);
}

QString Text(const RowForm& form, const std::vector<double>& numbers, long long steps)
{
    if (form.shape == Shape::Time)
        return QCoreApplication::translate("InspectorPanel", "%1 (%2 steps)")
            .arg(LocalNumber(numbers[0], 'f', 1))
            .arg(steps);
    if (form.shape == Shape::EveryDigit) return LocalNumber(numbers[0], 'g', 17);
    double scale = form.scale;
    if (form.shape == Shape::Fields)
        for (double number : numbers) scale = std::max(scale, std::abs(number));
    const auto columns = static_cast<std::size_t>(form.columns);
    QStringList lines;
    for (std::size_t first = 0; first < numbers.size(); first += columns) {
        QStringList fields;
        for (std::size_t i = first; i < first + columns; ++i) fields << Field(numbers[i], scale);
        lines << fields.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

std::vector<double> Values(Vector3 v) { return {v.x, v.y, v.z}; }

}  // namespace

InspectorPanel::InspectorPanel(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), pace_(*this, [this] { Refresh(); })
{
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(10);
    const int fieldPixels = QFontMetrics(fixed).horizontalAdvance(QString(kFieldWidth + 1, QLatin1Char('0')));

    QScrollArea* scroll = nullptr;
    QWidget* inner = ScrollingBody(*this, &scroll);
    auto* grid = new QGridLayout(inner);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    int row = 0;
    for (const RowForm& form : kRows) {
        const QString name = QString::fromLatin1(form.name);
        auto* label = new QLabel(QCoreApplication::translate("InspectorPanel", form.name), inner);
        label->setToolTip(QCoreApplication::translate("InspectorPanel", form.tip));
        auto* value = new QLabel(inner);
        value->setFont(fixed);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A fixed width: the panel never grows with its numbers.
        value->setFixedWidth(fieldPixels * form.columns + fieldPixels / 4);
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
        auto* unitName = new QLabel(UnitText(form.unit), inner);
        unitName->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(label, row, 0, Qt::AlignTop);
        grid->addWidget(value, row, 1, Qt::AlignTop | Qt::AlignRight);
        grid->addWidget(unitName, row, 2, Qt::AlignTop);
        rows_.push_back({name, value, {}});
        ++row;
    }
    auto* copy = new QPushButton(QCoreApplication::translate("InspectorPanel", "Copy state"), inner);
    copy->setToolTip(QCoreApplication::translate("InspectorPanel", "the state line, every number exact"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(session_.StateJson())); });
    grid->addWidget(copy, row++, 0, 1, 3, Qt::AlignLeft);
    grid->setRowStretch(row, 1);
    setFixedWidth(inner->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 4);
    listening_ = session_.Listen(*this);
}

QString InspectorPanel::Shown(const QString& name) const
{
    for (const Row& row : rows_)
        if (row.name == name) return row.value->text();
    return {};
}

void InspectorPanel::showEvent(QShowEvent*) { pace_.Now(); }

// Hidden, it costs nothing: it catches up when it is shown.
void InspectorPanel::Redrawn()
{
    if (isVisible()) pace_.Request();
}

void InspectorPanel::Refresh()
{
    const SimulationContext& simulation = session_.Simulation();
    const RigidBody& body = simulation.body;
    const Quaternion& q = body.orientation;
    const PrincipalAxes principal = PrincipalAxesOf(body.bodyInertia);
    const KineticEnergy energy = KineticEnergyOf(body);
    constexpr double kDegrees = 180 / std::numbers::pi;
    const std::vector<double> values[] = {
        {SimulatedTime(simulation.steps), static_cast<double>(simulation.steps)},
        {body.totalMass},
        {body.bodyInertia.m.begin(), body.bodyInertia.m.end()},
        {principal.smaller, principal.larger, principal.z},
        {principal.angle * kDegrees},
        Values(body.position),
        {q.w, q.x, q.y, q.z},
        {Length(q)},
        {AngleAboutZ(q) * kDegrees},
        Values(body.linearVelocity),
        Values(body.angularVelocity),
        Values(body.linearMomentum),
        Values(body.angularMomentum),
        Values(body.force),
        Values(body.torque),
        {energy.linear, energy.rotational, energy.total},
    };
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        if (values[i] == row.shown) continue;
        row.shown = values[i];
        row.value->setText(Text(kRows[i], values[i], simulation.steps));
    }
}
