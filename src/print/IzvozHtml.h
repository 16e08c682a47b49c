#pragma once

#include "Dokument.h"

#include <QByteArray>
#include <QString>

namespace zentrel::print {

// The head of every exported page up to and including "</HEAD>": the content type with its
// character set, a viewport for phones, and the link to zn.css.
QString HtmlGlava(const QString &dodatek = QString());
// The tables of the document as HTML. In a page of the linked site (strani) the bordered tables
// are as wide as the page.
QString HtmlTabele(const Dokument &dokument, bool strani = false);
// One HTML file of the document, encoded in ISO-8859-2.
QByteArray IzvoziHTML(const Dokument &dokument);
// A page of the linked site: the tables wrapped in the page-wide table. With a second document
// for narrow screens, the page holds both: zn.css shows the first on a wide screen (class
// "Teden") and the second on a phone (class "Dnevi").
QByteArray IzvoziHTMLStran(const Dokument &dokument, const Dokument *zaTelefon = nullptr);

} // namespace zentrel::print
