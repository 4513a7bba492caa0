#include "session/state_json.h"

#include <cstdio>
#include <initializer_list>

#include "session/json_number.h"
#include "session/quantities.h"
#include "session/scene.h"

namespace {

// QJsonDocument writes -0 as 0; the sign of zero is part of the state (a
// reflection of a body at rest flips it), so numbers are written here.
class JsonWriter {
public:
    void Key(const char* name)
    {
        Separate();
        out_ += '"';
        out_ += name;
        out_ += "\":";
        fresh_ = true;
    }
    void Number(double value)
    {
        Separate();
        AppendJsonNumber(out_, value);
    }
    void Integer(long long value)
    {
        Separate();
        out_ += std::to_string(value);
    }
    void Boolean(bool value)
    {
        Separate();
        out_ += value ? "true" : "false";
    }
    void Null()
    {
        Separate();
        out_ += "null";
    }
    void String(const std::string& text)
    {
        Separate();
        out_ += '"';
        for (char c : text) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out_ += escape;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }
    void Open(char bracket)
    {
        Separate();
        out_ += bracket;
        fresh_ = true;
    }
    void Close(char bracket)
    {
        out_ += bracket;
        fresh_ = false;
    }
    void Numbers(std::initializer_list<double> values)
    {
        Open('[');
        for (double v : values) Number(v);
        Close(']');
    }

    std::string Text() && { return std::move(out_); }

private:
    void Separate()
    {
        if (!fresh_) out_ += ',';
        fresh_ = false;
    }

    std::string out_;
    bool fresh_ = true;
};

void WriteVector(JsonWriter& json, const char* name, Vector3 v)
{
    json.Key(name);
    json.Numbers({v.x, v.y, v.z});
}

void WriteMatrix(JsonWriter& json, const char* name, const Matrix3& a)
{
    json.Key(name);
    json.Open('[');
    for (double element : a.m) json.Number(element);
    json.Close(']');
}

}  // namespace

std::string StateJson(const SimulationContext& simulation, bool running, int height)
{
    const RigidBody& body = simulation.body;
    const SimulationSettings& settings = simulation.settings;
    JsonWriter json;
    json.Open('{');
    json.Key("running");
    json.Boolean(running);
    json.Key("particleCount");
    json.Number(settings.particleCount);
    json.Key("density");
    json.Number(settings.density);
    json.Key("totalMass");
    json.Number(body.totalMass);
    WriteVector(json, "position", body.position);
    json.Key("orientation");
    json.Numbers({body.orientation.w, body.orientation.x, body.orientation.y, body.orientation.z});
    WriteVector(json, "linearMomentum", body.linearMomentum);
    WriteVector(json, "angularMomentum", body.angularMomentum);
    WriteVector(json, "linearVelocity", body.linearVelocity);
    WriteVector(json, "angularVelocity", body.angularVelocity);
    WriteVector(json, "force", body.force);
    WriteVector(json, "torque", body.torque);
    WriteMatrix(json, "rotation", body.rotation);
    WriteMatrix(json, "inverseInertia", body.inverseInertia);
    WriteMatrix(json, "bodyInertia", body.bodyInertia);
    WriteMatrix(json, "bodyInertiaInverse", body.bodyInertiaInverse);

    const DragState& drag = simulation.drag;
    json.Key("drag");
    json.Open('{');
    // endX and endY stay in the line that tools read: a release applies its
    // grab and ends it in one event, so no state ever shows them but idle.
    for (auto [name, value] :
         {std::pair{"startX", drag.startX}, std::pair{"endX", -1}, std::pair{"startY", drag.startY},
          std::pair{"endY", -1}, std::pair{"particleIndex", drag.particleIndex}}) {
        json.Key(name);
        json.Integer(value);
    }
    json.Close('}');

    json.Key("text");
    json.Open('[');
    for (const std::string& line : SceneText(body)) json.String(line);
    json.Close(']');

    json.Key("boxes");
    json.Open('[');
    for (std::size_t i = 0; static_cast<double>(i) < settings.particleCount && i < body.particles.size(); ++i) {
        const auto box = ParticleBox(body.particles[i], body.position, body.rotation, settings.scale, height);
        if (!box) {
            json.Null();
            continue;
        }
        json.Open('[');
        for (int corner : {box->x1, box->y1, box->x2, box->y2}) json.Integer(corner);
        json.Close(']');
    }
    json.Close(']');

    json.Key("steps");
    json.Integer(simulation.steps);
    json.Key("time");
    json.Number(SimulatedTime(simulation.steps));
    const KineticEnergy energy = KineticEnergyOf(body);
    json.Key("kineticEnergy");
    json.Numbers({energy.linear, energy.rotational, energy.total});
    json.Close('}');
    return std::move(json).Text();
}
