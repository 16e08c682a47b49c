#pragma once

#include "engine/AnalizaNerazporejenih.h"
#include "engine/ModelUrnika.h"

#include <QString>
#include <array>
#include <vector>

// The read-only overviews of the current timetable, computed from a loaded model.
namespace zentrel::timetable {

// "Vsi urniki": every class's week in one table, one row per class (by code), a column per day
// and period from the earliest to the latest period used by any class, the lesson as its
// subject's code.
struct VsiUrniki {
    int prvaUra = 1;
    int zadnjaUra = 7;
    struct Vrstica {
        QString oddelek;
        std::array<QString, 5 * engine::StUr> celice; // index (day - 1) x 16 + period
    };
    std::vector<Vrstica> vrstice;
};
VsiUrniki PreglejVseUrnike(const engine::ModelUrnika &m);

// "Luknje": idle periods between the first and the last lesson of a day (counted as the quality
// measure counts them), per class and per teacher, with each one's total and the totals of all
// classes and all teachers.
struct LuknjeVrstica {
    QString oznaka;
    std::array<int, 6> poDnevih{}; // days 1..5
    int skupaj = 0;
};
struct Luknje {
    std::vector<LuknjeVrstica> oddelki, ucitelji;
    int skupajOddelki = 0;
    int skupajUcitelji = 0;
};
Luknje PrestejLuknje(const engine::ModelUrnika &m);

// "Nerazporejeni": every unit with periods left to place and why the construction cannot place
// it, by the analysis of unplaced lessons over the current frames (ODDELKI_OKVIR), by class group
// and subject. A unit of
// difficulty 0 is never placed automatically: its reason says so. Empty when the frames cannot
// be read.
std::vector<engine::NerazporejenoPredavanje> PreglejNerazporejene(const engine::ModelUrnika &m);

// The periods a week grid shows: from period 0 when a class uses it (else 1) to one period after
// the latest used, at least to period 8.
std::pair<int, int> RazponUr(const engine::ModelUrnika &m);

// Class and teacher indices of the model sorted by code in Slovenian alphabetical order.
std::vector<int> OddelkiPoAbecedi(const engine::ModelUrnika &m);
std::vector<int> UciteljiPoAbecedi(const engine::ModelUrnika &m);

} // namespace zentrel::timetable
