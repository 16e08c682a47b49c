#pragma once

#include "FuzzTarget.h"
#include "Random.h"

#include <QByteArray>

namespace zentrel::fuzz {

// Turns a seed file into a damaged one: one to four mutations, chosen by the kind of input.
// Every input gets the byte-level ones (bit flips, bytes set to edge values, truncation,
// duplicated, deleted and inserted chunks); text gets long cells, odd encodings, stray quotes,
// separators and line ends; a database gets mutations aimed at its header, page headers, cell
// pointers and cells.
class Mutator {
public:
    explicit Mutator(quint64 seed) : m_random(seed) {}

    QByteArray mutate(QByteArray input, InputKind kind);

private:
    void mutateBytes(QByteArray &data);

    Random m_random;
};

// The mutations that know the layout of an SQLite file.
void MutateDatabase(QByteArray &data, Random &random);
// The mutations that know lines, cells and encodings of a text file.
void MutateText(QByteArray &data, Random &random);

} // namespace zentrel::fuzz
