#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text of a CSV sheet in whichever encoding a spreadsheet program saved it: UTF-8 (with or
// without a byte-order mark), UTF-16 with a byte-order mark (Excel's "Unicode Text", which
// separates cells with tabs), and otherwise Windows-1252, the game's own code page, which older
// Excel saves as "CSV". Bytes that are no text at all are refused, naming what they look like.
namespace SheetText {

struct Decoded {
    QByteArray utf8;
    QString note;  // said when the sheet was taken to be Windows-1252
    QString error; // "… is not a text sheet: …"; then utf8 is empty
};

Decoded decode(QByteArrayView bytes);

} // namespace SheetText
