#include "sheetformats/xmlevents.h"

#include <QCoreApplication>

#include <expat.h>

#include <cstring>
#include <memory>

namespace {

QByteArrayView localName(const char* name) {
    const char* colon = std::strrchr(name, ':');
    return colon ? QByteArrayView(colon + 1) : QByteArrayView(name);
}

} // namespace

// Expat's C callbacks, handed on to the handler whose parse is running.
struct XmlEvents::Callbacks {
    static void start(void* events, const char* name, const char** attributes) {
        static_cast<XmlEvents*>(events)->start(localName(name), attributes);
    }
    static void end(void* events, const char* name) {
        static_cast<XmlEvents*>(events)->end(localName(name));
    }
    static void text(void* events, const char* text, int length) {
        static_cast<XmlEvents*>(events)->text(QByteArrayView(text, length));
    }
    static void doctype(void* events, const char*, const char*, const char*, int) {
        static_cast<XmlEvents*>(events)->stop(QCoreApplication::translate(
            "XmlEvents", "it declares a document type, which no workbook part has"));
    }
};

QString XmlEvents::parse(QByteArrayView xml, const QString& part) {
    const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate("UTF-8"),
                                                                         XML_ParserFree);
    if (!parser)
        return QCoreApplication::translate("XmlEvents",
                                           "the XML reader could not be started for %1.")
            .arg(part);
    m_parser = parser.get();
    m_stopped.clear();
    XML_SetUserData(parser.get(), this);
    XML_SetElementHandler(parser.get(), Callbacks::start, Callbacks::end);
    XML_SetCharacterDataHandler(parser.get(), Callbacks::text);
    XML_SetStartDoctypeDeclHandler(parser.get(), Callbacks::doctype);
    const XML_Status status = XML_Parse(parser.get(), xml.data(), int(xml.size()), XML_TRUE);
    m_parser = nullptr;
    if (!m_stopped.isEmpty())
        return QCoreApplication::translate("XmlEvents",
                                           "the part %1 of the workbook cannot be read: %2")
            .arg(part, m_stopped);
    if (status != XML_STATUS_OK)
        return QCoreApplication::translate(
                   "XmlEvents", "the part %1 of the workbook is not well-formed XML (line %2: %3).")
            .arg(part)
            .arg(XML_GetCurrentLineNumber(parser.get()))
            .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser.get()))));
    return {};
}

void XmlEvents::stop(const QString& why) {
    if (!m_stopped.isEmpty() || !m_parser)
        return;
    m_stopped = why;
    XML_StopParser(static_cast<XML_Parser>(m_parser), XML_FALSE);
}

QByteArrayView XmlEvents::attribute(Attributes attributes, QByteArrayView name) {
    for (; attributes[0]; attributes += 2)
        if (localName(attributes[0]) == name)
            return QByteArrayView(attributes[1]);
    return {};
}
