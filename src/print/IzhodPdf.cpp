#include "IzhodPdf.h"

#include "core/Messages.h"

namespace zentrel::print {

namespace {

PisanjePdf &renderer() {
    static PisanjePdf pisanje;
    return pisanje;
}

} // namespace

void NastaviPisanjePdf(PisanjePdf pisanje) {
    renderer() = std::move(pisanje);
}

QByteArray PdfDokumenta(const Dokument &dokument) {
    if (!renderer()) {
        core::ShowMessage(core::MsgError, QStringLiteral("Izpis v PDF ni na voljo."));
        return {};
    }
    return renderer()(dokument);
}

} // namespace zentrel::print
