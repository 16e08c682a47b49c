#pragma once

#include "SheetImport.h"

#include <QHash>
#include <memory>

namespace zentrel::basicdata {

class WriteAction;

// How the rows of one kind are decided and written; SheetImport drives it. A plan keeps what
// it decided about each row (identifiers, merged values) for its write.
class SheetPlan {
public:
    virtual ~SheetPlan() = default;

    // Reads what the project holds; false, with the message shown, when the import cannot go on.
    virtual bool open() = 0;
    // Decides row number index (rows come in file order): its action and note. present[i]
    // tells whether the file has column i.
    virtual void decide(int index, SheetRow &row, const QList<bool> &present) = 0;
    // Writes the added and changed rows within the action.
    virtual void write(WriteAction &action, const QList<SheetRow> &rows) = 0;
};

std::unique_ptr<SheetPlan> MakeRecordPlan(SheetKind kind);
std::unique_ptr<SheetPlan> MakeAssignmentPlan(qint64 curriculum);

// A code as a key: letter case and surrounding blanks do not tell codes apart.
inline QString SheetCodeKey(const QString &code) {
    return code.trimmed().toCaseFolded();
}

// Remembers the first line of each key in the file: the line of an earlier row with the same
// key, or 0 (and the key is taken by this line).
class SheetFirstLines {
public:
    int take(const QString &key, int line) {
        const auto it = m_lines.constFind(key);
        if (it != m_lines.constEnd())
            return *it;
        m_lines.insert(key, line);
        return 0;
    }

private:
    QHash<QString, int> m_lines;
};

} // namespace zentrel::basicdata
