#include "CodeBook.h"

#include <utility>

namespace zentrel::fet {

CodeBook::CodeBook(QString prefix, int width) : m_prefix(std::move(prefix)), m_width(width) {}

bool CodeBook::taken(const QString &code) const {
    return m_used.contains(code.toCaseFolded());
}

QString CodeBook::code(const QString &name) {
    if (const auto it = m_byName.constFind(name); it != m_byName.constEnd())
        return *it;
    const QString clean = name.simplified();
    QString code = (m_prefix + clean).left(m_width).trimmed();
    if (code.size() <= m_prefix.size())
        code = m_prefix + QStringLiteral("~");
    for (int n = 2; taken(code); ++n) {
        const QString tail = QStringLiteral("~%1").arg(n);
        code = (m_prefix + clean).left(m_width - tail.size()).trimmed() + tail;
    }
    m_used.insert(code.toCaseFolded(), true);
    m_byName.insert(name, code);
    if (code != m_prefix + name)
        m_shortened.append({name, code});
    return code;
}

} // namespace zentrel::fet
