#pragma once

// A column vector of three doubles: positions, momenta, velocities, forces, torques.
struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Vector3&, const Vector3&) = default;
};

// The operations are defined here so that a loop over 10^6 particles compiles
// to arithmetic rather than calls. Inlining changes no result: contraction and
// reassociation are off for every target, so each product and sum is still
// rounded where it is written.

inline Vector3 ZeroVector() { return {0.0, 0.0, 0.0}; }

inline Vector3 Add(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

inline Vector3 Scale(Vector3 v, double s) { return {v.x * s, v.y * s, v.z * s}; }

// a + (-1)·b, so that a − b rounds exactly as the sum it is built from.
inline Vector3 Subtract(Vector3 a, Vector3 b) { return Add(a, Scale(b, -1.0)); }

inline double Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// a × b in a right-handed frame.
inline Vector3 Cross(Vector3 a, Vector3 b)
{
    return {a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y};
}
