#pragma once

#include "Dokument.h"

#include <QByteArray>
#include <QString>

namespace zentrel::print {

// Item text for XML: "&", "<" and ">" as entities, in that order.
QString XmlText(const QString &text);
// The document as XML in Windows-1250: the tree of tagged elements under <root>, one element
// per line indented by its level; elements without a tag are left out (their children stay).
// Items without a tag are presentation (captions) and are not written.
QByteArray IzvoziXML(const Dokument &dokument);

} // namespace zentrel::print
