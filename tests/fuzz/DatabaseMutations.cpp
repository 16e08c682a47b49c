#include "Mutator.h"

#include <QList>

// Mutations aimed at the layout of an SQLite file: the 100-byte file header, the header of a
// b-tree page (type, first free block, cell count, start of the cell area, fragmented bytes,
// right child), its cell pointer array, and the cells themselves (payload size and row id
// varints, the record header with its serial types). Such damage passes the file's magic text
// and often the first pages, so the reader meets it where it reads rows.
namespace zentrel::fuzz {

namespace {

struct Field {
    int offset;
    int width;
};

// The fields of the file header that the engine reads when it opens a file.
const Field kFileHeader[] = {
    {16, 2}, // page size
    {18, 1}, // write version
    {19, 1}, // read version
    {20, 1}, // reserved bytes per page
    {21, 1}, // payload fractions
    {24, 4}, // change counter
    {28, 4}, // size in pages
    {32, 4}, // first freelist trunk page
    {36, 4}, // freelist pages
    {40, 4}, // schema cookie
    {44, 4}, // schema format
    {52, 4}, // largest root page (auto-vacuum)
    {56, 4}, // text encoding: 1 UTF-8, 2 UTF-16le, 3 UTF-16be
    {60, 4}, // user version
    {92, 4}, // version-valid-for
};

// A b-tree page header, from the page's start (100 bytes in on page 1).
const Field kPageHeader[] = {{0, 1}, {1, 2}, {3, 2}, {5, 2}, {7, 1}, {8, 4}};

quint32 readBig(const QByteArray &data, qsizetype at, int width) {
    quint32 value = 0;
    for (int i = 0; i < width && at + i < data.size(); ++i)
        value = (value << 8) | quint8(data[at + i]);
    return value;
}

void writeBig(QByteArray &data, qsizetype at, int width, quint32 value) {
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        if (at + i >= 0 && at + i < data.size())
            data[at + i] = char(value & 0xff);
}

// A value that tends to break a field: its edges, a neighbour of the old value, or any.
quint32 edgeValue(Random &random, quint32 old, int width) {
    const quint32 max = width >= 4 ? 0xffffffffu : (1u << (8 * width)) - 1;
    switch (random.below(7)) {
    case 0:
        return 0;
    case 1:
        return max;
    case 2:
        return max / 2 + 1;
    case 3:
        return old + 1;
    case 4:
        return old - 1;
    case 5:
        return old * 2;
    default:
        return quint32(random.below(quint64(max) + 1));
    }
}

int pageSize(const QByteArray &data) {
    const quint32 stored = readBig(data, 16, 2);
    if (stored == 1)
        return 65536;
    return stored >= 512 && (stored & (stored - 1)) == 0 ? int(stored) : 4096;
}

// Where each b-tree page's header starts.
QList<qsizetype> btreePages(const QByteArray &data) {
    QList<qsizetype> headers;
    const int size = pageSize(data);
    for (qsizetype page = 0; page * size < data.size(); ++page) {
        const qsizetype header = page * size + (page == 0 ? 100 : 0);
        if (header >= data.size())
            break;
        const quint8 type = quint8(data[header]);
        if (type == 2 || type == 5 || type == 10 || type == 13)
            headers << header;
    }
    return headers;
}

// The start of a cell the page's pointer array names, or -1.
qsizetype cellOf(const QByteArray &data, qsizetype header, Random &random, qsizetype *pointer) {
    const quint32 cells = readBig(data, header + 3, 2);
    if (cells == 0)
        return -1;
    const quint8 type = quint8(data[header]);
    const qsizetype array = header + (type == 2 || type == 5 ? 12 : 8);
    *pointer = array + 2 * qsizetype(random.below(qMin<quint32>(cells, 512)));
    const qsizetype pageStart = header - (header % pageSize(data) == 100 ? 100 : 0);
    const qsizetype cell = pageStart + readBig(data, *pointer, 2);
    return cell < data.size() ? cell : -1;
}

} // namespace

void MutateDatabase(QByteArray &data, Random &random) {
    if (data.size() < 100)
        return;
    const QList<qsizetype> pages = btreePages(data);
    const quint64 choice = random.below(pages.isEmpty() ? 2 : 6);
    if (choice == 0) {
        const Field &f = random.pick(kFileHeader);
        writeBig(data, f.offset, f.width, edgeValue(random, readBig(data, f.offset, f.width), f.width));
        return;
    }
    if (choice == 1) { // a whole page zeroed, copied over another, or the file cut at a page edge
        const int size = pageSize(data);
        const qsizetype count = (data.size() + size - 1) / size;
        const qsizetype page = qsizetype(random.below(quint64(count)));
        switch (random.below(3)) {
        case 0:
            data.replace(page * size, size, QByteArray(qMin<qsizetype>(size, data.size() - page * size), '\0'));
            break;
        case 1:
            data.replace(page * size, size, data.mid(qsizetype(random.below(quint64(count))) * size, size));
            break;
        default:
            data.truncate(qMax<qsizetype>(1, page) * size);
            break;
        }
        return;
    }
    const qsizetype header = pages[qsizetype(random.below(quint64(pages.size())))];
    if (choice == 2) {
        const Field &f = random.pick(kPageHeader);
        writeBig(data, header + f.offset, f.width,
                 edgeValue(random, readBig(data, header + f.offset, f.width), f.width));
        return;
    }
    qsizetype pointer = 0;
    const qsizetype cell = cellOf(data, header, random, &pointer);
    if (cell < 0)
        return;
    if (choice == 3) { // the pointer moved: past the page, into another cell, onto the header
        writeBig(data, pointer, 2, edgeValue(random, readBig(data, pointer, 2), 2));
        return;
    }
    // The cell's first bytes are its varints (payload size, row id; a left child on interior
    // pages); the bytes after them are the record header with the serial types of its columns.
    const qsizetype at = cell + qsizetype(choice == 4 ? random.below(9) : 2 + random.below(24));
    if (at >= data.size())
        return;
    static const char kVarintBytes[] = {'\x00', '\x7f', '\x80', '\x81', '\xff', '\x0c', '\x0d', '\x07', '\x09'};
    data[at] = random.chance(70) ? random.pick(kVarintBytes) : char(random.below(256));
}

} // namespace zentrel::fuzz
