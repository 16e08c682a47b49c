#include "XmlTree.h"

#include <QXmlStreamReader>

namespace zentrel::fet {

const XmlNode *XmlNode::child(const QString &childName) const {
    for (const XmlNode &c : children)
        if (c.name == childName)
            return &c;
    return nullptr;
}

QString XmlNode::childText(const QString &childName) const {
    const XmlNode *c = child(childName);
    return c ? c->text : QString();
}

bool ReadXmlTree(QIODevice &device, XmlNode *root, qint64 *errorLine, qint64 *errorColumn) {
    QXmlStreamReader xml(&device);
    // The path from the root to the element being read; children are appended in place.
    QVector<XmlNode *> path;
    // A file has few distinct element names; sharing one copy of each spares an allocation per
    // element, which is most of the reading time of a large file.
    QVector<QString> names;
    auto shared = [&names](QStringView name) {
        for (const QString &n : std::as_const(names))
            if (n == name)
                return n;
        names.append(name.toString());
        return names.last();
    };
    bool seenRoot = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlNode *node = nullptr;
            if (path.isEmpty()) {
                if (seenRoot) {
                    xml.raiseError(QStringLiteral("second root element"));
                    break;
                }
                seenRoot = true;
                node = root;
            } else {
                path.last()->children.append(XmlNode());
                node = &path.last()->children.last();
            }
            node->name = shared(xml.name());
            node->line = xml.lineNumber();
            for (const QXmlStreamAttribute &a : xml.attributes())
                node->attributes.insert(a.name().toString(), a.value().toString());
            path.append(node);
            break;
        }
        case QXmlStreamReader::EndElement:
            path.last()->text = path.last()->text.trimmed();
            path.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (!path.isEmpty() && !xml.isWhitespace())
                path.last()->text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError() || !seenRoot) {
        *errorLine = xml.lineNumber();
        *errorColumn = xml.columnNumber();
        return false;
    }
    return true;
}

} // namespace zentrel::fet
