#pragma once

#include <QString>

// Restoring a project from one of its safety copies, and looking at a copy.
//
// A restore replaces the project's content in place (db::RestoreFromFile: one transaction of the
// engine, so the file is never half restored); the project keeps its file, name, rights and lock.
// The state it had is copied first ("Pred obnovitvijo"), so that a restore can itself be undone
// by restoring that copy. The restored project is then opened again with every check and repair
// an opened project gets.
namespace zentrel::shell {

// Whether a file may be restored or looked at as a copy of a project: a database the engine
// finds intact, holding every table of a project of a version this program knows. Reports "Datoteka
// # ni varnostna kopija projekta ali pa je poškodovana; projekt je ostal nespremenjen." (or the
// newer-version refusal) and returns false otherwise.
bool CheckSafetyCopy(const QString &copyPath);

// Restores the project at projectPath from the copy: asks "Projekt # bo obnovljen iz varnostne
// kopije #. ...", checks the copy, opens the project for writing when it is not (a project file
// that is gone is written anew from the copy), writes the copy "Pred obnovitvijo"
// (SafetyCopyBefore), restores, opens the project again and reports "Projekt # je obnovljen iz
// varnostne kopije #.". False, with the project unchanged, when refused, answered No, or failed
// ("Obnovitev projekta # ni uspela; projekt je ostal nespremenjen.").
bool RestoreSafetyCopy(const QString &projectPath, const QString &copyPath);

// Opens a safety copy of the project at projectPath read-only, to look at it in the windows: the
// checks that read, no lock, no repairs, not added to the recent files; the caption names the
// project and the copy. (Defined with the project life cycle in ProjectFiles.cpp, whose opening
// steps it shares.)
bool OpenSafetyCopyForViewing(const QString &copyPath, const QString &projectPath);

// Opens a copy of the project whose copies are shown, read-only, to look at it in the windows.
bool ViewSafetyCopy(const QString &copyPath);

// Leaves a copy being looked at and opens its project again. True when the project is open.
bool EndSafetyCopyViewing();

} // namespace zentrel::shell
