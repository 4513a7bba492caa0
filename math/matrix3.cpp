#include "math/matrix3.h"

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

    // Expansion along the first row. Its three cofactors are the adjugate's
    // first column: a product rounds the same whichever operand comes first
    // (a22·a10 is a10·a22 to the bit), so recomputing them would give the
    // same determinant.
    const double determinant = adjugate(0, 0) * a00 + adjugate(1, 0) * a01 + adjugate(2, 0) * a02;
    const double reciprocal = 1.0 / determinant;
    return Scale(adjugate, reciprocal);
}
