#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

namespace zentrel::pupils {

// The fields of one pupil as the window holds them: texts as typed, the sex as "M", "Z" or
// empty, the birth date as typed ("d. M. yyyy" or empty).
struct UcenecFields {
    QString oznaka;
    QString ime;
    QString vmesnoIme;
    QString priimek;
    QString spol;
    QString datumRojstva;
    QString letoVpisa;
    QString paralelka;
    QString usmeritev;
};

// The tab "Učenci": the register of pupils ordered by surname and first name. The code is
// unique (in any letter case); surname and sex are required.
class Ucenci : public basicdata::RecordLogic {
public:
    Ucenci();

    // Re-reads the register and keeps the current pupil.
    bool open();
    bool moveTo(int row) { return m_list.moveTo(row); }

    UcenecFields current() const;
    // First, middle and surname, or the code: the label in headers and messages.
    QString label() const;
    // "Nov učenec" while adding, else "Učenec:  " and the label.
    QString frameHeader(bool adding) const;

    bool acceptAddNew(const UcenecFields &f);
    bool acceptEdit(const UcenecFields &f);
    // Asks "Potrdi brisanje učenca #." and deletes the pupil with his memberships and choices.
    bool deleteCurrent();

    // The choice list of the sex field: ID "M" / "Z" with IME "moški" / "ženski".
    static db::RowSet sexes();

private:
    // The messages of the page, in order; ownId is the pupil being edited (-1 when adding).
    bool validate(const UcenecFields &f, qint64 ownId);
    QVariantList values(const UcenecFields &f) const;
};

} // namespace zentrel::pupils
