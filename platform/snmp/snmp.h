// Snmp: the session through which every request goes, on net-snmp.
//
// One Snmp object serves any number of targets; it keeps one net-snmp session (one UDP
// socket) per target parameter set, opened at the first request to it. For SNMPv3 the
// agent's engine is discovered then, bounded by the target's time-out and retries, and again
// after a time-out (the agent may have come back with another engine). A synchronous request
// waits for the discovery; an asynchronous one never does: it is held until the discovery
// ends (read by the pump), then sent, or failed through its callback with the discovery's
// status (SNMP_CLASS_TIMEOUT for a silent agent). After a failed discovery the target's
// requests fail at once with its status until a back-off has passed (five discovery times, at
// least a second), so an unreachable agent does not hold the window.
//
// Synchronous calls block until the reply, the time-out or a failure, and return the status:
// SNMP_CLASS_SUCCESS, the agent's error status (1..18, the reply's bindings in pdu), or a
// failure code (SNMP_CLASS_*, SNMPv3_MP_*, SNMPv3_USM_*). They never run another request's
// callback: replies to asynchronous requests that arrive meanwhile wait for the pump.
//
// A response must name what was asked: the same objects in order (get, set), one binding per
// asked binding (get-next); any other response fails the request with SNMP_CLASS_INVALID_PDU.
// Only datagrams from the target's own address and port are read.
//
// Asynchronous calls return at once (SNMP_CLASS_SUCCESS, or the failure; then the callback is
// never called) and store the request id in pdu. The callback runs only inside
// process_pending_events(), exactly once per request:
//   reason SNMP_CLASS_ASYNC_RESPONSE - a response; pdu is the reply, its error status the agent's;
//   any other reason - the failure (SNMP_CLASS_TIMEOUT, a v3 report such as
//     SNMPv3_USM_AUTHENTICATION_FAILURE, ...); pdu holds the sent bindings and its error status
//     is set to the same code;
//   SNMP_CLASS_SESSION_DESTROYED - the Snmp object is being destroyed with the request open.
// target is the request's target, its address that of the answering agent.
//
// A request cancelled with cancel() or cancel_all() never reaches its callback; a late reply
// is dropped. All calls must come from one thread (net-snmp is not thread-safe).
#pragma once

#include <functional>
#include <memory>

#include "platform/snmp/address.h"
#include "platform/snmp/bootcounter.h"
#include "platform/snmp/oid.h"
#include "platform/snmp/pdu.h"
#include "platform/snmp/smival.h"
#include "platform/snmp/snmperrs.h"
#include "platform/snmp/target.h"
#include "platform/snmp/usm.h"
#include "platform/snmp/vb.h"

class Snmp;
typedef void (*SnmpCallback)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* callback_data);

class Snmp {
public:
    // status: SNMP_CLASS_SUCCESS, or SNMP_CLASS_UNSUPPORTED for a fixed local port (the
    // sessions bind any free port).
    explicit Snmp(int& status, unsigned short local_port = 0);
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    int get(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, void* callback_data);
    int get_next(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, void* callback_data);
    int set(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, void* callback_data);

    // Withdraws an asynchronous request: SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID_REQID when
    // no open request has that id.
    int cancel(unsigned long request_id);
    // Withdraws every open asynchronous request with that callback data; returns how many.
    int cancel_all(const void* callback_data);
    // Asynchronous requests sent and not yet delivered.
    int pending_count() const;

    // The pump: reads what has arrived, handles time-outs and retries, and runs the callbacks
    // of finished requests. Returns the number of callbacks run. A call from inside a callback
    // returns 0 at once.
    int process_pending_events();
    // True while the pump runs (its callbacks, and whatever they call, are inside it).
    bool in_pump() const;
    // When set, handler runs from the Qt event loop as soon as a session's socket is readable
    // (it is meant to call process_pending_events(), so that replies are not paced by a timer);
    // an empty handler turns this off. The handler must not let exceptions escape. Not called
    // while the pump runs.
    void set_readable_handler(std::function<void()> handler);

    // Open net-snmp sessions (one per target parameter set).
    int session_count() const;

    // This application's SNMPv3 engine identity, set by mpInit.
    const OctetStr& local_engine_id() const;
    unsigned int local_engine_boots() const;
    void set_local_engine(const OctetStr& engine_id, unsigned int boots);

    struct Impl;

private:
    std::unique_ptr<Impl> d_;
};

// Initialises SNMPv3 message processing for the session with this application's engine id and
// boots counter. Returns SNMPv3_MP_OK, or SNMPv3_MP_INVALID_ENGINEID for an id outside 5..32
// octets.
int mpInit(Snmp* session, const OctetStr& engine_id, unsigned int boots);
