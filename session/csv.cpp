#include "session/csv.h"

#include "session/json_number.h"
#include "session/quantities.h"

std::string CsvHeader()
{
    return "step,time,x,y,vx,vy,omega,angle,kineticLinear,kineticRotational,kineticTotal,forceX,forceY,torque,"
           "quaternionNorm";
}

std::array<double, kCsvNumbers> CsvNumbers(long long steps, double totalMass, const Motion& motion)
{
    const KineticEnergy energy = KineticEnergyOf(totalMass, motion);
    return {SimulatedTime(steps),
            motion.position.x,
            motion.position.y,
            motion.linearVelocity.x,
            motion.linearVelocity.y,
            motion.angularVelocity.z,
            AngleAboutZ(motion.orientation),
            energy.linear,
            energy.rotational,
            energy.total,
            motion.force.x,
            motion.force.y,
            motion.torque.z,
            Length(motion.orientation)};
}

std::string CsvRow(const SimulationContext& simulation)
{
    return CsvRow(simulation.steps, simulation.body.totalMass, MotionOf(simulation.body));
}

std::string CsvRow(long long steps, double totalMass, const Motion& motion)
{
    std::string row = std::to_string(steps);
    for (double value : CsvNumbers(steps, totalMass, motion)) {
        row += ',';
        AppendJsonNumber(row, value);
    }
    return row;
}
