// SET as one unit: every varbind of a PDU is checked against the MIB (access, type, length,
// range, row creation and deletion by the table's status column) before anything changes, and
// the changes are applied together or not at all.
#pragma once

#include <cstddef>
#include <vector>

#include "tools/agent/datafile.h"

namespace vrxagent {

// Error-status values (RFC 3416).
enum ErrorStatus {
    kNoError = 0,
    kGenErr = 5,
    kNoAccess = 6,
    kWrongType = 7,
    kWrongLength = 8,
    kWrongEncoding = 9,
    kWrongValue = 10,
    kNoCreation = 11,
    kInconsistentValue = 12,
    kNotWritable = 17,
};

// RowStatus values (RFC 2579).
enum RowStatus {
    kActive = 1,
    kNotInService = 2,
    kNotReady = 3,
    kCreateAndGo = 4,
    kCreateAndWait = 5,
    kDestroy = 6,
};

struct SetVarbind {
    Oid oid;
    Value value;
    int error = kNoError;  // found while decoding the varbind (wrongType, wrongLength, ...)
};

struct SetOp {
    bool erase = false;
    Oid oid;
    Object object;
};

struct SetPlan {
    int status = kNoError;
    size_t failed = 0;  // index of the failing varbind in the request
    std::vector<SetOp> ops;
};

SetPlan PlanSet(const AgentState& state, const std::vector<SetVarbind>& varbinds);
void ApplySet(MibData& mib, const std::vector<SetOp>& ops);

}  // namespace vrxagent
