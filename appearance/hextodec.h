#pragma once

#include <QString>
#include <QtGlobal>

// Hexadecimal text to a number, digit by digit: each character keeps its place value, and a
// character that is not a hexadecimal digit adds nothing without shifting the others ("1G" is 16,
// "G1" is 1). Lower-case digits count like capitals.
qint32 HextoDec(const QString& HexNum);
