// Matrix products, transposes and inverses.
#include <d3dx9math.h>

namespace {

// Determinant of the 3x3 matrix left when row `skip_row` and column `skip_col` are removed,
// expanded along its first row.
float minor_determinant(const D3DXMATRIX& m, int skip_row, int skip_col) {
    int rows[3];
    int cols[3];
    for (int i = 0, r = 0, c = 0; i < 4; ++i) {
        if (i != skip_row) {
            rows[r++] = i;
        }
        if (i != skip_col) {
            cols[c++] = i;
        }
    }
    auto at = [&](int r, int c) { return m.m[rows[r]][cols[c]]; };
    return at(0, 0) * (at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1)) -
           at(0, 1) * (at(1, 0) * at(2, 2) - at(1, 2) * at(2, 0)) +
           at(0, 2) * (at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0));
}

} // namespace

extern "C" {

D3DXMATRIX* WINAPI D3DXMatrixMultiply(D3DXMATRIX* pOut, const D3DXMATRIX* pM1,
                                      const D3DXMATRIX* pM2) {
    if (!pOut || !pM1 || !pM2) {
        return NULL;
    }
    // Built in a temporary so that pOut may be one of the inputs.
    D3DXMATRIX product;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            product.m[row][col] = pM1->m[row][0] * pM2->m[0][col] +
                                  pM1->m[row][1] * pM2->m[1][col] +
                                  pM1->m[row][2] * pM2->m[2][col] + pM1->m[row][3] * pM2->m[3][col];
        }
    }
    *pOut = product;
    return pOut;
}

D3DXMATRIX* WINAPI D3DXMatrixTranspose(D3DXMATRIX* pOut, const D3DXMATRIX* pM) {
    if (!pOut || !pM) {
        return NULL;
    }
    D3DXMATRIX transposed;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            transposed.m[col][row] = pM->m[row][col];
        }
    }
    *pOut = transposed;
    return pOut;
}

// The adjugate (transposed cofactors) divided by the determinant. A singular matrix gives
// NULL and leaves both outputs untouched.
D3DXMATRIX* WINAPI D3DXMatrixInverse(D3DXMATRIX* pOut, FLOAT* pDeterminant, const D3DXMATRIX* pM) {
    if (!pOut || !pM) {
        return NULL;
    }
    float cofactor[4][4];
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const float minor = minor_determinant(*pM, row, col);
            cofactor[row][col] = (row + col) % 2 == 0 ? minor : -minor;
        }
    }
    const float determinant = pM->m[0][0] * cofactor[0][0] + pM->m[0][1] * cofactor[0][1] +
                              pM->m[0][2] * cofactor[0][2] + pM->m[0][3] * cofactor[0][3];
    if (determinant == 0.0f) {
        return NULL;
    }
    if (pDeterminant) {
        *pDeterminant = determinant;
    }
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            pOut->m[row][col] = cofactor[col][row] / determinant;
        }
    }
    return pOut;
}

} // extern "C"
