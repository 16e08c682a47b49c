#include "FFileDialog.h"

#include "core/Messages.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace zentrel::shell {

using namespace core;

QString ProjectFileFilter() {
    return QStringLiteral("Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*");
}

QString DialogFilter(const QString &programFilter) {
    const QStringList parts = programFilter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        label.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        // "*.*" means every file, also one without a dot in its name.
        for (QString &p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        filters << label + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

QString FileDialog(QWidget *parent, int mode, const QString &title, const QString &folder, const QString &defaultName,
                   const QString &filter, const QString &requiredSuffix,
                   const std::function<bool(const QString &)> &acceptsName) {
    QString start = folder;
    if (!defaultName.isEmpty())
        start = folder.isEmpty() ? defaultName : QDir(folder).filePath(defaultName);
    for (;;) {
        QFileDialog dialog(parent, title, start, DialogFilter(filter));
        dialog.setObjectName(QStringLiteral("FileDialog"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(mode == FileDialogSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // The dialog accepts any name; the program's own message answers a name that does not exist.
        dialog.setFileMode(QFileDialog::AnyFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        QString path = dialog.selectedFiles().constFirst();
        if (!requiredSuffix.isEmpty() && !path.endsWith(requiredSuffix, Qt::CaseInsensitive))
            path += requiredSuffix;
        start = path;
        if (mode == FileDialogOpen && !QFileInfo::exists(path)) {
            ShowMessage(MsgWarning, QStringLiteral("Datoteka # ne obstaja."), path);
            continue;
        }
        if (acceptsName && !acceptsName(path))
            return QString();
        if (mode == FileDialogSave && QFileInfo::exists(path) &&
            ShowMessage(MsgQuestion, QStringLiteral("Datoteka že obstaja. Ali jo želiš prekriti?")) != Answer::Yes)
            continue;
        return path;
    }
}

} // namespace zentrel::shell
