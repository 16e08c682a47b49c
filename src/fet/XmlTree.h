#pragma once

#include <QHash>
#include <QIODevice>
#include <QString>
#include <QVector>

namespace zentrel::fet {

// An element of an XML file with its text and child elements, read whole: FET files are a few
// megabytes at most, and reading the tree first lets the import look up what it needs in any
// order (constraints refer to activities written before or after them).
struct XmlNode {
    QString name;
    QString text; // the element's own text, trimmed
    qint64 line = 0;
    QHash<QString, QString> attributes;
    QVector<XmlNode> children;

    // The first child of that name, or nullptr.
    const XmlNode *child(const QString &childName) const;
    // The trimmed text of the first child of that name, or an empty text.
    QString childText(const QString &childName) const;
};

// Reads an XML document into `root`. On a syntax error returns false and gives the line and
// column where reading stopped.
bool ReadXmlTree(QIODevice &device, XmlNode *root, qint64 *errorLine, qint64 *errorColumn);

} // namespace zentrel::fet
