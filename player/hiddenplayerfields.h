#pragma once

#include <QString>

// The main window's hidden text boxes that hold the shown player's raw values between the
// selection and the write-backs.
struct HiddenPlayerFields {
    QString id;
    QString pozicija;                         // registered position code
    QString Text1;                            // the foot byte in hexadecimal
    QString Text2;                            // the raw word in hexadecimal
    QString zbirocjene = QStringLiteral("0"); // sum of the special-ability boxes
};
