#pragma once

// A column vector of three doubles: positions, momenta, velocities, forces, torques.
struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Vector3&, const Vector3&) = default;
};

Vector3 ZeroVector();
Vector3 Add(Vector3 a, Vector3 b);
// a + (-1)·b, so that a − b rounds exactly as the sum it is built from.
Vector3 Subtract(Vector3 a, Vector3 b);
Vector3 Scale(Vector3 v, double s);
double Dot(Vector3 a, Vector3 b);
// a × b in a right-handed frame.
Vector3 Cross(Vector3 a, Vector3 b);
