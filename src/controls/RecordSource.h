#pragma once

namespace zentrel::controls {

// What the command bar needs to know of a record set: whether it is open and how many records
// it holds. The buttons are enabled from these two facts.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual bool isOpen() const = 0;
    virtual int recordCount() const = 0;
};

} // namespace zentrel::controls
