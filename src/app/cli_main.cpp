#include "db/Schema.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace zentrel;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() == 2 && args[0] == QLatin1String("make-defaults"))
        return db::CreateDefaultsDatabaseFile(args[1]) ? 0 : 1;
    err << "Uporaba: zentrel-cli make-defaults POT\n";
    return 1;
}
