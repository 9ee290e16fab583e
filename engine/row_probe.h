#pragma once

#include "engine/request.h"

#include <functional>
#include <memory>
#include <string>

// Whether writing a table's add status to a row that exists replaces the row's values: a status
// such as "valid" creates and overwrites alike, while the agent refuses createAndGo and
// createAndWait on a row it holds.
bool AddWritesOverExistingRow(const std::string &addValue);

// Learns whether the device holds one row of a table by reading the row's status variable.
class RowProbe {
public:
    // exists: the row is there; error: why the read failed (empty when it went through).
    using Done = std::function<void(bool exists, const std::string &error)>;

    // table: the table's request (its session parameters and the status variable's identifier);
    // indexSuffix: the row's instance, as EncodeIndex gives it.
    RowProbe(const VdSNMPRequest &table, int statusRow, const std::string &indexSuffix);
    ~RowProbe();
    RowProbe(const RowProbe &) = delete;
    RowProbe &operator=(const RowProbe &) = delete;

    // Reads at once; raises CodedError when the device does not answer or refuses.
    bool Exists();
    // Reads through the event pump and calls done from there. A probe destroyed first leaves its
    // read to end by itself and calls nothing.
    void Start(Done done);
    bool running() const { return flight_ != nullptr; }

private:
    struct Flight;
    static void Completed(void *owner, const VdSNMPError &error, VdSNMPVarList &list);
    static bool Holds(const VdSNMPVarList &list);
    // A request of its own for each read, with the table's session parameters.
    std::unique_ptr<VdSNMPRequest> NewRead() const;

    VdSNMPRequest model_;  // the table's session parameters and the one status variable
    Flight *flight_ = nullptr;
};
