#pragma once

#include <array>

#include "math/vector3.h"

// A 3×3 matrix of doubles, row-major: element (r, c) is m[3r + c].
struct Matrix3 {
    std::array<double, 9> m{};

    double operator()(int r, int c) const { return m[3 * r + c]; }
    double& operator()(int r, int c) { return m[3 * r + c]; }

    friend bool operator==(const Matrix3&, const Matrix3&) = default;
};

// Defined here, as the vector operations are, so that the setup's loop over
// the particles neither calls nor copies whole matrices; the results are the
// same as out of line.

inline Matrix3 ZeroMatrix() { return {}; }

inline Matrix3 Identity()
{
    Matrix3 result;
    result(0, 0) = 1.0;
    result(1, 1) = 1.0;
    result(2, 2) = 1.0;
    return result;
}

inline Matrix3 Add(Matrix3 a, Matrix3 b)
{
    Matrix3 result;
    for (int i = 0; i < 9; ++i) result.m[i] = a.m[i] + b.m[i];
    return result;
}

inline Matrix3 Scale(Matrix3 a, double s)
{
    Matrix3 result;
    for (int i = 0; i < 9; ++i) result.m[i] = a.m[i] * s;
    return result;
}

// u·vᵀ: rows follow u, columns follow v.
inline Matrix3 OuterProduct(Vector3 u, Vector3 v)
{
    const double uc[3] = {u.x, u.y, u.z};
    const double vc[3] = {v.x, v.y, v.z};
    Matrix3 result;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) result(r, c) = uc[r] * vc[c];
    return result;
}

inline Matrix3 Transpose(Matrix3 a)
{
    Matrix3 result;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) result(r, c) = a(c, r);
    return result;
}

// a·b, the first operand on the left.
inline Matrix3 Multiply(Matrix3 a, Matrix3 b)
{
    Matrix3 result;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) result(r, c) = a(r, 0) * b(0, c) + a(r, 1) * b(1, c) + a(r, 2) * b(2, c);
    return result;
}

inline Vector3 Multiply(Matrix3 a, Vector3 v)
{
    return {
        a(0, 0) * v.x + a(0, 1) * v.y + a(0, 2) * v.z,
        a(1, 0) * v.x + a(1, 1) * v.y + a(1, 2) * v.z,
        a(2, 0) * v.x + a(2, 1) * v.y + a(2, 2) * v.z,
    };
}

// Adjugate times 1/det, with no pivoting and no test of det: a singular
// matrix yields infinities or NaNs rather than an error.
Matrix3 Inverse(Matrix3 a);
