#include "OpenProject.h"

#include "db/Connection.h"
#include "shell/ProjectFiles.h"

#include <cstdio>
#include <cstdlib>

namespace zentrel::fuzz {

QString OpenProjectWith(test::TempHome &home, const QString &statements) {
    const QString path = home.newProjectFile(QStringLiteral("projekt.znt"));
    bool ok = false;
    {
        db::Connection c;
        ok = c.open(path) && c.exec(statements);
        if (!ok)
            fprintf(stderr, "fuzz: the project to import into cannot be made: %s\n",
                    qPrintable(c.lastError().description));
    }
    if (!ok || !shell::OpenProjectFile(path)) {
        fprintf(stderr, "fuzz: the project to import into does not open\n");
        std::exit(2);
    }
    return path;
}

} // namespace zentrel::fuzz
