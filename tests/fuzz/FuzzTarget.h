#pragma once

#include <QList>
#include <QString>
#include <functional>

// A reader of outside input as the fuzz runner drives it.
namespace zentrel::fuzz {

// How the mutator treats a target's input: as text lines and cells, or as an SQLite file whose
// pages and cells it knows.
enum class InputKind { Text, Database };

// What one case came to. `fault` names what went wrong (a refusal without a message, a file
// changed after a refusal, a wrong result); empty when the reader behaved.
struct Outcome {
    bool accepted = false;
    QString fault;
};

// A reader under test. `run` reads the input file at the given path (its name ends in `suffix`)
// in a fresh program state of its own and checks what the reader did.
struct Target {
    QString name; // also the name of its corpus folder
    InputKind kind;
    QString suffix;
    std::function<Outcome(const QString &inputPath)> run;
};

// Every registered target, in registration order.
QList<Target> &Targets();

// Adds a target; used as `const bool registered = Register({...});` in the target's own file.
bool Register(Target target);

} // namespace zentrel::fuzz
