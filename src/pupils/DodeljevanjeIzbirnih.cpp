#include "DodeljevanjeIzbirnih.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <climits>

namespace zentrel::pupils {

int ElectiveModel::placedCount(int pupil) const {
    int n = 0;
    for (const Choice &c : pupils[pupil].choices)
        n += c.block >= 0 ? 1 : 0;
    return n;
}

int ElectiveModel::choiceInBlock(int pupil, int block) const {
    const QList<Choice> &choices = pupils[pupil].choices;
    for (int c = 0; c < choices.size(); ++c)
        if (choices[c].block == block)
            return c;
    return -1;
}

void DodeljevanjeIzbirnih::run() {
    openSlots();
    fill(true);
    fill(false);
    balance(false);
    balance(true);
    dissolve();
    // The second walk places exactly as the first maximum walk: it opens no parallel groups.
    fill(false);
    split();
    finish();
}

// A pupil can take the elective of this choice in the block: he does not have it yet, has no
// elective in the block, and has fewer electives than he chose.
bool DodeljevanjeIzbirnih::placeable(int pupil, int choice, int block) const {
    return m.pupils[pupil].choices[choice].block < 0 && m.choiceInBlock(pupil, block) < 0 &&
           m.placedCount(pupil) < m.pupils[pupil].required;
}

// Before anybody is placed every chooser could go anywhere, and every group would land in the
// first block: a chooser also counts as taken in a block that already holds a group of another
// elective he chose.
bool DodeljevanjeIzbirnih::plannable(int pupil, int choice, int block) const {
    if (!placeable(pupil, choice, block))
        return false;
    const QList<Choice> &choices = m.pupils[pupil].choices;
    for (int c = 0; c < choices.size(); ++c)
        if (c != choice && choices[c].type == u'I' && choices[c].block < 0 &&
            openSlotsOf(choices[c].elective, block) > 0)
            return false;
    return true;
}

void DodeljevanjeIzbirnih::place(int pupil, int choice, int block, int slot) {
    Choice &c = m.pupils[pupil].choices[choice];
    c.block = block;
    c.slot = slot;
    m.blocks[block].groups[slot].pupils.append(pupil);
}

void DodeljevanjeIzbirnih::unplace(int pupil, int choice) {
    Choice &c = m.pupils[pupil].choices[choice];
    m.blocks[c.block].groups[c.slot].pupils.removeOne(pupil);
    c.block = -1;
    c.slot = -1;
}

int DodeljevanjeIzbirnih::openSlotsOf(int elective, int block) const {
    int n = 0;
    for (int b = 0; b < m.blocks.size(); ++b)
        if (block < 0 || b == block)
            for (const Slot &s : m.blocks[b].groups)
                n += !s.closed && s.elective == elective ? 1 : 0;
    return n;
}

qint64 DodeljevanjeIzbirnih::freeTeacher(int block, int elective) const {
    const Elective &e = m.electives[elective];
    if (!m.useTeachers)
        return openSlotsOf(elective, block) < e.teacherCount ? -1 : -2;
    for (qint64 t : e.teachers) {
        const QList<Slot> &inBlock = m.blocks[block].groups;
        if (std::none_of(inBlock.begin(), inBlock.end(), [t](const Slot &s) { return !s.closed && s.teacher == t; }))
            return t;
    }
    return -2;
}

// Every elective chosen ("I") by anybody gets as many groups as its choosers fill at its
// maximum, rounded up; groups it already has count.
void DodeljevanjeIzbirnih::openSlots() {
    for (int e = 0; e < m.electives.size(); ++e) {
        const Elective &el = m.electives[e];
        if (!el.inRun)
            continue;
        const int chosen = int(std::count_if(el.choosers.begin(), el.choosers.end(), [&](const Elective::Chooser &c) {
            return m.pupils[c.pupil].choices[c.choice].type == u'I';
        }));
        if (chosen == 0)
            continue;
        const int needed = (chosen + el.normMax - 1) / el.normMax - openSlotsOf(e);
        for (int k = 0; k < needed; ++k)
            openSlot(e);
    }
}

// The block for a new group: one of the elective's turnus where a teacher is free and enough
// choosers can still be placed, preferring fewer groups of the same elective, then more
// choosers; a block without a group of the elective is taken at once. Else a new block.
void DodeljevanjeIzbirnih::openSlot(int e) {
    const Elective &el = m.electives[e];
    int unplaced = 0;
    for (const Elective::Chooser &c : el.choosers)
        unplaced += m.pupils[c.pupil].choices[c.choice].block < 0 ? 1 : 0;
    const int want = std::min(el.normMin, unplaced);
    int best = -1, bestSlots = 1000, bestCount = -1;
    qint64 bestTeacher = -1;
    for (int b = 0; b < m.blocks.size(); ++b) {
        if (m.blocks[b].turnus != el.turnus)
            continue;
        const qint64 teacher = freeTeacher(b, e);
        if (teacher == -2)
            continue;
        int count = 0;
        for (const Elective::Chooser &c : el.choosers)
            if (count < want && plannable(c.pupil, c.choice, b))
                ++count;
        if (count < want)
            continue;
        const int same = openSlotsOf(e, b);
        if (same < bestSlots || (same == bestSlots && count > bestCount)) {
            best = b;
            bestSlots = same;
            bestCount = count;
            bestTeacher = teacher;
        }
        if (same == 0)
            break;
    }
    if (best < 0) {
        Block block;
        block.turnus = el.turnus;
        m.blocks.append(block);
        best = int(m.blocks.size()) - 1;
        bestTeacher = m.useTeachers && !el.teachers.isEmpty() ? el.teachers.first() : -1;
    }
    Slot slot;
    slot.elective = e;
    slot.teacher = bestTeacher;
    m.blocks[best].groups.append(slot);
}

bool DodeljevanjeIzbirnih::fillSlot(int b, int s, int limit) {
    const Elective &el = m.electives[m.blocks[b].groups[s].elective];
    bool placed = false;
    for (const Elective::Chooser &c : el.choosers) {
        if (m.blocks[b].groups[s].pupils.size() >= limit)
            break;
        if (placeable(c.pupil, c.choice, b)) {
            place(c.pupil, c.choice, b, s);
            placed = true;
        }
    }
    return placed;
}

void DodeljevanjeIzbirnih::fill(bool toMinimum) {
    for (int b = 0; b < m.blocks.size(); ++b)
        for (int s = 0; s < m.blocks[b].groups.size(); ++s) {
            const Slot &slot = m.blocks[b].groups[s];
            const Elective &el = m.electives[slot.elective];
            if (!slot.closed && el.inRun)
                fillSlot(b, s, toMinimum ? el.normMin : el.normMax);
        }
}

void DodeljevanjeIzbirnih::balance(bool withReserves) {
    for (int b = 0; b < m.blocks.size(); ++b)
        for (int s = 0; s < m.blocks[b].groups.size(); ++s) {
            const Slot &slot = m.blocks[b].groups[s];
            const Elective &el = m.electives[slot.elective];
            if (!slot.closed && el.inRun && slot.pupils.size() < el.normMin)
                balanceSlot(b, s, withReserves);
        }
}

bool DodeljevanjeIzbirnih::balanceSlot(int b, int s, bool withReserves) {
    const Elective &el = m.electives[m.blocks[b].groups[s].elective];
    // A group can give a pupil away while it stays at or above its own minimum.
    auto canGive = [&](const Choice &c) {
        if (c.block < 0 || c.fixed)
            return false;
        const Slot &from = m.blocks[c.block].groups[c.slot];
        return from.pupils.size() > m.electives[from.elective].normMin;
    };
    bool moved = false;
    for (const Elective::Chooser &c : el.choosers) {
        if (m.blocks[b].groups[s].pupils.size() >= el.normMin)
            break;
        const Choice &wanted = m.pupils[c.pupil].choices[c.choice];
        if ((wanted.type != u'I' && !(withReserves && wanted.type == u'R')) || (wanted.block == b && wanted.slot == s))
            continue;
        int donor = -1;
        const int inBlock = m.choiceInBlock(c.pupil, b);
        if (inBlock >= 0) {
            // Placed in another group of this block: moved over, keeping his number of electives.
            if (canGive(m.pupils[c.pupil].choices[inBlock]) && (inBlock == c.choice || wanted.block < 0))
                donor = inBlock;
        } else if (m.placedCount(c.pupil) >= m.pupils[c.pupil].required) {
            // Has all his electives: gives up a place in another block.
            if (wanted.block >= 0)
                donor = canGive(wanted) ? c.choice : -1;
            else
                for (int g = 0; g < m.pupils[c.pupil].choices.size() && donor < 0; ++g)
                    if (canGive(m.pupils[c.pupil].choices[g]))
                        donor = g;
        }
        if (donor < 0)
            continue;
        unplace(c.pupil, donor);
        place(c.pupil, c.choice, b, s);
        moved = true;
    }
    return moved;
}

void DodeljevanjeIzbirnih::dissolve() {
    for (;;) {
        int bestB = -1, bestS = -1, bestCount = INT_MAX;
        for (int b = 0; b < m.blocks.size(); ++b)
            for (int s = 0; s < m.blocks[b].groups.size(); ++s) {
                const Slot &slot = m.blocks[b].groups[s];
                const Elective &el = m.electives[slot.elective];
                const int n = int(slot.pupils.size());
                const bool handPupil = std::any_of(slot.pupils.begin(), slot.pupils.end(), [&](int p) {
                    return m.pupils[p].choices[m.choiceInBlock(p, b)].fixed;
                });
                if (!slot.closed && !slot.fixed && el.inRun && !handPupil && n > 0 && n < el.normMin && n < bestCount) {
                    bestB = b;
                    bestS = s;
                    bestCount = n;
                }
            }
        if (bestB < 0)
            return;
        for (int p : QList<int>(m.blocks[bestB].groups[bestS].pupils))
            unplace(p, m.choiceInBlock(p, bestB));
        m.blocks[bestB].groups[bestS].closed = true;
        fill(true);
        fill(false);
    }
}

void DodeljevanjeIzbirnih::split() {
    for (int b = 0; b < m.blocks.size(); ++b)
        for (int s = 0; s < m.blocks[b].groups.size(); ++s) {
            const int e = m.blocks[b].groups[s].elective;
            const Elective &el = m.electives[e];
            const int count = int(m.blocks[b].groups[s].pupils.size());
            if (m.blocks[b].groups[s].closed || !el.inRun || count <= el.normMax)
                continue;
            const int groups = (count + el.normMax - 1) / el.normMax;
            const int share = count / groups;
            for (int j = 1; j < groups; ++j) {
                const qint64 teacher = m.useTeachers ? freeTeacher(b, e) : -1;
                if (teacher == -2)
                    break;
                Slot extra;
                extra.elective = e;
                extra.teacher = teacher;
                m.blocks[b].groups.append(extra);
                const int target = int(m.blocks[b].groups.size()) - 1;
                const QList<int> from = m.blocks[b].groups[s].pupils;
                for (int i = int(from.size()) - 1; i >= 0 && m.blocks[b].groups[target].pupils.size() < share; --i) {
                    const int choice = m.choiceInBlock(from[i], b);
                    if (!m.pupils[from[i]].choices[choice].fixed) {
                        unplace(from[i], choice);
                        place(from[i], choice, b, target);
                    }
                }
            }
        }
}

void DodeljevanjeIzbirnih::finish() {
    QSet<QString> used;
    for (Block &block : m.blocks) {
        for (Slot &slot : block.groups)
            if (!slot.closed && !slot.fixed && slot.pupils.isEmpty())
                slot.closed = true;
        for (const Slot &slot : block.groups)
            if (!slot.closed)
                for (int p : slot.pupils)
                    if (!block.units.contains(m.pupils[p].unit))
                        block.units.append(m.pupils[p].unit);
        std::sort(block.units.begin(), block.units.end());
        // Groups of one elective side by side are told apart by the pupils' group name.
        QHash<int, int> parallel;
        for (const Slot &slot : block.groups)
            parallel[slot.elective] += slot.closed ? 0 : 1;
        QHash<int, int> numbered;
        for (Slot &slot : block.groups)
            if (!slot.closed && parallel.value(slot.elective) > 1 && slot.groupName.isEmpty())
                slot.groupName = QStringLiteral("%1. skupina").arg(++numbered[slot.elective]);
        if (!block.code.isEmpty())
            used.insert(block.code.toCaseFolded());
    }
    int next = 1;
    for (Block &block : m.blocks) {
        if (!block.code.isEmpty())
            continue;
        while (used.contains(QStringLiteral("$izb%1").arg(next)))
            ++next;
        block.code = QStringLiteral("$IZB%1").arg(next++);
    }
}

ElectiveFigures DodeljevanjeIzbirnih::figures() const {
    ElectiveFigures f;
    for (int p = 0; p < m.pupils.size(); ++p) {
        for (const Choice &c : m.pupils[p].choices)
            if (c.block >= 0) {
                f.placedChosen += c.type == u'I' ? 1 : 0;
                f.placedReserves += c.type == u'R' ? 1 : 0;
            }
        const int placed = m.placedCount(p);
        f.unplaced += std::max(0, m.pupils[p].required - placed);
        f.pupilsPlaced += placed > 0 ? 1 : 0;
        f.pupilsWithoutPlace += placed < m.pupils[p].required ? 1 : 0;
    }
    for (int b = 0; b < m.blocks.size(); ++b) {
        const Block &block = m.blocks[b];
        bool written = false;
        for (const Slot &slot : block.groups)
            if (!slot.closed) {
                written = true;
                ++f.groups;
                f.underfullGroups += slot.pupils.size() < m.electives[slot.elective].normMin ? 1 : 0;
            }
        if (written)
            for (int p = 0; p < m.pupils.size(); ++p)
                f.freePeriods += block.units.contains(m.pupils[p].unit) && m.choiceInBlock(p, b) < 0 ? 1 : 0;
    }
    f.freePeriods -= f.unplaced;
    return f;
}

} // namespace zentrel::pupils
