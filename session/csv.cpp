#include "session/csv.h"

#include "session/json_number.h"
#include "session/quantities.h"

std::string CsvHeader()
{
    return "step,time,x,y,vx,vy,omega,angle,kineticLinear,kineticRotational,kineticTotal,forceX,forceY,torque,"
           "quaternionNorm";
}

std::array<double, kCsvNumbers> CsvNumbers(const SimulationContext& simulation)
{
    const RigidBody& body = simulation.body;
    const KineticEnergy energy = KineticEnergyOf(body);
    return {SimulatedTime(simulation.steps),
            body.position.x,
            body.position.y,
            body.linearVelocity.x,
            body.linearVelocity.y,
            body.angularVelocity.z,
            AngleAboutZ(body.orientation),
            energy.linear,
            energy.rotational,
            energy.total,
            body.force.x,
            body.force.y,
            body.torque.z,
            Length(body.orientation)};
}

std::string CsvRow(const SimulationContext& simulation)
{
    std::string row = std::to_string(simulation.steps);
    for (double value : CsvNumbers(simulation)) {
        row += ',';
        AppendJsonNumber(row, value);
    }
    return row;
}
