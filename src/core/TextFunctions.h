#pragma once

#include <QString>
#include <QStringView>
#include <utility>

namespace zentrel::core {

// Text made safe for a file name: separators and blanks become "_", Slovenian and Croatian
// letters are spelt out ("š" -> "sh", "Č" -> "Ch", "đ" -> "dj").
QString SafeFileName(const QString &text);

// Text for the HTML exports: "&", "<", ">" and '"' as entities; letters stay as they are (the
// writers encode the page and turn what its code page lacks into character references).
QString HtmlText(const QString &text);

// Folder part (up to and including the last separator) and file part of a path. Both "/" and
// "\" separate; a path without a separator gives the folder "/".
std::pair<QString, QString> SplitPath(const QString &path);

// True when two codes or names are the same to a user: equal apart from letter case, with
// č, š, ž and the other accented letters folded as well ("Test" and "TEST", "Čebela" and
// "čEBELA"), and apart from blanks at either end. Uniqueness of codes and names uses this.
bool SameText(const QString &left, const QString &right);

// The one order of codes and names everywhere (the database's collation SLOVENSKO and every
// list): Slovenian alphabetical order (c, č, d ... s, š, t ... z, ž); texts the alphabet finds
// equal follow their code points, so that only identical texts compare equal. Negative, zero or
// positive like strcmp.
int CompareSlovenian(QStringView left, QStringView right);

} // namespace zentrel::core
