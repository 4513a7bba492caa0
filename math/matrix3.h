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

Matrix3 ZeroMatrix();
Matrix3 Identity();
Matrix3 Add(Matrix3 a, Matrix3 b);
Matrix3 Scale(Matrix3 a, double s);
// u·vᵀ: rows follow u, columns follow v.
Matrix3 OuterProduct(Vector3 u, Vector3 v);
Matrix3 Transpose(Matrix3 a);
// a·b, the first operand on the left.
Matrix3 Multiply(Matrix3 a, Matrix3 b);
Vector3 Multiply(Matrix3 a, Vector3 v);
// Adjugate times 1/det, with no pivoting and no test of det: a singular
// matrix yields infinities or NaNs rather than an error.
Matrix3 Inverse(Matrix3 a);
