#pragma once

#include "Dokument.h"

#include <QByteArray>
#include <functional>

namespace zentrel::print {

// Turns a document into PDF bytes. Drawing needs the graphics layer, which the logic does not
// link: the program and zentrel-cli hand their renderer in here at start-up.
using PisanjePdf = std::function<QByteArray(const Dokument &)>;
void NastaviPisanjePdf(PisanjePdf pisanje);
// The document as PDF; empty, with the message "Izpis v PDF ni na voljo.", without a renderer.
QByteArray PdfDokumenta(const Dokument &dokument);

} // namespace zentrel::print
