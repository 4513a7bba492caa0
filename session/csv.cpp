#include "session/csv.h"

#include <initializer_list>

#include "session/json_number.h"
#include "session/quantities.h"

std::string CsvHeader()
{
    return "step,time,x,y,vx,vy,omega,angle,kineticLinear,kineticRotational,kineticTotal,forceX,forceY,torque,"
           "quaternionNorm";
}

std::string CsvRow(const SimulationContext& simulation)
{
    const RigidBody& body = simulation.body;
    const KineticEnergy energy = KineticEnergyOf(body);
    std::string row = std::to_string(simulation.steps);
    for (double value :
         {SimulatedTime(simulation.steps), body.position.x, body.position.y, body.linearVelocity.x,
          body.linearVelocity.y, body.angularVelocity.z, AngleAboutZ(body.orientation), energy.linear,
          energy.rotational, energy.total, body.force.x, body.force.y, body.torque.z, Length(body.orientation)}) {
        row += ',';
        AppendJsonNumber(row, value);
    }
    return row;
}
