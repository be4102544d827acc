// DiffHunks: differences in display rows, written the way the tests' tables read.
#pragma once

#include "engine/DiffTypes.h"

inline DiffHunk Hunk(int leftFirst, int leftLast, int rightFirst, int rightLast, int leftKind, int rightKind)
{
    DiffHunk h;
    h.leftFirst = leftFirst;
    h.leftLast = leftLast;
    h.rightFirst = rightFirst;
    h.rightLast = rightLast;
    h.leftKind = leftKind;
    h.rightKind = rightKind;
    return h;
}
