#include "math/matrix3.h"

Matrix3 ZeroMatrix() { return {}; }

Matrix3 Identity()
{
    Matrix3 result;
    result(0, 0) = 1.0;
    result(1, 1) = 1.0;
    result(2, 2) = 1.0;
    return result;
}

Matrix3 Add(Matrix3 a, Matrix3 b)
{
    Matrix3 result;
    for (int i = 0; i < 9; ++i) result.m[i] = a.m[i] + b.m[i];
    return result;
}

Matrix3 Scale(Matrix3 a, double s)
{
    Matrix3 result;
    for (int i = 0; i < 9; ++i) result.m[i] = a.m[i] * s;
    return result;
}

Matrix3 OuterProduct(Vector3 u, Vector3 v)
{
    const double uc[3] = {u.x, u.y, u.z};
    const double vc[3] = {v.x, v.y, v.z};
    Matrix3 result;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) result(r, c) = uc[r] * vc[c];
    return result;
}

Matrix3 Transpose(Matrix3 a)
{
    Matrix3 result;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) result(r, c) = a(c, r);
    return result;
}

Matrix3 Multiply(Matrix3 a, Matrix3 b)
{
    Matrix3 result;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            result(r, c) = a(r, 0) * b(0, c) + a(r, 1) * b(1, c) + a(r, 2) * b(2, c);
    return result;
}

Vector3 Multiply(Matrix3 a, Vector3 v)
{
    return {a(0, 0) * v.x + a(0, 1) * v.y + a(0, 2) * v.z,
            a(1, 0) * v.x + a(1, 1) * v.y + a(1, 2) * v.z,
            a(2, 0) * v.x + a(2, 1) * v.y + a(2, 2) * v.z};
}

Matrix3 Inverse(Matrix3 a)
{
    const double a00 = a(0, 0), a01 = a(0, 1), a02 = a(0, 2);
    const double a10 = a(1, 0), a11 = a(1, 1), a12 = a(1, 2);
    const double a20 = a(2, 0), a21 = a(2, 1), a22 = a(2, 2);

    Matrix3 adjugate;
    adjugate(0, 0) = a11 * a22 - a12 * a21;
    adjugate(0, 1) = a02 * a21 - a01 * a22;
    adjugate(0, 2) = a01 * a12 - a02 * a11;
    adjugate(1, 0) = a12 * a20 - a10 * a22;
    adjugate(1, 1) = a00 * a22 - a02 * a20;
    adjugate(1, 2) = a02 * a10 - a00 * a12;
    adjugate(2, 0) = a10 * a21 - a11 * a20;
    adjugate(2, 1) = a01 * a20 - a00 * a21;
    adjugate(2, 2) = a00 * a11 - a01 * a10;

    // The cofactors are formed again here rather than taken from the adjugate,
    // and the second one as a12·a20 − a22·a10: a different rounding from D(1, 0).
    const double determinant =
        (a11 * a22 - a12 * a21) * a00 + (a12 * a20 - a22 * a10) * a01 + (a10 * a21 - a11 * a20) * a02;
    const double reciprocal = 1.0 / determinant;
    return Scale(adjugate, reciprocal);
}
