#include "math/quaternion.h"

#include <cmath>

Quaternion Multiply(Quaternion a, Quaternion b)
{
    return {
        a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z,
        a.w * b.x + a.x * b.w - a.y * b.z + a.z * b.y,
        a.w * b.y + a.x * b.z + a.y * b.w - a.z * b.x,
        a.w * b.z - a.x * b.y + a.y * b.x + a.z * b.w,
    };
}

Quaternion Scale(Quaternion q, double s) { return {s * q.w, s * q.x, s * q.y, s * q.z}; }

Quaternion Add(Quaternion a, Quaternion b) { return {a.w + b.w, a.x + b.x, a.y + b.y, a.z + b.z}; }

double Length(Quaternion q) { return std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z); }

Quaternion Normalize(Quaternion q)
{
    const double length = Length(q);
    return {q.w / length, q.x / length, q.y / length, q.z / length};
}

Matrix3 ToRotationMatrix(Quaternion q)
{
    const double w = q.w, x = q.x, y = q.y, z = q.z;
    // Each product is (2·first)·second; each diagonal entry (1 − 2a²) − 2b².
    auto twice = [](double first, double second) { return (2.0 * first) * second; };
    auto diagonal = [](double a, double b) { return (1.0 - 2.0 * a * a) - 2.0 * b * b; };

    Matrix3 r;
    r(0, 0) = diagonal(y, z);
    r(0, 1) = twice(x, y) - twice(w, z);
    r(0, 2) = twice(x, z) + twice(w, y);
    r(1, 0) = twice(x, y) + twice(w, z);
    r(1, 1) = diagonal(x, z);
    r(1, 2) = twice(y, z) - twice(w, x);
    r(2, 0) = twice(x, z) - twice(w, y);
    r(2, 1) = twice(y, z) + twice(w, x);
    r(2, 2) = diagonal(x, y);
    return r;
}
