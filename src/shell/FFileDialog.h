#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zentrel::shell {

// Modes of FileDialog.
enum FileDialogMode {
    FileDialogOpen = 0, // the name must exist: "Datoteka # ne obstaja." and the dialog again
    FileDialogSave = 1, // an existing name is confirmed: "Datoteka že obstaja. Ali jo želiš prekriti?"
    FileDialogAny = 2,  // the name is taken as it is
};

// The filter of the dialogs that choose a project file, as the program writes it.
QString ProjectFileFilter();

// The filter as the program writes it ("Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*")
// in the form the file dialog takes ("Urniki (*.znt *.kvl);;Vse datoteke (*)").
QString DialogFilter(const QString &programFilter);

// Asks for a file name with the program's own file dialog (which does not change the current
// folder). Returns the full path, or an empty text when the user cancelled. With
// requiredSuffix (".znt") a chosen name without it gets it before the existence check, so the
// question about overwriting concerns the file that will really be written. A name that
// `acceptsName` refuses (it says why) ends the dialog as a cancel does, before any question about
// overwriting: a name that may not be used at all is not offered for replacing.
QString FileDialog(QWidget *parent, int mode, const QString &title, const QString &folder, const QString &defaultName,
                   const QString &filter, const QString &requiredSuffix = QString(),
                   const std::function<bool(const QString &)> &acceptsName = {});

} // namespace zentrel::shell
