#include "Mutator.h"

namespace zentrel::fuzz {

namespace {

const char kEdgeBytes[] = {'\x00', '\x01', '\x7f', '\x80', '\xfe', '\xff'};

} // namespace

QByteArray Mutator::mutate(QByteArray input, InputKind kind) {
    // Mostly one mutation: a file damaged in many places is refused at its first check, and the
    // reader's deeper code is reached by files that are almost right.
    const int count = m_random.chance(60) ? 1 : m_random.chance(60) ? 2 : 3 + int(m_random.below(2));
    for (int i = 0; i < count; ++i) {
        // Half of the mutations know the format: they get past the first checks and reach the
        // reader's own code, where plain bit flips rarely arrive.
        if (m_random.chance(50))
            mutateBytes(input);
        else if (kind == InputKind::Database)
            MutateDatabase(input, m_random);
        else
            MutateText(input, m_random);
    }
    return input;
}

void Mutator::mutateBytes(QByteArray &data) {
    const qsizetype size = data.size();
    const qsizetype at = qsizetype(m_random.below(quint64(size) + 1));
    switch (m_random.below(7)) {
    case 0: // bit flips
        for (int i = 0, n = 1 + m_random.length(8); size > 0 && i < n; ++i)
            data[qsizetype(m_random.below(size))] ^= char(1 << m_random.below(8));
        break;
    case 1: // a byte set to an edge value
        if (size > 0)
            data[qsizetype(m_random.below(size))] = m_random.pick(kEdgeBytes);
        break;
    case 2: // truncated
        data.truncate(at);
        break;
    case 3: { // a chunk duplicated in place
        const QByteArray chunk = data.mid(at, m_random.length(4096));
        data.insert(at, chunk);
        break;
    }
    case 4: // a chunk deleted
        data.remove(at, m_random.length(4096));
        break;
    case 5: { // random bytes inserted
        QByteArray chunk;
        for (int i = 0, n = 1 + m_random.length(64); i < n; ++i)
            chunk.append(char(m_random.below(256)));
        data.insert(at, chunk);
        break;
    }
    default: { // a chunk copied over another place
        if (size == 0)
            break;
        const QByteArray chunk = data.mid(qsizetype(m_random.below(size)), m_random.length(512));
        data.replace(at, chunk.size(), chunk);
        break;
    }
    }
}

} // namespace zentrel::fuzz
