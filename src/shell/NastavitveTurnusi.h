#pragma once

#include <QString>
#include <array>

namespace zentrel::shell {

// What the page "Turnusi, izmene in učenci" of the settings window shows: one box per possible
// turnus ("0", "I" .. "VIII") and shift ("A" .. "I"), and the default pupil numbers of an
// elective group.
struct TurnusiIzmeneChoices {
    static constexpr int Count = 9;
    std::array<bool, Count> turnusi{};
    std::array<bool, Count> izmene{};
    QString normativMax;
    QString normativMin;
};

// Rules of the turnus and shift page. Saving walks the nine turnus codes and the nine shift
// codes in order: a checked code without a row is added (with its first-period rows), an
// unchecked code with a row is deleted after the checks and confirmations; then the two norms
// are stored in the project's INI table. Everything runs in one transaction.
//
// Turnus 0 (every week) and shift A are the rows every other one falls back to (lessons of all
// weeks, classes of a deleted shift), so their boxes are fixed: they are never deleted. The last
// rotating turnus is not deleted either ("Brisanje turnusa ni dovoljeno, ker mora ostati vsaj en
// turnus."): every project has one (opening a project adds turnus "I" where none is left).
// New turnusi are therefore added before any is deleted.
class NastavitveTurnusi {
public:
    // "Turnus " and the Roman numeral of box i.
    static QString TurnusCaption(int i);
    // "Izmena " and the letter of box i.
    static QString IzmenaCaption(int i);
    static QString TurnusCode(int i);
    static QString IzmenaCode(int i);
    // Boxes the user cannot clear.
    static bool TurnusFixed(int i) { return i == 0; }
    static bool IzmenaFixed(int i) { return i == 0; }

    // The boxes as the project holds them and the stored norms.
    TurnusiIzmeneChoices Load() const;

    // Validates the norms ("Vrenost mora biti Pozitvno število."), then adds and deletes turnusi
    // and shifts as above. Boxes whose deletion was refused or not confirmed are checked again
    // in `choices`. Returns false when nothing was stored (bad norm or a failed write).
    bool Save(TurnusiIzmeneChoices &choices) const;

    // A norm is a whole number of at least 1.
    static bool ValidNorm(const QString &text);

    // The rules every deletion of a turnus or shift follows, here and in the infrastructure
    // import: the placed lessons of the turnus in timetables with a validity period (a deletion
    // is then refused), its rows in programmes (the user must confirm, as they go with it), and
    // the classes of a shift (they move to shift A once the user confirms).
    static qint64 LessonsInValidTimetables(qint64 turnusId);
    static qint64 ProgrammeRows(qint64 turnusId);
    static qint64 ClassesOnShift(qint64 izmenaId);
    // Moves the classes of the shift to shift A. False on a failed write or without shift A.
    static bool MoveClassesToShiftA(qint64 izmenaId);

private:
    bool saveRows(TurnusiIzmeneChoices &choices) const;
    bool addTurnus(int i) const;
    bool deleteTurnus(int i, qint64 id, bool &kept) const;
    bool addIzmena(int i) const;
    bool deleteIzmena(int i, qint64 id, bool &kept) const;
};

} // namespace zentrel::shell
