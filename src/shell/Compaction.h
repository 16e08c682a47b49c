#pragma once

#include <QString>

// Compaction of a project file ("Skrči / popravi podatke"): the engine copies the live content
// into a fresh temporary file beside the project, the copy is checked, and one rename puts it in
// place. The original stays untouched until the copy is complete, so a compaction that fails or
// is killed loses nothing. Compaction also repairs what damage lies outside the live content
// (pages the file lost track of), which is why a damaged project is offered it on opening.
namespace zentrel::shell {

// The temporary file a compaction of the (link-resolved) project file writes; a file of that
// name is left over only by a compaction that was killed, and is removed by the next one.
QString CompactionTemporaryFile(const QString &projectFile);

// Compacts a project file that is not open on the project connection. A symbolic link is
// followed and its target compacted in place; the new file gets the original's mode (and its
// owner, where the system permits). With keepOriginal the original is kept under a backup name
// (project name followed by ".bak", MakeBackup) instead of being replaced. Reports a failure
// ("Krčenje projekta # ni uspelo; projekt je ostal nespremenjen.", or that the file is too
// damaged) and returns false with the file unchanged. `backup` receives the backup's path.
bool CompactFile(const QString &path, bool keepOriginal = false, QString *backup = nullptr);

// Compacts the open project: closes it, compacts it, opens it again and reports
// "Projekt # skrčen.".
bool CompactProject();

} // namespace zentrel::shell
