#pragma once

#include <QString>

namespace zentrel::core {

// The conditions the program distinguishes among database failures. The numbers are the
// engine error numbers that callers and messages have always used for them.
enum class DbErrorCode : long {
    None = 0,
    ObjectExists = 3012,
    ItemNotFound = 3265,
    IndexExists = 3284,
    NotWritable = 0x80004005L,
    MissingTable = 0x80040E37L,
    FileNotFound = 53,
    PermissionDenied = 70,
    NotADatabase = 1001,
    Corrupt = 1002,     // a database the engine finds damaged
    InUse = 1003,       // another program holds the file locked
    IsDirectory = 1004, // the path names a folder
    NotReadable = 1005, // the user may not read the file
    Other = 1,
};

struct DbError {
    DbErrorCode code = DbErrorCode::None;
    QString description;

    bool isError() const { return code != DbErrorCode::None; }
    long number() const { return static_cast<long>(code); }
    // Errors the opening repairs step over (object or index exists, item not found).
    bool isIgnorableDuringRepair() const {
        return code == DbErrorCode::ObjectExists || code == DbErrorCode::ItemNotFound ||
               code == DbErrorCode::IndexExists;
    }
};

} // namespace zentrel::core
