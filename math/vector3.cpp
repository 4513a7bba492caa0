#include "math/vector3.h"

Vector3 ZeroVector() { return {0.0, 0.0, 0.0}; }

Vector3 Add(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Vector3 Subtract(Vector3 a, Vector3 b) { return Add(a, Scale(b, -1.0)); }

Vector3 Scale(Vector3 v, double s) { return {v.x * s, v.y * s, v.z * s}; }

double Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Cross(Vector3 a, Vector3 b)
{
    return {a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y};
}
