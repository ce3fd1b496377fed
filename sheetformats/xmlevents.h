#pragma once

#include <QByteArrayView>
#include <QString>

// The events of an XML part, parsed by expat (Debian: libexpat1-dev): element starts with their
// attributes, element ends and text, all as UTF-8 and with element names stripped of their
// prefix. Expat streams the large parts of a workbook (its worksheet of half a million cells)
// several times faster than Qt's stream reader. A part with a document type declaration is
// refused: no workbook part has one, and its entities are how crafted XML grows without bound.
class XmlEvents {
public:
    virtual ~XmlEvents() = default;

    // Empty when the part was read to its end; otherwise why it could not be (the reason given
    // to stop(), or the XML's own fault, with `part` named).
    QString parse(QByteArrayView xml, const QString& part);

protected:
    using Attributes = const char**; // name, value, name, value, ..., null

    virtual void start(QByteArrayView name, Attributes attributes) = 0;
    virtual void end(QByteArrayView name) = 0;
    virtual void text(QByteArrayView text) = 0;

    // Ends the parse early, for `why`.
    void stop(const QString& why);
    // The value of an attribute; empty when the element has none of that name.
    static QByteArrayView attribute(Attributes attributes, QByteArrayView name);

private:
    struct Callbacks;
    void* m_parser = nullptr;
    QString m_stopped;
};
